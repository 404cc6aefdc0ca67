#pragma once
// The random draw of cooks and clean-up crews under the avoidance rule, and the meal pick.
// Beside it, the even-shares draw that a plan may choose instead.

#include <cstdint>
#include <string>
#include <vector>

#include "OutingPlan.h"
#include "Random.h"
#include "RosterDocument.h"
#include "RosterWords.h"

namespace dutywise {

enum class Duty { Cook, Cleanup };

// How the even-shares draw weighs one person there.
struct ShareKey {
    int step;   // 0 free, 1 already in the crew, 2 drawn last
    int duties; // so far in this build
    int meals;  // meals of the build the person is there for (at least 1)
    int ofKind; // duties of the kind being drawn
};

struct DrawState {
    int PreviousPick = 0; // list position of the person drawn last in this build

    // The even-shares draw's own record, by list position: the person drawn last (-1 before
    // anybody), each person's duties so far in this build (cook and clean-up places together)
    // and, of those, the cook places.
    int LastDrawn = -1;
    std::vector<int> Duties{};
    std::vector<int> Cooks{};
    // Who is there, by list position: the meals of this build each person is there for, and
    // the build's meals. Empty: everybody is there for every meal.
    std::vector<int> MealsThere{};
    int Meals = 0;
    // Scratch of the even-shares draw, kept to spare allocations per draw.
    std::vector<int> Candidates{};
    std::vector<int> Steps{};
    std::vector<ShareKey> Keys{};
};

// The people there for a meal of the plan, as list positions in list order.
std::vector<int> PeopleThere(const OutingPlan& plan, MealSlot slot);
// Fills state.MealsThere and state.Meals from the plan's active meals and absences.
void CountMealsThere(const OutingPlan& plan, DrawState& state);

// An index from 0 to n-1 that differs from the previous pick; it becomes the previous pick.
int DrawPerson(int n, DrawState& state, Generator& random);
// DrawPerson over the people there, in their order: the previous pick is avoided when that
// person is there. Gives, and records as the previous pick, a list position.
int DrawPersonThere(const std::vector<int>& there, DrawState& state, Generator& random);
// CrewSize people there, as list positions, drawn place by place. A place that `kept` gives a
// list position (not -1) is not drawn: its person stands there as if drawn, and the rule carries
// on from them.
std::vector<int> DrawCrewPlaces(const std::vector<int>& there, int crewSize, DrawState& state,
                                Generator& random, const std::vector<int>& kept = {});
// CrewSize names of people there, joined with ", ".
std::string DrawCrew(const std::vector<std::string>& people, const std::vector<int>& there,
                     int crewSize, DrawState& state, Generator& random);
// The same with everybody there.
std::string DrawCrew(const std::vector<std::string>& people, int crewSize, DrawState& state,
                     Generator& random);

// Who an even-shares draw may take next, written to state.Candidates in list order. Of the
// people there other than the one drawn last and those already in `crew`, the ones with the
// lowest share so far: duties per meal there, compared exactly; among those, the ones with the
// fewest duties of this kind. When that leaves nobody, people already in the crew are let back
// in; with one person only, the same person may come again.
void EvenShareCandidates(const std::vector<int>& there, const std::vector<int>& crew, Duty duty,
                         DrawState& state);
// The same with everybody of an n-person list there, drawing cooks.
void EvenShareCandidates(int n, const std::vector<int>& crew, DrawState& state);
// One of the candidates, each equally likely; counts the duty and becomes the last drawn.
int DrawEvenShare(const std::vector<int>& there, const std::vector<int>& crew, Duty duty,
                  DrawState& state, Generator& random);
// Counts a duty for the person, who becomes the last drawn.
void CountEvenShare(int person, Duty duty, DrawState& state);
// CrewSize people drawn by even shares, as list positions; `kept` as for DrawCrewPlaces, a kept
// place counting as the duty it is.
std::vector<int> DrawEvenCrewPlaces(const std::vector<int>& there, int crewSize, Duty duty,
                                    DrawState& state, Generator& random,
                                    const std::vector<int>& kept = {});
// The names at the list positions, joined with ", ".
std::string CrewNames(const std::vector<std::string>& people, const std::vector<int>& crew);
// CrewSize names drawn by even shares, joined as DrawCrew joins them.
std::string DrawEvenCrew(const std::vector<std::string>& people, const std::vector<int>& there,
                         int crewSize, Duty duty, DrawState& state, Generator& random);
// "NAME: N (C cook, U cleanup)" for every person, in list order, in the words' pattern; a
// person away from some meal gets ", at M of K meals" after it.
std::vector<std::string> DutyCountLines(const std::vector<std::string>& people,
                                        const DrawState& state,
                                        const RosterWords& words = EnglishRosterWords());

// One entry of a non-empty meal list; every entry can come up.
std::string PickMeal(const std::vector<std::string>& meals, Generator& random);
// Appends the cook line, the clean-up line, the meal line and a blank paragraph. The plan's
// evenShares chooses the crews' draw.
void FillMealSlot(const OutingPlan& plan, MealSlot slot, DrawState& state, RosterDocument& doc,
                  Generator& random, const RosterWords& words = EnglishRosterWords());

} // namespace dutywise
