#include "EngineMessages.h"

#include <QCoreApplication>

namespace dutywise {

namespace {

QString Translated(const char* source) {
    return QCoreApplication::translate("EngineMessages", source);
}

QString QuotedText(const std::string& text, std::size_t limit = kQuotedCharacters) {
    return QString::fromStdString(Quoted(text, limit));
}

// What is wrong, without the file it was found in.
QString Detail(const EngineMessage& m) {
    const char* source = EngineMessageSource(m.code);
    if (!source) // the system's reason, in the system's words
        return m.error != 0 ? QString::fromLocal8Bit(SystemReasonText(m.error))
                            : QString::fromStdString(m.reason);
    const QString text = Translated(source);
    const QString field = QuotedText(m.field);
    // Filled in one pass, so that a value holding "%2" stays as it is.
    switch (m.code) {
    case MessageCode::NotJsonAt:
        return text.arg(m.byte.value_or(0));
    case MessageCode::NewerVersion:
    case MessageCode::UnknownVersion:
        return text.arg(QString::fromStdString(m.value));
    case MessageCode::NotAText:
    case MessageCode::NotATextList:
    case MessageCode::NotTrueOrFalse:
    case MessageCode::NotAWholeNumber:
    case MessageCode::ControlCharacter:
    case MessageCode::NotMealNames:
    case MessageCode::NotCrewPlaces:
        return text.arg(field);
    case MessageCode::UnknownDay:
    case MessageCode::UnknownMeal:
    case MessageCode::MealNotTicked:
    case MessageCode::MealTwice:
    case MessageCode::NotAmongPeople:
        return text.arg(QuotedText(m.value), field);
    case MessageCode::SeasonNotPerPerson:
        return text.arg(field);
    case MessageCode::NumberOutOfRange:
        return text.arg(QString::fromStdString(m.value), field);
    case MessageCode::AwayWrongCount:
        return text.arg(QString::number(m.expected), QString::number(m.found));
    default:
        return text;
    }
}

} // namespace

const char* EngineMessageSource(MessageCode code) {
    switch (code) {
    case MessageCode::NotUtf8:
        return QT_TRANSLATE_NOOP("EngineMessages", "This file is not UTF-8 text.");
    case MessageCode::NotJson:
        return QT_TRANSLATE_NOOP("EngineMessages", "This file is not valid JSON.");
    case MessageCode::NotJsonAt:
        return QT_TRANSLATE_NOOP("EngineMessages", "This file is not valid JSON (at byte %1).");
    case MessageCode::NotAPlan:
        return QT_TRANSLATE_NOOP("EngineMessages", "This file is not a Dutywise plan.");
    case MessageCode::NoVersion:
        return QT_TRANSLATE_NOOP("EngineMessages", "The plan does not say its version.");
    case MessageCode::NewerVersion:
        return QT_TRANSLATE_NOOP("EngineMessages",
                                 "This plan was written by a newer Dutywise (version %1).");
    case MessageCode::UnknownVersion:
        return QT_TRANSLATE_NOOP("EngineMessages",
                                 "The plan's version (%1) is not one Dutywise knows.");
    case MessageCode::NotAText:
        return QT_TRANSLATE_NOOP("EngineMessages", "The field %1 must be a text.");
    case MessageCode::NotATextList:
        return QT_TRANSLATE_NOOP("EngineMessages", "The field %1 must be a list of texts.");
    case MessageCode::NotTrueOrFalse:
        return QT_TRANSLATE_NOOP("EngineMessages", "The field %1 must be true or false.");
    case MessageCode::NotAWholeNumber:
        return QT_TRANSLATE_NOOP("EngineMessages", "The field %1 must be a whole number.");
    case MessageCode::ControlCharacter:
        return QT_TRANSLATE_NOOP(
            "EngineMessages",
            "The field %1 must not hold a line break or another control character.");
    case MessageCode::SortedNotPerList:
        return QT_TRANSLATE_NOOP("EngineMessages",
                                 "The field \"sorted\" must hold true or false for each list.");
    case MessageCode::DaysNotDayNames:
        return QT_TRANSLATE_NOOP("EngineMessages",
                                 "The field \"days\" must be a list of day names.");
    case MessageCode::MealsNotPerDay:
        return QT_TRANSLATE_NOOP(
            "EngineMessages", "The field \"meals\" must hold a list of meal names for each day.");
    case MessageCode::NotMealNames:
        return QT_TRANSLATE_NOOP("EngineMessages", "The field %1 must be a list of meal names.");
    case MessageCode::UnknownDay:
        return QT_TRANSLATE_NOOP("EngineMessages", "Unknown day %1 in the field %2.");
    case MessageCode::UnknownMeal:
        return QT_TRANSLATE_NOOP("EngineMessages", "Unknown meal %1 in the field %2.");
    case MessageCode::AwayNotPerPerson:
        return QT_TRANSLATE_NOOP("EngineMessages",
                                 "The field \"away\" must hold a list of meals for each person.");
    case MessageCode::AwayWrongCount:
        return QT_TRANSLATE_NOOP(
            "EngineMessages",
            "The field \"away\" must have one entry for each person (%1, not %2).");
    case MessageCode::NotADate:
        return QT_TRANSLATE_NOOP("EngineMessages",
                                 "The field \"startDate\" must be a date written as YYYY-MM-DD.");
    case MessageCode::RosterNotMeals:
        return QT_TRANSLATE_NOOP("EngineMessages", "The field \"roster\" must be a list of meals.");
    case MessageCode::ByHandNotPerCrew:
        return QT_TRANSLATE_NOOP(
            "EngineMessages",
            "The field \"roster.byHand\" must hold the places set by hand for each crew.");
    case MessageCode::NotCrewPlaces:
        return QT_TRANSLATE_NOOP("EngineMessages",
                                 "The field %1 must be a list of places in the crew.");
    case MessageCode::MealNotTicked:
        return QT_TRANSLATE_NOOP("EngineMessages",
                                 "The meal %1 in the field %2 is not one of the plan's ticked meals.");
    case MessageCode::MealTwice:
        return QT_TRANSLATE_NOOP("EngineMessages", "The meal %1 is twice in the field %2.");
    case MessageCode::NotAmongPeople:
        return QT_TRANSLATE_NOOP("EngineMessages",
                                 "The name %1 in the field %2 is not among the plan's people.");
    case MessageCode::NotNamePairs:
        return QT_TRANSLATE_NOOP("EngineMessages",
                                 "The field \"keepApart\" must be a list of pairs of names.");
    case MessageCode::SeasonNotPerPerson:
        return QT_TRANSLATE_NOOP("EngineMessages",
                                 "The field %1 must hold the duties and meals of each person by "
                                 "name.");
    case MessageCode::NumberOutOfRange:
        return QT_TRANSLATE_NOOP("EngineMessages",
                                 "The number %1 in the field %2 is not from 0 to 1000000.");
    case MessageCode::NoRosterKept:
        return QT_TRANSLATE_NOOP("EngineMessages",
                                 "This plan kept no roster to carry the season on from.");
    case MessageCode::PlanIsAFolder:
        return QT_TRANSLATE_NOOP("EngineMessages", "It is a folder, not a plan.");
    case MessageCode::PlanNotPlainFile:
        return QT_TRANSLATE_NOOP("EngineMessages", "It is not a plain file.");
    case MessageCode::PlanTooLarge:
        return QT_TRANSLATE_NOOP("EngineMessages",
                                 "The file is larger than 16 MiB; a plan is far smaller.");
    case MessageCode::NotARegularFile:
        return QT_TRANSLATE_NOOP("EngineMessages", "Not a regular file");
    case MessageCode::NoBuiltRoster:
        return QT_TRANSLATE_NOOP("EngineMessages",
                                 "There is no built roster yet: press Build first.");
    case MessageCode::NoStartDate:
        return QT_TRANSLATE_NOOP("EngineMessages",
                                 "The calendar needs the outing's start date (Days page).");
    case MessageCode::SystemReason:
        return nullptr;
    }
    return nullptr;
}

QString TranslateEngineMessage(const EngineMessage& message) {
    QString detail = Detail(message);
    const QString file = QuotedText(message.file, std::string::npos); // a file's name whole
    switch (message.action) {
    case FileAction::None:
        return detail;
    case FileAction::OpenPlan:
        // A plan's refusals are whole sentences; the system's reason becomes one.
        if (message.code == MessageCode::SystemReason)
            detail += u'.';
        return Translated(QT_TRANSLATE_NOOP("EngineMessages", "Cannot open plan %1. %2"))
            .arg(file, detail);
    case FileAction::ContinueSeason:
        if (message.code == MessageCode::SystemReason)
            detail += u'.';
        return Translated(
                   QT_TRANSLATE_NOOP("EngineMessages", "Cannot continue the season from plan %1. %2"))
            .arg(file, detail);
    case FileAction::CreateFile:
        return Translated(QT_TRANSLATE_NOOP("EngineMessages", "Cannot create file %1. %2"))
            .arg(file, detail);
    case FileAction::WriteFile:
        return Translated(QT_TRANSLATE_NOOP("EngineMessages", "Cannot write file %1. %2"))
            .arg(file, detail);
    }
    return detail;
}

} // namespace dutywise
