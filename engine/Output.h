#pragma once
// Saving the roster (as Rich Text, or as a PDF laid out as the printout) and printing it, through
// ports that the window implements.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "RosterDocument.h"

namespace dutywise {

// What a saved file holds. A name ending in one of the formats' extensions decides it; for any
// other name the save dialog's file-type choice does. A new format is a value here and a row of
// the extension table (DocumentTools.cpp).
enum class SaveFormat { RichText, Pdf };

// The extension of the format's files, lower case and without the dot ("rtf", "pdf").
std::string_view ExtensionOf(SaveFormat format);
// The format whose extension the path's file name ends with, in any case; nothing for another
// extension or none.
std::optional<SaveFormat> FormatOfName(std::string_view path);

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
};

class PrintService {
public:
    virtual ~PrintService() = default;
    // Prints the paragraphs as one job under the title; the printing system's error text on
    // failure, nothing on success.
    virtual std::optional<std::string> Print(const std::vector<Paragraph>& paragraphs,
                                             const std::string& jobTitle) = 0;
};

} // namespace dutywise
