#pragma once
// The roster as a PDF, made in memory on the same page layout as the printout.

#include "Output.h"

namespace dutywise {

class QtPdfService : public PdfService {
public:
    std::optional<std::string> MakePdf(const std::vector<Paragraph>& paragraphs,
                                       const std::string& title, std::string& bytes) override;
};

} // namespace dutywise
