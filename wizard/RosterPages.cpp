#include "RosterPages.h"

#include <algorithm>
#include <QAbstractTextDocumentLayout>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextCursor>
#include <QTextDocument>

#ifndef DUTYWISE_VERSION
#error "DUTYWISE_VERSION comes from the project's version in CMakeLists.txt"
#endif

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

QString RosterCreator() {
    return QStringLiteral("Dutywise " DUTYWISE_VERSION);
}

void FillTextDocument(QTextDocument& doc, const std::vector<Paragraph>& paragraphs) {
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

QPageSize LocalePageSize(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

RosterPageSetup DefaultRosterPageSetup() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        // Exactly the printer the print button would use.
        const QPrinter printer(info, QPrinter::HighResolution);
        if (printer.isValid())
            return {printer.pageLayout(), printer.resolution()};
    }
    // What Qt sets up for a printer it knows nothing about: 10 points all round.
    const QPrinter plain(QPrinter::HighResolution);
    QPageLayout layout = plain.pageLayout();
    layout.setPageSize(LocalePageSize(QLocale::system()));
    return {layout, 1200};
}

bool PaintRosterPages(QPainter& painter, QPagedPaintDevice& device,
                      const std::vector<Paragraph>& paragraphs) {
    QTextDocument doc;
    // Laid out at the device's own resolution, on its whole printable area: no margins of our
    // own beyond the page layout's.
    doc.documentLayout()->setPaintDevice(&device);
    doc.setDocumentMargin(0);
    FillTextDocument(doc, paragraphs);
    const QSizeF page = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    doc.setPageSize(page);

    const int pages = std::max(1, doc.pageCount());
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !device.newPage())
            return false;
        painter.save();
        const QRectF view(0, i * page.height(), page.width(), page.height());
        painter.translate(0, -view.top());
        QAbstractTextDocumentLayout::PaintContext ctx;
        // The layout draws every line that touches its clip, edges included, and a line moved
        // to the next page starts exactly on this page's bottom edge: drawn here as well, it
        // would be cut off from sight but stay in the PDF's text, twice. A pixel in from each
        // edge, every line is drawn on its own page only.
        ctx.clip = view.adjusted(0, 1, 0, -1);
        ctx.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(view);
        doc.documentLayout()->draw(&painter, ctx);
        painter.restore();
    }
    return true;
}

} // namespace dutywise
