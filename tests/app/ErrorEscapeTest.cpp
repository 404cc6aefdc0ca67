// An error that escapes a handler reaches the application object, is shown in the error box,
// and the program goes on. Own main(): the application object under test is the program's.
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include <gtest/gtest.h>

#include "Application.h"
#include "ModalAnswer.h"
#include "TestEnvironment.h"

using testsupport::AnswerNextModal;
using testsupport::WaitUntil;

namespace {

class Thrower : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw std::runtime_error("Could not read the roster");
        return QObject::event(e);
    }
};

TEST(ErrorEscape, AnEventHandlerErrorIsShownWithAFullStopAndLaterEventsStillArrive) {
    Thrower thrower;
    auto seen = AnswerNextModal("OK");
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    ASSERT_TRUE(WaitUntil([&] { return seen->found; })) << seen->error.toStdString();
    EXPECT_EQ(seen->title, "Dutywise");
    EXPECT_EQ(seen->text, "Could not read the roster.");
    EXPECT_TRUE(seen->hasIcon);
    EXPECT_EQ(seen->buttons, QStringList{"OK"});

    bool later = false;
    QTimer::singleShot(0, [&] { later = true; });
    EXPECT_TRUE(WaitUntil([&] { return later; }));
}

TEST(ErrorEscape, AClickHandlerErrorLeavesTheWindowOpenInTheStateItReached) {
    QPushButton button("Build");
    int reached = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++reached;
        throw std::out_of_range("List index out of bounds (7)");
    });
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    auto seen = AnswerNextModal("OK");
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return seen->found; }));
    EXPECT_EQ(seen->text, "List index out of bounds (7)"); // ends in ')': nothing appended
    EXPECT_TRUE(button.isVisible());
    auto again = AnswerNextModal("OK");
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return again->found; }));
    EXPECT_EQ(reached, 2);
}

} // namespace

int main(int argc, char** argv) {
    testsupport::PrepareGuiTestEnvironment();
    dutywise::app::DutywiseApplication app(argc, argv);
    testsupport::InstallModalWatchdog(); // as in the shared GUI test main
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
