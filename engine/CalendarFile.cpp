#include "CalendarFile.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <libical/ical.h>
#include <memory>
#include <optional>
#include <utility>

#ifndef DUTYWISE_VERSION
#error "DUTYWISE_VERSION comes from the project's version in CMakeLists.txt"
#endif
#ifndef DUTYWISE_LIBICAL_SONAME
#error "DUTYWISE_LIBICAL_SONAME comes from the libical found by engine/CMakeLists.txt"
#endif

namespace dutywise {

namespace {

// libical is loaded with the first calendar rather than with the program: linked, its tables
// would be relocated at every start-up (about 280 KiB of the peak memory) for a file that few
// leaders write.
#define DUTYWISE_LIBICAL_FUNCTIONS(F)                                                              \
    F(icalcomponent_new)                                                                           \
    F(icalcomponent_free)                                                                          \
    F(icalcomponent_add_property)                                                                  \
    F(icalcomponent_add_component)                                                                 \
    F(icalcomponent_as_ical_string_r)                                                              \
    F(icalmemory_free_buffer)                                                                      \
    F(icalproperty_new_version)                                                                    \
    F(icalproperty_new_prodid)                                                                     \
    F(icalproperty_new_calscale)                                                                   \
    F(icalproperty_new_uid)                                                                        \
    F(icalproperty_new_dtstamp)                                                                    \
    F(icalproperty_new_dtstart)                                                                    \
    F(icalproperty_new_dtend)                                                                      \
    F(icalproperty_new_summary)                                                                    \
    F(icalproperty_new_description)                                                                \
    F(icaltime_null_time)                                                                          \
    F(icaltime_normalize)                                                                          \
    F(icaltime_from_timet_with_zone)                                                               \
    F(icaltimezone_get_utc_timezone)

struct Libical {
#define DUTYWISE_LIBICAL_POINTER(name) decltype(&::name) name = nullptr;
    DUTYWISE_LIBICAL_FUNCTIONS(DUTYWISE_LIBICAL_POINTER)
#undef DUTYWISE_LIBICAL_POINTER
};

// The library's functions, or the loader's words for why there are none. Loaded once and kept
// for the rest of the run.
const Libical* LoadLibical(std::string& error) {
    static const std::pair<std::optional<Libical>, std::string> loaded =
        []() -> std::pair<std::optional<Libical>, std::string> {
        void* library = dlopen(DUTYWISE_LIBICAL_SONAME, RTLD_NOW | RTLD_LOCAL);
        if (!library) {
            const char* why = dlerror();
            return {std::nullopt, why ? why : DUTYWISE_LIBICAL_SONAME " cannot be loaded"};
        }
        Libical ical;
        const auto resolve = [&](auto& function, const char* name) {
            void* symbol = dlsym(library, name);
            std::memcpy(&function, &symbol, sizeof symbol); // a data pointer to a function's
            return symbol != nullptr;
        };
#define DUTYWISE_LIBICAL_RESOLVE(name)                                                             \
    if (!resolve(ical.name, #name))                                                                \
        return {std::nullopt, std::string(DUTYWISE_LIBICAL_SONAME " lacks " #name)};
        DUTYWISE_LIBICAL_FUNCTIONS(DUTYWISE_LIBICAL_RESOLVE)
#undef DUTYWISE_LIBICAL_RESOLVE
        return {ical, {}};
    }();
    error = loaded.second;
    return loaded.first ? &*loaded.first : nullptr;
}

EngineMessage SystemRefusal(std::string reason) {
    EngineMessage m;
    m.code = MessageCode::SystemReason;
    m.reason = std::move(reason);
    return m;
}

std::uint64_t Fnv1a(std::string_view text, std::uint64_t hash) {
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    return hash;
}

icaltimetype LocalTime(const Libical& ical, const CalendarDate& date, int minutes) {
    icaltimetype t = ical.icaltime_null_time();
    t.year = date.year;
    t.month = date.month;
    t.day = date.day;
    t.hour = minutes / 60;
    t.minute = minutes % 60;
    t.is_date = 0;
    t.zone = nullptr; // floating: the camp's own time
    return ical.icaltime_normalize(t);
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

std::optional<EngineMessage> WriteRosterCalendar(const Roster& roster, const RosterWords& words,
                                                 std::int64_t stampUtc, std::string& ics) {
    for (const RosterMeal& meal : roster.meals)
        if (!meal.date) {
            EngineMessage m;
            m.code = MessageCode::NoStartDate;
            return m;
        }
    std::string error;
    const Libical* loaded = LoadLibical(error);
    if (!loaded)
        return SystemRefusal(error);
    const Libical& ical = *loaded;
    const auto freeComponent = [&ical](icalcomponent* c) { ical.icalcomponent_free(c); };
    const std::unique_ptr<icalcomponent, decltype(freeComponent)> calendar(
        ical.icalcomponent_new(ICAL_VCALENDAR_COMPONENT), freeComponent);
    ical.icalcomponent_add_property(calendar.get(), ical.icalproperty_new_version("2.0"));
    ical.icalcomponent_add_property(
        calendar.get(),
        ical.icalproperty_new_prodid("-//Dutywise//Dutywise " DUTYWISE_VERSION "//EN"));
    ical.icalcomponent_add_property(calendar.get(), ical.icalproperty_new_calscale("GREGORIAN"));
    const icaltimetype stamp = ical.icaltime_from_timet_with_zone(
        static_cast<time_t>(stampUtc), 0, ical.icaltimezone_get_utc_timezone());

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

        icalcomponent* event = ical.icalcomponent_new(ICAL_VEVENT_COMPONENT);
        ical.icalcomponent_add_property(event, ical.icalproperty_new_uid(uid.c_str()));
        ical.icalcomponent_add_property(event, ical.icalproperty_new_dtstamp(stamp));
        ical.icalcomponent_add_property(
            event, ical.icalproperty_new_dtstart(LocalTime(ical, *meal.date, start)));
        ical.icalcomponent_add_property(
            event, ical.icalproperty_new_dtend(LocalTime(ical, *meal.date, start + kMealMinutes)));
        ical.icalcomponent_add_property(event, ical.icalproperty_new_summary(summary.c_str()));
        ical.icalcomponent_add_property(event,
                                        ical.icalproperty_new_description(description.c_str()));
        ical.icalcomponent_add_component(calendar.get(), event);
    }
    char* text = ical.icalcomponent_as_ical_string_r(calendar.get());
    if (!text)
        return SystemRefusal("libical wrote no calendar");
    ics = text;
    ical.icalmemory_free_buffer(text);
    return std::nullopt;
}

} // namespace dutywise
