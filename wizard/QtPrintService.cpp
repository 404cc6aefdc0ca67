#include "QtPrintService.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "RosterPages.h"

namespace dutywise {

namespace {

std::string Text(const QString& text) {
    return text.toStdString();
}

QString Translated(const char* english) {
    return QCoreApplication::translate("QtPrintService", english);
}

// One job on the default printer under the title, its pages painted by `paint`; `sheet` turns
// the page to the sheet's orientation.
template <class Paint>
std::optional<std::string> PrintJob(const std::string& jobTitle, std::optional<RosterSheet> sheet,
                                    Paint paint) {
    // Qt silently prints nowhere without a default printer: say so instead.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Text(Translated(QtPrintService::kNoDefaultPrinter));

    QPrinter printer(info, QPrinter::HighResolution);
    const QString title = QString::fromStdString(jobTitle);
    if (!printer.isValid())
        return Text(
            Translated(QT_TRANSLATE_NOOP("QtPrintService", "The printer \"%1\" cannot be used."))
                .arg(info.printerName()));
    printer.setDocName(title);
    printer.setCreator(RosterCreator());
    if (sheet)
        printer.setPageLayout(SheetPageLayout(printer.pageLayout(), *sheet));

    QPainter painter;
    if (!painter.begin(&printer))
        return Text(Translated(QT_TRANSLATE_NOOP("QtPrintService",
                                                 "The printer \"%1\" could not start the job "
                                                 "\"%2\"."))
                        .arg(info.printerName(), title));
    const bool paged = paint(painter, printer);
    painter.end();
    if (!paged || printer.printerState() == QPrinter::Error ||
        printer.printerState() == QPrinter::Aborted)
        return Text(Translated(QT_TRANSLATE_NOOP("QtPrintService",
                                                 "The printer \"%1\" failed to print \"%2\"."))
                        .arg(info.printerName(), title));
    return std::nullopt;
}

} // namespace

std::optional<std::string> QtPrintService::Print(const std::vector<Paragraph>& paragraphs,
                                                 const std::string& jobTitle) {
    return PrintJob(jobTitle, std::nullopt, [&](QPainter& painter, QPrinter& printer) {
        return PaintRosterPages(painter, printer, paragraphs);
    });
}

std::optional<std::string> QtPrintService::PrintSheet(const Roster& roster, RosterSheet sheet,
                                                      const RosterWords& words,
                                                      const std::string& jobTitle) {
    return PrintJob(jobTitle, sheet, [&](QPainter& painter, QPrinter& printer) {
        return PaintRosterSheet(painter, printer, roster, sheet, words);
    });
}

} // namespace dutywise
