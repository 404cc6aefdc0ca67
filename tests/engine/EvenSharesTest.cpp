// The even-shares draw: properties over many seeded builds, an exhaustive walk of the draw's
// states for small patrols, and the duty count the roster ends with.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
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

using Dice = SplitMix64;

// 1 to 60 people whose names repeat and may be empty, crews of 1 to 5 (never more than the
// people), a random pattern of ticked days and meals.
OutingPlan RandomEvenPlan(std::uint64_t seed) {
    static const char* const kNames[] = {"Ann", "Bob", "", "Ann", "Cy", "Dee"};
    Dice dice(seed);
    OutingPlan plan;
    plan.outingName = "Outing";
    plan.evenShares = true;
    const int people = 1 + (dice.Below(4) == 0 ? dice.Below(60) : dice.Below(8));
    for (int i = 0; i < people; ++i)
        plan.people.push_back(kNames[dice.Below(6)]);
    plan.crewSize = 1 + dice.Below(std::min(people, kMaxCrewSize));
    const int density = 1 + dice.Below(4); // a quarter to all of the slots
    for (int d = 0; d < kDays; ++d) {
        plan.days[static_cast<std::size_t>(d)] = dice.Below(4) < density;
        for (int m = 0; m < kMeals; ++m)
            plan.mealTicks[static_cast<std::size_t>(d)][static_cast<std::size_t>(m)] =
                dice.Below(4) < density;
    }
    plan.breakfasts = {"Eggs"};
    plan.lunches = {"Wraps", "Soup"};
    plan.dinners = {"Chili"};
    return plan;
}

std::vector<std::string> Build(const OutingPlan& plan, std::uint64_t walk) {
    ScriptedClock clock(walk);
    Generator random(clock);
    MemoryDocument doc;
    RecordingHost host;
    AdviceFlag advice{true};
    BuildRoster(plan, doc, host, random, advice);
    return Texts(doc);
}

// The names of a crew line, or nothing for any other paragraph.
std::vector<std::string> CrewOf(const std::string& text) {
    std::string list;
    if (text.rfind("Cook: ", 0) == 0)
        list = text.substr(6);
    else if (text.rfind("Cleanup: ", 0) == 0)
        list = text.substr(9);
    else
        return {};
    std::vector<std::string> names;
    for (std::size_t start = 0;;) {
        const std::size_t comma = list.find(", ", start);
        names.push_back(list.substr(start, comma - start));
        if (comma == std::string::npos)
            return names;
        start = comma + 2;
    }
}

struct Tally {
    int cook = 0, cleanup = 0;
};

// The draw depends on positions alone: the build is run once more with every person renamed
// "#i", on the same clock, and must give the same roster name for name. The renamed roster
// then tells who was drawn, position by position.
TEST(EvenShares, PropertiesHoldOverManySeededBuilds) {
    int builds = 0, draws = 0;
    std::map<int, std::set<int>> openers; // people count -> positions drawn first
    for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const OutingPlan plan = RandomEvenPlan(seed);
        OutingPlan tagged = plan;
        const int n = static_cast<int>(plan.people.size());
        for (int i = 0; i < n; ++i)
            tagged.people[static_cast<std::size_t>(i)] = "#" + std::to_string(i);

        const std::vector<std::string> named = Build(plan, seed);
        const std::vector<std::string> texts = Build(tagged, seed);
        ASSERT_EQ(named.size(), texts.size());

        std::vector<Tally> tally(static_cast<std::size_t>(n));
        std::vector<int> order;
        std::size_t at = 0;
        for (; at < texts.size() && texts[at] != "Duties"; ++at) {
            const std::vector<std::string> crew = CrewOf(texts[at]);
            if (crew.empty()) {
                EXPECT_EQ(named[at], texts[at]);
                continue;
            }
            ASSERT_EQ(crew.size(), static_cast<std::size_t>(plan.crewSize)) << texts[at];
            std::string line = texts[at].substr(0, texts[at].find(' ') + 1), names;
            std::set<int> seen;
            for (const std::string& tag : crew) {
                const int who = std::stoi(tag.substr(1));
                if (!names.empty())
                    names += ", ";
                names += plan.people[static_cast<std::size_t>(who)];
                // Nobody twice in a crew (the build never has fewer people than a crew).
                EXPECT_TRUE(seen.insert(who).second) << texts[at];
                order.push_back(who);
                Tally& t = tally[static_cast<std::size_t>(who)];
                (texts[at][1] == 'o' ? t.cook : t.cleanup) += 1;
            }
            EXPECT_EQ(named[at], line + names);
        }
        if (order.empty())
            continue;
        ++builds;
        draws += static_cast<int>(order.size());
        openers[n].insert(order.front());

        // Everybody's duties within one of everybody else's.
        int fewest = 1 << 30, most = 0;
        for (const Tally& t : tally) {
            fewest = std::min(fewest, t.cook + t.cleanup);
            most = std::max(most, t.cook + t.cleanup);
        }
        EXPECT_LE(most - fewest, 1) << n << " people, crews of " << plan.crewSize;

        // The duty count agrees with the crews above it, person by person in list order.
        ASSERT_EQ(texts.size(), at + 1 + static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            const Tally& t = tally[static_cast<std::size_t>(i)];
            const std::string count = ": " + std::to_string(t.cook + t.cleanup) + " (" +
                                      std::to_string(t.cook) + " cook, " +
                                      std::to_string(t.cleanup) + " cleanup)";
            const std::size_t row = at + 1 + static_cast<std::size_t>(i);
            EXPECT_EQ(texts[row], "#" + std::to_string(i) + count);
            EXPECT_EQ(named[row], plan.people[static_cast<std::size_t>(i)] + count);
        }
    }
    EXPECT_GT(builds, 2000);
    EXPECT_GT(draws, 100000);
    // Anybody opens a build, the first entry of the list too.
    for (int n = 1; n <= 8; ++n) {
        std::set<int> all;
        for (int i = 0; i < n; ++i)
            all.insert(i);
        EXPECT_EQ(openers[n], all) << n << " people";
    }
}

// Saturday breakfast and dinner, three people of whom two share a name, crews of one.
TEST(EvenShares, DutyCountClosesTheRosterInItsStyles) {
    ScriptedClock clock;
    Generator random(clock);
    OutingPlan plan;
    plan.outingName = "Spring Campout";
    plan.people = {"Ann", "Bob", "Ann"};
    plan.crewSize = 1;
    plan.evenShares = true;
    plan.days[6] = true;
    plan.mealTicks[6] = {true, false, true};
    plan.breakfasts = {"Eggs"};
    plan.dinners = {"Chili"};
    plan.snacks = {"Apples"};
    plan.drinks = {"Cocoa"};
    clock.counters.push_back(0); // the build's own re-seed
    // The outing is drawn at its first meal. Breakfast: a first place among all three, the
    // first Ann; a second between Bob and the second Ann, she; then which of the two Anns and
    // which crew, the first Ann cooking. Dinner leaves no choice: Bob alone is owed a duty, and
    // the first Ann has cleaned up least.
    clock.ScriptDraws(3, {0});
    clock.ScriptDraws(2, {1});
    clock.ScriptDraws(4, {0});

    MemoryDocument doc;
    RecordingHost host;
    AdviceFlag advice{true};
    BuildRoster(plan, doc, host, random, advice);

    const ParagraphStyle heading = ParagraphStyle::Roster(10, {FontStyle::Bold});
    const ParagraphStyle line = ParagraphStyle::Roster(10, {});
    const ParagraphStyle food = ParagraphStyle::Roster(10, {FontStyle::Bold, FontStyle::Underline});
    const std::vector<dutywise::Run> expected = {{"Cook: Ann", line},
                                                 {"Cleanup: Ann", line},
                                                 {"Meal: Eggs", line},
                                                 {"", line},
                                                 {"Dinner", heading},
                                                 {"Cook: Bob", line},
                                                 {"Cleanup: Ann", line},
                                                 {"Meal: Chili", line},
                                                 {"", line},
                                                 {"", line},
                                                 {"Snacks", food},
                                                 {"Apples", food},
                                                 {"", food},
                                                 {"Drinks", food},
                                                 {"Cocoa", food},
                                                 {"", food},
                                                 {"Duties", food},
                                                 {"Ann: 2 (1 cook, 1 cleanup)", line},
                                                 {"Bob: 1 (1 cook, 0 cleanup)", line},
                                                 {"Ann: 1 (0 cook, 1 cleanup)", line}};
    const std::vector<Paragraph> paragraphs = doc.Paragraphs();
    ASSERT_EQ(paragraphs.size(), 5 + expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(paragraphs[5 + i].runs, std::vector<dutywise::Run>{expected[i]})
            << "paragraph " << 6 + i;
    EXPECT_EQ(host.messages, std::vector<std::string>{"Completed!"});

    // No meal at all: everybody is counted, with nothing.
    plan.days = {};
    BuildRoster(plan, doc, host, random, advice);
    const std::vector<std::string> texts = Texts(doc);
    EXPECT_EQ(
        std::vector<std::string>(texts.end() - 5, texts.end()),
        (std::vector<std::string>{"", "Duties", "Ann: 0 (0 cook, 0 cleanup)",
                                  "Bob: 0 (0 cook, 0 cleanup)", "Ann: 0 (0 cook, 0 cleanup)"}));
}

} // namespace
} // namespace dutywise::testing
