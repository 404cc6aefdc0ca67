#pragma once
// Everything the wizard collects for one outing, read from its controls when a build starts.

#include <array>
#include <bitset>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "CalendarDate.h"

namespace dutywise {

enum class Meal { Breakfast, Lunch, Dinner };

inline constexpr int kDays = 7;
inline constexpr int kMeals = 3;

// The number of cooks and, separately, of clean-up people for each meal.
inline constexpr int kMinCrewSize = 1;
inline constexpr int kMaxCrewSize = 5;
inline constexpr int kDefaultCrewSize = 2;

struct MealSlot {
    Weekday day;
    Meal meal;

    friend bool operator==(const MealSlot&, const MealSlot&) = default;
};

const char* DayName(Weekday day);    // "Sunday" ... "Saturday"
const char* MealName(Meal meal);     // "Breakfast", "Lunch", "Dinner"
std::string SlotName(MealSlot slot); // "Friday Dinner"

// A set of the week's meal slots, one bit per slot: day * kMeals + meal.
inline constexpr int kSlots = kDays * kMeals;
using MealSet = std::bitset<kSlots>;
inline std::size_t SlotIndex(MealSlot slot) {
    return static_cast<std::size_t>(static_cast<int>(slot.day) * kMeals +
                                    static_cast<int>(slot.meal));
}

// What one person did on the season's earlier outings: duties done and meals there.
struct SeasonCount {
    int duties = 0;
    int meals = 0;

    friend bool operator==(const SeasonCount&, const SeasonCount&) = default;
};
// The season so far, by name; empty when no season is on. Counts stay within kMaxSeasonCount.
using Season = std::map<std::string, SeasonCount>;
inline constexpr int kMaxSeasonCount = 1000000;

struct OutingPlan {
    std::string outingName;
    std::string patrolName;
    std::vector<std::string> people;
    std::array<bool, kDays> days{};                          // Sunday first
    std::array<std::array<bool, kMeals>, kDays> mealTicks{}; // [day][meal]
    std::vector<std::string> breakfasts, lunches, dinners;
    std::vector<std::string> snacks, drinks;
    int crewSize = kDefaultCrewSize;
    // Crews drawn so that everybody gets as many duties as everybody else, give or take one;
    // the roster then ends with each person's duty count.
    bool evenShares = false;
    // The meals each person is away from, by list position. A person without an entry (the
    // list may be shorter than the people, or empty) is there for every meal. Absences from
    // meals that are not active do nothing.
    std::vector<MealSet> away;
    // The outing's first day, when the leader gave one: the days then run from its weekday.
    std::optional<CalendarDate> startDate;
    // Pairs of names the even-shares draw keeps out of one meal's crews while it can; a name
    // stands for every entry of the people list with that text.
    std::vector<std::array<std::string, 2>> keepApart;
    // The earlier outings of the season; the even-shares draw evens out the totals over them.
    Season season;

    bool Ticked(MealSlot slot) const {
        return mealTicks[static_cast<int>(slot.day)][static_cast<int>(slot.meal)];
    }
    // A slot appears in the roster when both its day and its meal are ticked.
    bool Active(MealSlot slot) const { return days[static_cast<int>(slot.day)] && Ticked(slot); }
    const std::vector<std::string>& MealList(Meal meal) const;
    bool There(std::size_t person, MealSlot slot) const {
        return person >= away.size() || !away[person].test(SlotIndex(slot));
    }

    friend bool operator==(const OutingPlan&, const OutingPlan&) = default;
};

} // namespace dutywise
