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

} // namespace

std::optional<std::string> QtPrintService::Print(const std::vector<Paragraph>& paragraphs,
                                                 const std::string& jobTitle) {
    // Qt silently prints nowhere without a default printer: say so instead.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Text(Translated(kNoDefaultPrinter));

    QPrinter printer(info, QPrinter::HighResolution);
    const QString title = QString::fromStdString(jobTitle);
    if (!printer.isValid())
        return Text(
            Translated(QT_TRANSLATE_NOOP("QtPrintService", "The printer \"%1\" cannot be used."))
                .arg(info.printerName()));
    printer.setDocName(title);
    printer.setCreator(RosterCreator());

    QPainter painter;
    if (!painter.begin(&printer))
        return Text(Translated(QT_TRANSLATE_NOOP("QtPrintService",
                                                 "The printer \"%1\" could not start the job "
                                                 "\"%2\"."))
                        .arg(info.printerName(), title));
    const bool paged = PaintRosterPages(painter, printer, paragraphs);
    painter.end();
    if (!paged || printer.printerState() == QPrinter::Error ||
        printer.printerState() == QPrinter::Aborted)
        return Text(Translated(QT_TRANSLATE_NOOP("QtPrintService",
                                                 "The printer \"%1\" failed to print \"%2\"."))
                        .arg(info.printerName(), title));
    return std::nullopt;
}

} // namespace dutywise
