// Who is there per meal: properties over many seeded builds with random absences, and the
// refusal of a meal that too few people are there for.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "CrewDraw.h"
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
    // Pairs kept apart, from dice of their own so that the rest of the plan stays as it was.
    SplitMix64 pairs(~seed);
    for (int k = people < 3 || pairs.Below(2) ? 0 : 1 + pairs.Below(3); k > 0; --k)
        plan.keepApart.push_back(
            {plan.people[pairs.Below(people)], plan.people[pairs.Below(people)]});
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

// The fair draw's promises, measured from the roster: nobody on duty again at once while two
// crews of people there had rested; nobody on both crews while two crews are there; everybody's
// count within one of their share of the meals they were there for; cooking and cleaning up
// each spread evenly when nobody is away. Both draws, off the same plans, must give their
// recorded digests draw for draw: a plan without a season draws as it always did.
TEST(Presence, SeededBuildsWithAbsencesKeepEveryPromise) {
    int tightMeals = 0, evenBuildsEverybodyThere = 0, worstCookSpread = 0, worstCleanupSpread = 0;
    int evenMeals = 0, backToBack = 0, doubleDuty = 0, awayBuilds = 0, offShare = 0;
    int keptApart = 0, togetherAnyway = 0;
    double worstDistance = 0;
    std::uint64_t plainDigest = 0xCBF29CE484222325ull, evenDigest = plainDigest;
    for (std::uint64_t seed = 1; seed <= 4000; ++seed) {
        const bool even = seed % 2 == 0;
        SCOPED_TRACE("seed " + std::to_string(seed) + (even ? ", even shares" : ", plain"));
        const OutingPlan plan = RandomPlanWithAbsences(seed, even);
        std::vector<std::string> messages;
        const std::vector<std::string> texts = Build(plan, seed, messages);
        ASSERT_EQ(messages, std::vector<std::string>{"Completed!"});
        std::uint64_t& digest = even ? evenDigest : plainDigest;
        for (const std::string& text : texts)
            for (unsigned char ch : text + "\n")
                digest = (digest ^ ch) * 0x100000001B3ull;

        const std::size_t n = plan.people.size();
        const int crews = 2 * plan.crewSize;
        std::vector<std::array<int, 2>> tally(n); // cook, clean-up
        std::vector<MealSlot> meals;              // of the roster, as its headings name them
        std::vector<double> share(n);
        std::vector<int> onDuty(n, -1), there(n); // the meal each was last on duty at
        Weekday day = Weekday::Sunday;
        int last = -1, rested = 0; // people there at this meal who were off at the one before
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
            const int now = static_cast<int>(meals.size()) - 1;
            int thereNow = 0;
            for (std::size_t i = 0; i < n; ++i) {
                there[i] = plan.There(i, slot) ? 1 : 0;
                thereNow += there[i];
            }
            tightMeals += thereNow == plan.crewSize ? 1 : 0;
            if (cook) {
                rested = 0;
                for (std::size_t i = 0; i < n; ++i)
                    rested += there[i] && onDuty[i] != now - 1 ? 1 : 0;
            }
            if (even && cook) {
                ++evenMeals;
                for (std::size_t i = 0; i < n; ++i)
                    share[i] += there[i] * double(crews) / thereNow;
            }
            std::set<int> crew;
            bool again = false, twice = false;
            int drawn = 0;
            for (std::size_t hash = text.find('#'); hash != std::string::npos;
                 hash = text.find('#', hash + 1), ++drawn) {
                const int who = std::stoi(text.substr(hash + 1));
                const auto i = static_cast<std::size_t>(who);
                EXPECT_TRUE(there[i]) << text;
                if (!even && thereNow >= 2) {
                    EXPECT_NE(who, last) << SlotName(slot) << ": " << text;
                }
                EXPECT_TRUE(crew.insert(who).second || !even) << text;
                again = again || onDuty[i] == now - 1;
                twice = twice || (!cook && onDuty[i] == now);
                last = who;
                ++tally[i][cook ? 0 : 1];
            }
            for (int who : crew)
                onDuty[static_cast<std::size_t>(who)] = now;
            // A pair kept apart shares a meal's crews only when nobody there outside them is
            // free of every pair with them and of the rest the meal before asks for.
            const auto apart = [&](std::size_t i, std::size_t j) {
                return std::any_of(plan.keepApart.begin(), plan.keepApart.end(), [&](auto& p) {
                    return i != j && ((p[0] == plan.people[i] && p[1] == plan.people[j]) ||
                                      (p[1] == plan.people[i] && p[0] == plan.people[j]));
                });
            };
            bool together = false, someoneFree = false;
            for (std::size_t i = 0; even && !cook && i < n; ++i) {
                bool clash = false;
                for (std::size_t j = 0; j < n; ++j)
                    clash = clash || (onDuty[j] == now && apart(i, j));
                together = together || (onDuty[i] == now && clash);
                someoneFree = someoneFree || (there[i] && onDuty[i] != now && !clash &&
                                              (onDuty[i] != now - 1 || rested < crews));
            }
            keptApart += together ? 1 : 0;
            togetherAnyway += together && someoneFree ? 1 : 0;
            // Counted once a meal: at its clean-up line, when both crews are known.
            backToBack += even && now > 0 && again && rested >= crews ? 1 : 0;
            doubleDuty += even && twice && thereNow >= crews ? 1 : 0;
            EXPECT_EQ(drawn, plan.crewSize) << text;
        }
        if (!even)
            continue;

        // The duty count agrees with the crews; a person away from a meal of the build says
        // at how many of its meals they are.
        ASSERT_EQ(texts.size(), at + 1 + n);
        double distance = 0;
        bool someoneAway = false;
        for (std::size_t i = 0; i < n; ++i) {
            const auto mealsThere = std::count_if(meals.begin(), meals.end(),
                                                  [&](MealSlot s) { return plan.There(i, s); });
            const auto [cooks, cleanups] = tally[i];
            std::string line = "#" + std::to_string(i) + ": " + std::to_string(cooks + cleanups) +
                               " (" + std::to_string(cooks) + " cook, " + std::to_string(cleanups) +
                               " cleanup)";
            someoneAway = someoneAway || mealsThere < std::ssize(meals);
            if (mealsThere < std::ssize(meals))
                line += ", at " + std::to_string(mealsThere) + " of " +
                        std::to_string(meals.size()) + " meals";
            EXPECT_EQ(texts[at + 1 + i], line);
            distance = std::max(distance, std::abs(cooks + cleanups - share[i]));
        }
        if (!plan.keepApart.empty())
            continue; // a pair kept apart comes before the share
        if (someoneAway) {
            ++awayBuilds;
            offShare += distance > 1 - 1e-9 ? 1 : 0;
            worstDistance = std::max(worstDistance, distance);
            continue;
        }

        // With everybody there: totals within one of the share, and each kind of duty spread
        // evenly too.
        EXPECT_LT(distance, 1 - 1e-9);
        const auto spread = [&](auto count) {
            const auto [low, high] = std::minmax_element(
                tally.begin(), tally.end(), [&](auto& a, auto& b) { return count(a) < count(b); });
            return count(*high) - count(*low);
        };
        ++evenBuildsEverybodyThere;
        worstCookSpread = std::max(worstCookSpread, spread([](auto& t) { return t[0]; }));
        worstCleanupSpread = std::max(worstCleanupSpread, spread([](auto& t) { return t[1]; }));
    }
    std::cout << "even shares: " << evenMeals << " meals, " << 100.0 * backToBack / evenMeals
              << "% avoidably on duty again at once, " << 100.0 * doubleDuty / evenMeals
              << "% avoidably on both crews; with someone away " << 100.0 * offShare / awayBuilds
              << "% of " << awayBuilds << " builds one or more from the share, worst "
              << worstDistance << "; everybody there: " << evenBuildsEverybodyThere
              << " builds, worst spread of cook duties " << worstCookSpread
              << ", of clean-up duties " << worstCleanupSpread << "\n";
    EXPECT_EQ(togetherAnyway, 0);
    EXPECT_GT(keptApart, 20);
    EXPECT_EQ(backToBack, 0);
    EXPECT_EQ(doubleDuty, 0);
    // Rest and meals that only a crew's worth is there for can leave no way to a share (a
    // share can even need someone at two meals in a row); a share from the wrong meals or the
    // wrong person's is off in several times as many builds, and further.
    EXPECT_LE(offShare * 100, awayBuilds * 6);
    EXPECT_LT(worstDistance, 2.25);
    EXPECT_LE(worstCookSpread, 1);
    EXPECT_LE(worstCleanupSpread, 1);
    EXPECT_GT(evenBuildsEverybodyThere, 400);
    EXPECT_GT(tightMeals, 1000);
    EXPECT_EQ(plainDigest, 0x52DC6A13CD8C2DDCull);
    EXPECT_EQ(evenDigest, 0xAC2C0A51B99065DDull);
}

// With a season on, each person's total over the season comes nearer their season share (past
// meals at the list's past rate, plus this outing's fair share) than the same draw gives without
// the season; a draw that ignores the season, or steers the wrong way, fails.
TEST(Presence, ASeasonBringsTheSeasonTotalsNearerTheSeasonShare) {
    double spread[2] = {0, 0}; // with the season, without it
    for (std::uint64_t seed = 1; seed <= 1500; ++seed) {
        OutingPlan plan = RandomPlanWithAbsences(seed, true);
        plan.keepApart.clear();
        // Earlier outings drawn about evenly: each person a few duties off the patrol's rate.
        SplitMix64 dice(~seed * 31);
        const std::size_t n = plan.people.size();
        const double rate = 2.0 * plan.crewSize / static_cast<double>(n);
        double duties = 0, meals = 0;
        for (const std::string& name : plan.people) {
            const int m = dice.Below(40);
            const int d = std::max(0, static_cast<int>(std::lround(m * rate)) + dice.Below(7) - 3);
            plan.season[name] = {d, m};
            duties += d, meals += m;
        }
        plan.season["somebody gone"] = {30, 10}; // counts for nobody on this outing
        std::vector<double> owed(n); // season share less past duties
        for (std::size_t i = 0; i < n; ++i) {
            const SeasonCount past = plan.season[plan.people[i]];
            owed[i] = past.meals * (meals > 0 ? duties / meals : 0) - past.duties;
        }
        for (const MealSlot slot : OutingMeals(plan)) {
            const auto there = static_cast<double>(PeopleThere(plan, slot).size());
            for (std::size_t i = 0; i < n; ++i)
                owed[i] += plan.There(i, slot) ? 2.0 * plan.crewSize / there : 0.0;
        }
        for (const bool season : {true, false}) {
            OutingPlan drawn = plan;
            if (!season)
                drawn.season.clear();
            ScriptedClock clock(seed);
            Generator random(clock);
            const std::vector<DutyCount> counts = CountDuties(DrawRoster(drawn, random));
            double worst = 0;
            for (std::size_t i = 0; i < n; ++i)
                worst = std::max(worst, std::abs(counts[i].duties - owed[i]));
            spread[season ? 0 : 1] += worst;
        }
    }
    // A few meals cannot make up for many, so the season narrows the spread rather than ending it.
    EXPECT_LT(spread[0] * 3, spread[1] * 2) << spread[0] << " against " << spread[1];
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
