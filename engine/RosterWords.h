#pragma once
// Every word the roster build writes or says, so that a translated window can hand the engine
// its own language. The defaults are the English texts. Patterns carry %1, %2, ... where a
// value goes in.

#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "CalendarDate.h"
#include "OutingPlan.h"

namespace dutywise {

struct RosterWords {
    // Roster headings: these name days and meals for people; plan files keep their own English
    // names whatever the language.
    std::array<std::string, kDays> dayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    std::array<std::string, kMeals> mealNames{"Breakfast", "Lunch", "Dinner"};
    std::string rosterTitle = "%1's Roster"; // %1: the patrol; also the print job's title
    std::string cookLine = "Cook: %1";       // %1: the crew
    std::string cleanupLine = "Cleanup: %1";
    std::string mealLine = "Meal: %1";
    std::string snacksHeading = "Snacks";
    std::string drinksHeading = "Drinks";
    std::string dutiesHeading = "Duties";
    // %1: the person, %2: all duties, %3: cook duties, %4: clean-up duties
    std::string dutyCountLine = "%1: %2 (%3 cook, %4 cleanup)";
    // After the count of a person away from some meals; %1: meals there, %2: all meals
    std::string mealsThereNote = ", at %1 of %2 meals";
    // Last on a person's line while a season is on; %1: their duties over the season, this
    // outing's included
    std::string seasonNote = "; season total %1";

    // What the build says.
    std::string noOutingName = "Please enter the name of the Boy Scout Outing!";
    std::string tooFewPeople = "You don't have enough people to perform the task of cleaning up "
                               "or cooking!\nPlease shorten the limit!";
    std::string moreNamesAdvice =
        "Just a suggestion, please enter some more names in the beginning!";
    std::array<std::string, kMeals> missingMeal{
        "I can't let you generate a roster without Breakfast.\n"
        "If you can't think of a breakfast, choose a suggestion.",
        "I can't let you generate a roster without Lunch.\n"
        "If you can't think of a lunch, choose a suggestion.",
        "I can't let you generate a roster without Dinner.\n"
        "If you can't think of a dinner, choose a suggestion."};
    // A meal with fewer people there than a crew; %1: the day, %2: the meal, both as a
    // sentence names them
    std::string shortMeal = "Not enough people are there for %1 %2!\nPlease shorten the limit or "
                            "mark more people as there.";
    std::string completed = "Completed!";
    std::string hiddenPicture = "You found the hidden picture!";
    // Day and meal as a sentence names them (shortMeal): lower case where the language writes
    // them so, the meal with its article ("samedi", "le déjeuner").
    std::array<std::string, kDays> dayNamesInSentence = dayNames;
    std::array<std::string, kMeals> mealNamesInSentence = mealNames;

    // A day heading when the outing has a start date: the date in the language's long form.
    // Empty: the English "Friday 11 June 2027".
    std::function<std::string(const CalendarDate&)> longDate;

    std::string LongDate(const CalendarDate& date) const;

    // The sheets written from the roster: the notice board, each scout's duties, the calendar
    // and the spreadsheet.
    std::array<std::string, 12> monthNames{"January", "February", "March",     "April",
                                           "May",     "June",     "July",      "August",
                                           "September", "October", "November", "December"};
    std::string datedDay = "%1 %2 %3";  // %1: the day's name, %2: day of the month, %3: month
    std::string boardTitle = "%1 – %2";   // %1: the outing, %2: the patrol
    std::string thereNote = "%1 there";   // at a meal someone is away from; %1: how many
    std::string cookDuty = "cook";
    std::string cleanupDuty = "clean-up";
    std::string slipDuty = "%1, %2: %3"; // %1: the day, %2: the meal, %3: the duty
    std::string slipWith = ", with %1";  // %1: the rest of the crew
    std::string slipCount = "Duties: %1 (%2 cook, %3 clean-up)"; // %1: all, %2, %3: of which
    std::string eventSummary = "%1 (%2)"; // a calendar event; %1: the meal, %2: the outing
    std::array<std::string, 6> csvColumns{"Date", "Day", "Meal", "Duty", "Names", "Dish"};

    const std::string& DayName(Weekday day) const { return dayNames[static_cast<int>(day)]; }
    const std::string& MealName(Meal meal) const { return mealNames[static_cast<int>(meal)]; }
};

// The English words, for whoever does not bring a translation.
const RosterWords& EnglishRosterWords();

// The pattern with each %N (N from 1 to 9) replaced by the Nth value, in one pass: a value that
// itself holds "%2" stays as it is. A %N without a value, and any other %, stay as written.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace dutywise
