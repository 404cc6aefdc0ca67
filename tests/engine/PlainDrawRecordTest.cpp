// The plain draw, recorded: the same scripted clock must give the same roster, draw for draw, so
// that nothing added beside the draw can change what a build with the even-shares option off
// writes. The expectations were taken from the build as it stood before that option existed.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "MemoryDocument.h"
#include "RecordingHost.h"
#include "RosterBuild.h"
#include "ScriptedClock.h"
#include "SplitMix.h"

namespace dutywise::testing {
namespace {

// The numbers the plans are made from. Frozen: the recorded digest depends on every plan.
using PlanDice = SplitMix64;

OutingPlan RecordedPlan(std::uint64_t seed) {
    static const char* const kNames[] = {"Ann", "Bob", "", "Cy", "Ann", "Dee", "Eve", "Fay"};
    PlanDice dice(seed);
    OutingPlan plan;
    plan.outingName = "Outing " + std::to_string(seed);
    plan.patrolName = dice.Below(2) ? "Owls" : "";
    const int people = 1 + dice.Below(12);
    for (int i = 0; i < people; ++i)
        plan.people.push_back(kNames[dice.Below(8)] + std::to_string(dice.Below(3)));
    plan.crewSize = 1 + dice.Below(people < 5 ? people : 5);
    for (int d = 0; d < kDays; ++d) {
        plan.days[static_cast<std::size_t>(d)] = dice.Below(3) != 0;
        for (int m = 0; m < kMeals; ++m)
            plan.mealTicks[static_cast<std::size_t>(d)][static_cast<std::size_t>(m)] =
                dice.Below(2) != 0;
    }
    for (auto* list : {&plan.breakfasts, &plan.lunches, &plan.dinners}) {
        const int meals = 1 + dice.Below(4);
        for (int i = 0; i < meals; ++i)
            list->push_back("Meal" + std::to_string(i));
    }
    for (int i = dice.Below(3); i > 0; --i)
        plan.snacks.push_back("Snack" + std::to_string(i));
    for (int i = dice.Below(3); i > 0; --i)
        plan.drinks.push_back("Drink" + std::to_string(i));
    return plan;
}

std::vector<Paragraph> BuildOnWalk(const OutingPlan& plan, std::uint64_t walkStart) {
    ScriptedClock clock(walkStart);
    Generator random(clock);
    MemoryDocument doc;
    RecordingHost host;
    AdviceFlag advice{true};
    BuildRoster(plan, doc, host, random, advice);
    return doc.Paragraphs();
}

// FNV-1a over every paragraph's runs: text, font, size, style set and colour.
std::uint64_t Digest(const std::vector<Paragraph>& paragraphs, std::uint64_t hash) {
    auto mix = [&hash](const std::string& bytes) {
        for (unsigned char c : bytes) {
            hash ^= c;
            hash *= 0x100000001B3ull;
        }
        hash ^= 0xFF;
        hash *= 0x100000001B3ull;
    };
    for (const Paragraph& p : paragraphs) {
        for (const Run& run : p.runs) {
            mix(run.text);
            mix(run.style.fontName);
            mix(std::to_string(run.style.sizeTwentieths) + "/" +
                std::to_string(run.style.styles.Bits()) + "/" +
                std::to_string(run.style.color.automatic) + std::to_string(run.style.color.red) +
                std::to_string(run.style.color.green) + std::to_string(run.style.color.blue));
        }
        mix("\n");
    }
    return hash;
}

TEST(PlainDrawRecord, OnePlanGivesTheRecordedRosterLineForLine) {
    OutingPlan plan;
    plan.outingName = "Fall Camp";
    plan.patrolName = "Owls";
    plan.people = {"Ann", "Bob", "Cy", "Ann", "", "Dee"};
    plan.crewSize = 3;
    plan.days[5] = plan.days[6] = true;
    plan.mealTicks[5] = {false, true, true};
    plan.mealTicks[6] = {true, true, false};
    plan.breakfasts = {"Eggs", "Oats"};
    plan.lunches = {"Wraps"};
    plan.dinners = {"Chili", "Stew", "Tacos"};
    plan.drinks = {"Cocoa"};

    std::vector<std::string> texts;
    for (const Paragraph& p : BuildOnWalk(plan, 2024))
        texts.push_back(p.Text());
    const std::vector<std::string> recorded = {
        "Fall Camp",
        "Owls's Roster",
        "",
        "",
        "Friday",
        "Lunch",
        "Cook: Ann, Bob",
        "Cleanup: Dee, Ann, Cy",
        "Meal: Wraps",
        "",
        "Dinner",
        "Cook: Ann, , Ann",
        "Cleanup: Bob, Ann",
        "Meal: Tacos",
        "",
        "Saturday",
        "Breakfast",
        "Cook: Bob, Cy, Bob",
        "Cleanup: Cy, , Dee",
        "Meal: Oats",
        "",
        "Lunch",
        "Cook: Ann, Dee",
        "Cleanup: Bob, Cy, ",
        "Meal: Wraps",
        "",
        "",
        "Snacks",
        "",
        "Drinks",
        "Cocoa",
    };
    EXPECT_EQ(texts, recorded);
}

TEST(PlainDrawRecord, ManyPlansGiveTheRecordedDigest) {
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (std::uint64_t seed = 1; seed <= 400; ++seed)
        hash = Digest(BuildOnWalk(RecordedPlan(seed), seed * 7919), hash);
    EXPECT_EQ(hash, 0x708A2D7FC0A8A35Eull);
}

} // namespace
} // namespace dutywise::testing
