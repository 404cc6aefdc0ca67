// The days of the outing and the meals of each day.

#include <array>

#include "WizardWindow.h"

QCheckBox* TForm2::MealBox(int day, int meal) const {
    const std::array<QCheckBox*, 21> boxes{SunBrk, SunLun, SunDin, MonBrk, MonLun, MonDin, TueBrk,
                                           TueLun, TueDin, WedBrk, WedLun, WedDin, ThuBrk, ThuLun,
                                           ThuDin, FriBrk, FriLun, FriDin, SatBrk, SatLun, SatDin};
    return boxes.at(static_cast<std::size_t>(day * dutywise::kMeals + meal));
}

// A day's meal group shows while the day is ticked; its ticks stay while it is hidden.
void TForm2::daysClickCheck() {
    const std::array<QWidget*, 7> groups{FlatGroupBox1, FlatGroupBox2, FlatGroupBox3, FlatGroupBox4,
                                         FlatGroupBox5, FlatGroupBox6, FlatGroupBox7};
    for (int day = 0; day < dutywise::kDays; ++day)
        groups[static_cast<std::size_t>(day)]->setVisible(days->checked(day));
}

void TForm2::FlatSpeedButton6Click() {
    for (int day = 0; day < days->count(); ++day)
        days->setChecked(day, true);
    daysClickCheck();
}

void TForm2::FlatSpeedButton7Click() {
    for (int day = 0; day < days->count(); ++day)
        days->setChecked(day, false);
    daysClickCheck();
}

void TForm2::FlatSpeedButton3Click() {
    for (int day = 0; day < dutywise::kDays; ++day)
        for (int meal = 0; meal < dutywise::kMeals; ++meal)
            MealBox(day, meal)->setChecked(true);
}

void TForm2::FlatSpeedButton4Click() {
    for (int day = 0; day < dutywise::kDays; ++day)
        for (int meal = 0; meal < dutywise::kMeals; ++meal)
            MealBox(day, meal)->setChecked(false);
}
