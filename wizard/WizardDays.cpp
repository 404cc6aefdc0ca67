// The days of the outing and the meals of each day.

#include <array>

#include "WizardWindow.h"

QCheckBox* WizardWindow::mealBox(int day, int meal) const {
    const std::array<QCheckBox*, 21> boxes{
        sundayBreakfastBox,   sundayLunchBox,        sundayDinnerBox,      mondayBreakfastBox,
        mondayLunchBox,       mondayDinnerBox,       tuesdayBreakfastBox,  tuesdayLunchBox,
        tuesdayDinnerBox,     wednesdayBreakfastBox, wednesdayLunchBox,    wednesdayDinnerBox,
        thursdayBreakfastBox, thursdayLunchBox,      thursdayDinnerBox,    fridayBreakfastBox,
        fridayLunchBox,       fridayDinnerBox,       saturdayBreakfastBox, saturdayLunchBox,
        saturdayDinnerBox};
    return boxes.at(static_cast<std::size_t>(day * dutywise::kMeals + meal));
}

// A day's meal group shows while the day is ticked; its ticks stay while it is hidden.
void WizardWindow::showMealsOfTickedDays() {
    const std::array<QWidget*, 7> groups{sundayGroup,   mondayGroup, tuesdayGroup, wednesdayGroup,
                                         thursdayGroup, fridayGroup, saturdayGroup};
    for (int day = 0; day < dutywise::kDays; ++day)
        groups[static_cast<std::size_t>(day)]->setVisible(daysList->checked(day));
}

void WizardWindow::checkAllDays() {
    for (int day = 0; day < daysList->count(); ++day)
        daysList->setChecked(day, true);
    showMealsOfTickedDays();
}

void WizardWindow::uncheckAllDays() {
    for (int day = 0; day < daysList->count(); ++day)
        daysList->setChecked(day, false);
    showMealsOfTickedDays();
}

void WizardWindow::checkAllMeals() {
    for (int day = 0; day < dutywise::kDays; ++day)
        for (int meal = 0; meal < dutywise::kMeals; ++meal)
            mealBox(day, meal)->setChecked(true);
}

void WizardWindow::uncheckAllMeals() {
    for (int day = 0; day < dutywise::kDays; ++day)
        for (int meal = 0; meal < dutywise::kMeals; ++meal)
            mealBox(day, meal)->setChecked(false);
}
