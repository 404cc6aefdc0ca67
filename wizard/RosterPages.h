#pragma once
// The one page layout behind both the printout and the PDF: the roster's paragraphs in their own
// fonts, sizes, styles and colours, laid out on a paged device's printable area page after page.
// Printer and PDF writer differ only in the device they paint on.

#include <QPageLayout>
#include <QString>
#include <vector>

#include "Output.h"
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

// The page a sheet is laid out on: the roster's page, turned to landscape for the notice board.
QPageLayout SheetPageLayout(QPageLayout layout, RosterSheet sheet);

// Draws a sheet of the roster on the device's printable area, with `painter` already begun on
// it; the same for print and PDF (RosterSheetPages.cpp).
// - Notice board: the title, then a grid with one column per day and one row per meal, in the
//   largest size from 10 down to 8 points that fits one page. What does not fit at 8 points
//   wraps inside its cell and goes on further pages between days (fewer days a page), and only
//   when a single day is taller than a page between its meals, or between lines of a cell;
//   a line of text is never cut.
// - Each scout's duties: one slip per person, full width, as many to a page as fit, a dashed
//   cut line after each; a slip goes whole onto the next page rather than being split, unless
//   it is taller than a page.
// False when the device would not start a new page.
bool PaintRosterSheet(QPainter& painter, QPagedPaintDevice& device, const Roster& roster,
                      RosterSheet sheet, const RosterWords& words);

} // namespace dutywise
