#pragma once
// A refusal of the engine as a value: what went wrong as a code, with the file, byte, field,
// value and system reason it concerns. Words are made from it elsewhere: in English by
// EnglishMessage() below (for the command line and logs), in the running language by the
// wizard. Nothing reads meaning back out of the words.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace dutywise {

enum class MessageCode {
    // What the bytes of a plan are refused for.
    NotUtf8,            // the bytes are not UTF-8 text
    NotJson,            // not JSON, where it stops unknown
    NotJsonAt,          // not JSON from `byte` (counted from 1)
    NotAPlan,           // JSON, but not a Dutywise plan
    NoVersion,          // the plan does not say its version
    NewerVersion,       // `value`: the version, as the file writes it
    UnknownVersion,     // `value`: the version, below the first
    NotAText,           // `field` must be a text
    NotATextList,       // `field` must be a list of texts
    NotTrueOrFalse,     // `field` must be true or false
    NotAWholeNumber,    // `field` must be a whole number
    ControlCharacter,   // `field` holds a line break or another control character
    SortedNotPerList,   // "sorted" is not an object
    DaysNotDayNames,    // "days" is not a list of texts
    MealsNotPerDay,     // "meals" is not an object
    NotMealNames,       // `field` must be a list of meal names
    UnknownDay,         // `value` is no day name, in `field`
    UnknownMeal,        // `value` is no meal name, in `field`
    AwayNotPerPerson,   // "away" is not a list
    AwayWrongCount,     // "away" has `found` entries for `expected` people
    NotADate,           // "startDate" is not a date written as YYYY-MM-DD
    RosterNotMeals,     // "roster" is not a list of meals (objects)
    ByHandNotPerCrew,   // "roster.byHand" is not an object
    NotCrewPlaces,      // `field` must be a list of places in the crew
    MealNotTicked,      // the meal `value` in `field` is not ticked in the plan
    MealTwice,          // the meal `value` is twice in `field`
    NotAmongPeople,     // the name `value` in `field` is not among the plan's people
    NotNamePairs,       // "keepApart" is not a list of pairs of names
    SeasonNotPerPerson, // `field` ("season", "season.NAME") must hold duties and meals by name
    NumberOutOfRange,   // the number `value` in `field` is below 0 or above kMaxSeasonCount
    NoRosterKept,       // a season cannot continue from a plan that kept no roster
    // What a file is refused for.
    PlanIsAFolder,      // a plan's name is a folder's
    PlanNotPlainFile,   // a plan's name is a pipe, device or socket
    PlanTooLarge,       // larger than kMaxPlanFileBytes
    NotARegularFile,    // a save's target is a pipe, device or socket
    // What an output written from the roster value is refused for.
    NoBuiltRoster,      // no build has drawn a roster yet
    NoStartDate,        // the calendar, for an outing without a start date
    SystemReason,       // the system's reason: `error`, or `reason` where there is no number
};
// Every code once, for tables that must say each.
inline constexpr MessageCode kLastMessageCode = MessageCode::SystemReason;
inline constexpr int kMessageCodes = static_cast<int>(kLastMessageCode) + 1;

// What was being done to `file` when the refusal came; None for bytes that came from no file.
enum class FileAction { None, OpenPlan, CreateFile, WriteFile, ContinueSeason };

struct EngineMessage {
    MessageCode code = MessageCode::SystemReason;
    FileAction action = FileAction::None;
    std::string file;                // the file's name as given, for an action on one
    std::optional<std::size_t> byte; // NotJsonAt
    std::string field;               // the plan's field ("people", "meals.Friday", ...)
    std::string value;               // the value refused, as the file writes it
    std::size_t expected = 0;        // AwayWrongCount: one entry per person
    std::size_t found = 0;
    int error = 0;      // SystemReason: the errno value, 0 when `reason` says it
    std::string reason; // SystemReason: the words of a service that gives no number

    friend bool operator==(const EngineMessage&, const EngineMessage&) = default;
};

// A value from a file is quoted with at most this many characters, then "…": an unknown name
// of megabytes would otherwise keep the message box busy for a minute.
inline constexpr std::size_t kQuotedCharacters = 80;

// A text as a message quotes it: in double quotes, cut after `limit` characters (never inside
// one) with "…" after it. The one place that quotes; a file's name is quoted whole.
std::string Quoted(std::string_view text, std::size_t limit = kQuotedCharacters);

// The system's words for an error number.
std::string SystemReasonText(int error);

// The message in English, as one sentence (two, where an action on a file comes first).
std::string EnglishMessage(const EngineMessage& message);

} // namespace dutywise
