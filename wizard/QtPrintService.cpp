#include "QtPrintService.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "RosterPages.h"

namespace dutywise {

std::optional<std::string> QtPrintService::Print(const std::vector<Paragraph>& paragraphs,
                                                 const std::string& jobTitle) {
    // Qt silently prints nowhere without a default printer: say so instead.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return std::string(kNoDefaultPrinter);

    QPrinter printer(info, QPrinter::HighResolution);
    const QString title = QString::fromStdString(jobTitle);
    if (!printer.isValid())
        return "The printer \"" + info.printerName().toStdString() + "\" cannot be used.";
    printer.setDocName(title);
    printer.setCreator(RosterCreator());

    QPainter painter;
    if (!painter.begin(&printer))
        return "The printer \"" + info.printerName().toStdString() +
               "\" could not start the job \"" + jobTitle + "\".";
    const bool paged = PaintRosterPages(painter, printer, paragraphs);
    painter.end();
    if (!paged || printer.printerState() == QPrinter::Error ||
        printer.printerState() == QPrinter::Aborted)
        return "The printer \"" + info.printerName().toStdString() + "\" failed to print \"" +
               jobTitle + "\".";
    return std::nullopt;
}

} // namespace dutywise
