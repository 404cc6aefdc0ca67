// Builds run from the wizard's own controls: the one-time advice, the crew size as typed, blank
// names, and the hidden gauge.

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include "FlatGauge.h"
#include "FlatSpinEdit.h"
#include "WizardTestSupport.h"

using namespace wizardtest;

namespace {

// Presses OK on every message box that comes up while it lives, and keeps their texts in order.
class MessageAnswers {
public:
    MessageAnswers() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box == last_ || !box->isVisible() || !box->button(QMessageBox::Ok))
                return;
            last_ = box;
            texts_ << box->text();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        timer_.start(10);
    }
    // The texts seen since the last call.
    QStringList Take() { return std::exchange(texts_, {}); }

private:
    QTimer timer_;
    QPointer<QMessageBox> last_;
    QStringList texts_;
};

const QString kAdvice = "Just a suggestion, please enter some more names in the beginning!";
const QString kCompleted = "Completed!";

class WizardBuild : public ::testing::Test {
protected:
    void SetUp() override { Open(w); }
    static void Open(WizardWindow& window) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    static void Type(WizardWindow& window, const char* field, const QString& text) {
        auto* edit = Find<QLineEdit>(window, field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    // An outing with `people` people and nothing else: no day, so no meal list is needed.
    static void Plan(WizardWindow& window, const QString& outing, int people) {
        ShowPage(window, 0);
        Type(window, "outingNameEdit", outing);
        for (int i = 0; i < people; ++i)
            Add(window, "addPersonButton", QStringLiteral("Scout %1").arg(i + 1));
    }
    // Presses Build as a user does and returns the messages it showed.
    QStringList Build(WizardWindow& window) {
        ShowPage(window, 4);
        // The prompts and boxes before took the activation away; a user's click on Build goes
        // to the active window, where the press moves the focus.
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        Click(window, "buildButton");
        return answers.Take();
    }
    QStringList Build() { return Build(w); }
    // The people named on the first cook line.
    int CooksOnFirstSlot() {
        for (const auto& p : w.Document().Paragraphs())
            if (p.Text().rfind("Cook: ", 0) == 0)
                return static_cast<int>(QString::fromStdString(p.Text().substr(6))
                                            .split(", ", Qt::SkipEmptyParts)
                                            .size());
        return -1;
    }

    WizardWindow w;
    MessageAnswers answers;
};

TEST_F(WizardBuild, AdviceShowsOnceWithFourPeopleAndNeverAgainAfterFreshStart) {
    Plan(w, "Spring Camp", 4);
    EXPECT_EQ(Build(), (QStringList{kAdvice, kCompleted}));
    EXPECT_EQ(Build(), QStringList{kCompleted});

    // Fresh Start clears the plan, not the knowledge that the advice was given.
    ShowPage(w, 5);
    Click(w, "freshStartButton");
    ASSERT_TRUE(Items(w, "peopleList").isEmpty());
    Plan(w, "Fall Camp", 2);
    EXPECT_EQ(Build(), QStringList{kCompleted});
    EXPECT_EQ(w.Document().Paragraphs().front().Text(), "Fall Camp");

    // Five people are enough: no advice, even in a window that never gave it.
    WizardWindow other;
    Open(other);
    Plan(other, "Summer Camp", 5);
    EXPECT_EQ(Build(other), QStringList{kCompleted});
}

// Build takes the focus from the crew size box, which brings a typed number into 1..5 before
// the build reads it.
TEST_F(WizardBuild, CrewSizeTypedOutOfRangeBuildsWithTheNearestLimit) {
    Plan(w, "Spring Camp", 6);
    ShowPage(w, 1);
    TickDay(w, 0);
    Tick(w, "sundayBreakfastBox");
    ShowPage(w, 2);
    Add(w, "addBreakfastButton", "Oatmeal");
    auto* crew = Find<FlatSpinEdit>(w, "crewSizeBox");
    for (const auto& [typed, built] : {std::pair{"9", 5}, std::pair{"0", 1}}) {
        ShowPage(w, 4);
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        crew->lineEdit()->setFocus();
        crew->lineEdit()->selectAll();
        QTest::keyClicks(crew->lineEdit(), typed);
        ASSERT_EQ(crew->lineEdit()->text(), typed);
        ASSERT_TRUE(crew->lineEdit()->hasFocus());
        EXPECT_EQ(Build(), QStringList{kCompleted}) << typed;
        EXPECT_EQ(crew->text(), QString::number(built)) << typed;
        EXPECT_EQ(CooksOnFirstSlot(), built) << typed;
    }
}

// Names are never trimmed: an outing name of blanks is a name, and it heads the roster.
TEST_F(WizardBuild, OutingNameOfBlanksOnlyBuilds) {
    Plan(w, "   ", 5);
    EXPECT_EQ(Build(), QStringList{kCompleted});
    EXPECT_EQ(w.Document().Paragraphs().front().Text(), "   ");
}

TEST_F(WizardBuild, GaugeStaysHiddenAndFramedInTheFlatBorderColour) {
    auto* gauge = Find<FlatGauge>(w, "buildGauge");
    EXPECT_EQ(gauge->colorBorder(), QColor(0xA0, 0x96, 0x83));
    Plan(w, "Spring Camp", 5);
    EXPECT_EQ(Build(), QStringList{kCompleted});
    EXPECT_EQ(gauge->progress(), 8);
    EXPECT_TRUE(gauge->isHidden());
}

} // namespace
