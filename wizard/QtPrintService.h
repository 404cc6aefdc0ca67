#pragma once
// Printing the roster on the system's default printer, as one job under a title.

#include <QtGlobal>

#include "Output.h"

namespace dutywise {

class QtPrintService : public PrintService {
public:
    std::optional<std::string> Print(const std::vector<Paragraph>& paragraphs,
                                     const std::string& jobTitle) override;
    std::optional<std::string> PrintSheet(const Roster& roster, RosterSheet sheet,
                                          const RosterWords& words,
                                          const std::string& jobTitle) override;

    // In English; the message said is its translation.
    static constexpr const char* kNoDefaultPrinter = QT_TRANSLATE_NOOP(
        "QtPrintService", "No default printer is set up. Set up a printer as the default printer "
                          "of this computer, then print again.");
};

} // namespace dutywise
