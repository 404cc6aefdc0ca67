// The days of the outing and the meals of each day.

#include <array>

#include "FlatDateEdit.h"
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

// The start date: empty until ticked; a tick offers today, to be changed in the field.
void WizardWindow::startDateTicked(bool ticked) {
    startDateEdit->setEnabled(ticked);
    if (!ticked)
        startDateEdit->setShownDate({});
    else if (!startDateEdit->shownDate().isValid())
        startDateEdit->setShownDate(QDate::currentDate());
}

void WizardWindow::setStartDate(const std::optional<dutywise::CalendarDate>& date) {
    startDateBox->setChecked(date.has_value());
    startDateEdit->setEnabled(date.has_value());
    startDateEdit->setShownDate(date ? QDate(date->year, date->month, date->day) : QDate());
}

std::optional<dutywise::CalendarDate> WizardWindow::startDate() const {
    const QDate date = startDateEdit->shownDate();
    if (!startDateBox->isChecked() || !date.isValid())
        return std::nullopt;
    return dutywise::CalendarDate{date.year(), date.month(), date.day()};
}
