#include "CrewDraw.h"

namespace dutywise {

namespace {

int DrawBelow(int n, Generator& random) {
    return static_cast<int>(random.Draw(n));
}

} // namespace

int DrawPerson(int n, DrawState& state, Generator& random) {
    int x = DrawBelow(n, random);
    if (x == state.PreviousPick) {
        // No other index exists for one person, and with two people the rule would need one
        // that is neither the previous pick (1) nor 0. The draw must still end: it yields 0.
        if (n <= 1 || (n == 2 && state.PreviousPick == 1)) {
            state.PreviousPick = 0;
            return 0;
        }
        do {
            x = DrawBelow(n, random);
        } while (x == state.PreviousPick);
        // The first entry may only come from a first draw.
        if (x == 0) {
            do {
                x = DrawBelow(n, random);
            } while (x == state.PreviousPick || x == 0);
        }
    }
    state.PreviousPick = x;
    return x;
}

std::string DrawCrew(const std::vector<std::string>& people, int crewSize, DrawState& state,
                     Generator& random) {
    std::string crew;
    if (people.empty())
        return crew;
    const int n = static_cast<int>(people.size());
    for (int position = 0; position < crewSize; ++position) {
        const std::string& name = people[static_cast<std::size_t>(DrawPerson(n, state, random))];
        // An empty first name leaves the text empty, so no separator goes before the next one.
        if (!crew.empty())
            crew += ", ";
        crew += name;
    }
    return crew;
}

std::string PickMeal(const std::vector<std::string>& meals, Generator& random) {
    if (meals.empty())
        return {};
    // The bound is the number of entries, so the last meal entered can come up too.
    const int k = static_cast<int>(meals.size());
    return meals[random.Draw(k)];
}

void FillMealSlot(const OutingPlan& plan, MealSlot slot, DrawState& state, RosterDocument& doc,
                  Generator& random) {
    const StyleSet plain;
    const std::string cooks = DrawCrew(plan.people, plan.crewSize, state, random);
    SetRosterStyle(doc, 10, plain);
    doc.AppendParagraph("Cook: " + cooks);

    const std::string cleanup = DrawCrew(plan.people, plan.crewSize, state, random);
    SetRosterStyle(doc, 10, plain);
    doc.AppendParagraph("Cleanup: " + cleanup);

    doc.AppendParagraph("Meal: " + PickMeal(plan.MealList(slot.meal), random));
    doc.AppendParagraph("");
}

} // namespace dutywise
