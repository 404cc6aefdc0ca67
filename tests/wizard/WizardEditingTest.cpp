// List editing, days and meals, and the window's lifetime, through the controls.

#include <QLineEdit>
#include <QSignalSpy>
#include <QTextEdit>

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
    TForm2 w;
};

TEST_F(WizardEditing, RepeatCheckUpperCasesOnlyAsciiLettersAndNeverTrims) {
    ShowPage(w, 2);
    Add(w, "FlatSpeedButton8", "Oatmeal");
    const auto refusal = AddAnswered("FlatSpeedButton8", "oatmeal", "OK");
    EXPECT_EQ(refusal->title, "Error");
    EXPECT_EQ(refusal->text, "I'm sorry, I can't add the same meal to the list!");
    EXPECT_FALSE(refusal->hasIcon);
    Add(w, "FlatSpeedButton8", "Oatmeal ");
    // Accented capitals are not folded by the check: both stay on an unsorted list. (Typed
    // through the field's text: the key simulator knows no accented keys.)
    const auto paste = [this](const QString& text, bool refused) {
        auto ok = AnswerNextModal(
            "OK", [text](QWidget* dialog) { dialog->findChild<QLineEdit*>()->setText(text); });
        auto error = refused ? AnswerNextModal("OK") : nullptr;
        Click(w, "FlatSpeedButton8");
        EXPECT_TRUE(ok->found);
        if (error) {
            EXPECT_EQ(error->title, "Error");
        }
    };
    paste(QString::fromUtf8("Crêpe"), false);
    paste(QString::fromUtf8("CRÊPE"), false);
    paste(QString::fromUtf8("CRêPE"), true);
    EXPECT_EQ(Items(w, "FlatListBox2"),
              (QStringList{"Oatmeal", "Oatmeal ", QString::fromUtf8("Crêpe"),
                           QString::fromUtf8("CRÊPE")}));
}

TEST_F(WizardEditing, EachFoodListRefusesWithItsOwnText) {
    ShowPage(w, 3);
    Add(w, "FlatSpeedButton17", "Chips");
    EXPECT_EQ(AddAnswered("FlatSpeedButton17", "CHIPS", "OK")->text,
              "I'm sorry, I can't add the same snack to the list!");
    Add(w, "FlatSpeedButton18", "Tea");
    EXPECT_EQ(AddAnswered("FlatSpeedButton18", "tea", "OK")->text,
              "I'm sorry, I can't add the same drink to the list!");
    ShowPage(w, 2);
    Add(w, "FlatSpeedButton12", "Stew");
    EXPECT_EQ(AddAnswered("FlatSpeedButton12", "stew", "OK")->text,
              "I'm sorry, I can't add the same meal to the list!");
}

TEST_F(WizardEditing, EmptyConfirmationIsAddedOnceAndRefusedTheSecondTime) {
    ShowPage(w, 3);
    const auto prompt = Add(w, "FlatSpeedButton17", "");
    EXPECT_EQ(prompt->title, "Snack");
    EXPECT_TRUE(prompt->text.contains("What is the name of the Snack?"));
    EXPECT_EQ(Items(w, "FlatListBox5"), QStringList{""});
    AddAnswered("FlatSpeedButton17", "", "OK");
    EXPECT_EQ(Items(w, "FlatListBox5"), QStringList{""});
}

TEST_F(WizardEditing, CancelledPromptChangesNothingAndKeepsTheLastText) {
    ShowPage(w, 0);
    Add(w, "FlatSpeedButton1", "Ann");
    QString shown;
    auto cancel = AnswerNextModal("Cancel", [&shown](QWidget* dialog) {
        if (auto* field = dialog->findChild<QLineEdit*>())
            shown = field->selectedText();
    });
    Click(w, "FlatSpeedButton1");
    EXPECT_TRUE(cancel->found);
    EXPECT_EQ(shown, "Ann"); // the last confirmed text comes back, selected
    EXPECT_EQ(Items(w, "FlatListBox1"), QStringList{"Ann"});
}

TEST_F(WizardEditing, RepeatedNameIsAskedAboutAndYesKeepsBothSideBySideWhenSorted) {
    ShowPage(w, 0);
    Tick(w, "FlatCheckBox1");
    Add(w, "FlatSpeedButton1", "Bob");
    Add(w, "FlatSpeedButton1", "ann");
    const auto question = AddAnswered("FlatSpeedButton1", "Ann", "Yes");
    EXPECT_EQ(question->title, "Names");
    EXPECT_EQ(question->text, "The name you have entered is already in the list, add to the list?");
    EXPECT_EQ(question->buttons, (QStringList{"Yes", "No"}));
    EXPECT_FALSE(question->hasIcon);
    const QStringList people = Items(w, "FlatListBox1");
    ASSERT_EQ(people.size(), 3);
    EXPECT_EQ(people[0].toUpper(), "ANN");
    EXPECT_EQ(people[1].toUpper(), "ANN");
    EXPECT_EQ(people[2], "Bob");

    AddAnswered("FlatSpeedButton1", "BOB", "No");
    EXPECT_EQ(Items(w, "FlatListBox1").size(), 3);
}

TEST_F(WizardEditing, SortedBoxSortsAtOnceAndLaterEntriesFollowTheFlag) {
    ShowPage(w, 2);
    for (const char* fruit : {"pear", "Apple", "banana"})
        Add(w, "FlatSpeedButton10", fruit);
    Tick(w, "FlatCheckBox3");
    EXPECT_EQ(Items(w, "FlatListBox3"), (QStringList{"Apple", "banana", "pear"}));
    Add(w, "FlatSpeedButton10", "cherry");
    EXPECT_EQ(Items(w, "FlatListBox3"), (QStringList{"Apple", "banana", "cherry", "pear"}));
    Tick(w, "FlatCheckBox3");
    Add(w, "FlatSpeedButton10", "date");
    EXPECT_EQ(Items(w, "FlatListBox3"), (QStringList{"Apple", "banana", "cherry", "pear", "date"}));
}

TEST_F(WizardEditing, DeleteNeedsAClickedRowAndKeepsItsPositionAfterwards) {
    ShowPage(w, 3);
    for (const char* drink : {"Milk", "Tea", "Water"})
        Add(w, "FlatSpeedButton18", drink);
    Click(w, "FlatSpeedButton20"); // no row clicked yet
    EXPECT_EQ(Items(w, "FlatListBox6").size(), 3);

    ClickRow(w, "FlatListBox6", 1);
    Click(w, "FlatSpeedButton20");
    EXPECT_EQ(Items(w, "FlatListBox6"), (QStringList{"Milk", "Water"}));
    Click(w, "FlatSpeedButton20"); // Water moved up into the selected position
    EXPECT_EQ(Items(w, "FlatListBox6"), QStringList{"Milk"});
    Click(w, "FlatSpeedButton20"); // nothing stands there any more
    EXPECT_EQ(Items(w, "FlatListBox6"), QStringList{"Milk"});
}

TEST_F(WizardEditing, DayGroupShowsWithItsDayAndKeepsItsTicksWhileHidden) {
    ShowPage(w, 1);
    QWidget* tuesday = Find(w, "FlatGroupBox3");
    EXPECT_TRUE(tuesday->isHidden());
    TickDay(w, 2);
    EXPECT_FALSE(tuesday->isHidden());
    Tick(w, "TueLun");
    TickDay(w, 2);
    EXPECT_TRUE(tuesday->isHidden());
    EXPECT_TRUE(Find<QCheckBox>(w, "TueLun")->isChecked());
    TickDay(w, 2);
    EXPECT_FALSE(tuesday->isHidden());
    EXPECT_TRUE(Find<QCheckBox>(w, "TueLun")->isChecked());
    EXPECT_TRUE(Find<TFlatCheckListBox>(w, "days")->checked(2));
}

// Each meal box shows its whole caption inside its group, never over its neighbour, at its
// designed place.
TEST_F(WizardEditing, MealCaptionsAreNeverCut) {
    ShowPage(w, 1);
    Click(w, "FlatSpeedButton6");
    for (const char* day : {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}) {
        const QRect brk = Find(w, QString("%1Brk").arg(day).toLatin1().constData())->geometry();
        EXPECT_EQ(brk.topLeft(), QPoint(8, 16)) << day;
        QRect previous;
        for (const char* meal : {"Brk", "Lun", "Din"}) {
            QWidget* box = Find(w, QString("%1%2").arg(day, meal).toLatin1().constData());
            EXPECT_GE(box->width(), box->sizeHint().width()) << day << meal;
            EXPECT_LE(box->geometry().right(), box->parentWidget()->width() - 1) << day << meal;
            EXPECT_FALSE(box->geometry().intersects(previous)) << day << meal;
            previous = box->geometry();
        }
    }
    EXPECT_EQ(Find(w, "TueLun")->pos(), QPoint(77, 16));
    EXPECT_EQ(Find(w, "FriDin")->pos(), QPoint(133, 16));
}

// The name fields are made on a page that joins the window later; they still draw in the
// window's font, not the application's.
TEST_F(WizardEditing, NameFieldsDrawInTheWindowFont) {
    for (const char* field : {"FlatEdit1", "FlatEdit2"}) {
        const QFont font = Find(w, field)->font();
        EXPECT_EQ(font.family(), "Tahoma") << field;
        EXPECT_EQ(font.pointSize(), 8) << field;
    }
}

TEST_F(WizardEditing, DayAndMealButtonsWorkIndependently) {
    ShowPage(w, 1);
    Click(w, "FlatSpeedButton3"); // Check All Meals, no day ticked
    const dutywise::OutingPlan ticked = w.ReadPlan();
    for (int day = 0; day < dutywise::kDays; ++day) {
        EXPECT_FALSE(ticked.days[static_cast<std::size_t>(day)]);
        for (int meal = 0; meal < dutywise::kMeals; ++meal)
            EXPECT_TRUE(
                ticked.mealTicks[static_cast<std::size_t>(day)][static_cast<std::size_t>(meal)]);
    }
    for (int g = 1; g <= 7; ++g)
        EXPECT_TRUE(Find(w, QString("FlatGroupBox%1").arg(g).toLatin1().constData())->isHidden());

    Click(w, "FlatSpeedButton6"); // Check All Days
    Click(w, "FlatSpeedButton6"); // twice changes nothing
    for (int g = 1; g <= 7; ++g)
        EXPECT_FALSE(Find(w, QString("FlatGroupBox%1").arg(g).toLatin1().constData())->isHidden());
    EXPECT_TRUE(Find<QCheckBox>(w, "SatDin")->isChecked());

    Click(w, "FlatSpeedButton7"); // Uncheck All Days leaves the meals
    EXPECT_TRUE(Find(w, "FlatGroupBox7")->isHidden());
    EXPECT_TRUE(Find<QCheckBox>(w, "SunBrk")->isChecked());
    Click(w, "FlatSpeedButton4"); // Uncheck All Meals
    EXPECT_FALSE(Find<QCheckBox>(w, "SunBrk")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(w, "SatDin")->isChecked());
}

TEST_F(WizardEditing, MealTicksUnderUntickedDaysStillMakeTheirListRequired) {
    ShowPage(w, 0);
    QTest::keyClicks(Find<QLineEdit>(w, "FlatEdit1"), "Hike");
    for (const char* name : {"Ann", "Ben", "Cy", "Dee", "Eve"})
        Add(w, "FlatSpeedButton1", name);
    ShowPage(w, 1);
    Click(w, "FlatSpeedButton3");
    ShowPage(w, 4);
    const auto before = w.Document().Paragraphs();
    auto refusal = AnswerNextModal("OK");
    Click(w, "FlatButton1");
    ASSERT_TRUE(refusal->found);
    EXPECT_EQ(refusal->text, "I can't let you generate a roster without Breakfast.\n"
                             "If you can't think of a breakfast, choose a suggestion.");
    EXPECT_EQ(w.Document().Paragraphs(), before);
    EXPECT_FALSE(Find(w, "Label16")->isHidden());
}

TEST_F(WizardEditing, ClosingAndReopeningKeepsEverything) {
    QSignalSpy closed(&w, &TForm2::formClosed);
    ShowPage(w, 0);
    QTest::keyClicks(Find<QLineEdit>(w, "FlatEdit2"), "Owls");
    Add(w, "FlatSpeedButton1", "Ann");
    ShowPage(w, 1);
    TickDay(w, 4);
    Tick(w, "ThuDin");
    auto* editor = Find<QTextEdit>(w, "R");
    const QString text = editor->toPlainText();

    w.close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(w.isVisible());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    EXPECT_EQ(Find<QTabWidget>(w, "TabbedNotebook1")->currentIndex(), 1);
    EXPECT_EQ(Find<QLineEdit>(w, "FlatEdit2")->text(), "Owls");
    EXPECT_EQ(Items(w, "FlatListBox1"), QStringList{"Ann"});
    EXPECT_TRUE(Find<TFlatCheckListBox>(w, "days")->checked(4));
    EXPECT_TRUE(Find(w, "FlatGroupBox5")->isVisible());
    EXPECT_TRUE(Find<QCheckBox>(w, "ThuDin")->isChecked());
    EXPECT_EQ(editor->toPlainText(), text);
}

TEST_F(WizardEditing, EscapeDoesNotCloseTheWizard) {
    QSignalSpy closed(&w, &TForm2::formClosed);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(closed.count(), 0);
}

} // namespace
