// "Who Is There..." on the Finalization page and its dialog, worked through the controls: who
// is marked away is drawn for none of those meals, the ticks follow their people, Cancel
// changes nothing, Fresh Start clears them and plan files carry them.

#include <algorithm>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>

#include "Abiword.h"
#include "Language.h"
#include "PresenceModel.h"
#include "WizardTestSupport.h"

using namespace wizardtest;
using dutywise::Meal;
using dutywise::MealSet;
using dutywise::SlotIndex;
using dutywise::Weekday;
using testsupport::AnswerNextModal;

namespace {

// The column of a meal in a week of every meal: the name comes first.
int Column(Weekday day, Meal meal) {
    return 1 + static_cast<int>(day) * dutywise::kMeals + static_cast<int>(meal);
}

// Clicks the tick of a cell, as a user does, on its tick square.
void ClickTick(QTableView* table, int row, int column) {
    const QModelIndex index = table->model()->index(row, column);
    table->scrollTo(index);
    QStyleOptionViewItem option;
    option.initFrom(table);
    option.rect = table->visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    if (!index.data().toString().isEmpty())
        option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = index.data().toString();
    const QRect tick =
        table->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, table);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, tick.center());
}

bool Ticked(QTableView* table, int row, int column) {
    return table->model()->index(row, column).data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

// Opens the dialog, lets `work` use its table, then presses `button`.
void WorkTheDialog(QWidget& w, std::function<void(QTableView*)> work,
                   const QString& button = QStringLiteral("OK")) {
    auto seen = AnswerNextModal(button, [work](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Who is there when?");
        auto* table = dialog->findChild<QTableView*>("presenceTable");
        ASSERT_NE(table, nullptr);
        work(table);
    });
    Click(w, "whoIsThereButton");
    ASSERT_TRUE(seen->found) << seen->error.toStdString();
}

// The names on the crew lines of one meal of the roster.
QStringList CrewsOf(WizardWindow& w, const std::string& day, const std::string& meal) {
    QStringList names;
    bool inDay = false, inMeal = false;
    for (const dutywise::Paragraph& p : w.Document().Paragraphs()) {
        const std::string text = p.Text();
        if (text == day)
            inDay = true;
        else if (inDay && text == meal)
            inMeal = true;
        else if (inMeal && text.rfind("Meal: ", 0) == 0)
            break;
        else if (inMeal)
            names += QString::fromStdString(text.substr(text.find(' ') + 1)).split(", ");
    }
    return names;
}

class WhoIsThere : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    WizardWindow w;
};

TEST_F(WhoIsThere, APersonMarkedAwayIsOnNoCrewOfThoseMealsAndCancelChangesNothing) {
    EnterAWeekForFive(w, "Summer Camp");
    ShowPage(w, 4);
    WorkTheDialog(w, [](QTableView* table) {
        ASSERT_EQ(table->model()->rowCount(), 5);
        ASSERT_EQ(table->model()->columnCount(), 22);
        EXPECT_EQ(table->model()->headerData(1, Qt::Horizontal).toString(), "Sunday Breakfast");
        EXPECT_EQ(table->model()->headerData(18, Qt::Horizontal).toString(), "Friday Dinner");
        EXPECT_EQ(table->model()->index(1, 0).data().toString(), "Ben");
        EXPECT_TRUE(Ticked(table, 1, 0)); // everybody starts there
        ClickTick(table, 1, 0);           // Ben: away for the whole outing
        ClickTick(table, 2, Column(Weekday::Friday, Meal::Dinner)); // Cy: away for one meal
        EXPECT_FALSE(Ticked(table, 1, 7));
        EXPECT_FALSE(Ticked(table, 2, Column(Weekday::Friday, Meal::Dinner)));
        EXPECT_EQ(table->model()->index(2, 0).data(Qt::CheckStateRole).toInt(),
                  Qt::PartiallyChecked);
        // Scrolled to the last meal, the names stay at the left and the meal is not cut;
        // each title fits its column.
        const int last = table->model()->columnCount() - 1;
        table->scrollTo(table->model()->index(0, last));
        const auto* names = table->findChild<QTableView*>("frozenColumn");
        ASSERT_NE(names, nullptr);
        EXPECT_TRUE(names->isVisible());
        EXPECT_EQ(names->x(), table->frameWidth());
        EXPECT_GT(table->horizontalScrollBar()->value(), 0);
        const QRect lastCell = table->visualRect(table->model()->index(0, last));
        EXPECT_GE(lastCell.left(), names->width());
        EXPECT_LE(lastCell.right(), table->viewport()->width());
        for (int column = 1; column <= last; ++column)
            EXPECT_GE(table->horizontalHeader()->sectionSize(column),
                      table->horizontalHeader()->sectionSizeHint(column));
        // Tab leaves the table for the buttons, however many cells it has.
        table->setFocus(Qt::TabFocusReason);
        QTest::keyClick(table, Qt::Key_Tab);
        EXPECT_TRUE(qobject_cast<QPushButton*>(table->window()->focusWidget()));
    });
    const std::vector<MealSet> away = w.ReadPlan().away;
    ASSERT_EQ(away.size(), 5u);
    EXPECT_EQ(away[1].count(), 21u);
    EXPECT_EQ(away[2], MealSet().set(SlotIndex({Weekday::Friday, Meal::Dinner})));
    EXPECT_TRUE(away[0].none() && away[3].none() && away[4].none());

    PressExpectingCompleted(w, "buildButton");
    for (const char* day : {"Sunday", "Wednesday", "Friday", "Saturday"})
        for (const char* meal : {"Breakfast", "Lunch", "Dinner"}) {
            const QStringList crews = CrewsOf(w, day, meal);
            ASSERT_EQ(crews.size(), 4) << day << " " << meal;
            EXPECT_FALSE(crews.contains("Ben")) << day << " " << meal;
        }
    EXPECT_FALSE(CrewsOf(w, "Friday", "Dinner").contains("Cy"));

    // Cancel drops what was changed in the dialog.
    WorkTheDialog(
        w, [](QTableView* table) { ClickTick(table, 0, 0); }, "Cancel");
    EXPECT_EQ(w.ReadPlan().away, away);
    // Ticking Ben's name again brings him back for every meal.
    WorkTheDialog(w, [](QTableView* table) { ClickTick(table, 1, 0); });
    EXPECT_TRUE(w.ReadPlan().away[1].none());
}

TEST_F(WhoIsThere, TicksFollowTheirPeopleAndPlanFilesCarryThemFreshStartClears) {
    ShowPage(w, 0);
    Find<QLineEdit>(w, "outingNameEdit")->setText("Camp");
    for (const char* name : {"Eve", "Ann", "Cy"})
        Add(w, "addPersonButton", name);
    ShowPage(w, 1);
    Click(w, "checkAllDaysButton");
    Click(w, "checkAllMealsButton");
    ShowPage(w, 4);
    const int sundayBreakfast = Column(Weekday::Sunday, Meal::Breakfast);
    WorkTheDialog(w, [&](QTableView* table) { ClickTick(table, 0, sundayBreakfast); }); // Eve
    const MealSet eveAway = MealSet().set(SlotIndex({Weekday::Sunday, Meal::Breakfast}));

    // Sorted, then Bob added and Ann deleted: Eve keeps her absence, Bob is there throughout.
    ShowPage(w, 0);
    Tick(w, "peopleSortedBox");
    Add(w, "addPersonButton", "Bob");
    ASSERT_EQ(Items(w, "peopleList"), (QStringList{"Ann", "Bob", "Cy", "Eve"}));
    EXPECT_EQ(w.ReadPlan().away, (std::vector<MealSet>{{}, {}, {}, eveAway}));
    ClickRow(w, "peopleList", 0);
    Click(w, "deletePersonButton");
    EXPECT_EQ(w.ReadPlan().away, (std::vector<MealSet>{{}, {}, eveAway}));
    // A second Eve is a person of her own, there for every meal.
    std::shared_ptr<testsupport::ModalSeen> question;
    auto prompt = AnswerNextModal("OK", [&](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClicks(edit, "Eve");
        question = AnswerNextModal("Yes");
    });
    Click(w, "addPersonButton");
    ASSERT_TRUE(prompt->found && question && question->found);
    ASSERT_EQ(Items(w, "peopleList"), (QStringList{"Bob", "Cy", "Eve", "Eve"}));
    const std::vector<MealSet> away = w.ReadPlan().away;
    ASSERT_EQ(away.size(), 4u);
    EXPECT_EQ(away[2].count() + away[3].count(), 1u);

    // Sunday unticked: Eve's absence waits for it, out of the dialog's columns.
    ShowPage(w, 1);
    TickDay(w, 0);
    ShowPage(w, 4);
    WorkTheDialog(w, [](QTableView* table) {
        EXPECT_EQ(table->model()->headerData(1, Qt::Horizontal).toString(), "Monday Breakfast");
    });
    EXPECT_EQ(w.ReadPlan().away, away);

    // Saved and opened again (sorted list, file in list order): each Eve as she was.
    dutywise::testing::TempDir dir;
    const std::string path = dir / "camp.dutywise";
    ASSERT_EQ(dutywise::WritePlanFile(path, w.CurrentPlanFile()), std::nullopt);
    Click(w, "freshStartButton");
    EXPECT_TRUE(w.ReadPlan().away.empty());
    ASSERT_EQ(w.LoadPlan(QString::fromStdString(path)), std::nullopt);
    EXPECT_EQ(w.ReadPlan().away, away);

    // Fresh Start clears them: the same names added again are there for every meal.
    Click(w, "freshStartButton");
    for (const char* name : {"Bob", "Eve"})
        Add(w, "addPersonButton", name);
    ShowPage(w, 1);
    Click(w, "checkAllDaysButton");
    Click(w, "checkAllMealsButton");
    EXPECT_TRUE(w.ReadPlan().away.empty());
}

// Keep Apart...: a pair added reaches the plan on OK, the same pair turned round is refused,
// Cancel changes nothing, Tab reaches OK and Cancel. Each name is offered once, sorted as the
// lists are; the button waits for two different names.
TEST_F(WhoIsThere, KeepApartKeepsAPairOnOkAndCancelChangesNothing) {
    dutywise::InstallLanguage(QStringLiteral("en"));
    dutywise::PlanFile plan = w.CurrentPlanFile();
    plan.List(dutywise::PlanList::People) = {"Cy", "Cy"};
    w.ShowPlanFile(plan);
    ShowPage(w, 4);
    EXPECT_FALSE(Find(w, "keepApartButton")->isEnabled());
    plan.List(dutywise::PlanList::People) = {"Finn", "Cy", "\u00c9mile", "ben", "Cy"};
    w.ShowPlanFile(plan);
    ASSERT_TRUE(Find(w, "keepApartButton")->isEnabled());

    QStringList offered, tabStops;
    auto ok = AnswerNextModal("OK", [&](QWidget* dialog) {
        QApplication::setActiveWindow(dialog);
        auto* first = dialog->findChild<QComboBox*>("firstPersonBox");
        auto* second = dialog->findChild<QComboBox*>("secondPersonBox");
        ASSERT_TRUE(first && second);
        for (int i = 0; i < first->count(); ++i)
            offered << first->itemText(i);
        QTest::keyClicks(first, "F");
        QTest::keyClicks(second, "C");
        Click(*dialog, "addPairButton");
        QTest::keyClicks(first, "C");
        QTest::keyClicks(second, "F");
        EXPECT_FALSE(Find(*dialog, "addPairButton")->isEnabled());
        first->setFocus(Qt::TabFocusReason);
        for (int step = 0; step < 6; ++step) {
            QWidget* focus = QApplication::focusWidget();
            auto* button = qobject_cast<QPushButton*>(focus);
            tabStops << (button && button->objectName().isEmpty() ? button->text().remove('&')
                                                                  : focus->objectName());
            QTest::keyClick(focus, Qt::Key_Tab);
        }
    });
    Click(w, "keepApartButton");
    ASSERT_TRUE(ok->found) << ok->error.toStdString();
    EXPECT_EQ(offered, (QStringList{"ben", "Cy", "\u00c9mile", "Finn"}));
    std::sort(tabStops.begin() + 4, tabStops.end()); // the platform orders OK and Cancel
    EXPECT_EQ(tabStops, (QStringList{"firstPersonBox", "secondPersonBox", "pairsList",
                                     "removePairButton", "Cancel", "OK"}));
    const std::vector<std::array<std::string, 2>> pairs{{"Finn", "Cy"}};
    EXPECT_EQ(w.ReadPlan().keepApart, pairs);

    auto cancelled = AnswerNextModal("Cancel", [](QWidget* dialog) {
        dialog->findChild<QListWidget*>("pairsList")->setCurrentRow(0);
        Click(*dialog, "removePairButton");
        EXPECT_EQ(dialog->findChild<QListWidget*>("pairsList")->count(), 0);
    });
    Click(w, "keepApartButton");
    ASSERT_TRUE(cancelled->found) << cancelled->error.toStdString();
    EXPECT_EQ(w.ReadPlan().keepApart, pairs);
}

// A screen reader hears "there" and "away" in the running language, not in English.
TEST(WhoIsThereWords, CellsSayThereAndAwayInTheLanguage) {
    for (const char* language : {"de", "fr", "es", "nl"}) {
        ASSERT_TRUE(dutywise::InstallLanguage(QString::fromLatin1(language)));
        PresenceModel model({"Ann"}, {{Weekday::Friday, Meal::Dinner}, {Weekday::Friday, Meal::Lunch}},
                            {MealSet().set(SlotIndex({Weekday::Friday, Meal::Lunch}))});
        for (const int column : {1, 2}) {
            const QString said = model.index(0, column).data(Qt::AccessibleTextRole).toString();
            EXPECT_TRUE(said.startsWith("Ann, ")) << said.toStdString();
            EXPECT_FALSE(said.contains("there") || said.contains("away")) << said.toStdString();
            EXPECT_EQ(said, model.index(0, column).data(Qt::ToolTipRole).toString());
        }
    }
    dutywise::InstallLanguage(QStringLiteral("en"));
}

TEST_F(WhoIsThere, ButtonsFitThePageAndWithoutMealsSaysWhatToDoFirst) {
    ShowPage(w, 4);
    EXPECT_EQ(Find<QPushButton>(w, "whoIsThereButton")->text(), "Who Is There...");
    EXPECT_EQ(Find(w, "whoIsThereButton")->accessibleName(), "Who is there");
    for (const char* name : {"whoIsThereButton", "keepApartButton"}) {
        auto* button = Find<QPushButton>(w, name);
        EXPECT_TRUE(button->isVisible());
        QWidget* page = button->parentWidget();
        EXPECT_TRUE(page->rect().contains(button->geometry()));
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width());
        for (QWidget* other : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == button || other->objectName() == "finalizationBackground")
                continue;
            EXPECT_FALSE(other->geometry().intersects(button->geometry()))
                << name << " " << other->objectName().toStdString();
        }
    }

    Add(w, "addPersonButton", "Ann");
    auto message = AnswerNextModal("OK");
    Click(w, "whoIsThereButton");
    ASSERT_TRUE(message->found) << message->error.toStdString();
    EXPECT_EQ(message->title, "Dutywise");
    EXPECT_EQ(message->text, "Tick the days and meals of the outing first.");
}

} // namespace
