#pragma once
// Writes a roster value as the formatted document the editor shows, saves and prints: the one
// place where the roster's paragraphs and their styles are decided.

#include <string>
#include <vector>

#include "Roster.h"
#include "RosterDocument.h"
#include "RosterWords.h"

namespace dutywise {

// Clears the document and writes the whole roster in the words given: the title, a heading per
// day (its date in long form when the outing has one), each meal's crews and dish, the snacks and
// drinks, and with even shares the Duties count.
void WriteRosterDocument(const Roster& roster, RosterDocument& doc,
                         const RosterWords& words = EnglishRosterWords());

// "NAME: N (C cook, U cleanup)" for every person of the roster, in list order, counted from its
// places; a person away from some meal gets ", at M of K meals" after it, and with a season on
// everybody gets "; season total S" last.
std::vector<std::string> DutyCountLines(const Roster& roster,
                                        const RosterWords& words = EnglishRosterWords());

} // namespace dutywise
