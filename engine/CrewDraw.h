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

// How the even-shares draw weighs one person there for the place being drawn; lower comes
// first in every field.
struct FairKey {
    int person;
    int tier;     // what taking them would break: 1 kept apart, 2 rest, 4 one place a meal, summed
    int deadline; // the meal by which they fall a duty behind their share; eligible first
    std::int64_t owed;   // their share so far less their duties, negated, in 2^-20 duties
    std::int64_t rank;   // tier, deadline and owed in one number
    int tired;           // on duty at the meal before
    int cooked, cleaned; // before this meal
    int places;          // taken at this meal, set by hand or drawn
    int drawn;           // drawn at this meal and not yet in a crew
};

struct DrawState {
    int PreviousPick = 0; // list position of the person drawn last in this build

    // The even-shares draw's own record, by list position: each person's duties so far in this
    // build (cook and clean-up places together) and, of those, the cook places.
    std::vector<int> Duties{};
    std::vector<int> Cooks{};
    // The build's meals in the outing's order, and each person's fair share by the end of each
    // of them: the sum, over those meals they are there for, of two crews over the people
    // there. One row of Order.size() values per person.
    std::vector<MealSlot> Order{};
    std::vector<double> Owed{};
    // By meal of Order and place, the person a place set by hand keeps (-1: drawn); a meal
    // with an empty list, or beyond the list, keeps nothing.
    std::vector<std::vector<int>> KeptCooks{}, KeptCleanup{};
    // The crews drawn for each meal of Order, ahead of the document.
    std::vector<std::vector<int>> PlannedCooks{}, PlannedCleanup{};
    // By list position: on duty at the meal drawn last.
    std::vector<char> OnDutyBefore{};
    // By list position: the people each is kept apart from.
    std::vector<std::vector<int>> KeptApart{};
    // Scratch of the even-shares draw, kept to spare allocations per meal.
    std::vector<FairKey> Keys{};
    std::vector<int> Ties{}, Chosen{}, KeyOf{};
};

// The people there for a meal of the plan, as list positions in list order.
std::vector<int> PeopleThere(const OutingPlan& plan, MealSlot slot);
// For an even-shares plan: the outing's order, everybody's fair share meal by meal (weighed by
// the season when one is on), the pairs kept apart and empty counts. Nothing for a plain plan.
void PrepareEvenDraw(const OutingPlan& plan, DrawState& state);

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
// The names at the list positions, joined with ", ".
std::string CrewNames(const std::vector<std::string>& people, const std::vector<int>& crew);
// CrewSize names of people there, joined with ", ".
std::string DrawCrew(const std::vector<std::string>& people, const std::vector<int>& there,
                     int crewSize, DrawState& state, Generator& random);
// The same with everybody there.
std::string DrawCrew(const std::vector<std::string>& people, int crewSize, DrawState& state,
                     Generator& random);

// Both crews of one meal by even shares, from the people there (list positions in list
// order). Each place goes to the person who breaks the least, in this order of what gives way
// first when not everybody can be served:
//   1. the balance of cook and clean-up places (fewer of the kind being drawn first),
//   2. the fair share (whoever would soonest fall a duty behind it, then whoever is owed most),
//   3. pairs kept apart: never both in the meal's crews while somebody else can be drawn,
//   4. rest: nobody on duty at the meal before, while two crews of people there were not,
//   5. one place a meal: nobody on both crews, while two crews of people are there.
// Nobody takes two places in one crew unless fewer people than a crew are there. Among people
// equal in all of these the choice is random, one draw a place. A place that `keptCooks` or
// `keptCleanup` gives a person there is theirs as it stands, and counts as the duty it is; the
// draw fills the other places around it. Counts the duties.
void DrawEvenMeal(const std::vector<int>& there, int crewSize, MealSlot slot, DrawState& state,
                  Generator& random, std::vector<int>& cooks, std::vector<int>& cleanup,
                  const std::vector<int>& keptCooks = {}, const std::vector<int>& keptCleanup = {});
// Draws every meal of state.Order with DrawEvenMeal, from fresh counts, into the planned crews,
// around the places state.KeptCooks and state.KeptCleanup keep.
//
// With a season on, the share each person is steered toward is their share of the season:
//   season share = past meals x (past duties of everybody on the list / their past meals)
//                  + fair share of this outing,
// everybody's past taken from the season by name (nothing for a name it does not know). This
// outing's target is the season share less the past duties, never below nothing; when someone
// is too far ahead for that, the other targets shrink in proportion so that they add up to the
// outing's places again. Each person's fair share meal by meal is scaled to their target, so
// that somebody behind catches up over the outing rather than at its first meals, and somebody
// ahead is spared over it. Without a season the target is the fair share itself.
// A greedy draw meal by meal cannot see a rest or a short meal coming that a person's share
// needed them for, so the outing is drawn again, a few times at most, until everybody's count
// is within one of their fair share and each kind's within one of half of it; otherwise the
// draw that came closest is kept.
void PlanEvenDraw(const OutingPlan& plan, DrawState& state, Generator& random);

// One entry of a non-empty meal list; every entry can come up.
std::string PickMeal(const std::vector<std::string>& meals, Generator& random);
// Appends the cook line, the clean-up line, the meal line and a blank paragraph. The plan's
// evenShares chooses the crews' draw.
void FillMealSlot(const OutingPlan& plan, MealSlot slot, DrawState& state, RosterDocument& doc,
                  Generator& random, const RosterWords& words = EnglishRosterWords());

} // namespace dutywise
