#include "OutingPlan.h"

namespace dutywise {

const char* DayName(Weekday day) {
    static constexpr const char* kNames[kDays] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
    return kNames[static_cast<int>(day)];
}

const char* MealName(Meal meal) {
    static constexpr const char* kNames[kMeals] = {"Breakfast", "Lunch", "Dinner"};
    return kNames[static_cast<int>(meal)];
}

std::string SlotName(MealSlot slot) {
    return std::string(DayName(slot.day)) + " " + MealName(slot.meal);
}

const std::vector<std::string>& OutingPlan::MealList(Meal meal) const {
    switch (meal) {
    case Meal::Breakfast:
        return breakfasts;
    case Meal::Lunch:
        return lunches;
    case Meal::Dinner:
        break;
    }
    return dinners;
}

} // namespace dutywise
