#pragma once
// Roster values made by hand for the tests of what is written from them.

#include <optional>
#include <string>
#include <vector>

#include "Roster.h"
#include "SplitMix.h"

namespace dutywise::testing {

// A roster as a build leaves it: the ticked days from the start date (or none), every ticked
// meal with crews drawn at random from the people there.
inline Roster MakeRoster(std::vector<std::string> people, int days, int crewSize,
                         std::uint64_t seed,
                         std::optional<CalendarDate> start = CalendarDate{2027, 6, 11}) {
    SplitMix64 random(seed);
    Roster r;
    r.outingName = "Spring Camp";
    r.patrolName = "Eagle";
    r.people = std::move(people);
    r.crewSize = crewSize;
    const int n = static_cast<int>(r.people.size());
    for (int d = 0; d < days; ++d) {
        const int weekday = ((start ? static_cast<int>(WeekdayOf(*start)) : 0) + d) % 7;
        std::optional<CalendarDate> date;
        if (start)
            date = AddDays(*start, d);
        r.days.push_back({static_cast<Weekday>(weekday), date});
        for (Meal meal : {Meal::Breakfast, Meal::Lunch, Meal::Dinner}) {
            RosterMeal m;
            m.slot = {static_cast<Weekday>(weekday), meal};
            m.date = date;
            m.dish = "Dish " + std::to_string(d);
            for (int p = 0; p < n; ++p)
                if (random.Below(8) != 0 || p == 0) // now and then someone is away
                    m.there.push_back(p);
            const auto anyoneThere = [&] {
                return CrewPlace{m.there[static_cast<std::size_t>(
                    random.Below(static_cast<int>(m.there.size())))]};
            };
            for (int i = 0; i < crewSize; ++i) {
                m.cooks.push_back(anyoneThere());
                m.cleanup.push_back(anyoneThere());
            }
            r.meals.push_back(std::move(m));
        }
    }
    return r;
}

} // namespace dutywise::testing
