// "Crews..." worked through its dialog: a place given to someone away is flagged in words at
// once, OK writes the Duties count anew, a hand-edited text is asked about first, Cancel changes
// nothing, Tab reaches every button.

#include <algorithm>
#include <QAccessible>
#include <QComboBox>
#include <QRegularExpression>
#include <QTableView>
#include <QTextEdit>

#include "CrewsDialog.h"
#include "CrewsModel.h"
#include "OperableRoles.h"
#include "WizardTestSupport.h"

using namespace wizardtest;
using testsupport::AnswerNextModal;
using testsupport::WaitUntil;

namespace {

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
        EnterAWeekForFive(w, "Camp");
        dutywise::PlanFile plan = w.CurrentPlanFile(); // Ben away for the first meal
        plan.evenShares = true;
        plan.away.assign(5, {});
        plan.away[1].set(dutywise::SlotIndex({dutywise::Weekday::Sunday, dutywise::Meal::Breakfast}));
        w.ShowPlanFile(plan);
        ShowPage(w, 4);
        PressExpectingCompleted(w, "buildButton");
        ShowPage(w, 5);
    }
    WizardWindow w;
};

TEST_F(Crews, AnAwayPersonPutInIsFlaggedAndTheCountFollowsOnOk) {
    ASSERT_TRUE(Find(w, "crewsButton")->isEnabled());
    EXPECT_EQ(Find(w, "crewsButton")->accessibleDescription(), "Crews, Ctrl+E");
    const QStringList people{"Ann", "Ben", "Cy", "Dee", "Eve"};
    std::vector<dutywise::DutyCount> counts;
    QString warning;
    QStringList tabStops;
    auto seen = AnswerNextModal("OK", [&](QWidget* dialog) {
        auto* table = dialog->findChild<QTableView*>("crewsTable");
        const QModelIndex first = table->model()->index(0, CrewsModel::FirstPlaceColumn);
        ChooseForFirstPlace(dialog, "Ben (away)");
        EXPECT_EQ(first.data().toString(), "Ben");
        warning = table->model()->index(0, CrewsModel::RulesColumn).data().toString();
        counts = dutywise::CountDuties(static_cast<CrewsDialog*>(dialog)->roster());
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
    // The Duties count is the changed roster's, Ben's new place included.
    ASSERT_EQ(counts.size(), 5u);
    for (std::size_t p = 0; p < counts.size(); ++p)
        EXPECT_EQ(Duties(w, people[p]), std::make_pair(counts[p].duties, counts[p].cooks))
            << people[p].toStdString();
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
