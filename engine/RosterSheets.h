#pragma once
// The roster laid out for people to read where they are: a notice board (one column per day,
// one row per meal) and each scout's own duties. Only what the sheets say is made here; how it
// is drawn on paper is the painter's.

#include <optional>
#include <string>
#include <vector>

#include "Roster.h"
#include "RosterWords.h"

namespace dutywise {

// The day's name, with its date when there is one: "Friday 11 June".
std::string DayHeading(const RosterWords& words, Weekday day,
                       const std::optional<CalendarDate>& date);

struct NoticeBoard {
    std::string title;             // the outing and the patrol
    std::vector<std::string> days; // column headings, in the outing's order
    // Row headings: the meals eaten on some day of the outing, Breakfast to Dinner.
    std::vector<std::string> meals;
    // cells[row][column]: the lines of one meal of one day (cooks, clean-up, dish, and how many
    // are there when someone is away); no lines where that meal is not eaten that day.
    std::vector<std::vector<std::vector<std::string>>> cells;
};
NoticeBoard MakeNoticeBoard(const Roster& roster, const RosterWords& words);

// One person's slip: the name, each duty in the outing's order with the rest of its crew, and
// the count.
struct DutySlip {
    std::string name;
    std::vector<std::string> duties;
    std::string count;
};
// One slip per person, in list order; a duty held twice (two places in one crew) is two lines.
std::vector<DutySlip> MakeDutySlips(const Roster& roster, const RosterWords& words);

} // namespace dutywise
