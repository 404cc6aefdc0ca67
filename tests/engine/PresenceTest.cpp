// Who is there per meal: properties over many seeded builds with random absences, the refusal
// of a meal that too few people are there for, and the duty count of a person away.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "MemoryDocument.h"
#include "ParagraphTexts.h"
#include "RecordingHost.h"
#include "RosterBuild.h"
#include "ScriptedClock.h"
#include "SplitMix.h"

namespace dutywise::testing {
namespace {

// 1 to 30 people named "#i" by list position, crews of 1 to 5, random days and meals. Some
// plans have nobody away; in the others people are away from random meals, and now and then a
// meal keeps exactly a crew's worth of people. A meal never has fewer people than a crew.
OutingPlan RandomPlanWithAbsences(std::uint64_t seed, bool evenShares) {
    SplitMix64 dice(seed);
    OutingPlan plan;
    plan.outingName = "Outing";
    plan.evenShares = evenShares;
    const int people = 1 + (dice.Below(3) == 0 ? dice.Below(30) : dice.Below(8));
    for (int i = 0; i < people; ++i)
        plan.people.push_back("#" + std::to_string(i));
    plan.crewSize = 1 + dice.Below(std::min(people, kMaxCrewSize));
    for (std::size_t d = 0; d < kDays; ++d) {
        plan.days[d] = dice.Below(4) != 0;
        for (std::size_t m = 0; m < kMeals; ++m)
            plan.mealTicks[d][m] = dice.Below(3) != 0;
    }
    plan.breakfasts = {"Eggs"};
    plan.lunches = {"Wraps", "Soup"};
    plan.dinners = {"Chili"};
    if (dice.Below(4) == 0)
        return plan; // nobody away
    plan.away.resize(plan.people.size());
    for (MealSet& away : plan.away)
        if (dice.Below(2) == 0)
            for (int slot = 0; slot < kSlots; ++slot)
                away.set(static_cast<std::size_t>(slot), dice.Below(3) == 0);
    for (int slot = 0; slot < kSlots; ++slot) {
        const auto bit = static_cast<std::size_t>(slot);
        const bool exactly = dice.Below(5) == 0;
        int there = 0;
        for (std::size_t i = 0; i < plan.away.size(); ++i) {
            if (exactly)
                plan.away[i].set(bit, there >= plan.crewSize || dice.Below(2) == 0);
            else if (plan.away[i].test(bit) &&
                     there + (people - static_cast<int>(i)) <= plan.crewSize)
                plan.away[i].reset(bit); // the rest are needed to fill a crew
            there += plan.away[i].test(bit) ? 0 : 1;
        }
        // A meal left short by the random half above takes people back from the front.
        for (std::size_t i = 0; there < plan.crewSize; ++i)
            if (plan.away[i].test(bit)) {
                plan.away[i].reset(bit);
                ++there;
            }
    }
    return plan;
}

std::vector<std::string> Build(const OutingPlan& plan, std::uint64_t walk,
                               std::vector<std::string>* messages = nullptr) {
    ScriptedClock clock(walk);
    Generator random(clock);
    MemoryDocument doc;
    RecordingHost host;
    AdviceFlag advice{true};
    BuildRoster(plan, doc, host, random, advice);
    if (messages)
        *messages = host.messages;
    return Texts(doc);
}

// The list positions of a crew line's "#i" names, or nothing for any other paragraph.
std::vector<int> CrewOf(const std::string& text) {
    std::string list;
    if (text.rfind("Cook: ", 0) == 0)
        list = text.substr(6);
    else if (text.rfind("Cleanup: ", 0) == 0)
        list = text.substr(9);
    else
        return {};
    std::vector<int> crew;
    for (std::size_t at = list.find('#'); at != std::string::npos; at = list.find('#', at + 1))
        crew.push_back(std::stoi(list.substr(at + 1)));
    return crew;
}

struct Tally {
    int cook = 0, cleanup = 0;
};

TEST(Presence, SeededBuildsWithAbsencesKeepEveryPromise) {
    int builds = 0, tightMeals = 0, draws = 0;
    int worstCookSpread = 0, worstCleanupSpread = 0, evenBuildsEverybodyThere = 0;
    for (std::uint64_t seed = 1; seed <= 4000; ++seed) {
        const bool even = seed % 2 == 0;
        SCOPED_TRACE("seed " + std::to_string(seed) + (even ? ", even shares" : ", plain"));
        const OutingPlan plan = RandomPlanWithAbsences(seed, even);
        std::vector<std::string> messages;
        const std::vector<std::string> texts = Build(plan, seed, &messages);
        ASSERT_EQ(messages, std::vector<std::string>{"Completed!"});

        const auto n = plan.people.size();
        std::vector<Tally> tally(n);
        int last = -1, meals = 0;
        MealSlot slot{Weekday::Sunday, Meal::Breakfast};
        std::size_t at = 0;
        for (; at < texts.size() && texts[at] != "Duties"; ++at) {
            for (int d = 0; d < kDays; ++d)
                if (texts[at] == DayName(static_cast<Weekday>(d)))
                    slot.day = static_cast<Weekday>(d);
            for (int m = 0; m < kMeals; ++m)
                if (texts[at] == MealName(static_cast<Meal>(m))) {
                    slot.meal = static_cast<Meal>(m);
                    ++meals;
                }
            const std::vector<int> crew = CrewOf(texts[at]);
            if (crew.empty())
                continue;
            ASSERT_EQ(crew.size(), static_cast<std::size_t>(plan.crewSize)) << texts[at];
            std::size_t there = 0;
            for (std::size_t i = 0; i < n; ++i)
                there += plan.There(i, slot) ? 1 : 0;
            tightMeals += there == static_cast<std::size_t>(plan.crewSize) ? 1 : 0;
            std::set<int> seen;
            for (int who : crew) {
                const auto person = static_cast<std::size_t>(who);
                EXPECT_TRUE(plan.There(person, slot)) << SlotName(slot) << ": " << texts[at];
                if (there >= 2) {
                    EXPECT_NE(who, last) << SlotName(slot) << ": " << texts[at];
                }
                if (even) {
                    EXPECT_TRUE(seen.insert(who).second) << SlotName(slot) << ": " << texts[at];
                }
                last = who;
                ++draws;
                (texts[at][1] == 'o' ? tally[person].cook : tally[person].cleanup) += 1;
            }
        }
        ++builds;
        if (!even)
            continue;

        // The duty count agrees with the crews; a person away from a meal of the build says
        // how many of its meals they are at.
        ASSERT_EQ(texts.size(), at + 1 + n);
        for (std::size_t i = 0; i < n; ++i) {
            int mealsThere = 0;
            for (int d = 0; d < kDays; ++d)
                for (int m = 0; m < kMeals; ++m) {
                    const MealSlot s{static_cast<Weekday>(d), static_cast<Meal>(m)};
                    mealsThere += plan.Active(s) && plan.There(i, s) ? 1 : 0;
                }
            const Tally& t = tally[i];
            std::string line = "#" + std::to_string(i) + ": " + std::to_string(t.cook + t.cleanup) +
                               " (" + std::to_string(t.cook) + " cook, " +
                               std::to_string(t.cleanup) + " cleanup)";
            if (mealsThere < meals)
                line += ", at " + std::to_string(mealsThere) + " of " + std::to_string(meals) +
                        " meals";
            EXPECT_EQ(texts[at + 1 + i], line);
        }

        if (!plan.away.empty())
            continue;
        // With everybody there: totals within one, and each kind of duty spread evenly too.
        const auto spread = [&](auto count) {
            int low = 1 << 30, high = 0;
            for (const Tally& t : tally) {
                low = std::min(low, count(t));
                high = std::max(high, count(t));
            }
            return high - low;
        };
        EXPECT_LE(spread([](const Tally& t) { return t.cook + t.cleanup; }), 1);
        const int cookSpread = spread([](const Tally& t) { return t.cook; });
        const int cleanupSpread = spread([](const Tally& t) { return t.cleanup; });
        if (n == 2 && plan.crewSize == 1) {
            // Two people in crews of one must alternate, so one of them cooks at every meal:
            // the rule against twice in a row leaves no choice.
            EXPECT_EQ(cookSpread, meals);
            continue;
        }
        ++evenBuildsEverybodyThere;
        worstCookSpread = std::max(worstCookSpread, cookSpread);
        worstCleanupSpread = std::max(worstCleanupSpread, cleanupSpread);
    }
    std::cout << "even-shares builds with everybody there (two people in crews of one aside): "
              << evenBuildsEverybodyThere << ", worst spread of cook duties " << worstCookSpread
              << ", of clean-up duties " << worstCleanupSpread << "\n";
    EXPECT_LE(worstCookSpread, 1);
    EXPECT_LE(worstCleanupSpread, 1);
    EXPECT_EQ(builds, 4000);
    EXPECT_GT(evenBuildsEverybodyThere, 400);
    EXPECT_GT(tightMeals, 1000);
    EXPECT_GT(draws, 50000);
}

OutingPlan Weekend() {
    OutingPlan plan;
    plan.outingName = "Spring Campout";
    plan.people = {"Ann", "Bob", "Cy", "Dee"};
    plan.crewSize = 2;
    plan.days[5] = plan.days[6] = true;
    plan.mealTicks[5] = {false, false, true};
    plan.mealTicks[6] = {true, true, true};
    plan.breakfasts = {"Eggs"};
    plan.lunches = {"Wraps"};
    plan.dinners = {"Chili"};
    plan.away.resize(4);
    return plan;
}

void Away(OutingPlan& plan, std::size_t person, Weekday day, Meal meal) {
    plan.away[person].set(SlotIndex({day, meal}));
}

TEST(Presence, AMealTooFewAreThereForIsRefusedAfterTheOtherChecks) {
    const std::string saturdayLunch = "Not enough people are there for Saturday Lunch!\n"
                                      "Please shorten the limit or mark more people as there.";
    OutingPlan plan = Weekend();
    // Three away from Saturday dinner, then three from Saturday lunch: lunch comes first in the
    // day. Sunday breakfast, not ticked, may be short.
    for (std::size_t i : {0, 1, 2}) {
        Away(plan, i, Weekday::Saturday, Meal::Dinner);
        Away(plan, i + 1, Weekday::Saturday, Meal::Lunch);
        Away(plan, i, Weekday::Sunday, Meal::Breakfast);
    }
    std::vector<std::string> messages;
    EXPECT_TRUE(Build(plan, 1, &messages).empty());
    EXPECT_EQ(messages, std::vector<std::string>{saturdayLunch});

    // The older checks come first, with their own texts.
    OutingPlan noLunch = plan;
    noLunch.lunches.clear();
    Build(noLunch, 1, &messages);
    EXPECT_EQ(messages.back().rfind("I can't let you generate a roster without Lunch.", 0), 0u);
    OutingPlan tooFew = plan;
    tooFew.crewSize = 5;
    Build(tooFew, 1, &messages);
    EXPECT_EQ(messages.back().rfind("You don't have enough people", 0), 0u);

    // Exactly a crew there is enough; the roster names only those two.
    plan.away[3].reset(SlotIndex({Weekday::Saturday, Meal::Lunch}));
    Build(plan, 1, &messages);
    EXPECT_EQ(messages.back(), "Not enough people are there for Saturday Dinner!\n"
                               "Please shorten the limit or mark more people as there.");
    plan.away[0].reset(SlotIndex({Weekday::Saturday, Meal::Dinner}));
    const std::vector<std::string> texts = Build(plan, 1, &messages);
    EXPECT_EQ(messages, std::vector<std::string>{"Completed!"});
    const auto lunch = std::find(texts.begin(), texts.end(), "Lunch");
    ASSERT_NE(lunch, texts.end());
    EXPECT_TRUE(lunch[1] == "Cook: Ann, Dee" || lunch[1] == "Cook: Dee, Ann") << lunch[1];
}

// Tom is at four of the five meals; Ann is away only from a meal that is not ticked.
TEST(Presence, DutyCountSaysHowManyMealsSomebodyAwayIsAt) {
    OutingPlan plan = Weekend();
    plan.people = {"Ann", "Tom", "Cy", "Dee"};
    plan.evenShares = true;
    Away(plan, 1, Weekday::Friday, Meal::Dinner);
    Away(plan, 0, Weekday::Sunday, Meal::Lunch);
    const std::vector<std::string> texts = Build(plan, 7);
    const auto duties = std::find(texts.begin(), texts.end(), "Duties");
    ASSERT_EQ(texts.end() - duties, 5);
    EXPECT_EQ(duties[1].find(", at"), std::string::npos) << duties[1];
    EXPECT_EQ(duties[2].rfind("Tom: ", 0), 0u) << duties[2];
    EXPECT_TRUE(duties[2].ends_with(" cleanup), at 3 of 4 meals")) << duties[2];
}

} // namespace
} // namespace dutywise::testing
