#pragma once
// The one page layout behind both the printout and the PDF: the roster's paragraphs in their own
// fonts, sizes, styles and colours, laid out on a paged device's printable area page after page.
// Printer and PDF writer differ only in the device they paint on.

#include <QPageLayout>
#include <QString>
#include <vector>

#include "RosterDocument.h"

class QLocale;
class QPagedPaintDevice;
class QPainter;
class QTextDocument;

namespace dutywise {

// The name and version written into the PDF as its creator, and given to the print job.
QString RosterCreator();

// The paragraphs as a rich-text document in their own fonts, sizes, styles and colours.
void FillTextDocument(QTextDocument& doc, const std::vector<Paragraph>& paragraphs);

// The paper a locale prints on: US Letter where it measures in US units, A4 elsewhere.
QPageSize LocalePageSize(const QLocale& locale);

// The page a PDF of the roster is laid out on, and the resolution it is laid out at: those the
// default printer would print with (its paper, Qt's margins for it, its high resolution), so
// that the PDF is the printout; with no printer, the locale's paper with the same margins Qt
// gives a printout.
struct RosterPageSetup {
    QPageLayout layout;
    int resolution = 1200;
};
RosterPageSetup DefaultRosterPageSetup();

// Lays the paragraphs out on the device's printable area at its resolution and paints them,
// page after page, with `painter` already begun on the device. A line that does not fit starts
// the next page. False when the device would not start a new page.
bool PaintRosterPages(QPainter& painter, QPagedPaintDevice& device,
                      const std::vector<Paragraph>& paragraphs);

} // namespace dutywise
