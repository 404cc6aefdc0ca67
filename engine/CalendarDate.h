#pragma once
// A day of the calendar (proleptic Gregorian), without time or zone: an outing's start date.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace dutywise {

enum class Weekday { Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };

struct CalendarDate {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31

    friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

// Whether the date exists, in the years 1..9999.
bool IsValidDate(const CalendarDate& date);
Weekday WeekdayOf(const CalendarDate& date);
CalendarDate AddDays(const CalendarDate& date, int days);
// "2027-06-11", and back; anything else (another shape, a date that does not exist) reads as
// nothing.
std::string IsoDate(const CalendarDate& date);
std::optional<CalendarDate> ParseIsoDate(std::string_view text);

} // namespace dutywise
