#include "RosterWriter.h"

namespace dutywise {

std::vector<std::string> DutyCountLines(const Roster& roster, const RosterWords& words) {
    const std::vector<DutyCount> counts = CountDuties(roster);
    const std::string meals = std::to_string(roster.meals.size());
    std::vector<std::string> lines;
    lines.reserve(counts.size());
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const DutyCount& count = counts[i];
        std::string line = FillIn(words.dutyCountLine,
                                  {roster.people[i], std::to_string(count.duties),
                                   std::to_string(count.cooks),
                                   std::to_string(count.duties - count.cooks)});
        if (static_cast<std::size_t>(count.mealsThere) < roster.meals.size())
            line += FillIn(words.mealsThereNote, {std::to_string(count.mealsThere), meals});
        if (!roster.season.empty())
            line += FillIn(words.seasonNote,
                           {std::to_string(PastOf(roster.season, roster.people[i]).duties +
                                           count.duties)});
        lines.push_back(std::move(line));
    }
    return lines;
}

void WriteRosterDocument(const Roster& roster, RosterDocument& doc, const RosterWords& words) {
    const StyleSet bold{FontStyle::Bold};
    const StyleSet boldUnderlined{FontStyle::Bold, FontStyle::Underline};
    const StyleSet plain;

    doc.ClearDocument();
    SetRosterStyle(doc, 14, bold);
    doc.AppendParagraph(roster.outingName);
    if (!roster.patrolName.empty())
        doc.AppendParagraph(FillIn(words.rosterTitle, {roster.patrolName}));
    doc.AppendParagraph("");
    doc.AppendParagraph("");

    // The meals are in the days' order, so each day takes the run of meals that are its own.
    std::size_t next = 0;
    for (const RosterDay& day : roster.days) {
        SetRosterStyle(doc, 12, StyleSet{FontStyle::Underline});
        doc.AppendParagraph(day.date ? words.LongDate(*day.date) : words.DayName(day.day));
        for (; next < roster.meals.size() && roster.meals[next].slot.day == day.day; ++next) {
            const RosterMeal& meal = roster.meals[next];
            SetRosterStyle(doc, 10, bold);
            doc.AppendParagraph(words.MealName(meal.slot.meal));
            SetRosterStyle(doc, 10, plain);
            doc.AppendParagraph(FillIn(words.cookLine, {CrewText(roster, meal.cooks)}));
            SetRosterStyle(doc, 10, plain);
            doc.AppendParagraph(FillIn(words.cleanupLine, {CrewText(roster, meal.cleanup)}));
            doc.AppendParagraph(FillIn(words.mealLine, {meal.dish}));
            doc.AppendParagraph("");
        }
    }
    // In whatever style the days left behind.
    doc.AppendParagraph("");

    SetRosterStyle(doc, 10, boldUnderlined);
    doc.AppendParagraph(words.snacksHeading);
    doc.AppendParagraphs(roster.snacks);
    doc.AppendParagraph("");
    SetRosterStyle(doc, 10, boldUnderlined);
    doc.AppendParagraph(words.drinksHeading);
    doc.AppendParagraphs(roster.drinks);

    if (roster.evenShares) {
        doc.AppendParagraph("");
        SetRosterStyle(doc, 10, boldUnderlined);
        doc.AppendParagraph(words.dutiesHeading);
        SetRosterStyle(doc, 10, plain);
        doc.AppendParagraphs(DutyCountLines(roster, words));
    }
}

} // namespace dutywise
