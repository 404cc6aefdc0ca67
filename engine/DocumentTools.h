#pragma once
// The user's tools on a built roster: restyling the selection, saving, printing.

#include <optional>
#include <string>

#include "Output.h"
#include "RosterDocument.h"

namespace dutywise {

void ToggleBold(RosterDocument& doc);
void ToggleItalic(RosterDocument& doc);
void ToggleUnderline(RosterDocument& doc);
void SetSelectionFont(RosterDocument& doc, const std::string& name);
void SetSelectionColor(RosterDocument& doc, Color color);
void SetSelectionSize(RosterDocument& doc, int points);

struct SaveResult {
    enum class Status { Saved, Cancelled, Failed };
    Status status = Status::Cancelled;
    std::string path;    // the file written, or the one that could not be
    std::string message; // on failure: names the file and gives the system's reason
};

// The path with ".rtf" added when its last component has no extension ("roster." gets "rtf").
std::string WithDefaultExtension(const std::string& path);

// Asks the target for a name (".rtf" added when it has no extension) and writes the whole
// document as Rich Text, atomically: the old file is intact after any failure.
SaveResult SaveAsRichText(const RosterDocument& doc, SaveTarget& target);

// The patrol name followed by "'s Roster".
std::string RosterJobTitle(const std::string& patrolName);

// Prints the whole document as one job; the printing system's error text on failure.
std::optional<std::string> PrintRoster(const RosterDocument& doc, const std::string& patrolName,
                                       PrintService& printer);

} // namespace dutywise
