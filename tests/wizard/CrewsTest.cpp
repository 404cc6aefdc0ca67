// "Crews..." on the Generation page, worked through its dialog: a place given to someone away
// is flagged in words at once, OK writes the roster and its Duties count anew, a hand-edited
// text is asked about first, Cancel changes nothing, and Tab reaches every button.

#include <algorithm>
#include <map>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QRegularExpression>
#include <QTableView>
#include <QTextEdit>

#include "CrewsModel.h"
#include "OperableRoles.h"
#include "WizardTestSupport.h"

using namespace wizardtest;
using testsupport::AnswerNextModal;
using testsupport::WaitUntil;

namespace {

// Ann, Ben, Cy, Dee, Eve; every meal of the week, duties shared evenly; Ben is away for the
// first meal, Sunday Breakfast.
void EnterPlan(WizardWindow& w) {
    dutywise::PlanFile plan;
    plan.outingName = "Camp";
    plan.List(dutywise::PlanList::People) = {"Ann", "Ben", "Cy", "Dee", "Eve"};
    for (auto list : {dutywise::PlanList::Breakfasts, dutywise::PlanList::Lunches,
                      dutywise::PlanList::Dinners})
        plan.List(list) = {"Stew"};
    plan.days.fill(true);
    for (auto& day : plan.mealTicks)
        day.fill(true);
    plan.evenShares = true;
    plan.away.resize(5);
    plan.away[1].set(dutywise::SlotIndex({dutywise::Weekday::Sunday, dutywise::Meal::Breakfast}));
    w.ShowPlanFile(plan);
}

QStringList Texts(WizardWindow& w) {
    QStringList texts;
    for (const dutywise::Paragraph& p : w.Document().Paragraphs())
        texts << QString::fromStdString(p.Text());
    return texts;
}

// A person's duties and cook duties, as the Duties count in the document says them.
std::pair<int, int> Duties(WizardWindow& w, const QString& name) {
    const QRegularExpression line("^" + name + R"(: (\d+) \((\d+) cook)");
    for (const QString& text : Texts(w))
        if (const auto m = line.match(text); m.hasMatch())
            return {m.captured(1).toInt(), m.captured(2).toInt()};
    ADD_FAILURE() << "no Duties line for " << name.toStdString();
    return {};
}

// Puts `name` into the first cook's place of the first meal, through the place's drop-down.
void ChooseForFirstPlace(QWidget* dialog, const QString& name) {
    QApplication::setActiveWindow(dialog);
    auto* table = dialog->findChild<QTableView*>("crewsTable");
    ASSERT_NE(table, nullptr);
    table->setCurrentIndex(table->model()->index(0, CrewsModel::FirstPlaceColumn));
    Click(*dialog, "replaceButton");
    QComboBox* box = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        box = table->findChild<QComboBox*>("personBox");
        return box && box->view()->isVisible();
    }));
    const int row = box->findText(name);
    ASSERT_GE(row, 0) << name.toStdString();
    QAbstractItemView* list = box->view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(row, 0)).center());
    ASSERT_TRUE(WaitUntil([] { return !QApplication::activePopupWidget(); }));
    QApplication::setActiveWindow(dialog);
}

class Crews : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        EnterPlan(w);
        ShowPage(w, 4);
        PressExpectingCompleted(w, "buildButton");
        ShowPage(w, 5);
    }
    WizardWindow w;
};

TEST_F(Crews, AnAwayPersonPutInIsFlaggedAndTheCountFollowsOnOk) {
    ASSERT_TRUE(Find(w, "crewsButton")->isEnabled());
    const QStringList people{"Ann", "Ben", "Cy", "Dee", "Eve"};
    std::map<QString, std::pair<int, int>> before;
    for (const QString& name : people)
        before[name] = Duties(w, name);
    QString replaced, warning;
    QStringList tabStops;
    auto seen = AnswerNextModal("OK", [&](QWidget* dialog) {
        auto* table = dialog->findChild<QTableView*>("crewsTable");
        const QModelIndex first = table->model()->index(0, CrewsModel::FirstPlaceColumn);
        replaced = first.data().toString();
        EXPECT_EQ(table->model()->index(0, CrewsModel::RulesColumn).data().toString(), "");
        ChooseForFirstPlace(dialog, "Ben (away)");
        EXPECT_EQ(first.data().toString(), "Ben");
        warning = table->model()->index(0, CrewsModel::RulesColumn).data().toString();
        for (QWidget* control : dialog->findChildren<QWidget*>()) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
            if (control->isVisible() && iface && testsupport::IsOperable(iface->role())) {
                EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty())
                    << control->metaObject()->className();
            }
        }
        // Tab from the table walks the buttons, OK and Cancel included, and comes back.
        table->setFocus(Qt::TabFocusReason);
        for (int step = 0; step < 5; ++step) {
            QWidget* focus = QApplication::focusWidget();
            auto* button = qobject_cast<QPushButton*>(focus);
            tabStops << (button ? button->text().remove('&') : focus->objectName());
            QTest::keyClick(focus, Qt::Key_Tab);
        }
    });
    Click(w, "crewsButton");
    ASSERT_TRUE(seen->found) << seen->error.toStdString();
    EXPECT_EQ(seen->title, "Crews");
    EXPECT_TRUE(warning.contains("Ben is away for this meal")) << warning.toStdString();
    std::sort(tabStops.begin() + 3, tabStops.end()); // the platform orders OK and Cancel
    EXPECT_EQ(tabStops, (QStringList{"crewsTable", "Replace...", "Swap With...", "Cancel", "OK"}));
    // One cook place moved from the person replaced to Ben; every other count stays.
    for (const QString& name : people) {
        const int change = name == "Ben" ? 1 : name == replaced ? -1 : 0;
        EXPECT_EQ(Duties(w, name), std::make_pair(before[name].first + change,
                                                  before[name].second + change))
            << name.toStdString();
    }
}

TEST_F(Crews, CancelChangesNothingAndAHandEditedTextIsAskedAboutFirst) {
    const QStringList before = Texts(w);
    auto cancelled = AnswerNextModal("Cancel", [](QWidget* dialog) {
        ChooseForFirstPlace(dialog, "Ben (away)");
    });
    QApplication::setActiveWindow(&w);
    Find(w, "rosterEditor")->setFocus();
    QTest::keyClick(Find(w, "rosterEditor"), Qt::Key_E, Qt::ControlModifier); // the key
    ASSERT_TRUE(cancelled->found) << cancelled->error.toStdString();
    EXPECT_EQ(Texts(w), before);

    // Typed into the editor: OK asks first, and No keeps the text as it is.
    auto* editor = Find<QTextEdit>(w, "rosterEditor");
    editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor, " typed");
    const QStringList typed = Texts(w);
    std::shared_ptr<testsupport::ModalSeen> question;
    auto ok = AnswerNextModal("OK", [&](QWidget* dialog) {
        ChooseForFirstPlace(dialog, "Ben (away)");
        question = AnswerNextModal("No");
    });
    Click(w, "crewsButton");
    ASSERT_TRUE(ok->found && question && question->found);
    EXPECT_TRUE(question->text.startsWith("The roster's text was changed by hand"));
    EXPECT_EQ(Texts(w), typed);
}

} // namespace
