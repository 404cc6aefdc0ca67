#include "QtPrintService.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace dutywise {
namespace {

QTextCharFormat CharFormat(const ParagraphStyle& style) {
    QTextCharFormat f;
    f.setFontFamilies({QString::fromStdString(style.fontName)});
    f.setFontPointSize(style.sizeTwentieths / 20.0);
    f.setFontWeight(style.styles.Has(FontStyle::Bold) ? QFont::Bold : QFont::Normal);
    f.setFontItalic(style.styles.Has(FontStyle::Italic));
    f.setFontUnderline(style.styles.Has(FontStyle::Underline));
    // Automatic colour is left to the paper's default text colour.
    if (!style.color.automatic)
        f.setForeground(QColor(style.color.red, style.color.green, style.color.blue));
    return f;
}

} // namespace

void QtPrintService::Fill(QTextDocument& doc, const std::vector<Paragraph>& paragraphs) {
    doc.clear();
    QTextCursor cursor(&doc);
    bool first = true;
    for (const Paragraph& p : paragraphs) {
        if (!first)
            cursor.insertBlock();
        first = false;
        // A blank paragraph keeps its line height from the style of its one empty run.
        if (!p.runs.empty())
            cursor.setBlockCharFormat(CharFormat(p.runs.front().style));
        for (const Run& r : p.runs)
            if (!r.text.empty())
                cursor.insertText(QString::fromStdString(r.text), CharFormat(r.style));
    }
}

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
    printer.setCreator(QStringLiteral("Dutywise"));

    QTextDocument doc;
    // Lay the text out at the printer's resolution, on its whole printable area.
    doc.documentLayout()->setPaintDevice(&printer);
    doc.setDocumentMargin(0);
    Fill(doc, paragraphs);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    doc.setPageSize(page.size());

    QPainter painter;
    if (!painter.begin(&printer))
        return "The printer \"" + info.printerName().toStdString() +
               "\" could not start the job \"" + jobTitle + "\".";
    const int pages = std::max(1, doc.pageCount());
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !printer.newPage())
            break;
        painter.save();
        const QRectF view(0, i * page.height(), page.width(), page.height());
        painter.translate(0, -view.top());
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = view;
        ctx.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(view);
        doc.documentLayout()->draw(&painter, ctx);
        painter.restore();
    }
    painter.end();
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return "The printer \"" + info.printerName().toStdString() + "\" failed to print \"" +
               jobTitle + "\".";
    return std::nullopt;
}

} // namespace dutywise
