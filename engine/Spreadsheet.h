#pragma once
// The roster as a spreadsheet: comma-separated values (RFC 4180) in UTF-8 with a byte-order
// mark, so that spreadsheet programs read accents. A heading row, then one row per meal and
// duty: date, day, meal, duty, names, dish.

#include <string>
#include <string_view>

#include "Roster.h"
#include "RosterWords.h"

namespace dutywise {

// One field as RFC 4180 writes it: quoted when it holds a comma, a quote or a line break, quotes
// doubled. A text that a spreadsheet would run as a formula (one starting with =, +, -, @, a tab
// or a carriage return) gets a leading apostrophe, so that a name can never run anything in
// the leader's spreadsheet.
std::string CsvField(std::string_view text);

std::string WriteRosterCsv(const Roster& roster, const RosterWords& words);

} // namespace dutywise
