// The crew rules on hand-made rosters: each rule found where it is broken, and only there.
#include <gtest/gtest.h>

#include <functional>

#include "CrewRules.h"

namespace dutywise::testing {
namespace {

// Nine people, crews of two, three meals that keep every rule; Hal is away for the
// second meal, where nobody puts him.
Roster Base() {
    Roster r;
    r.people = {"Ann", "Ben", "Cy", "Dee", "Eve", "Fay", "Gus", "Hal", "Ida"};
    r.crewSize = 2;
    const auto meal = [](Meal m, std::vector<int> cooks, std::vector<int> cleanup,
                         std::vector<int> there) {
        RosterMeal rm;
        rm.slot = {Weekday::Sunday, m};
        for (int p : cooks)
            rm.cooks.push_back({p, false});
        for (int p : cleanup)
            rm.cleanup.push_back({p, false});
        rm.there = std::move(there);
        return rm;
    };
    r.meals = {meal(Meal::Breakfast, {0, 1}, {2, 3}, {0, 1, 2, 3, 4, 5, 6, 7, 8}),
               meal(Meal::Lunch, {4, 5}, {6, 8}, {0, 1, 2, 3, 4, 5, 6, 8}),
               meal(Meal::Dinner, {0, 1}, {2, 7}, {0, 1, 2, 3, 4, 5, 6, 7, 8})};
    return r;
}

TEST(CrewRules, EachRuleIsFoundWhereItIsBrokenAndACleanMealHasNone) {
    using enum RuleCode;
    struct Case {
        const char* fault; // what a wrong check would miss or invent
        std::size_t meal;
        std::function<void(Roster&)> change;
        std::vector<BrokenRule> expected;
        std::vector<std::array<std::string, 2>> keptApart{};
    };
    const Case cases[] = {
        {"a clean first meal flagged (there is no meal before it)", 0, nullptr, {}},
        {"duty two meals back counted as the meal before", 2, nullptr, {}},
        {"a person away for the meal not flagged", 1,
         [](Roster& r) { r.meals[1].cooks[0].person = 7; }, {{Away, 7}}},
        {"a person twice among the cooks not flagged", 0,
         [](Roster& r) { r.meals[0].cooks[1].person = 0; }, {{TwiceInOneCrew, 0}}},
        {"a person twice on clean-up not flagged", 0,
         [](Roster& r) { r.meals[0].cleanup = {{3, true}, {3, true}}; }, {{TwiceInOneCrew, 3}}},
        {"a cook also on clean-up not flagged", 0,
         [](Roster& r) { r.meals[0].cleanup[0].person = 1; }, {{OnBothCrews, 1}}},
        {"duty at the meal before not flagged", 2,
         [](Roster& r) { r.meals[2].cleanup[1].person = 5; }, {{DutyBefore, 5}}},
        {"rules mixed up, or a person named twice for one rule", 1,
         [](Roster& r) {
             r.meals[1].cooks = {{7, true}, {7, true}};
             r.meals[1].cleanup = {{7, true}, {0, false}};
         },
         {{Away, 7}, {TwiceInOneCrew, 7}, {OnBothCrews, 7}, {DutyBefore, 0}}},
        {"a place outside the people list taken for a person", 0,
         [](Roster& r) { r.meals[0].cooks[0].person = 9; }, {}},
        {"a meal out of range read", 7, nullptr, {}},
        {"a pair kept apart missed when named the other way round, or flagged without both there",
         0, nullptr, {{KeptApart, 0, 3}}, {{"Dee", "Ann"}, {"Ann", "Hal"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        Roster r = Base();
        if (c.change)
            c.change(r);
        EXPECT_EQ(BrokenRules(r, c.meal, c.keptApart), c.expected);
    }
}

} // namespace
} // namespace dutywise::testing
