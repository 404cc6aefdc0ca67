#pragma once
// The random draw of cooks and clean-up crews under the avoidance rule, and the meal pick.

#include <string>
#include <vector>

#include "OutingPlan.h"
#include "Random.h"
#include "RosterDocument.h"

namespace dutywise {

struct DrawState {
    int PreviousPick = 0; // index of the person drawn last in this build
};

// An index from 0 to n-1 that differs from the previous pick; it becomes the previous pick.
int DrawPerson(int n, DrawState& state, Generator& random);
// CrewSize names joined with ", ".
std::string DrawCrew(const std::vector<std::string>& people, int crewSize, DrawState& state,
                     Generator& random);
// One entry of a non-empty meal list; every entry can come up.
std::string PickMeal(const std::vector<std::string>& meals, Generator& random);
// Appends the cook line, the clean-up line, the meal line and a blank paragraph.
void FillMealSlot(const OutingPlan& plan, MealSlot slot, DrawState& state, RosterDocument& doc,
                  Generator& random);

} // namespace dutywise
