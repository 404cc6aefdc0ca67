#pragma once
// The user's tools on a built roster: restyling the selection, saving, printing.

#include <optional>
#include <string>

#include "EngineMessage.h"
#include "Output.h"
#include "RosterDocument.h"
#include "RosterWords.h"

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
    std::string path;      // the file written, or the one that could not be
    EngineMessage refusal; // on failure: names the file and gives the system's reason

    // The refusal in English; empty unless the save failed.
    std::string Message() const {
        return status == Status::Failed ? EnglishMessage(refusal) : std::string();
    }
};

// The path with the format's extension (".rtf" or ".pdf") added when its last component has
// none ("roster." gets "rtf").
std::string WithDefaultExtension(const std::string& path, SaveFormat format = SaveFormat::RichText);

// Asks the target for a name and a file type (the extension added when the name has none) and
// writes the whole document, atomically: the old file is intact after any failure. A name
// ending in ".pdf" or ".rtf" is written in that format; any other in the file type chosen. A
// PDF carries the print job's title for the patrol.
SaveResult SaveRoster(const RosterDocument& doc, const std::string& patrolName, SaveTarget& target,
                      PdfService& pdf, const RosterWords& words = EnglishRosterWords());

// The patrol name followed by "'s Roster", or the words' title for it.
std::string RosterJobTitle(const std::string& patrolName,
                           const RosterWords& words = EnglishRosterWords());

// Prints the whole document as one job; the printing system's error text on failure.
std::optional<std::string> PrintRoster(const RosterDocument& doc, const std::string& patrolName,
                                       PrintService& printer,
                                       const RosterWords& words = EnglishRosterWords());

} // namespace dutywise
