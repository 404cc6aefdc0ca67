#include "EngineMessage.h"

#include <cstring>

namespace dutywise {

namespace {

// The sentence that says what is wrong, without the file it was found in.
std::string Detail(const EngineMessage& m) {
    const std::string field = Quoted(m.field);
    switch (m.code) {
    case MessageCode::NotUtf8:
        return "This file is not UTF-8 text.";
    case MessageCode::NotJson:
        return "This file is not valid JSON.";
    case MessageCode::NotJsonAt:
        return "This file is not valid JSON (at byte " + std::to_string(m.byte.value_or(0)) + ").";
    case MessageCode::NotAPlan:
        return "This file is not a Dutywise plan.";
    case MessageCode::NoVersion:
        return "The plan does not say its version.";
    case MessageCode::NewerVersion:
        return "This plan was written by a newer Dutywise (version " + m.value + ").";
    case MessageCode::UnknownVersion:
        return "The plan's version (" + m.value + ") is not one Dutywise knows.";
    case MessageCode::NotAText:
        return "The field " + field + " must be a text.";
    case MessageCode::NotATextList:
        return "The field " + field + " must be a list of texts.";
    case MessageCode::NotTrueOrFalse:
        return "The field " + field + " must be true or false.";
    case MessageCode::NotAWholeNumber:
        return "The field " + field + " must be a whole number.";
    case MessageCode::ControlCharacter:
        return "The field " + field + " must not hold a line break or another control character.";
    case MessageCode::SortedNotPerList:
        return "The field \"sorted\" must hold true or false for each list.";
    case MessageCode::DaysNotDayNames:
        return "The field \"days\" must be a list of day names.";
    case MessageCode::MealsNotPerDay:
        return "The field \"meals\" must hold a list of meal names for each day.";
    case MessageCode::NotMealNames:
        return "The field " + field + " must be a list of meal names.";
    case MessageCode::UnknownDay:
        return "Unknown day " + Quoted(m.value) + " in the field " + field + ".";
    case MessageCode::UnknownMeal:
        return "Unknown meal " + Quoted(m.value) + " in the field " + field + ".";
    case MessageCode::AwayNotPerPerson:
        return "The field \"away\" must hold a list of meals for each person.";
    case MessageCode::AwayWrongCount:
        return "The field \"away\" must have one entry for each person (" +
               std::to_string(m.expected) + ", not " + std::to_string(m.found) + ").";
    case MessageCode::NotADate:
        return "The field \"startDate\" must be a date written as YYYY-MM-DD.";
    case MessageCode::RosterNotMeals:
        return "The field \"roster\" must be a list of meals.";
    case MessageCode::ByHandNotPerCrew:
        return "The field \"roster.byHand\" must hold the places set by hand for each crew.";
    case MessageCode::NotCrewPlaces:
        return "The field " + field + " must be a list of places in the crew.";
    case MessageCode::MealNotTicked:
        return "The meal " + Quoted(m.value) + " in the field " + field +
               " is not one of the plan's ticked meals.";
    case MessageCode::MealTwice:
        return "The meal " + Quoted(m.value) + " is twice in the field " + field + ".";
    case MessageCode::NotAmongPeople:
        return "The name " + Quoted(m.value) + " in the field " + field +
               " is not among the plan's people.";
    case MessageCode::NotNamePairs:
        return "The field \"keepApart\" must be a list of pairs of names.";
    case MessageCode::SeasonNotPerPerson:
        return "The field " + field + " must hold the duties and meals of each person by name.";
    case MessageCode::NumberOutOfRange:
        return "The number " + m.value + " in the field " + field + " is not from 0 to 1000000.";
    case MessageCode::NoRosterKept:
        return "This plan kept no roster to carry the season on from.";
    case MessageCode::PlanIsAFolder:
        return "It is a folder, not a plan.";
    case MessageCode::PlanNotPlainFile:
        return "It is not a plain file.";
    case MessageCode::PlanTooLarge:
        return "The file is larger than 16 MiB; a plan is far smaller.";
    case MessageCode::NotARegularFile:
        return "Not a regular file";
    case MessageCode::NoBuiltRoster:
        return "There is no built roster yet: press Build first.";
    case MessageCode::NoStartDate:
        return "The calendar needs the outing's start date (Days page).";
    case MessageCode::SystemReason:
        return m.error != 0 ? SystemReasonText(m.error) : m.reason;
    }
    return {};
}

} // namespace

std::string Quoted(std::string_view text, std::size_t limit) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == limit)
            return "\"" + std::string(text.substr(0, i)) + "\u2026\"";
    return "\"" + std::string(text) + "\"";
}

std::string SystemReasonText(int error) {
    return std::strerror(error);
}

std::string EnglishMessage(const EngineMessage& message) {
    std::string detail = Detail(message);
    const std::string file = Quoted(message.file, std::string::npos);
    switch (message.action) {
    case FileAction::None:
        return detail;
    case FileAction::OpenPlan:
        // A plan's refusals are whole sentences; the system's reason becomes one.
        if (message.code == MessageCode::SystemReason)
            detail += '.';
        return "Cannot open plan " + file + ". " + detail;
    case FileAction::ContinueSeason:
        if (message.code == MessageCode::SystemReason)
            detail += '.';
        return "Cannot continue the season from plan " + file + ". " + detail;
    case FileAction::CreateFile:
        return "Cannot create file " + file + ". " + detail;
    case FileAction::WriteFile:
        return "Cannot write file " + file + ". " + detail;
    }
    return detail;
}

} // namespace dutywise
