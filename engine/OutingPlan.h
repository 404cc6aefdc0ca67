#pragma once
// Everything the wizard collects for one outing, read from its controls when a build starts.

#include <array>
#include <string>
#include <vector>

namespace dutywise {

enum class Weekday { Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };
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
};

const char* DayName(Weekday day); // "Sunday" ... "Saturday"
const char* MealName(Meal meal);  // "Breakfast", "Lunch", "Dinner"

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

    bool Ticked(MealSlot slot) const {
        return mealTicks[static_cast<int>(slot.day)][static_cast<int>(slot.meal)];
    }
    // A slot appears in the roster when both its day and its meal are ticked.
    bool Active(MealSlot slot) const { return days[static_cast<int>(slot.day)] && Ticked(slot); }
    const std::vector<std::string>& MealList(Meal meal) const;

    friend bool operator==(const OutingPlan&, const OutingPlan&) = default;
};

} // namespace dutywise
