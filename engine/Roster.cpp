#include "Roster.h"

#include <algorithm>

namespace dutywise {

bool RosterMeal::IsThere(int person) const {
    return std::binary_search(there.begin(), there.end(), person);
}

std::vector<RosterDay> OutingDays(const OutingPlan& plan) {
    const int first = plan.startDate ? static_cast<int>(WeekdayOf(*plan.startDate)) : 0;
    std::vector<RosterDay> days;
    for (int offset = 0; offset < kDays; ++offset) {
        const int d = (first + offset) % kDays;
        if (!plan.days[static_cast<std::size_t>(d)])
            continue;
        RosterDay day{static_cast<Weekday>(d), std::nullopt};
        if (plan.startDate)
            day.date = AddDays(*plan.startDate, offset);
        days.push_back(day);
    }
    return days;
}

Roster RosterOfPlan(const OutingPlan& plan) {
    Roster roster;
    roster.outingName = plan.outingName;
    roster.patrolName = plan.patrolName;
    roster.people = plan.people;
    roster.crewSize = plan.crewSize;
    roster.evenShares = plan.evenShares;
    roster.days = OutingDays(plan);
    roster.snacks = plan.snacks;
    roster.drinks = plan.drinks;
    roster.season = plan.season;
    return roster;
}

std::vector<MealSlot> OutingMeals(const OutingPlan& plan) {
    std::vector<MealSlot> meals;
    for (const RosterDay& day : OutingDays(plan))
        for (Meal meal : {Meal::Breakfast, Meal::Lunch, Meal::Dinner})
            if (plan.Ticked({day.day, meal}))
                meals.push_back({day.day, meal});
    return meals;
}

std::vector<DutyCount> CountDuties(const Roster& roster) {
    std::vector<DutyCount> counts(roster.people.size());
    const auto valid = [&](int person) {
        return person >= 0 && static_cast<std::size_t>(person) < counts.size();
    };
    for (const RosterMeal& meal : roster.meals) {
        for (const CrewPlace& place : meal.cooks)
            if (valid(place.person))
                ++counts[static_cast<std::size_t>(place.person)].duties,
                    ++counts[static_cast<std::size_t>(place.person)].cooks;
        for (const CrewPlace& place : meal.cleanup)
            if (valid(place.person))
                ++counts[static_cast<std::size_t>(place.person)].duties;
        for (int person : meal.there)
            if (valid(person))
                ++counts[static_cast<std::size_t>(person)].mealsThere;
    }
    return counts;
}

Season SeasonAfter(const Season& before, const Roster& roster) {
    Season after = before;
    const std::vector<DutyCount> counts = CountDuties(roster);
    const auto add = [](int& total, int more) {
        total = static_cast<int>(std::min<long long>(static_cast<long long>(total) + more,
                                                     kMaxSeasonCount));
    };
    for (std::size_t i = 0; i < counts.size(); ++i) {
        SeasonCount& count = after[roster.people[i]];
        add(count.duties, counts[i].duties);
        add(count.meals, counts[i].mealsThere);
    }
    return after;
}

SeasonCount PastOf(const Season& season, const std::string& name) {
    const auto it = season.find(name);
    return it == season.end() ? SeasonCount{} : it->second;
}

std::string CrewText(const Roster& roster, const std::vector<CrewPlace>& crew) {
    const auto valid = [&](int person) {
        return person >= 0 && static_cast<std::size_t>(person) < roster.people.size();
    };
    // Sized once: five long names would otherwise grow the text four times.
    std::size_t size = 0;
    for (const CrewPlace& place : crew)
        size += 2 + (valid(place.person) ? roster.people[static_cast<std::size_t>(place.person)].size() : 0);
    std::string text;
    text.reserve(size);
    for (const CrewPlace& place : crew) {
        // An empty first name leaves the text empty, so no separator goes before the next one.
        if (!text.empty())
            text += ", ";
        if (valid(place.person))
            text += roster.people[static_cast<std::size_t>(place.person)];
    }
    return text;
}

} // namespace dutywise
