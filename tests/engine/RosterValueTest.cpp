// The roster as a value: the outing's order of days from a start date, and places set by hand
// kept through a redraw.
#include <algorithm>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MemoryDocument.h"
#include "RecordingHost.h"
#include "RosterBuild.h"
#include "RosterWriter.h"
#include "ScriptedClock.h"
#include "SplitMix.h"

namespace dutywise::testing {
namespace {

using enum Weekday;

// Catches: days that stay Sunday-first with a start date, a ticked day before the start weekday
// put in the week before, dates that do not carry over a month's, a leap year's or a year's end.
TEST(OutingDays, RunFromTheStartWeekdayRoundTheWeekWithTheirDates) {
    const struct {
        std::optional<CalendarDate> start;
        std::vector<Weekday> ticked;
        std::vector<std::pair<Weekday, std::string>> expected; // "" when there is no date
    } cases[] = {
        {std::nullopt, {Friday, Saturday, Sunday}, {{Sunday, ""}, {Friday, ""}, {Saturday, ""}}},
        {CalendarDate{2027, 6, 11},
         {Friday, Saturday, Sunday},
         {{Friday, "2027-06-11"}, {Saturday, "2027-06-12"}, {Sunday, "2027-06-13"}}},
        {CalendarDate{2027, 6, 9}, {Monday, Thursday}, {{Thursday, "2027-06-10"}, {Monday, "2027-06-14"}}},
        {CalendarDate{2027, 6, 9}, {Tuesday}, {{Tuesday, "2027-06-15"}}},
        {CalendarDate{2027, 12, 25},
         {Saturday, Sunday, Monday},
         {{Saturday, "2027-12-25"}, {Sunday, "2027-12-26"}, {Monday, "2027-12-27"}}},
        {CalendarDate{2028, 2, 26},
         {Saturday, Tuesday, Wednesday},
         {{Saturday, "2028-02-26"}, {Tuesday, "2028-02-29"}, {Wednesday, "2028-03-01"}}},
        {CalendarDate{2027, 6, 13},
         {Saturday, Sunday},
         {{Sunday, "2027-06-13"}, {Saturday, "2027-06-19"}}},
    };
    for (const auto& c : cases) {
        OutingPlan plan;
        plan.startDate = c.start;
        for (Weekday day : c.ticked)
            plan.days[static_cast<std::size_t>(day)] = true;
        std::vector<std::pair<Weekday, std::string>> got;
        for (const RosterDay& day : OutingDays(plan))
            got.emplace_back(day.day, day.date ? IsoDate(*day.date) : "");
        EXPECT_EQ(got, c.expected) << (c.start ? IsoDate(*c.start) : "no start date");
    }
}

OutingPlan WeekendPlan() {
    OutingPlan plan;
    plan.outingName = "Lake";
    plan.people = {"Ann", "Bob", "Cy", "Dee", "Eve"};
    for (Weekday day : {Friday, Saturday, Sunday}) {
        plan.days[static_cast<std::size_t>(day)] = true;
        plan.mealTicks[static_cast<std::size_t>(day)] = {true, false, true};
    }
    plan.breakfasts = {"Oats"};
    plan.dinners = {"Stew"};
    return plan;
}

// Catches: the draw or the headings left in Sunday-first order, a heading without its date.
TEST(OutingDays, TheBuildDrawsAndWritesInTheOutingsOrderUnderDatedHeadings) {
    OutingPlan plan = WeekendPlan();
    plan.startDate = CalendarDate{2027, 6, 11};
    ScriptedClock clock(7);
    Generator random(clock);
    MemoryDocument doc;
    RecordingHost host;
    AdviceFlag advice{true};
    const auto roster = BuildRoster(plan, doc, host, random, advice);
    ASSERT_TRUE(roster);
    std::vector<std::string> slots;
    for (const RosterMeal& meal : roster->meals)
        slots.push_back(SlotName(meal.slot));
    EXPECT_EQ(slots, (std::vector<std::string>{"Friday Breakfast", "Friday Dinner",
                                               "Saturday Breakfast", "Saturday Dinner",
                                               "Sunday Breakfast", "Sunday Dinner"}));
    const std::vector<Paragraph> paragraphs = doc.Paragraphs();
    // The title, two blanks, then each day: its heading and two meals of five paragraphs.
    EXPECT_EQ(paragraphs[3].Text(), "Friday 11 June 2027");
    EXPECT_EQ(paragraphs[3 + 11].Text(), "Saturday 12 June 2027");
}

// Catches: a redraw that draws over places set by hand, forgets that they were set by hand, or
// leaves them out of the Duties count; a kept place that does not carry the avoidance rule; an
// even-shares draw that seats a drawn person again beside a kept one while others are free.
TEST(PlacesSetByHand, SurviveARedrawAndCountInTheDuties) {
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        SplitMix64 dice(seed);
        OutingPlan plan = WeekendPlan();
        plan.crewSize = 1 + dice.Below(3);
        plan.evenShares = seed % 2 == 0;
        ScriptedClock clock(seed);
        Generator random(clock);
        Roster first = DrawRoster(plan, random);
        // Some places set by hand, to people other than the draw's.
        for (RosterMeal& meal : first.meals)
            for (CrewPlace& place : meal.cooks)
                if (dice.Below(3) == 0)
                    place = {dice.Below(5), true};
        const Roster second = DrawRoster(plan, random, &first);
        ASSERT_EQ(second.meals.size(), first.meals.size());
        std::vector<int> kept(plan.people.size());
        for (std::size_t m = 0; m < second.meals.size(); ++m) {
            const auto& before = first.meals[m].cooks;
            const auto& after = second.meals[m].cooks;
            for (std::size_t i = 0; i < before.size(); ++i) {
                EXPECT_EQ(after[i].byHand, before[i].byHand) << "seed " << seed;
                if (!before[i].byHand)
                    continue;
                EXPECT_EQ(after[i].person, before[i].person) << "seed " << seed;
                ++kept[static_cast<std::size_t>(after[i].person)];
                // The plain draw's rule runs on from the kept person.
                if (!plan.evenShares && i + 1 < after.size() && !after[i + 1].byHand) {
                    EXPECT_NE(after[i + 1].person, after[i].person) << "seed " << seed;
                }
            }
            const RosterMeal& meal = second.meals[m];
            if (!plan.evenShares || meal.there.size() < 2 * after.size())
                continue;
            std::vector<CrewPlace> places = meal.cooks;
            places.insert(places.end(), meal.cleanup.begin(), meal.cleanup.end());
            for (const CrewPlace& place : places) {
                if (!place.byHand) {
                    EXPECT_EQ(std::count(places.begin(), places.end(), place) +
                                  std::count(places.begin(), places.end(),
                                             CrewPlace{place.person, true}),
                              1)
                        << "seed " << seed;
                }
            }
        }
        const std::vector<DutyCount> counts = CountDuties(second);
        for (std::size_t p = 0; p < kept.size(); ++p)
            EXPECT_GE(counts[p].cooks, kept[p]) << "seed " << seed;
        // Build clears them: a draw without the previous roster has none.
        for (const RosterMeal& meal : DrawRoster(plan, random).meals)
            for (const CrewPlace& place : meal.cooks)
                EXPECT_FALSE(place.byHand);
    }
}

// Catches: a place kept for someone renamed or deleted since, or away for that meal.
TEST(PlacesSetByHand, AreDrawnAgainWhenTheirPersonIsGoneOrAway) {
    OutingPlan plan = WeekendPlan();
    ScriptedClock clock(3);
    Generator random(clock);
    Roster first = DrawRoster(plan, random);
    first.meals[0].cooks[0] = {1, true}; // Bob
    first.meals[1].cooks[0] = {2, true}; // Cy
    first.meals[2].cooks[0] = {3, true}; // Dee
    plan.people = {"Ann", "Zed", "Cy", "Eve", "Dee"}; // Bob gone, Dee moved
    plan.away.resize(5);
    plan.away[2].set(SlotIndex({Sunday, Meal::Dinner})); // Cy away
    const Roster second = DrawRoster(plan, random, &first);
    EXPECT_FALSE(second.meals[0].cooks[0].byHand);
    EXPECT_FALSE(second.meals[1].cooks[0].byHand);
    EXPECT_EQ(second.meals[2].cooks[0], (CrewPlace{4, true}));
}

} // namespace
} // namespace dutywise::testing
