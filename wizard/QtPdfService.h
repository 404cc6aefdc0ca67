#pragma once
// The roster as a PDF, made in memory on the same page layout as the printout; the sheets drawn
// from the roster by the same painter as their printouts.

#include "Output.h"

namespace dutywise {

class QtPdfService : public PdfService {
public:
    std::optional<std::string> MakePdf(const std::vector<Paragraph>& paragraphs,
                                       const std::string& title, std::string& bytes) override;
    std::optional<std::string> MakeSheetPdf(const Roster& roster, RosterSheet sheet,
                                            const RosterWords& words, const std::string& title,
                                            std::string& bytes) override;
};

} // namespace dutywise
