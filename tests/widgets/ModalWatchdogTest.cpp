// The shared GUI test main's watchdog: a dialog nobody answers fails its test within seconds,
// saying which dialog it was, rather than hanging the test until CTest's limit.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>

#include <string>
#include <vector>

#include "ModalAnswer.h"

namespace {

// Runs `open` with the failures it records caught rather than counted against this test, and
// returns their messages.
template <class F> std::vector<std::string> FailuresOf(F open) {
    ::testing::TestPartResultArray failures;
    {
        ::testing::ScopedFakeTestPartResultReporter catcher(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        open();
    }
    std::vector<std::string> messages;
    for (int i = 0; i < failures.size(); ++i)
        messages.push_back(failures.GetTestPartResult(i).message());
    return messages;
}

// Shortens the watchdog's limit for one test.
class ModalWatchdog : public ::testing::Test {
protected:
    ModalWatchdog() : previous_(testsupport::InstallModalWatchdog(1)) {}
    ~ModalWatchdog() override { testsupport::InstallModalWatchdog(previous_); }

private:
    int previous_;
};

} // namespace

TEST_F(ModalWatchdog, UnansweredMessageBoxFailsTheTestNamingItAndIsClosed) {
    QElapsedTimer clock;
    clock.start();
    const auto failures = FailuresOf([&] {
        QMessageBox box(QMessageBox::NoIcon, "Dutywise", "The patrol name is missing.",
                        QMessageBox::Ok);
        box.exec(); // nobody answers
    });
    EXPECT_LT(clock.elapsed(), 60'000) << "closed by the watchdog, not by a test timeout";
    ASSERT_EQ(failures.size(), 1u);
    const std::string& message = failures.front();
    EXPECT_NE(message.find("\"Dutywise\""), std::string::npos) << message;
    EXPECT_NE(message.find("The patrol name is missing."), std::string::npos) << message;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ModalWatchdog, AnsweredAndWindowModalDialogsAreLeftAlone) {
    const auto failures = FailuresOf([] {
        // An answer that waits: the dialog is up for longer than the limit before it is given.
        QMessageBox box(QMessageBox::NoIcon, "Dutywise", "Expected", QMessageBox::Ok);
        auto seen = testsupport::AnswerNextModal(
            "OK", [](QWidget*) { testsupport::WaitUntil([] { return false; }, 1500); });
        EXPECT_EQ(box.exec(), QMessageBox::Ok);
        EXPECT_TRUE(seen->found) << seen->error.toStdString();

        // A program window shown modally to its own windows only, up for longer than the limit.
        QDialog window;
        window.setWindowModality(Qt::WindowModal);
        window.show();
        testsupport::WaitUntil([] { return false; }, 2500);
        EXPECT_TRUE(window.isVisible());
    });
    for (const std::string& message : failures)
        ADD_FAILURE() << message;
}

TEST(ModalAnswer, AnotherDialogThanTheOneExpectedIsNamedAndClosed) {
    QMessageBox box(QMessageBox::NoIcon, "Dutywise", "Delete everything?",
                    QMessageBox::Yes | QMessageBox::No);
    auto seen = testsupport::AnswerNextModal("OK");
    EXPECT_NE(box.exec(), QMessageBox::Yes);
    EXPECT_FALSE(seen->found);
    const std::string error = seen->error.toStdString();
    EXPECT_NE(error.find("\"Dutywise\""), std::string::npos) << error;
    EXPECT_NE(error.find("Delete everything?"), std::string::npos) << error;
}
