#include "CrewRules.h"

#include <algorithm>

namespace dutywise {

namespace {

// How often each person stands in a crew.
std::vector<int> PlacesOf(const std::vector<CrewPlace>& crew, std::size_t people) {
    std::vector<int> count(people, 0);
    for (const CrewPlace& place : crew)
        if (place.person >= 0 && static_cast<std::size_t>(place.person) < people)
            ++count[static_cast<std::size_t>(place.person)];
    return count;
}

} // namespace

std::vector<BrokenRule> BrokenRules(const Roster& roster, std::size_t meal,
                                    const std::vector<std::array<std::string, 2>>& keptApart) {
    std::vector<BrokenRule> broken;
    if (meal >= roster.meals.size())
        return broken;
    const RosterMeal& here = roster.meals[meal];
    const std::size_t people = roster.people.size();

    // The people of the meal in the order they first stand there.
    std::vector<int> order;
    for (const auto* crew : {&here.cooks, &here.cleanup})
        for (const CrewPlace& place : *crew)
            if (place.person >= 0 && static_cast<std::size_t>(place.person) < people &&
                std::find(order.begin(), order.end(), place.person) == order.end())
                order.push_back(place.person);

    const std::vector<int> cooks = PlacesOf(here.cooks, people);
    const std::vector<int> cleanup = PlacesOf(here.cleanup, people);
    std::vector<int> before(people, 0);
    if (meal > 0) {
        const RosterMeal& previous = roster.meals[meal - 1];
        const std::vector<int> a = PlacesOf(previous.cooks, people);
        const std::vector<int> b = PlacesOf(previous.cleanup, people);
        for (std::size_t p = 0; p < people; ++p)
            before[p] = a[p] + b[p];
    }

    const auto add = [&](RuleCode code, auto breaks) {
        for (int person : order)
            if (breaks(static_cast<std::size_t>(person)))
                broken.push_back({code, person});
    };
    add(RuleCode::Away, [&](std::size_t p) { return !here.IsThere(static_cast<int>(p)); });
    add(RuleCode::TwiceInOneCrew, [&](std::size_t p) { return cooks[p] > 1 || cleanup[p] > 1; });
    add(RuleCode::OnBothCrews, [&](std::size_t p) { return cooks[p] > 0 && cleanup[p] > 0; });
    add(RuleCode::DutyBefore, [&](std::size_t p) { return before[p] > 0; });

    const auto named = [&](int a, int b) {
        const std::string& first = roster.people[static_cast<std::size_t>(a)];
        const std::string& second = roster.people[static_cast<std::size_t>(b)];
        return std::any_of(keptApart.begin(), keptApart.end(), [&](const auto& pair) {
            return (pair[0] == first && pair[1] == second) ||
                   (pair[0] == second && pair[1] == first);
        });
    };
    for (std::size_t i = 0; i < order.size() && !keptApart.empty(); ++i)
        for (std::size_t j = i + 1; j < order.size(); ++j)
            if (named(order[i], order[j]))
                broken.push_back({RuleCode::KeptApart, order[i], order[j]});
    return broken;
}

} // namespace dutywise
