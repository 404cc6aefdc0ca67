#pragma once
// The roster as an iCalendar file (RFC 5545), written with libical: one event per meal, with
// its cooks, clean-up crew and dish in the description. Needs the outing's dates.
//
// Meal times are fixed: breakfast 07:30, lunch 12:30, dinner 18:30, one hour each, in the
// camp's local time (floating times, so that the events keep their hour wherever the
// calendar is).

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "EngineMessage.h"
#include "Roster.h"
#include "RosterWords.h"

namespace dutywise {

struct MealTime {
    int hour = 0;
    int minute = 0;
};
inline constexpr std::array<MealTime, kMeals> kMealTimes{{{7, 30}, {12, 30}, {18, 30}}};
inline constexpr int kMealMinutes = 60;

// The same for the same outing, patrol, day, date and meal, whoever is on the crews: importing
// a redrawn roster again updates its events instead of adding new ones. A 64-bit FNV-1a hash of
// those fields, in hexadecimal, at "dutywise".
std::string CalendarUid(const Roster& roster, const RosterMeal& meal);

// The calendar's text into `ics`, stamped with `stampUtc` (seconds since 1970). Otherwise the
// refusal, `ics` untouched: NoStartDate when a meal of the roster has no date (the outing has
// no start date), SystemReason with the loader's or libical's words when it cannot write.
std::optional<EngineMessage> WriteRosterCalendar(const Roster& roster, const RosterWords& words,
                                                 std::int64_t stampUtc, std::string& ics);

} // namespace dutywise
