// Who is there per meal: properties over many seeded builds with random absences, and the
// refusal of a meal that too few people are there for.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

// 1 to 30 people named "#i" by list position, crews of 1 to 5, random days and meals. A quarter
// of the plans have nobody away; in the others people are away from random meals (ticked or
// not), and a fifth of the meals keep exactly a crew's worth. No meal has fewer.
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
    plan.breakfasts = plan.lunches = plan.dinners = {"Stew"};
    if (dice.Below(4) == 0)
        return plan;
    plan.away.resize(plan.people.size());
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        const bool exactly = dice.Below(5) == 0;
        int there = 0;
        for (MealSet& away : plan.away) {
            away.set(slot, exactly ? there >= plan.crewSize : dice.Below(4) == 0);
            there += away.test(slot) ? 0 : 1;
        }
        for (std::size_t i = 0; there < plan.crewSize; ++i)
            if (plan.away[i].test(slot)) {
                plan.away[i].reset(slot);
                ++there;
            }
    }
    return plan;
}

std::vector<std::string> Build(const OutingPlan& plan, std::uint64_t walk,
                               std::vector<std::string>& messages) {
    ScriptedClock clock(walk);
    Generator random(clock);
    MemoryDocument doc;
    RecordingHost host;
    AdviceFlag advice{true};
    BuildRoster(plan, doc, host, random, advice);
    messages = host.messages;
    return Texts(doc);
}

TEST(Presence, SeededBuildsWithAbsencesKeepEveryPromise) {
    int tightMeals = 0, evenBuildsEverybodyThere = 0, worstCookSpread = 0, worstCleanupSpread = 0;
    for (std::uint64_t seed = 1; seed <= 4000; ++seed) {
        const bool even = seed % 2 == 0;
        SCOPED_TRACE("seed " + std::to_string(seed) + (even ? ", even shares" : ", plain"));
        const OutingPlan plan = RandomPlanWithAbsences(seed, even);
        std::vector<std::string> messages;
        const std::vector<std::string> texts = Build(plan, seed, messages);
        ASSERT_EQ(messages, std::vector<std::string>{"Completed!"});

        const std::size_t n = plan.people.size();
        std::vector<std::array<int, 2>> tally(n); // cook, clean-up
        std::vector<MealSlot> meals;              // of the roster, as its headings name them
        Weekday day = Weekday::Sunday;
        int last = -1;
        std::size_t at = 0;
        for (; at < texts.size() && texts[at] != "Duties"; ++at) {
            const std::string& text = texts[at];
            for (int d = 0; d < kDays; ++d)
                if (text == DayName(static_cast<Weekday>(d)))
                    day = static_cast<Weekday>(d);
            for (int m = 0; m < kMeals; ++m)
                if (text == MealName(static_cast<Meal>(m)))
                    meals.push_back({day, static_cast<Meal>(m)});
            const bool cook = text.rfind("Cook: ", 0) == 0;
            if (!cook && text.rfind("Cleanup: ", 0) != 0)
                continue;
            const MealSlot slot = meals.back();
            std::size_t there = 0;
            for (std::size_t i = 0; i < n; ++i)
                there += plan.There(i, slot) ? 1 : 0;
            tightMeals += there == static_cast<std::size_t>(plan.crewSize) ? 1 : 0;
            std::set<int> crew;
            int drawn = 0;
            for (std::size_t hash = text.find('#'); hash != std::string::npos;
                 hash = text.find('#', hash + 1), ++drawn) {
                const int who = std::stoi(text.substr(hash + 1));
                EXPECT_TRUE(plan.There(static_cast<std::size_t>(who), slot)) << text;
                if (there >= 2) {
                    EXPECT_NE(who, last) << SlotName(slot) << ": " << text;
                }
                EXPECT_TRUE(crew.insert(who).second || !even) << text;
                last = who;
                ++tally[static_cast<std::size_t>(who)][cook ? 0 : 1];
            }
            EXPECT_EQ(drawn, plan.crewSize) << text;
        }
        if (!even)
            continue;

        // The duty count agrees with the crews; a person away from a meal of the build says
        // at how many of its meals they are.
        ASSERT_EQ(texts.size(), at + 1 + n);
        for (std::size_t i = 0; i < n; ++i) {
            const auto mealsThere = std::count_if(meals.begin(), meals.end(),
                                                  [&](MealSlot s) { return plan.There(i, s); });
            const auto [cooks, cleanups] = tally[i];
            std::string line = "#" + std::to_string(i) + ": " + std::to_string(cooks + cleanups) +
                               " (" + std::to_string(cooks) + " cook, " + std::to_string(cleanups) +
                               " cleanup)";
            if (mealsThere < std::ssize(meals))
                line += ", at " + std::to_string(mealsThere) + " of " +
                        std::to_string(meals.size()) + " meals";
            EXPECT_EQ(texts[at + 1 + i], line);
        }
        if (!plan.away.empty())
            continue;

        // With everybody there: totals within one, and each kind of duty spread evenly too.
        const auto spread = [&](auto count) {
            const auto [low, high] = std::minmax_element(
                tally.begin(), tally.end(), [&](auto& a, auto& b) { return count(a) < count(b); });
            return count(*high) - count(*low);
        };
        EXPECT_LE(spread([](auto& t) { return t[0] + t[1]; }), 1);
        const int cookSpread = spread([](auto& t) { return t[0]; });
        if (n == 2 && plan.crewSize == 1) {
            // Two people in crews of one must alternate, so one of them cooks at every meal:
            // the rule against twice in a row leaves no choice.
            EXPECT_EQ(cookSpread, std::ssize(meals));
            continue;
        }
        ++evenBuildsEverybodyThere;
        worstCookSpread = std::max(worstCookSpread, cookSpread);
        worstCleanupSpread = std::max(worstCleanupSpread, spread([](auto& t) { return t[1]; }));
    }
    std::cout << "even-shares builds with everybody there (two people in crews of one aside): "
              << evenBuildsEverybodyThere << ", worst spread of cook duties " << worstCookSpread
              << ", of clean-up duties " << worstCleanupSpread << "\n";
    EXPECT_LE(worstCookSpread, 1);
    EXPECT_LE(worstCleanupSpread, 1);
    EXPECT_GT(evenBuildsEverybodyThere, 400);
    EXPECT_GT(tightMeals, 1000);
}

TEST(Presence, AMealTooFewAreThereForIsRefusedAfterTheOtherChecks) {
    OutingPlan plan;
    plan.outingName = "Spring Campout";
    plan.people = {"Ann", "Bob", "Cy", "Dee"};
    plan.days[5] = plan.days[6] = true;
    plan.mealTicks[5] = {false, false, true};
    plan.mealTicks[6] = {true, true, true};
    plan.breakfasts = plan.lunches = plan.dinners = {"Stew"};
    // Three away from Saturday dinner and three from Saturday lunch, which comes first; Sunday
    // breakfast, not ticked, may be short.
    const std::size_t lunch = SlotIndex({Weekday::Saturday, Meal::Lunch});
    const std::size_t dinner = SlotIndex({Weekday::Saturday, Meal::Dinner});
    plan.away = {MealSet().set(dinner).set(0), MealSet().set(dinner).set(lunch).set(0),
                 MealSet().set(dinner).set(lunch).set(0), MealSet().set(lunch)};
    const auto refusal = [](const char* meal) {
        return std::string("Not enough people are there for ") + meal +
               "!\nPlease shorten the limit or mark more people as there.";
    };
    std::vector<std::string> messages;
    EXPECT_TRUE(Build(plan, 1, messages).empty());
    EXPECT_EQ(messages, std::vector<std::string>{refusal("Saturday Lunch")});
    // From a Saturday start Friday comes last: the first short meal is named in the outing's
    // order, not the week's.
    OutingPlan fromSaturday = plan;
    fromSaturday.startDate = CalendarDate{2026, 6, 6};
    for (const std::size_t person : {0, 1, 2})
        fromSaturday.away[person].set(SlotIndex({Weekday::Friday, Meal::Dinner}));
    Build(fromSaturday, 1, messages);
    EXPECT_EQ(messages, std::vector<std::string>{refusal("Saturday Lunch")});

    // The older checks come first, with their own texts.
    OutingPlan older = plan;
    older.lunches.clear();
    Build(older, 1, messages);
    EXPECT_EQ(messages.back().rfind("I can't let you generate a roster without Lunch.", 0), 0u);
    older.crewSize = 5;
    Build(older, 1, messages);
    EXPECT_EQ(messages.back().rfind("You don't have enough people", 0), 0u);

    // Exactly a crew there is enough; the roster names only those two.
    plan.away[3].reset(lunch);
    Build(plan, 1, messages);
    EXPECT_EQ(messages, std::vector<std::string>{refusal("Saturday Dinner")});
    plan.away[0].reset(dinner);
    const std::vector<std::string> texts = Build(plan, 1, messages);
    EXPECT_EQ(messages, std::vector<std::string>{"Completed!"});
    const auto saturdayLunch = std::find(texts.begin(), texts.end(), "Lunch");
    ASSERT_NE(saturdayLunch, texts.end());
    EXPECT_TRUE(saturdayLunch[1] == "Cook: Ann, Dee" || saturdayLunch[1] == "Cook: Dee, Ann");
}

} // namespace
} // namespace dutywise::testing
