// List editing, days and meals, and the window's lifetime, through the controls.

#include <QLineEdit>
#include <QSignalSpy>
#include <QTextEdit>

#include "Language.h"
#include "WizardTestSupport.h"

using namespace wizardtest;
using testsupport::AnswerNextModal;
using testsupport::AnswerPrompt;

namespace {

class WizardEditing : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    // Adds through the prompt and expects the answer dialog that follows; returns what it showed.
    std::shared_ptr<testsupport::ModalSeen> AddAnswered(const char* addButton, const QString& text,
                                                        const QString& answer) {
        auto prompt = AnswerPrompt(text);
        auto reply = AnswerNextModal(answer);
        Click(w, addButton);
        EXPECT_TRUE(prompt->found) << prompt->error.toStdString();
        EXPECT_TRUE(reply->found) << reply->error.toStdString();
        return reply;
    }
    WizardWindow w;
};

TEST_F(WizardEditing, RepeatCheckUpperCasesOnlyAsciiLettersAndNeverTrims) {
    ShowPage(w, 2);
    Add(w, "addBreakfastButton", "Oatmeal");
    const auto refusal = AddAnswered("addBreakfastButton", "oatmeal", "OK");
    EXPECT_EQ(refusal->title, "Error");
    EXPECT_EQ(refusal->text, "I'm sorry, I can't add the same meal to the list!");
    EXPECT_FALSE(refusal->hasIcon);
    Add(w, "addBreakfastButton", "Oatmeal ");
    // Accented capitals are not folded by the check: both stay on an unsorted list. (Typed
    // through the field's text: the key simulator knows no accented keys.)
    const auto paste = [this](const QString& text, bool refused) {
        auto ok = AnswerNextModal(
            "OK", [text](QWidget* dialog) { dialog->findChild<QLineEdit*>()->setText(text); });
        auto error = refused ? AnswerNextModal("OK") : nullptr;
        Click(w, "addBreakfastButton");
        EXPECT_TRUE(ok->found);
        if (error) {
            EXPECT_EQ(error->title, "Error");
        }
    };
    paste(QString::fromUtf8("Crêpe"), false);
    paste(QString::fromUtf8("CRÊPE"), false);
    paste(QString::fromUtf8("CRêPE"), true);
    EXPECT_EQ(Items(w, "breakfastsList"),
              (QStringList{"Oatmeal", "Oatmeal ", QString::fromUtf8("Crêpe"),
                           QString::fromUtf8("CRÊPE")}));
}

TEST_F(WizardEditing, EachFoodListRefusesWithItsOwnText) {
    ShowPage(w, 3);
    Add(w, "addSnackButton", "Chips");
    EXPECT_EQ(AddAnswered("addSnackButton", "CHIPS", "OK")->text,
              "I'm sorry, I can't add the same snack to the list!");
    Add(w, "addDrinkButton", "Tea");
    EXPECT_EQ(AddAnswered("addDrinkButton", "tea", "OK")->text,
              "I'm sorry, I can't add the same drink to the list!");
    ShowPage(w, 2);
    Add(w, "addDinnerButton", "Stew");
    EXPECT_EQ(AddAnswered("addDinnerButton", "stew", "OK")->text,
              "I'm sorry, I can't add the same meal to the list!");
}

TEST_F(WizardEditing, EmptyConfirmationIsAddedOnceAndRefusedTheSecondTime) {
    ShowPage(w, 3);
    const auto prompt = Add(w, "addSnackButton", "");
    EXPECT_EQ(prompt->title, "Snack");
    EXPECT_TRUE(prompt->text.contains("What is the name of the Snack?"));
    EXPECT_EQ(Items(w, "snacksList"), QStringList{""});
    AddAnswered("addSnackButton", "", "OK");
    EXPECT_EQ(Items(w, "snacksList"), QStringList{""});
}

TEST_F(WizardEditing, CancelledPromptChangesNothingAndKeepsTheLastText) {
    ShowPage(w, 0);
    Add(w, "addPersonButton", "Ann");
    QString shown;
    auto cancel = AnswerNextModal("Cancel", [&shown](QWidget* dialog) {
        if (auto* field = dialog->findChild<QLineEdit*>())
            shown = field->selectedText();
    });
    Click(w, "addPersonButton");
    EXPECT_TRUE(cancel->found);
    EXPECT_EQ(shown, "Ann"); // the last confirmed text comes back, selected
    EXPECT_EQ(Items(w, "peopleList"), QStringList{"Ann"});
}

TEST_F(WizardEditing, RepeatedNameIsAskedAboutAndYesKeepsBothSideBySideWhenSorted) {
    ShowPage(w, 0);
    Tick(w, "peopleSortedBox");
    Add(w, "addPersonButton", "Bob");
    Add(w, "addPersonButton", "ann");
    const auto question = AddAnswered("addPersonButton", "Ann", "Yes");
    EXPECT_EQ(question->title, "Names");
    EXPECT_EQ(question->text, "The name you have entered is already in the list, add to the list?");
    EXPECT_EQ(question->buttons, (QStringList{"Yes", "No"}));
    EXPECT_FALSE(question->hasIcon);
    const QStringList people = Items(w, "peopleList");
    ASSERT_EQ(people.size(), 3);
    EXPECT_EQ(people[0].toUpper(), "ANN");
    EXPECT_EQ(people[1].toUpper(), "ANN");
    EXPECT_EQ(people[2], "Bob");

    AddAnswered("addPersonButton", "BOB", "No");
    EXPECT_EQ(Items(w, "peopleList").size(), 3);
}

// Sorted by the language's collation, also where the desktop's locale is C (whose collation
// goes by character codes): "Éclair" among the E's, not after "pear".
TEST_F(WizardEditing, SortedBoxSortsAtOnceByTheLanguageAndLaterEntriesFollowTheFlag) {
    QLocale::setDefault(QLocale::c());
    dutywise::InstallLanguage(QStringLiteral("en"));
    ShowPage(w, 2);
    for (const char* fruit : {"pear", "Apple", "banana"})
        Add(w, "addLunchButton", fruit);
    w.findChild<FlatListBox*>("lunchesList")->addItem(QString::fromUtf8("Éclair"));
    Tick(w, "lunchesSortedBox");
    const QString eclair = QString::fromUtf8("Éclair");
    EXPECT_EQ(Items(w, "lunchesList"), (QStringList{"Apple", "banana", eclair, "pear"}));
    Add(w, "addLunchButton", "cherry");
    EXPECT_EQ(Items(w, "lunchesList"), (QStringList{"Apple", "banana", "cherry", eclair, "pear"}));
    Tick(w, "lunchesSortedBox");
    Add(w, "addLunchButton", "date");
    EXPECT_EQ(Items(w, "lunchesList"),
              (QStringList{"Apple", "banana", "cherry", eclair, "pear", "date"}));
    QLocale::setDefault(QLocale::system());
}

TEST_F(WizardEditing, DeleteNeedsAClickedRowAndKeepsItsPositionAfterwards) {
    ShowPage(w, 3);
    for (const char* drink : {"Milk", "Tea", "Water"})
        Add(w, "addDrinkButton", drink);
    Click(w, "deleteDrinkButton"); // no row clicked yet
    EXPECT_EQ(Items(w, "drinksList").size(), 3);

    ClickRow(w, "drinksList", 1);
    Click(w, "deleteDrinkButton");
    EXPECT_EQ(Items(w, "drinksList"), (QStringList{"Milk", "Water"}));
    Click(w, "deleteDrinkButton"); // Water moved up into the selected position
    EXPECT_EQ(Items(w, "drinksList"), QStringList{"Milk"});
    Click(w, "deleteDrinkButton"); // nothing stands there any more
    EXPECT_EQ(Items(w, "drinksList"), QStringList{"Milk"});
}

TEST_F(WizardEditing, DayGroupShowsWithItsDayAndKeepsItsTicksWhileHidden) {
    ShowPage(w, 1);
    QWidget* tuesday = Find(w, "tuesdayGroup");
    EXPECT_TRUE(tuesday->isHidden());
    TickDay(w, 2);
    EXPECT_FALSE(tuesday->isHidden());
    Tick(w, "tuesdayLunchBox");
    TickDay(w, 2);
    EXPECT_TRUE(tuesday->isHidden());
    EXPECT_TRUE(Find<QCheckBox>(w, "tuesdayLunchBox")->isChecked());
    TickDay(w, 2);
    EXPECT_FALSE(tuesday->isHidden());
    EXPECT_TRUE(Find<QCheckBox>(w, "tuesdayLunchBox")->isChecked());
    EXPECT_TRUE(Find<FlatCheckListBox>(w, "daysList")->checked(2));
}

// Each meal box shows its whole caption inside its group, never over its neighbour, at its
// designed place.
TEST_F(WizardEditing, MealCaptionsAreNeverCut) {
    ShowPage(w, 1);
    Click(w, "checkAllDaysButton");
    for (int day = 0; day < 7; ++day) {
        const QRect brk = Find(w, MealBoxName(day, 0).toLatin1().constData())->geometry();
        EXPECT_EQ(brk.topLeft(), QPoint(8, 16)) << day;
        QRect previous;
        for (int meal = 0; meal < 3; ++meal) {
            QWidget* box = Find(w, MealBoxName(day, meal).toLatin1().constData());
            EXPECT_GE(box->width(), box->sizeHint().width()) << day << meal;
            EXPECT_LE(box->geometry().right(), box->parentWidget()->width() - 1) << day << meal;
            EXPECT_FALSE(box->geometry().intersects(previous)) << day << meal;
            previous = box->geometry();
        }
    }
    EXPECT_EQ(Find(w, "tuesdayLunchBox")->pos(), QPoint(77, 16));
    EXPECT_EQ(Find(w, "fridayDinnerBox")->pos(), QPoint(133, 16));
}

// The name fields are made on a page that joins the window later; they still draw in the
// window's font, not the application's.
TEST_F(WizardEditing, NameFieldsDrawInTheWindowFont) {
    for (const char* field : {"outingNameEdit", "patrolNameEdit"}) {
        const QFont font = Find(w, field)->font();
        EXPECT_EQ(font.family(), "Tahoma") << field;
        EXPECT_EQ(font.pointSize(), 8) << field;
    }
}

TEST_F(WizardEditing, DayAndMealButtonsWorkIndependently) {
    ShowPage(w, 1);
    Click(w, "checkAllMealsButton"); // Check All Meals, no day ticked
    const dutywise::OutingPlan ticked = w.ReadPlan();
    for (int day = 0; day < dutywise::kDays; ++day) {
        EXPECT_FALSE(ticked.days[static_cast<std::size_t>(day)]);
        for (int meal = 0; meal < dutywise::kMeals; ++meal)
            EXPECT_TRUE(
                ticked.mealTicks[static_cast<std::size_t>(day)][static_cast<std::size_t>(meal)]);
    }
    for (const QString& group : kDayGroups)
        EXPECT_TRUE(Find(w, group.toLatin1().constData())->isHidden());

    Click(w, "checkAllDaysButton"); // Check All Days
    Click(w, "checkAllDaysButton"); // twice changes nothing
    for (const QString& group : kDayGroups)
        EXPECT_FALSE(Find(w, group.toLatin1().constData())->isHidden());
    EXPECT_TRUE(Find<QCheckBox>(w, "saturdayDinnerBox")->isChecked());

    Click(w, "uncheckAllDaysButton"); // Uncheck All Days leaves the meals
    EXPECT_TRUE(Find(w, "saturdayGroup")->isHidden());
    EXPECT_TRUE(Find<QCheckBox>(w, "sundayBreakfastBox")->isChecked());
    Click(w, "uncheckAllMealsButton"); // Uncheck All Meals
    EXPECT_FALSE(Find<QCheckBox>(w, "sundayBreakfastBox")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(w, "saturdayDinnerBox")->isChecked());
}

TEST_F(WizardEditing, MealTicksUnderUntickedDaysStillMakeTheirListRequired) {
    ShowPage(w, 0);
    QTest::keyClicks(Find<QLineEdit>(w, "outingNameEdit"), "Hike");
    for (const char* name : {"Ann", "Ben", "Cy", "Dee", "Eve"})
        Add(w, "addPersonButton", name);
    ShowPage(w, 1);
    Click(w, "checkAllMealsButton");
    ShowPage(w, 4);
    const auto before = w.Document().Paragraphs();
    auto refusal = AnswerNextModal("OK");
    Click(w, "buildButton");
    ASSERT_TRUE(refusal->found);
    EXPECT_EQ(refusal->text, "I can't let you generate a roster without Breakfast.\n"
                             "If you can't think of a breakfast, choose a suggestion.");
    EXPECT_EQ(w.Document().Paragraphs(), before);
    EXPECT_FALSE(Find(w, "generationNotice")->isHidden());
}

TEST_F(WizardEditing, ClosingAndReopeningKeepsEverything) {
    QSignalSpy closed(&w, &WizardWindow::formClosed);
    ShowPage(w, 0);
    QTest::keyClicks(Find<QLineEdit>(w, "patrolNameEdit"), "Owls");
    Add(w, "addPersonButton", "Ann");
    ShowPage(w, 1);
    TickDay(w, 4);
    Tick(w, "thursdayDinnerBox");
    auto* editor = Find<QTextEdit>(w, "rosterEditor");
    const QString text = editor->toPlainText();

    w.close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(w.isVisible());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    EXPECT_EQ(Find<QTabWidget>(w, "pages")->currentIndex(), 1);
    EXPECT_EQ(Find<QLineEdit>(w, "patrolNameEdit")->text(), "Owls");
    EXPECT_EQ(Items(w, "peopleList"), QStringList{"Ann"});
    EXPECT_TRUE(Find<FlatCheckListBox>(w, "daysList")->checked(4));
    EXPECT_TRUE(Find(w, "thursdayGroup")->isVisible());
    EXPECT_TRUE(Find<QCheckBox>(w, "thursdayDinnerBox")->isChecked());
    EXPECT_EQ(editor->toPlainText(), text);
}

TEST_F(WizardEditing, EscapeDoesNotCloseTheWizard) {
    QSignalSpy closed(&w, &WizardWindow::formClosed);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(closed.count(), 0);
}

} // namespace
