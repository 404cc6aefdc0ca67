// Printing where no printer is set up: Qt alone would print nothing and say nothing.

#include <QLocale>
#include <QTemporaryDir>

#include "PdfCheck.h"
#include "QtPdfService.h"
#include "QtPrintService.h"
#include "RosterPages.h"
#include "WizardTestSupport.h"

namespace {

TEST(NoDefaultPrinter, PrintButtonSaysSoInTheProgramsMessageBox) {
    WizardWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    wizardtest::ShowPage(w, 5);
    const auto before = w.Document().Paragraphs();
    auto message = testsupport::AnswerNextModal("OK");
    wizardtest::Click(w, "printButton");
    ASSERT_TRUE(message->found) << message->error.toStdString();
    EXPECT_EQ(message->title, "Dutywise");
    EXPECT_EQ(message->text, dutywise::QtPrintService::kNoDefaultPrinter);
    EXPECT_EQ(message->buttons, QStringList{"OK"});
    EXPECT_FALSE(message->hasIcon);
    EXPECT_EQ(w.Document().Paragraphs(), before);
}

// With no printer to ask, the PDF goes on the locale's paper with the margins a printout gets.
TEST(NoDefaultPrinter, PdfIsLaidOutOnTheLocalesPaper) {
    EXPECT_EQ(dutywise::LocalePageSize(QLocale(QLocale::English, QLocale::UnitedStates)).id(),
              QPageSize::Letter);
    EXPECT_EQ(dutywise::LocalePageSize(QLocale(QLocale::German, QLocale::Germany)).id(),
              QPageSize::A4);
    EXPECT_EQ(dutywise::LocalePageSize(QLocale::c()).id(), QPageSize::A4);
    const dutywise::RosterPageSetup setup = dutywise::DefaultRosterPageSetup();
    // The tests run under C.UTF-8, whose paper is A4.
    EXPECT_EQ(setup.layout.pageSize().size(QPageSize::Millimeter), QSizeF(210, 297));
    EXPECT_EQ(setup.layout.margins(QPageLayout::Point), QMarginsF(10, 10, 10, 10));
    EXPECT_EQ(setup.layout.orientation(), QPageLayout::Portrait);

    REQUIRE_PDF_TOOLS();
    std::vector<dutywise::Paragraph> doc;
    for (int i = 0; i < 150; ++i) // about 70 lines to a page at 10 points
        doc.push_back(
            {{{"Line " + std::to_string(i + 1), dutywise::ParagraphStyle::Roster(10, {})}}});
    std::string bytes;
    dutywise::QtPdfService pdf;
    ASSERT_EQ(pdf.MakePdf(doc, "Owls's Roster", bytes), std::nullopt);
    QTemporaryDir dir;
    QFile file(dir.filePath("roster.pdf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();
    const auto info = pdfcheck::Info(file.fileName());
    EXPECT_EQ(info.value("Page size"), "595 x 842 pts (A4)"); // 210 x 297 mm in whole points
    EXPECT_EQ(info.value("Pages"), "3");
    QStringList expected;
    for (const auto& p : doc)
        expected << QString::fromStdString(p.Text());
    EXPECT_EQ(pdfcheck::TextLines(file.fileName()).join(QChar(10)).toStdString(),
              expected.join(QChar(10)).toStdString());
}

} // namespace
