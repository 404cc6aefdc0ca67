// Printing for real: jobs go through a private cupsd to a cups-pdf queue, and the PDFs that come
// out are counted and looked at.

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include "PrintCheck.h"
#include "QtPrintService.h"
#include "WizardTestSupport.h"

using dutywise::Paragraph;
using dutywise::ParagraphStyle;

namespace {

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
    const QDateTime start = QDateTime::currentDateTime();
    const QString patrol = UniquePatrol("Owls");
    const QString title = patrol + "'s Roster";
    // 12 pt lines: about 55 to a page, so 140 lines fill two pages and part of a third.
    dutywise::QtPrintService service;
    auto error = service.Print(Lines(140, 12), title.toStdString());
    ASSERT_FALSE(error) << *error;

    auto jobs = printcheck::WaitForFinishedJobs(title, 1);
    ASSERT_EQ(jobs.size(), 1u) << printcheck::SchedulerLog().toStdString();
    ASSERT_EQ(jobs[0].state, "completed") << printcheck::SchedulerLog().toStdString();

    const QStringList pdfs = printcheck::PdfsOfJob(jobs[0].id, start);
    ASSERT_EQ(pdfs.size(), 1) << pdfs.join(", ").toStdString();
    EXPECT_EQ(printcheck::PdfPages(pdfs[0]), 3);
    for (int page = 1; page <= 3; ++page)
        EXPECT_GT(printcheck::DarkPixels(pdfs[0], page), 20) << "page " << page;
    RemovePdfs(pdfs);
}

class WindowPrint : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    void Print(const QString& patrol) {
        auto* field = wizardtest::Find<QLineEdit>(w, "patrolNameEdit");
        field->setFocus();
        QTest::keyClicks(field, patrol);
        ASSERT_EQ(field->text(), patrol);
        wizardtest::ShowPage(w, 5);
        wizardtest::Click(w, "printButton");
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // no message: it printed
    }
    WizardWindow w;
};

TEST_F(WindowPrint, PrintButtonSendsOneJobTitledAfterThePatrol) {
    REQUIRE_PRINT_SYSTEM();
    const QDateTime start = QDateTime::currentDateTime();
    const QString patrol = UniquePatrol("Eagle");
    const QString title = patrol + "'s Roster";
    Print(patrol);

    auto jobs = printcheck::WaitForFinishedJobs(title, 1);
    ASSERT_EQ(jobs.size(), 1u) << printcheck::SchedulerLog().toStdString();
    ASSERT_EQ(jobs[0].state, "completed") << printcheck::SchedulerLog().toStdString();
    const QStringList pdfs = printcheck::PdfsOfJob(jobs[0].id, start);
    ASSERT_EQ(pdfs.size(), 1) << pdfs.join(", ").toStdString();
    EXPECT_EQ(printcheck::PdfPages(pdfs[0]), 1); // the seven initial lines
    EXPECT_GT(printcheck::DarkPixels(pdfs[0], 1), 20);
    RemovePdfs(pdfs);
}

TEST_F(WindowPrint, EmptyPatrolNameGivesTheBareTitle) {
    REQUIRE_PRINT_SYSTEM();
    const QDateTime start = QDateTime::currentDateTime();
    const QString title = "'s Roster";
    const std::size_t earlier = printcheck::JobsNamed(title).size();
    Print("");
    auto jobs = printcheck::WaitForFinishedJobs(title, static_cast<int>(earlier) + 1);
    ASSERT_EQ(jobs.size(), earlier + 1) << printcheck::SchedulerLog().toStdString();
    ASSERT_EQ(jobs.back().state, "completed") << printcheck::SchedulerLog().toStdString();
    RemovePdfs(printcheck::PdfsOfJob(jobs.back().id, start));
}

} // namespace
