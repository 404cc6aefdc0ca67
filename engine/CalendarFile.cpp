#include "CalendarFile.h"

#include <cstdio>
#include <ctime>
#include <libical/ical.h>
#include <memory>

#ifndef DUTYWISE_VERSION
#error "DUTYWISE_VERSION comes from the project's version in CMakeLists.txt"
#endif

namespace dutywise {

namespace {

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

std::uint64_t Fnv1a(std::string_view text, std::uint64_t hash) {
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    return hash;
}

icaltimetype LocalTime(const CalendarDate& date, int minutes) {
    icaltimetype t = icaltime_null_time();
    t.year = date.year;
    t.month = date.month;
    t.day = date.day;
    t.hour = minutes / 60;
    t.minute = minutes % 60;
    t.is_date = 0;
    t.zone = nullptr; // floating: the camp's own time
    return icaltime_normalize(t);
}

} // namespace

std::string CalendarUid(const Roster& roster, const RosterMeal& meal) {
    std::uint64_t hash = 14695981039346656037ULL;
    // Each field ends with a unit separator, so that "ab"+"c" and "a"+"bc" differ.
    for (std::string_view field :
         {std::string_view(roster.outingName), std::string_view(roster.patrolName)})
        hash = Fnv1a("\x1f", Fnv1a(field, hash));
    hash = Fnv1a(std::to_string(static_cast<int>(meal.slot.day)) + "\x1f", hash);
    hash = Fnv1a((meal.date ? IsoDate(*meal.date) : std::string()) + "\x1f", hash);
    hash = Fnv1a(std::to_string(static_cast<int>(meal.slot.meal)) + "\x1f", hash);
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return std::string(hex) + "@dutywise";
}

std::optional<std::string> WriteRosterCalendar(const Roster& roster, const RosterWords& words,
                                               std::int64_t stampUtc) {
    for (const RosterMeal& meal : roster.meals)
        if (!meal.date)
            return std::nullopt;
    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(
        calendar.get(), icalproperty_new_prodid("-//Dutywise//Dutywise " DUTYWISE_VERSION "//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    const icaltimetype stamp = icaltime_from_timet_with_zone(static_cast<time_t>(stampUtc), 0,
                                                             icaltimezone_get_utc_timezone());

    for (const RosterMeal& meal : roster.meals) {
        const MealTime time = kMealTimes[static_cast<std::size_t>(meal.slot.meal)];
        const int start = time.hour * 60 + time.minute;
        std::string description = FillIn(words.cookLine, {CrewText(roster, meal.cooks)}) + "\n" +
                                  FillIn(words.cleanupLine, {CrewText(roster, meal.cleanup)}) +
                                  "\n" + FillIn(words.mealLine, {meal.dish});
        if (!meal.there.empty() && meal.there.size() < roster.people.size())
            description += "\n" + FillIn(words.thereNote, {std::to_string(meal.there.size())});
        const std::string summary =
            FillIn(words.eventSummary, {words.MealName(meal.slot.meal), roster.outingName});
        const std::string uid = CalendarUid(roster, meal);

        icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(event, icalproperty_new_uid(uid.c_str()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
        icalcomponent_add_property(event, icalproperty_new_dtstart(LocalTime(*meal.date, start)));
        icalcomponent_add_property(
            event, icalproperty_new_dtend(LocalTime(*meal.date, start + kMealMinutes)));
        icalcomponent_add_property(event, icalproperty_new_summary(summary.c_str()));
        icalcomponent_add_property(event, icalproperty_new_description(description.c_str()));
        icalcomponent_add_component(calendar.get(), event);
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    if (!text)
        return std::nullopt;
    std::string ics(text);
    icalmemory_free_buffer(text);
    return ics;
}

} // namespace dutywise
