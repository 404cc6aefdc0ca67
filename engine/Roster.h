#pragma once
// The drawn roster as a value: the outing's meals in the outing's order, each with its crews,
// its dish and who was there. The document, the plan file and every other output are written
// from it; nothing is read back from text.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "CalendarDate.h"
#include "OutingPlan.h"

namespace dutywise {

// One place in a crew: a person by list position (into Roster::people), and whether the leader
// set it by hand in the Crews dialog (a redraw keeps such a place).
struct CrewPlace {
    int person = 0;
    bool byHand = false;

    friend bool operator==(const CrewPlace&, const CrewPlace&) = default;
};

struct RosterMeal {
    MealSlot slot{};
    std::optional<CalendarDate> date;  // when the outing has a start date
    std::vector<CrewPlace> cooks;      // crew size places each
    std::vector<CrewPlace> cleanup;
    std::string dish;
    std::vector<int> there;            // the people there, as list positions in list order

    bool IsThere(int person) const;
    friend bool operator==(const RosterMeal&, const RosterMeal&) = default;
};

// A ticked day, in the outing's order. A day whose meals are all unticked has a heading and no
// meals.
struct RosterDay {
    Weekday day{};
    std::optional<CalendarDate> date;

    friend bool operator==(const RosterDay&, const RosterDay&) = default;
};

struct Roster {
    std::string outingName;
    std::string patrolName;
    std::vector<std::string> people;  // the plan's people, in list order
    int crewSize = kDefaultCrewSize;
    bool evenShares = false;          // the document then ends with the Duties count
    std::vector<RosterDay> days;      // the ticked days, in the outing's order
    std::vector<RosterMeal> meals;    // the active meals, in the outing's order
    std::vector<std::string> snacks, drinks;
    Season season;                    // the plan's season: the Duties count adds its totals

    friend bool operator==(const Roster&, const Roster&) = default;
};

// The outing's order: the ticked days from Sunday when the plan has no start date, otherwise
// from the start date's weekday round the week (a ticked day before that weekday falls in the
// following week).
std::vector<RosterDay> OutingDays(const OutingPlan& plan);
// The active meals in the outing's order (day by day, Breakfast, Lunch, Dinner).
std::vector<MealSlot> OutingMeals(const OutingPlan& plan);
// A roster of the plan with no meals yet: everything the plan decides (names, people, crew size,
// days, snacks, drinks, season); the draw and the plan file add the meals.
Roster RosterOfPlan(const OutingPlan& plan);

// What one person did in a roster: duties (cook and clean-up places together; twice in one crew
// counts twice), of which cook places, and the meals of the roster they were there for.
struct DutyCount {
    int duties = 0;
    int cooks = 0;
    int mealsThere = 0;

    friend bool operator==(const DutyCount&, const DutyCount&) = default;
};
// One count per person, in list order.
std::vector<DutyCount> CountDuties(const Roster& roster);

// The season after the roster's outing: `before` with each person's duties and meals there in
// the roster added, by name (two entries of one name add up); each count held at
// kMaxSeasonCount.
Season SeasonAfter(const Season& before, const Roster& roster);
// A name's past in the season; nothing for a name the season does not know.
SeasonCount PastOf(const Season& season, const std::string& name);

// The crew's names joined with ", " as the document writes them.
std::string CrewText(const Roster& roster, const std::vector<CrewPlace>& crew);

} // namespace dutywise
