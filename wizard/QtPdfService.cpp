#include "QtPdfService.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

#include "RosterPages.h"

namespace dutywise {
namespace {

// A PDF ends with its end-of-file marker; anything short of it is a writer that gave up.
bool Complete(const QByteArray& pdf) {
    return pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF");
}

std::string Text(const char* english) {
    return QCoreApplication::translate("QtPdfService", english).toStdString();
}

// The PDF made in memory on `layout`, painted by `paint`.
template <class Paint>
std::optional<std::string> WritePdf(const QPageLayout& layout, int resolution,
                                    const std::string& title, std::string& bytes, Paint paint) {
    bytes.clear();
    QBuffer buffer; // the writer does not open its device itself
    if (!buffer.open(QIODevice::WriteOnly))
        return Text(QT_TRANSLATE_NOOP("QtPdfService", "The PDF could not be made in memory."));
    bool made = false;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromStdString(title));
        writer.setCreator(RosterCreator());
        writer.setResolution(resolution);
        writer.setPageLayout(layout);
        QPainter painter;
        if (painter.begin(&writer)) {
            made = paint(painter, writer);
            made = painter.end() && made;
        }
    }
    if (!made || !Complete(buffer.data()))
        return Text(
            QT_TRANSLATE_NOOP("QtPdfService", "The PDF writer could not finish the document."));
    bytes.assign(buffer.data().constData(), static_cast<std::size_t>(buffer.data().size()));
    return std::nullopt;
}

} // namespace

std::optional<std::string> QtPdfService::MakePdf(const std::vector<Paragraph>& paragraphs,
                                                 const std::string& title, std::string& bytes) {
    const RosterPageSetup page = DefaultRosterPageSetup();
    return WritePdf(page.layout, page.resolution, title, bytes,
                    [&](QPainter& painter, QPdfWriter& writer) {
                        return PaintRosterPages(painter, writer, paragraphs);
                    });
}

std::optional<std::string> QtPdfService::MakeSheetPdf(const Roster& roster, RosterSheet sheet,
                                                      const RosterWords& words,
                                                      const std::string& title,
                                                      std::string& bytes) {
    const RosterPageSetup page = DefaultRosterPageSetup();
    return WritePdf(SheetPageLayout(page.layout, sheet), page.resolution, title, bytes,
                    [&](QPainter& painter, QPdfWriter& writer) {
                        return PaintRosterSheet(painter, writer, roster, sheet, words);
                    });
}

} // namespace dutywise
