// Writes the six wizard pages to PNG, before and after a build, for people to look at:
// <build>/screenshots/wizard/.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTextEdit>

#include "AppearingLabel.h"
#include "FlatSpinEdit.h"
#include "WizardTestSupport.h"

using namespace wizardtest;

namespace {

QString OutputDir() {
    const QString dir = QStringLiteral(DUTYWISE_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    return dir;
}

void ShootPages(WizardWindow& w, const QString& stage) {
    static const char* const names[] = {"1-basics",        "2-days",         "3-meals",
                                        "4-snacks-drinks", "5-finalization", "6-generation"};
    for (int page = 0; page < 6; ++page) {
        ShowPage(w, page);
        QCoreApplication::processEvents();
        const QString path =
            QStringLiteral("%1/%2-%3.png").arg(OutputDir(), stage, QLatin1String(names[page]));
        EXPECT_TRUE(w.grab().save(path)) << path.toStdString();
    }
}

TEST(WizardScreenshots, SixPagesBeforeAndAfterABuild) {
    WizardWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ShootPages(w, QStringLiteral("before"));

    ShowPage(w, 0);
    Find<QLineEdit>(w, "outingNameEdit")->setText("Spring Camporee at Lake Hollow");
    Find<QLineEdit>(w, "patrolNameEdit")->setText("Eagle");
    Find<FlatListBox>(w, "peopleList")->assignItems({"Ann", "Ben", "Cy", "Dee", "Eve", "Finn"});
    ShowPage(w, 1);
    TickDay(w, 5);
    TickDay(w, 6);
    Tick(w, "fridayDinnerBox");
    Tick(w, "saturdayBreakfastBox");
    Tick(w, "saturdayLunchBox");
    Tick(w, "saturdayDinnerBox");
    Find<FlatListBox>(w, "breakfastsList")->assignItems({"Pancakes", "Oatmeal", "Eggs and Bacon"});
    Find<FlatListBox>(w, "lunchesList")->assignItems({"Sandwiches", "Soup"});
    Find<FlatListBox>(w, "dinnersList")->assignItems({"Chili", "Foil Packs", "Spaghetti"});
    Find<FlatListBox>(w, "snacksList")->assignItems({"Trail Mix", "S'mores"});
    Find<FlatListBox>(w, "drinksList")->assignItems({"Water", "Cocoa"});
    ShowPage(w, 4);
    auto done = testsupport::AnswerNextModal("OK");
    Click(w, "buildButton");
    EXPECT_EQ(done->text, "Completed!");
    ShootPages(w, QStringLiteral("after"));

    // Every day group showing, every meal ticked: all 21 captions in their narrow boxes.
    ShowPage(w, 1);
    Click(w, "checkAllDaysButton");
    Click(w, "checkAllMealsButton");
    const QString all = OutputDir() + QStringLiteral("/days-all-ticked.png");
    EXPECT_TRUE(w.grab().save(all)) << all.toStdString();

    // Duties shared evenly: the roster's closing count; then the Finalization page made
    // readable, its check box caption included.
    ShowPage(w, 4);
    Tick(w, "shareEvenlyBox");
    auto even = testsupport::AnswerNextModal("OK");
    Click(w, "buildButton");
    EXPECT_EQ(even->text, "Completed!");
    ShowPage(w, 5);
    auto* editor = Find<QTextEdit>(w, "rosterEditor");
    editor->moveCursor(QTextCursor::End);
    editor->ensureCursorVisible();
    QCoreApplication::processEvents();
    const QString count = OutputDir() + QStringLiteral("/even-shares-6-generation.png");
    EXPECT_TRUE(w.grab().save(count)) << count.toStdString();

    // Who is there when: Finn away from Sunday breakfast, the dialog as it shows it.
    auto who = testsupport::AnswerNextModal("Cancel", [](QWidget* dialog) {
        auto* table = dialog->findChild<QAbstractItemView*>("presenceTable");
        ASSERT_NE(table, nullptr);
        table->model()->setData(table->model()->index(5, 1), Qt::Unchecked, Qt::CheckStateRole);
        QCoreApplication::processEvents();
        const QString path = OutputDir() + QStringLiteral("/who-is-there.png");
        EXPECT_TRUE(dialog->grab().save(path)) << path.toStdString();
    });
    Click(w, "whoIsThereButton");
    EXPECT_TRUE(who->found) << who->error.toStdString();

    // Keep Apart: the first two names added as a pair.
    auto apart = testsupport::AnswerNextModal("Cancel", [](QWidget* dialog) {
        Click(*dialog, "addPairButton");
        const QString path = OutputDir() + QStringLiteral("/keep-apart.png");
        EXPECT_TRUE(dialog->grab().save(path)) << path.toStdString();
    });
    Click(w, "keepApartButton");
    EXPECT_TRUE(apart->found) << apart->error.toStdString();

    // The crews: Ann put into the first cook's place, with the warnings that follows.
    ShowPage(w, 5);
    auto crews = testsupport::AnswerNextModal("Cancel", [](QWidget* dialog) {
        auto* table = dialog->findChild<QAbstractItemView*>("crewsTable");
        ASSERT_NE(table, nullptr);
        table->model()->setData(table->model()->index(0, 2), 0);
        QCoreApplication::processEvents();
        const QString path = OutputDir() + QStringLiteral("/crews.png");
        EXPECT_TRUE(dialog->grab().save(path)) << path.toStdString();
    });
    Click(w, "crewsButton");
    EXPECT_TRUE(crews->found) << crews->error.toStdString();

    Click(w, "readabilitySwitch");
    ShowPage(w, 4);
    QCoreApplication::processEvents();
    const QString readable = OutputDir() + QStringLiteral("/readable-5-finalization.png");
    EXPECT_TRUE(w.grab().save(readable)) << readable.toStdString();
}

// The focus of a keyboard user: moved with Tab onto Add (Basics), a breakfast proposed (Meals),
// Bold (Generation) and the readability switch.
TEST(WizardScreenshots, ButtonsFocusedByTab) {
    WizardWindow w;
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    struct Shot {
        int page;
        const char* before; // Tab is pressed here
        const char* file;
    };
    ShowPage(w, 2);
    Click(w, "suggestBreakfastButton");
    auto* proposal = Find<AppearingLabel>(w, "breakfastSuggestionLabel");
    EXPECT_TRUE(QTest::qWaitFor([&] { return proposal->isVisible() && !proposal->isSliding(); }));
    const Shot shots[] = {{0, "peopleList", "keys-1-basics-add"},
                          {2, "suggestBreakfastButton", "keys-3-meals-suggestion"},
                          {5, "pages", "keys-6-generation-bold"},
                          {5, "aboutButton", "keys-6-generation-readability"}};
    for (const Shot& shot : shots) {
        ShowPage(w, shot.page);
        QWidget* from = Find(w, shot.before);
        from->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCoreApplication::processEvents();
        const QString path = QStringLiteral("%1/%2.png").arg(OutputDir(), QLatin1String(shot.file));
        EXPECT_TRUE(w.grab().save(path)) << path.toStdString();
    }
}

} // namespace
