// The wizard by keyboard alone: the Tab order of every page, and every shortcut doing what its
// button does.

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextEdit>

#include "PrintCheck.h"
#include "WizardTestSupport.h"

using namespace wizardtest;
using testsupport::AnswerNextModal;

namespace {

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        editor = Find<QTextEdit>(w, "rosterEditor");
    }

    // The named control that holds the focus (a spin box's or drop-down's field counts as the
    // box), or the focus widget's class when it is none of them.
    QString Focused(const QStringList& names) const {
        QWidget* focus = QApplication::focusWidget();
        for (QWidget* at = focus; at; at = at->parentWidget())
            if (names.contains(at->objectName()))
                return at->objectName();
        if (focus == Find<QTabWidget>(const_cast<WizardWindow&>(w), "pages")->tabBar())
            return QStringLiteral("pages");
        return focus ? QString::fromLatin1(focus->metaObject()->className()) : "nothing";
    }

    // Tab (or Shift+Tab) from the page tabs, once per stop and once more; the editor is left
    // with Ctrl+Tab (Ctrl+Shift+Tab), as Tab types there.
    QStringList Walk(const QStringList& names, bool forward) {
        Find<QTabWidget>(w, "pages")->tabBar()->setFocus(Qt::TabFocusReason);
        QStringList visited{Focused(names)};
        for (qsizetype step = 0; step < names.size(); ++step) {
            QWidget* focus = QApplication::focusWidget();
            const Qt::KeyboardModifiers ctrl =
                focus == editor ? Qt::ControlModifier : Qt::NoModifier;
            if (forward)
                QTest::keyClick(focus, Qt::Key_Tab, ctrl);
            else
                QTest::keyClick(focus, Qt::Key_Backtab, ctrl | Qt::ShiftModifier);
            visited << Focused(names);
        }
        return visited;
    }

    WizardWindow w;
    QTextEdit* editor = nullptr;
};

QStringList MealBoxes(std::initializer_list<int> days) {
    QStringList names;
    for (int day : days)
        for (int meal = 0; meal < 3; ++meal)
            names << MealBoxName(day, meal);
    return names;
}

} // namespace

// From the page tabs, Tab visits every operable control of the page once, in reading order,
// then the readability switch, and comes back to the tabs; Shift+Tab walks the same way back.
TEST_F(Keyboard, TabVisitsEveryControlOfEachPageInReadingOrderAndComesBack) {
    const QStringList foodList = {"List", "Add", "Delete", "Sorted", "Suggest"};
    struct Page {
        int index;
        QStringList stops;
    };
    const Page pages[] = {
        {0,
         {"outingNameEdit", "patrolNameEdit", "openPlanButton", "savePlanButton",
          "continueSeasonButton", "peopleList",
          "addPersonButton", "deletePersonButton", "peopleSortedBox"}},
        // Monday and Friday are ticked below: their meal boxes only, in the order of the week.
        // The start date's field is skipped while its box is unticked.
        {1, QStringList{"daysList", "checkAllDaysButton", "uncheckAllDaysButton", "startDateBox",
                        "checkAllMealsButton", "uncheckAllMealsButton"} +
                MealBoxes({1, 5})},
        {2,
         {"breakfastsList", "addBreakfastButton", "deleteBreakfastButton", "breakfastsSortedBox",
          "suggestBreakfastButton", "lunchesList", "addLunchButton", "deleteLunchButton",
          "lunchesSortedBox", "suggestLunchButton", "lunchSuggestionLabel", "dinnersList",
          "addDinnerButton", "deleteDinnerButton", "dinnersSortedBox", "suggestDinnerButton"}},
        {3,
         {"snacksList", "addSnackButton", "deleteSnackButton", "snacksSortedBox",
          "suggestSnackButton", "drinksList", "addDrinkButton", "deleteDrinkButton",
          "drinksSortedBox", "suggestDrinkButton"}},
        {4, {"crewSizeBox", "whoIsThereButton", "buildButton", "shareEvenlyBox"}},
        {5,
         {"boldButton", "italicButton", "underlineButton", "saveButton", "fontBox", "colourBox",
          "sizeBox", "printSheetButton", "printButton", "rosterEditor", "freshStartButton",
          "regenerateButton", "aboutButton"}},
    };
    ShowPage(w, 1);
    TickDay(w, 1);
    TickDay(w, 5);
    // A lunch proposed: its label follows its Suggestion button (the others stay hidden).
    ShowPage(w, 2);
    Click(w, "suggestLunchButton");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Find(w, "lunchSuggestionLabel")->isVisible(); }));
    for (const Page& page : pages) {
        ShowPage(w, page.index);
        const QStringList stops =
            QStringList{"pages"} + page.stops + QStringList{"readabilitySwitch"};
        QStringList there = stops;
        there << "pages";
        EXPECT_EQ(Walk(stops, true).join(' ').toStdString(), there.join(' ').toStdString())
            << "page " << page.index;
        QStringList back = stops;
        std::reverse(back.begin() + 1, back.end());
        back << "pages";
        EXPECT_EQ(Walk(stops, false).join(' ').toStdString(), back.join(' ').toStdString())
            << "page " << page.index;
    }
    // In the editor, Tab and Shift+Tab stay what they are there: a tab typed, focus kept.
    editor->setFocus(Qt::TabFocusReason);
    editor->moveCursor(QTextCursor::End);
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_TRUE(editor->toPlainText().endsWith(u'\t'));
}

// Each key, sent to the wizard on its page, has the effect of its button; a screen reader hears
// the key with the button's name.
TEST_F(Keyboard, EachShortcutDoesWhatItsButtonDoes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString roster = dir.filePath("roster.rtf");
    const QString patrol = QStringLiteral("Keys %1").arg(QDateTime::currentMSecsSinceEpoch());
    Find<QLineEdit>(w, "patrolNameEdit")->setText(patrol);
    const auto selectFirstLine = [this] {
        editor->setFocus();
        QTextCursor c(editor->document());
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        editor->setTextCursor(c);
    };
    const auto firstLine = [this] { return w.Document().Paragraphs().at(0).runs.front().style; };
    const auto has = [&](dutywise::FontStyle style) { return firstLine().styles.Has(style); };

    struct Row {
        const char* what;
        int page;
        const char* focus; // the control the key is pressed in
        QKeySequence key;
        const char* button; // whose accessible description names the key, if any
        std::function<std::shared_ptr<testsupport::ModalSeen>()> answer; // before the key
        std::function<void()> check;
    };
    const Row rows[] = {
        {"Insert adds a person", 0, "peopleList", QKeySequence(Qt::Key_Insert), "addPersonButton",
         [] { return testsupport::AnswerPrompt("Ann"); },
         [&] { EXPECT_EQ(Items(w, "peopleList"), QStringList{"Ann"}); }},
        {"Insert adds a drink", 3, "drinksList", QKeySequence(Qt::Key_Insert), "addDrinkButton",
         [] { return testsupport::AnswerPrompt("Tea"); },
         [&] { EXPECT_EQ(Items(w, "drinksList"), QStringList{"Tea"}); }},
        {"Delete removes the selected drink", 3, "drinksList", QKeySequence(QKeySequence::Delete),
         "deleteDrinkButton", nullptr, [&] { EXPECT_TRUE(Items(w, "drinksList").isEmpty()); }},
        {"Space on a shown suggestion adds it", 2, "dinnerSuggestionLabel",
         QKeySequence(Qt::Key_Space), nullptr,
         [&] {
             Click(w, "suggestDinnerButton");
             EXPECT_TRUE(
                 QTest::qWaitFor([&] { return Find(w, "dinnerSuggestionLabel")->isVisible(); }));
             return std::shared_ptr<testsupport::ModalSeen>();
         },
         [&] { EXPECT_EQ(Items(w, "dinnersList").size(), 1); }},
        {"Ctrl+B makes the bold first line plain", 5, "rosterEditor", QKeySequence::Bold,
         "boldButton", nullptr, [&] { EXPECT_FALSE(has(dutywise::FontStyle::Bold)); }},
        {"Ctrl+B makes it bold again", 5, "rosterEditor", QKeySequence::Bold, "boldButton", nullptr,
         [&] { EXPECT_TRUE(has(dutywise::FontStyle::Bold)); }},
        {"Ctrl+I", 5, "rosterEditor", QKeySequence::Italic, "italicButton", nullptr,
         [&] { EXPECT_TRUE(has(dutywise::FontStyle::Italic)); }},
        {"Ctrl+U", 5, "rosterEditor", QKeySequence::Underline, "underlineButton", nullptr,
         [&] { EXPECT_TRUE(has(dutywise::FontStyle::Underline)); }},
        {"Ctrl+S asks where to save the roster", 5, "rosterEditor", QKeySequence::Save,
         "saveButton", [&] { return SaveAs(roster); }, [&] { EXPECT_TRUE(QFile::exists(roster)); }},
        // A job on the private print queue; without that queue, the message that there is no
        // printer (and a failure under CI).
        {"Ctrl+P prints", 5, "rosterEditor", QKeySequence::Print, "printButton",
         [] {
             return printcheck::Unavailable() ? AnswerNextModal("OK")
                                              : std::shared_ptr<testsupport::ModalSeen>();
         },
         [&] {
             if (auto why = printcheck::Unavailable()) {
                 if (printcheck::Required())
                     ADD_FAILURE() << why->toStdString();
             } else {
                 EXPECT_EQ(printcheck::WaitForFinishedJobs(patrol + "'s Roster", 1).size(), 1u);
             }
         }},
        {"Ctrl+O asks for a plan, from any page", 2, "lunchesList", QKeySequence::Open,
         "openPlanButton", [] { return AnswerNextModal("Cancel"); }, [] {}},
        {"Ctrl+Shift+S asks where to save the plan", 5, "rosterEditor",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "savePlanButton",
         [] { return AnswerNextModal("Cancel"); }, [] {}},
        {"Ctrl+Shift+S asks where to save the plan on any page", 3, "snacksList",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "savePlanButton",
         [] { return AnswerNextModal("Cancel"); }, [] {}},
        {"Ctrl+Page Down turns to the next page", 1, "daysList",
         QKeySequence(Qt::CTRL | Qt::Key_PageDown), nullptr, nullptr,
         [&] { EXPECT_EQ(Find<QTabWidget>(w, "pages")->currentIndex(), 2); }},
        {"Ctrl+Page Up from the first page turns to the last", 0, "peopleList",
         QKeySequence(Qt::CTRL | Qt::Key_PageUp), nullptr, nullptr,
         [&] { EXPECT_EQ(Find<QTabWidget>(w, "pages")->currentIndex(), 5); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QApplication::setActiveWindow(&w); // back from the dialog of the row before
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        ShowPage(w, row.page);
        auto seen = row.answer ? row.answer() : nullptr; // may show the control to focus
        if (QString(row.focus) == "rosterEditor")
            selectFirstLine();
        else
            Find(w, row.focus)->setFocus();
        if (QString(row.focus) == "drinksList")
            QTest::keyClick(Find(w, row.focus), Qt::Key_Home); // select the first drink
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keySequence(QApplication::focusWidget(), row.key);
        if (seen) {
            EXPECT_TRUE(seen->found) << seen->error.toStdString();
        }
        row.check();
        if (row.button) {
            auto* button = Find<QPushButton>(w, row.button);
            EXPECT_EQ(button->accessibleDescription(),
                      button->accessibleName() + ", " + row.key.toString(QKeySequence::NativeText));
        }
    }

    // The Generation page's keys are idle on the other pages: Ctrl+S on Basics saves nothing.
    QApplication::setActiveWindow(&w);
    ShowPage(w, 0);
    Find(w, "outingNameEdit")->setFocus();
    auto none = AnswerNextModal("Cancel", {}, 300);
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Save);
    EXPECT_FALSE(none->found);
}
