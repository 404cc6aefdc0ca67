#pragma once
// Printing the roster on the system's default printer, as one job under a title.

#include "Output.h"

class QTextDocument;

namespace dutywise {

class QtPrintService : public PrintService {
public:
    std::optional<std::string> Print(const std::vector<Paragraph>& paragraphs,
                                     const std::string& jobTitle) override;

    // The paragraphs as a rich-text document in their own fonts, sizes, styles and colours.
    static void Fill(QTextDocument& doc, const std::vector<Paragraph>& paragraphs);

    static constexpr const char* kNoDefaultPrinter =
        "No default printer is set up. Set up a printer as the default printer of this "
        "computer, then print again.";
};

} // namespace dutywise
