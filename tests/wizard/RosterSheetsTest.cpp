// The notice board and each scout's duties as PDFs, read back with poppler: pages, paper, text.

#include <gtest/gtest.h>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "PdfCheck.h"
#include "QtPdfService.h"
#include "RosterSamples.h"
#include "RosterSheets.h"

using namespace dutywise;
using dutywise::testing::MakeRoster;

namespace {

QString MakeSheet(const Roster& roster, RosterSheet sheet, const QTemporaryDir& dir) {
    std::string bytes;
    QtPdfService pdf;
    const auto error =
        pdf.MakeSheetPdf(roster, sheet, EnglishRosterWords(), "Eagle's Roster", bytes);
    EXPECT_FALSE(error) << *error;
    const QString path =
        dir.filePath(sheet == RosterSheet::NoticeBoard ? "board.pdf" : "slips.pdf");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

// How often each person's name stands in the text as a word of its own.
void ExpectEachNameAsOftenAsDuties(const Roster& r, const QString& text, const char* what) {
    const std::vector<DutyCount> counts = CountDuties(r);
    for (std::size_t p = 0; p < r.people.size(); ++p) {
        const QString word = QString::fromStdString(r.people[p]).section(' ', 0, 0);
        const QRegularExpression re("\\b" + QRegularExpression::escape(word) + "\\b");
        EXPECT_EQ(text.count(re), counts[p].duties) << what << ": " << word.toStdString();
    }
}

// Fault: the largest week not fitting one landscape page at 8 points or more; a name lost or
// drawn twice (at a cell's or the page's edge); text cut where a longer grid breaks.
TEST(NoticeBoardPdf, AWeekOfThreeMealsAndCrewsOfFiveFitsOneLandscapePage) {
    REQUIRE_PDF_TOOLS();
    const Roster r = MakeRoster({"Alexandra", "Bartholomew", "Christopher", "Dominique",
                                 "Evangeline", "Frederick", "Gwendolyn", "Maximilian", "Penelope",
                                 "Sebastian", "Theodora", "Wilhelmina"},
                                7, 5, 42);
    QTemporaryDir dir;
    const QString pdf = MakeSheet(r, RosterSheet::NoticeBoard, dir);
    const auto info = pdfcheck::Info(pdf);
    EXPECT_EQ(info.value("Pages"), "1");
    EXPECT_EQ(info.value("Page size"), "842 x 595 pts (A4)"); // landscape
    ExpectEachNameAsOftenAsDuties(r, pdfcheck::TextLines(pdf).join('\n'), "board");
    // Every word at least 8 points tall (its box is about 1.15 times the size).
    const QString boxes = pdfcheck::Run("pdftotext", {"-bbox", pdf, "-"});
    const QRegularExpression word("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\"");
    int words = 0;
    for (auto m = word.globalMatch(boxes); m.hasNext(); ++words) {
        const auto w = m.next();
        EXPECT_GE(w.captured(2).toDouble() - w.captured(1).toDouble(), 8.0);
    }
    EXPECT_GT(words, 300);

    // Longer content: the grid breaks over pages, no text cut or drawn on two pages.
    std::vector<std::string> people;
    for (int i = 0; i < 20; ++i)
        people.push_back("P" + std::to_string(10 + i) +
                         " Hieronymus Wolfgang Maximilian Theodor Konstantin von Hohenlohe");
    Roster longer = MakeRoster(people, 7, 5, 5);
    for (RosterMeal& m : longer.meals)
        m.dish = "A long dish of beans with bacon, onions, peppers, tomatoes and more beans";
    const QString pages = MakeSheet(longer, RosterSheet::NoticeBoard, dir);
    EXPECT_GT(pdfcheck::Pages(pages), 1);
    ExpectEachNameAsOftenAsDuties(longer, pdfcheck::TextLines(pages).join('\n'), "long board");
}

// Fault: a duty missing from the slips or listed twice, slips out of list order, a slip split
// over a page break.
TEST(DutySlipsPdf, EverySlipReadsBackInOrderOverSeveralPages) {
    REQUIRE_PDF_TOOLS();
    const Roster r = MakeRoster(
        {"Ann", "Ben", "Cy", "Dee", "Eve", "Finn", "Gus", "Hal", "Ida", "Jo", "Kim", "Lu"}, 7, 3,
        9);
    QTemporaryDir dir;
    const QString pdf = MakeSheet(r, RosterSheet::DutySlips, dir);
    QStringList expected;
    for (const DutySlip& slip : MakeDutySlips(r, EnglishRosterWords())) {
        expected << QString::fromStdString(slip.name);
        for (const std::string& duty : slip.duties)
            expected << QString::fromStdString(duty);
        expected << QString::fromStdString(slip.count);
    }
    EXPECT_GT(pdfcheck::Pages(pdf), 1);
    EXPECT_EQ(pdfcheck::TextLines(pdf), expected);
}

} // namespace
