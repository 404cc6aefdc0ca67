// The Suggestion buttons and their labels, worked through the controls.

#include <QLabel>
#include <set>

#include "AppearingLabel.h"
#include "FlatControls.h"
#include "WizardTestSupport.h"

using namespace wizardtest;

namespace {

struct Group {
    int page;
    const char* button;
    const char* label;
    const char* suggestions;
    const char* list;
    const char* sortedBox;
    const char* last;
};

const Group kGroups[] = {
    {2, "suggestBreakfastButton", "breakfastSuggestionLabel", "breakfastCandidates",
     "breakfastsList", "breakfastsSortedBox", "Cereal - Other"},
    {2, "suggestLunchButton", "lunchSuggestionLabel", "lunchCandidates", "lunchesList",
     "lunchesSortedBox", "Fish"},
    {2, "suggestDinnerButton", "dinnerSuggestionLabel", "dinnerCandidates", "dinnersList",
     "dinnersSortedBox", "Ravioli"},
    {3, "suggestSnackButton", "snackSuggestionLabel", "snackCandidates", "snacksList",
     "snacksSortedBox", "Slim Jims"},
    {3, "suggestDrinkButton", "drinkSuggestionLabel", "drinkCandidates", "drinksList",
     "drinksSortedBox", "Orange Soda"},
};

class Suggestions : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    // Draws a suggestion and waits until its label has come to rest; returns the entry shown.
    QString Suggest(const Group& g) {
        ShowPage(w, g.page);
        Click(w, g.button);
        auto* label = Find<AppearingLabel>(w, g.label);
        EXPECT_TRUE(
            testsupport::WaitUntil([&] { return label->isVisible() && !label->isSliding(); }));
        EXPECT_TRUE(label->text().startsWith("Suggestion: ")) << label->text().toStdString();
        return label->text().mid(12);
    }
    void ClickLabel(const Group& g) {
        auto* label = Find<AppearingLabel>(w, g.label);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, 4));
    }
    WizardWindow w;
};

TEST_F(Suggestions, NeverOfferTheListsLastEntryAndOfferOnlyItsOthers) {
    for (const Group& g : kGroups) {
        const QStringList entries = Find<CandidateList>(w, g.suggestions)->items();
        ASSERT_EQ(entries.last(), g.last);
        std::set<QString> seen;
        ShowPage(w, g.page);
        auto* label = Find<AppearingLabel>(w, g.label);
        for (int i = 0; i < 300; ++i) {
            Click(w, g.button);
            ASSERT_TRUE(label->text().startsWith("Suggestion: "));
            seen.insert(label->text().mid(12));
        }
        EXPECT_EQ(seen.count(g.last), 0u) << g.label;
        for (const QString& s : seen)
            EXPECT_TRUE(entries.indexOf(s) >= 0 && entries.indexOf(s) < entries.size() - 1)
                << s.toStdString();
        // The clock seeds every draw: many clicks show more than one entry.
        EXPECT_GT(seen.size(), 1u) << g.label;
    }
}

TEST_F(Suggestions, LabelClickAddsExactlyWhatItShowsAgainAndAgainOnAnUnsortedList) {
    for (const Group& g : kGroups) {
        const QString shown = Suggest(g);
        ClickLabel(g);
        EXPECT_EQ(Items(w, g.list), QStringList{shown}) << g.label;
        ClickLabel(g); // the plain addition: no repeated-entry check, no message
        EXPECT_EQ(Items(w, g.list), (QStringList{shown, shown})) << g.label;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST_F(Suggestions, SortedListDoesNotTakeASuggestionItAlreadyHolds) {
    const Group& g = kGroups[2];
    ShowPage(w, g.page);
    Tick(w, g.sortedBox);
    ASSERT_TRUE(Find<QCheckBox>(w, g.sortedBox)->isChecked());
    const QString shown = Suggest(g);
    ClickLabel(g);
    ClickLabel(g);
    EXPECT_EQ(Items(w, g.list), QStringList{shown});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Suggestions, LabelsHideUntilUsedAndCarryTheirHints) {
    const char* lists[] = {"Breakfast", "Lunch", "Dinner", "Snacks", "Drinks"};
    for (std::size_t i = 0; i < 5; ++i) {
        auto* label = Find<QLabel>(w, kGroups[i].label);
        EXPECT_TRUE(label->isHidden());
        EXPECT_EQ(label->toolTip(),
                  QString("Click this label to add this suggestion to the %1 list.").arg(lists[i]));
    }
}

} // namespace
