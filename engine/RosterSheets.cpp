#include "RosterSheets.h"

#include <array>

namespace dutywise {

namespace {

const std::string& NameOf(const Roster& roster, int person) {
    static const std::string nobody;
    return person >= 0 && static_cast<std::size_t>(person) < roster.people.size()
               ? roster.people[static_cast<std::size_t>(person)]
               : nobody;
}

// Someone is away when fewer than all are there; a meal that records nobody there records
// nothing about presence.
bool SomeoneAway(const Roster& roster, const RosterMeal& meal) {
    return !meal.there.empty() && meal.there.size() < roster.people.size();
}

} // namespace

std::string DayHeading(const RosterWords& words, Weekday day,
                       const std::optional<CalendarDate>& date) {
    if (!date || date->month < 1 || date->month > 12)
        return words.DayName(day);
    return FillIn(words.datedDay, {words.DayName(day), std::to_string(date->day),
                                   words.monthNames[static_cast<std::size_t>(date->month - 1)]});
}

NoticeBoard MakeNoticeBoard(const Roster& roster, const RosterWords& words) {
    NoticeBoard board;
    board.title = FillIn(words.boardTitle, {roster.outingName, roster.patrolName});
    for (const RosterDay& day : roster.days)
        board.days.push_back(DayHeading(words, day.day, day.date));

    std::array<int, kMeals> row{-1, -1, -1};
    for (const RosterMeal& meal : roster.meals)
        row[static_cast<std::size_t>(meal.slot.meal)] = 0;
    for (int m = 0; m < kMeals; ++m)
        if (row[static_cast<std::size_t>(m)] == 0) {
            row[static_cast<std::size_t>(m)] = static_cast<int>(board.meals.size());
            board.meals.push_back(words.MealName(static_cast<Meal>(m)));
        }
    board.cells.assign(board.meals.size(),
                       std::vector<std::vector<std::string>>(board.days.size()));

    for (const RosterMeal& meal : roster.meals) {
        std::size_t column = 0;
        while (column < roster.days.size() && roster.days[column].day != meal.slot.day)
            ++column;
        if (column == roster.days.size())
            continue; // a meal of a day the roster does not list has no column
        auto& cell =
            board.cells[static_cast<std::size_t>(row[static_cast<int>(meal.slot.meal)])][column];
        cell.push_back(FillIn(words.cookLine, {CrewText(roster, meal.cooks)}));
        cell.push_back(FillIn(words.cleanupLine, {CrewText(roster, meal.cleanup)}));
        cell.push_back(FillIn(words.mealLine, {meal.dish}));
        if (SomeoneAway(roster, meal))
            cell.push_back(FillIn(words.thereNote, {std::to_string(meal.there.size())}));
    }
    return board;
}

std::vector<DutySlip> MakeDutySlips(const Roster& roster, const RosterWords& words) {
    const std::vector<DutyCount> counts = CountDuties(roster);
    std::vector<DutySlip> slips(roster.people.size());
    for (std::size_t p = 0; p < slips.size(); ++p) {
        slips[p].name = roster.people[p];
        slips[p].count = FillIn(words.slipCount,
                                {std::to_string(counts[p].duties), std::to_string(counts[p].cooks),
                                 std::to_string(counts[p].duties - counts[p].cooks)});
    }
    for (const RosterMeal& meal : roster.meals) {
        const std::string when = DayHeading(words, meal.slot.day, meal.date);
        const std::string& mealName = words.MealName(meal.slot.meal);
        for (const auto& [crew, duty] : {std::pair{&meal.cooks, &words.cookDuty},
                                         std::pair{&meal.cleanup, &words.cleanupDuty}}) {
            for (std::size_t place = 0; place < crew->size(); ++place) {
                const int person = (*crew)[place].person;
                if (person < 0 || static_cast<std::size_t>(person) >= slips.size())
                    continue;
                std::string others;
                for (std::size_t other = 0; other < crew->size(); ++other)
                    if (other != place) {
                        if (!others.empty())
                            others += ", ";
                        others += NameOf(roster, (*crew)[other].person);
                    }
                std::string line = FillIn(words.slipDuty, {when, mealName, *duty});
                if (!others.empty())
                    line += FillIn(words.slipWith, {others});
                slips[static_cast<std::size_t>(person)].duties.push_back(std::move(line));
            }
        }
    }
    return slips;
}

} // namespace dutywise
