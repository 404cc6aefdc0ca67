#pragma once
// The user's tools on a built roster: restyling the selection, saving, printing.

#include <cstdint>
#include <optional>
#include <span>
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

// A type a roster can be saved as: its extension, and whether a name typed with that extension
// is written as this type whatever type the dialog had chosen.
struct SaveType {
    SaveFormat format;
    const char* extension; // without the dot
    bool extensionDecides;
};
// Every type, one row each, in the order of SaveFormat.
std::span<const SaveType> SaveTypes();
// The type a file is written as: `chosen` when the typed extension is its own or decides
// nothing, else the type the extension decides.
SaveFormat FormatForName(const std::string& path, SaveFormat chosen);

// The path with the format's extension (".rtf", ".pdf", ".ics", ".csv") added when its last
// component has none ("roster." gets "rtf").
std::string WithDefaultExtension(const std::string& path, SaveFormat format = SaveFormat::RichText);

// Asks the target for a name and a file type (the extension added when the name has none) and
// writes the whole document, atomically: the old file is intact after any failure. A name
// ending in ".pdf" or ".rtf" is written in that format; any other in the file type chosen. A
// PDF carries the print job's title for the patrol.
SaveResult SaveRoster(const RosterDocument& doc, const std::string& patrolName, SaveTarget& target,
                      PdfService& pdf, const RosterWords& words = EnglishRosterWords());

// What the outputs are written from: the document as it stands, the roster value it was built
// from (none before a build) and the patrol name as its field holds it.
struct RosterSources {
    const RosterDocument& document;
    const Roster* roster = nullptr;
    std::string patrolName;
};

// The save for every type: the document's two (as above), and the sheets, calendar and
// spreadsheet written from the roster value. Those refuse the file (NoBuiltRoster) when there
// is no built roster, and the calendar (NoStartDate) when the outing has no start date.
// `nowUtc` stamps the calendar's events.
SaveResult SaveRoster(const RosterSources& from, SaveTarget& target, PdfService& pdf,
                      const RosterWords& words, std::int64_t nowUtc);

// What a service that draws only documents says when asked for a sheet; no service of the
// program is one.
inline constexpr const char* kNoSheets = "This output draws no sheets.";

// The patrol name followed by "'s Roster", or the words' title for it.
std::string RosterJobTitle(const std::string& patrolName,
                           const RosterWords& words = EnglishRosterWords());

// Prints the whole document as one job; the printing system's error text on failure.
std::optional<std::string> PrintRoster(const RosterDocument& doc, const std::string& patrolName,
                                       PrintService& printer,
                                       const RosterWords& words = EnglishRosterWords());

// Prints a sheet drawn from the roster as one job under the roster's title. On failure the
// refusal: NoBuiltRoster without a roster, else the printing system's words as its reason.
std::optional<EngineMessage> PrintRosterSheet(const Roster* roster, RosterSheet sheet,
                                              const std::string& patrolName, PrintService& printer,
                                              const RosterWords& words = EnglishRosterWords());

} // namespace dutywise
