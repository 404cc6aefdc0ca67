#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DocumentTools.h"
#include "MemoryDocument.h"
#include "ParagraphTexts.h"
#include "RecordingHost.h"
#include "RosterBuild.h"
#include "ScriptedClock.h"

namespace dutywise::testing {
namespace {

TEST(FillIn, ReplacesNumberedPlacesInOnePass) {
    const struct {
        const char* pattern;
        std::vector<std::string> values;
        std::string expected;
    } cases[] = {
        {"%1's Roster", {"Eagles"}, "Eagles's Roster"},
        {"Dienstplan der %1", {"Adler"}, "Dienstplan der Adler"},
        {"%1's Roster", {"%1 and %2"}, "%1 and %2's Roster"}, // a patrol named like a place
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1: %2 (%3, %4)", {"Ann", "3"}, "Ann: 3 (%3, %4)"}, // no value: left as written
        {"100% sure %", {"x"}, "100% sure %"},
        {"%0 and %%1", {"x"}, "%0 and %x"},
        {"", {"x"}, ""},
        {"%1", {""}, ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string_view> views(c.values.begin(), c.values.end());
        std::string text;
        switch (views.size()) {
        case 1:
            text = FillIn(c.pattern, {views[0]});
            break;
        case 2:
            text = FillIn(c.pattern, {views[0], views[1]});
            break;
        }
        EXPECT_EQ(text, c.expected) << c.pattern;
    }
}

TEST(RosterWords, EnglishDefaultsAreTheEnglishTexts) {
    const RosterWords& english = EnglishRosterWords();
    for (int d = 0; d < kDays; ++d)
        EXPECT_EQ(english.DayName(static_cast<Weekday>(d)), DayName(static_cast<Weekday>(d)));
    for (int m = 0; m < kMeals; ++m)
        EXPECT_EQ(english.MealName(static_cast<Meal>(m)), MealName(static_cast<Meal>(m)));
    EXPECT_EQ(english.hiddenPicture, hidden_picture::kMessage);
}

// Words that share nothing with the English ones, with letters outside ASCII.
RosterWords GermanWords() {
    RosterWords w;
    w.dayNames = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
    w.mealNames = {"Frühstück", "Mittagessen", "Abendessen"};
    w.rosterTitle = "Dienstplan der %1";
    w.cookLine = "Kochen: %1";
    w.cleanupLine = "Abwasch: %1";
    w.mealLine = "Gericht: %1";
    w.snacksHeading = "Zwischendurch";
    w.drinksHeading = "Getränke";
    w.dutiesHeading = "Dienste";
    w.dutyCountLine = "%1: %2 (%3× Kochen, %4× Abwasch)";
    w.noOutingName = "Bitte gib den Namen der Fahrt ein!";
    w.tooFewPeople = "Zu wenige Leute!";
    w.moreNamesAdvice = "Nur ein Vorschlag: gib mehr Namen ein!";
    w.missingMeal = {"Ohne Frühstück geht es nicht.", "Ohne Mittagessen geht es nicht.",
                     "Ohne Abendessen geht es nicht."};
    w.completed = "Fertig!";
    w.hiddenPicture = "Du hast das versteckte Bild gefunden!";
    return w;
}

class GermanHost final : public BuildHost {
public:
    RosterWords words = GermanWords();
    RecordingHost recorded;
    void ShowMessage(const std::string& text) override { recorded.ShowMessage(text); }
    void ShowHiddenPicture() override { recorded.ShowHiddenPicture(); }
    void HideNotice() override { recorded.HideNotice(); }
    void AdvanceGauge(int amount) override { recorded.AdvanceGauge(amount); }
    const RosterWords& Words() const override { return words; }
};

OutingPlan FullWeek(bool evenShares) {
    OutingPlan plan;
    plan.outingName = "Pfingstlager";
    plan.patrolName = "Adler";
    plan.people = {"Jörg", "Ann", "Bo", "Cy"};
    plan.days.fill(true);
    for (auto& day : plan.mealTicks)
        day.fill(true);
    plan.breakfasts = {"Müsli"};
    plan.lunches = {"Brote"};
    plan.dinners = {"Eintopf"};
    plan.snacks = {"Äpfel"};
    plan.drinks = {"Tee"};
    plan.evenShares = evenShares;
    return plan;
}

// Every line the build writes comes from the words it was given; nothing English is left.
TEST(RosterWords, BuildWritesTheHostsWordsOnly) {
    for (bool evenShares : {false, true}) {
        ScriptedClock clock;
        Generator random{clock};
        MemoryDocument doc;
        GermanHost host;
        AdviceFlag advice;
        BuildRoster(FullWeek(evenShares), doc, host, random, advice);
        EXPECT_EQ(host.recorded.messages,
                  (std::vector<std::string>{host.words.moreNamesAdvice, host.words.completed}));

        const std::vector<std::string> texts = Texts(doc);
        ASSERT_GE(texts.size(), 4u + 7u * 16u);
        EXPECT_EQ(texts[1], "Dienstplan der Adler");
        std::size_t i = 4;
        for (int d = 0; d < kDays; ++d) {
            EXPECT_EQ(texts[i++], host.words.dayNames[d]);
            for (int m = 0; m < kMeals; ++m) {
                EXPECT_EQ(texts[i], host.words.mealNames[m]);
                EXPECT_EQ(texts[i + 1].rfind("Kochen: ", 0), 0u) << texts[i + 1];
                EXPECT_EQ(texts[i + 2].rfind("Abwasch: ", 0), 0u) << texts[i + 2];
                EXPECT_EQ(texts[i + 3].rfind("Gericht: ", 0), 0u) << texts[i + 3];
                i += 5;
            }
        }
        const std::vector<std::string> tail(texts.begin() + static_cast<long>(i), texts.end());
        std::vector<std::string> expectedTail = {"", "Zwischendurch", "Äpfel",
                                                 "", "Getränke",      "Tee"};
        if (evenShares) {
            expectedTail.insert(expectedTail.end(), {"", "Dienste"});
            for (const char* name : {"Jörg", "Ann", "Bo", "Cy"})
                expectedTail.push_back(std::string(name) + ": ");
        }
        ASSERT_EQ(tail.size(), expectedTail.size());
        for (std::size_t k = 0; k < tail.size(); ++k)
            EXPECT_EQ(tail[k].substr(0, expectedTail[k].size()), expectedTail[k]);
        if (evenShares) {
            EXPECT_NE(tail.back().find("× Kochen, "), std::string::npos) << tail.back();
        }

        for (const std::string& text : texts)
            for (const char* english : {"Sunday", "Breakfast", "Dinner", "Cook", "Cleanup", "Meal",
                                        "Snacks", "Drinks", "Duties", "Roster", "cook"})
                EXPECT_EQ(text.find(english), std::string::npos) << text;
    }
}

TEST(RosterWords, RefusalsAndTheHiddenPictureSpeakTheHostsLanguage) {
    GermanHost host;
    ScriptedClock clock;
    Generator random{clock};
    MemoryDocument doc;
    AdviceFlag advice;
    OutingPlan plan = FullWeek(false);
    plan.outingName.clear();
    BuildRoster(plan, doc, host, random, advice);
    plan = FullWeek(false);
    plan.crewSize = 5;
    BuildRoster(plan, doc, host, random, advice);
    for (int m = 0; m < kMeals; ++m) {
        plan = FullWeek(false);
        plan.people.push_back("Dee");
        (m == 0 ? plan.breakfasts : m == 1 ? plan.lunches : plan.dinners).clear();
        BuildRoster(plan, doc, host, random, advice);
    }
    plan = FullWeek(false);
    plan.outingName = hidden_picture::kOutingName;
    plan.patrolName = hidden_picture::kPatrolName;
    plan.people = {"A", "Nora", "Ben", "Eli"};
    plan.dinners = {"Stew"};
    BuildRoster(plan, doc, host, random, advice);
    const RosterWords& w = host.words;
    EXPECT_EQ(host.recorded.messages,
              (std::vector<std::string>{w.noOutingName, w.tooFewPeople, w.missingMeal[0],
                                        w.missingMeal[1], w.missingMeal[2], w.hiddenPicture}));
    EXPECT_TRUE(doc.Paragraphs().empty());
}

TEST(RosterWords, PrintAndPdfCarryTheTranslatedTitle) {
    struct RecordingPrinter : PrintService {
        std::optional<std::string> Print(const std::vector<Paragraph>&,
                                         const std::string& title) override {
            titles.push_back(title);
            return std::nullopt;
        }
        std::vector<std::string> titles;
    } printer;
    MemoryDocument doc;
    doc.AppendParagraphs({"eins"});
    const RosterWords german = GermanWords();
    EXPECT_EQ(PrintRoster(doc, "Adler", printer, german), std::nullopt);
    EXPECT_EQ(PrintRoster(doc, "Adler", printer), std::nullopt);
    EXPECT_EQ(printer.titles, (std::vector<std::string>{"Dienstplan der Adler", "Adler's Roster"}));
    EXPECT_EQ(RosterJobTitle("Søren", german), "Dienstplan der Søren");
}

} // namespace
} // namespace dutywise::testing
