// Printing for real: jobs go through a private cupsd to a cups-pdf queue, and the PDFs that come
// out are counted and looked at.

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>

#include "PrintCheck.h"
#include "QtPrintService.h"

using dutywise::Paragraph;
using dutywise::ParagraphStyle;

namespace {

#define REQUIRE_PRINT_SYSTEM()                                                                   \
    do {                                                                                         \
        if (auto why = printcheck::Unavailable()) {                                              \
            if (printcheck::Required())                                                          \
                FAIL() << why->toStdString();                                                    \
            GTEST_SKIP() << why->toStdString();                                                  \
        }                                                                                        \
    } while (0)

// A name no earlier run has printed under, so that its PDF can be told apart.
QString UniquePatrol(const char* stem) {
    return QString("%1%2x%3")
        .arg(stem)
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch() % 1000000);
}

std::vector<Paragraph> Lines(int count, int points) {
    std::vector<Paragraph> doc;
    for (int i = 0; i < count; ++i)
        doc.push_back({{{"Line " + std::to_string(i + 1) + " of the roster",
                         ParagraphStyle::Roster(points, {})}}});
    return doc;
}

// KEEP_PRINTED_PDFS=1 leaves them for a person to look at.
void RemovePdfs(const QStringList& pdfs) {
    if (qEnvironmentVariableIsSet("KEEP_PRINTED_PDFS"))
        return;
    for (const QString& f : pdfs)
        QFile::remove(f);
}

TEST(PrintService, LongDocumentIsOneJobOverSeveralPagesNoneBlank) {
    REQUIRE_PRINT_SYSTEM();
    const QString patrol = UniquePatrol("Owls");
    const QString title = patrol + "'s Roster";
    // 12 pt lines: about 55 to a page, so 140 lines fill two pages and part of a third.
    dutywise::QtPrintService service;
    auto error = service.Print(Lines(140, 12), title.toStdString());
    ASSERT_FALSE(error) << *error;

    auto jobs = printcheck::WaitForFinishedJobs(title, 1);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].state, "completed");

    const QStringList pdfs = printcheck::PdfsNamed(patrol);
    ASSERT_EQ(pdfs.size(), 1) << pdfs.join(", ").toStdString();
    EXPECT_EQ(printcheck::PdfPages(pdfs[0]), 3);
    for (int page = 1; page <= 3; ++page)
        EXPECT_GT(printcheck::DarkPixels(pdfs[0], page), 20) << "page " << page;
    RemovePdfs(pdfs);
}

} // namespace
