#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "CrewDraw.h"
#include "MemoryDocument.h"
#include "ScriptedClock.h"

namespace dutywise::testing {
namespace {

int DrawWith(ScriptedClock& clock, int n, int previous) {
    Generator random(clock);
    DrawState state{previous};
    const int x = DrawPerson(n, state, random);
    EXPECT_EQ(state.PreviousPick, x);
    return x;
}

TEST(DrawPerson, FirstDrawDifferingFromThePreviousPickIsTaken) {
    ScriptedClock clock;
    clock.ScriptDraws(4, {0});
    EXPECT_EQ(DrawWith(clock, 4, 2), 0);
    EXPECT_EQ(clock.counterReads, 1);
}

TEST(DrawPerson, RedrawThatFindsTheFirstEntryDrawsAgain) {
    ScriptedClock clock;
    // Meets the previous pick, then finds entry 0, which a re-draw may not keep.
    clock.ScriptDraws(4, {2, 2, 0, 2, 0, 3});
    EXPECT_EQ(DrawWith(clock, 4, 2), 3);
    EXPECT_EQ(clock.counterReads, 6);
}

TEST(DrawPerson, OnePersonEndsWithTheOnlyIndex) {
    ScriptedClock clock;
    EXPECT_EQ(DrawWith(clock, 1, 0), 0);
    // Even when the clock stands still on its millisecond fallback.
    ScriptedClock frozen;
    frozen.counterFails = true;
    frozen.milliseconds = 77;
    EXPECT_EQ(DrawWith(frozen, 1, 0), 0);
}

TEST(DrawPerson, TwoPeopleWithNoPermittedIndexEndWithTheFirst) {
    ScriptedClock clock;
    clock.ScriptDraws(2, {1});
    EXPECT_EQ(DrawWith(clock, 2, 1), 0);
    EXPECT_EQ(clock.counterReads, 1);

    ScriptedClock frozen;
    frozen.counterFails = true;
    frozen.milliseconds = CounterYielding(2, 1);
    EXPECT_EQ(DrawWith(frozen, 2, 1), 0);
}

TEST(DrawPerson, TwoPeopleAfterTheFirstAlwaysGiveTheSecond) {
    ScriptedClock clock;
    clock.ScriptDraws(2, {0, 0, 0, 1});
    EXPECT_EQ(DrawWith(clock, 2, 0), 1);
}

// Every sequence of `length` draws, each value equally often: the draw's outcome frequencies are
// then the rule's probabilities, up to the few sequences that run out (those go on
// pseudo-randomly).
std::vector<double> Frequencies(int n, int previous, int length) {
    std::vector<double> counts(static_cast<std::size_t>(n), 0.0);
    int total = 1;
    for (int i = 0; i < length; ++i)
        total *= n;
    for (int k = 0; k < total; ++k) {
        ScriptedClock clock(static_cast<std::uint64_t>(k));
        for (int rest = k, i = 0; i < length; ++i, rest /= n)
            clock.counters.push_back(CounterYielding(static_cast<std::uint32_t>(n),
                                                     static_cast<std::uint32_t>(rest % n)));
        Generator random(clock);
        DrawState state{previous};
        counts[static_cast<std::size_t>(DrawPerson(n, state, random))] += 1.0;
    }
    for (double& c : counts)
        c /= total;
    return counts;
}

TEST(DrawPerson, ProbabilitiesFollowTheRule) {
    constexpr double kTolerance = 0.004;
    {
        // n = 4, previous 2: the first entry 1/n, the others (n-1)/(n(n-2)), the previous never.
        const std::vector<double> p = Frequencies(4, 2, 8);
        EXPECT_NEAR(p[0], 1.0 / 4, kTolerance);
        EXPECT_NEAR(p[1], 3.0 / 8, kTolerance);
        EXPECT_NEAR(p[3], 3.0 / 8, kTolerance);
        EXPECT_EQ(p[2], 0.0);
    }
    {
        const std::vector<double> p = Frequencies(5, 3, 7);
        EXPECT_NEAR(p[0], 1.0 / 5, kTolerance);
        for (int i : {1, 2, 4})
            EXPECT_NEAR(p[static_cast<std::size_t>(i)], 4.0 / 15, kTolerance) << i;
        EXPECT_EQ(p[3], 0.0);
    }
    {
        // With a previous pick of 0 the others share evenly.
        const std::vector<double> p = Frequencies(4, 0, 8);
        EXPECT_EQ(p[0], 0.0);
        for (int i : {1, 2, 3})
            EXPECT_NEAR(p[static_cast<std::size_t>(i)], 1.0 / 3, kTolerance) << i;
    }
}

TEST(DrawCrew, NamesAreJoinedWithCommaAndBlank) {
    ScriptedClock clock;
    Generator random(clock);
    const std::vector<std::string> people = {"Ann", "Bob", "Cy", "Dee", "Eve", "Fay"};
    clock.ScriptDraws(6, {1, 2, 3, 4, 5});
    DrawState state;
    EXPECT_EQ(DrawCrew(people, 5, state, random), "Bob, Cy, Dee, Eve, Fay");
    clock.ScriptDraws(6, {3});
    EXPECT_EQ(DrawCrew(people, 1, state, random), "Dee");
}

TEST(DrawCrew, EmptyNamesFollowTheSeparatorRule) {
    ScriptedClock clock;
    Generator random(clock);
    const std::vector<std::string> people = {"", "Bob", "", "Dee"};
    DrawState state;
    clock.ScriptDraws(4, {2, 1}); // empty first: no separator before Bob
    EXPECT_EQ(DrawCrew(people, 2, state, random), "Bob");
    clock.ScriptDraws(4, {3, 2}); // empty later: a separator with nothing behind it
    EXPECT_EQ(DrawCrew(people, 2, state, random), "Dee, ");
}

TEST(DrawCrew, SameNameTwiceIsTwoPeople) {
    ScriptedClock clock;
    Generator random(clock);
    DrawState state;
    clock.ScriptDraws(3, {1, 2});
    EXPECT_EQ(DrawCrew({"Ann", "Max", "Max"}, 2, state, random), "Max, Max");
}

TEST(PickMeal, EveryEntryCanComeUp) {
    ScriptedClock clock;
    Generator random(clock);
    const std::vector<std::string> two = {"Pancakes", "Oatmeal"};
    clock.ScriptDraws(2, {0, 1});
    EXPECT_EQ(PickMeal(two, random), "Pancakes");
    EXPECT_EQ(PickMeal(two, random), "Oatmeal"); // the last entry too

    const std::vector<std::string> five = {"a", "b", "c", "d", "e"};
    clock.ScriptDraws(5, {0, 1, 2, 3, 4});
    for (const std::string& expected : five)
        EXPECT_EQ(PickMeal(five, random), expected);

    EXPECT_EQ(PickMeal({"Chili"}, random), "Chili");
}

TEST(PickMeal, RealClockReachesTheLastEntry) {
    const std::vector<std::string> meals = {"Tacos", "Stew", "Pasta"};
    std::set<std::string> seen;
    for (int i = 0; i < 2000 && seen.size() < meals.size(); ++i)
        seen.insert(PickMeal(meals, ProgramGenerator()));
    EXPECT_EQ(seen.size(), meals.size());
}

TEST(FillMealSlot, AppendsFourPlainArialTenLines) {
    ScriptedClock clock;
    Generator random(clock);
    OutingPlan plan;
    plan.people = {"Ann", "Bob", "Cy"};
    plan.crewSize = 1;
    plan.lunches = {"Soup", "Wraps"};
    MemoryDocument doc;
    SetRosterStyle(doc, 10, {FontStyle::Bold});
    doc.AppendParagraph("Lunch");

    clock.ScriptDraws(3, {2, 1});
    clock.ScriptDraws(2, {1});
    DrawState state;
    FillMealSlot(plan, {Weekday::Monday, Meal::Lunch}, state, doc, random);

    const std::vector<Paragraph> paragraphs = doc.Paragraphs();
    ASSERT_EQ(paragraphs.size(), 5u);
    const std::array<std::string, 4> texts = {"Cook: Cy", "Cleanup: Bob", "Meal: Wraps", ""};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(paragraphs[i + 1].Text(), texts[i]);
        EXPECT_EQ(paragraphs[i + 1].runs,
                  (std::vector<dutywise::Run>{{texts[i], ParagraphStyle::Roster(10, {})}}));
    }
    EXPECT_EQ(state.PreviousPick, 1);
}

} // namespace
} // namespace dutywise::testing
