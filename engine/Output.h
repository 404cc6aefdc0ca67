#pragma once
// Saving the roster (as Rich Text, as a PDF laid out as the printout, or as one of the sheets
// written from the roster value) and printing it, through ports that the window implements.

#include <optional>
#include <string>
#include <vector>

#include "Roster.h"
#include "RosterDocument.h"
#include "RosterWords.h"

namespace dutywise {

// What a saved file holds: the save dialog's file-type choice decides it, unless the name is
// typed with an extension that decides (SaveTypes() in DocumentTools.h).
enum class SaveFormat { RichText, Pdf, NoticeBoard, DutySlips, Calendar, Spreadsheet };

// The sheets drawn from the roster value for paper: the notice board (a grid of days and meals,
// landscape) and each scout's duties (slips with cut lines).
enum class RosterSheet { NoticeBoard, DutySlips };

struct SaveChoice {
    std::string path;
    SaveFormat format = SaveFormat::RichText;
};

// Asks the user for a file name. It proposes the name chosen last in this run (empty the first
// time) and remembers the one chosen now, whether or not the save then succeeds.
class SaveTarget {
public:
    virtual ~SaveTarget() = default;
    // The chosen path and file type, or nothing when the user cancelled.
    virtual std::optional<SaveChoice> AskFileName() = 0;
};

// Lays the paragraphs out on pages exactly as the printout does and gives the PDF's bytes.
class PdfService {
public:
    virtual ~PdfService() = default;
    // Fills `bytes` with the whole PDF, titled `title`; on failure the reason, and `bytes` is
    // not to be used.
    virtual std::optional<std::string> MakePdf(const std::vector<Paragraph>& paragraphs,
                                               const std::string& title, std::string& bytes) = 0;
    // The same for a sheet drawn from the roster. A service that draws only documents says so.
    virtual std::optional<std::string> MakeSheetPdf(const Roster& roster, RosterSheet sheet,
                                                    const RosterWords& words,
                                                    const std::string& title, std::string& bytes);
};

class PrintService {
public:
    virtual ~PrintService() = default;
    // Prints the paragraphs as one job under the title; the printing system's error text on
    // failure, nothing on success.
    virtual std::optional<std::string> Print(const std::vector<Paragraph>& paragraphs,
                                             const std::string& jobTitle) = 0;
    // Prints a sheet drawn from the roster as one job under the title. A service that prints
    // only documents says so.
    virtual std::optional<std::string> PrintSheet(const Roster& roster, RosterSheet sheet,
                                                  const RosterWords& words,
                                                  const std::string& jobTitle);
};

} // namespace dutywise
