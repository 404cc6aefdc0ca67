#pragma once
// What the tests need of the private print system that the fixture starts (scripts/cups-fixture):
// whether it is there, the jobs its queue has seen, and the PDFs that cups-pdf made of them.

#include <optional>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

// In a test body: skips, or fails under CI, when the private print system cannot be used.
#define REQUIRE_PRINT_SYSTEM()                                                                     \
    do {                                                                                           \
        if (auto why = printcheck::Unavailable()) {                                                \
            if (printcheck::Required())                                                            \
                FAIL() << why->toStdString();                                                      \
            GTEST_SKIP() << why->toStdString();                                                    \
        }                                                                                          \
    } while (0)

namespace printcheck {

struct Job {
    int id = 0;
    QString name;
    QString state; // "completed", "processing", "aborted", ...
};

// Why the print system cannot be used here, or nothing when it can.
std::optional<QString> Unavailable();
// Whether a missing tool must fail the test rather than skip it.
bool Required();

// Every job the queue has seen, finished or not.
std::vector<Job> Jobs(QString* error = nullptr);
std::vector<Job> JobsNamed(const QString& name);
// Waits until every job of that name has finished; returns them.
std::vector<Job> WaitForFinishedJobs(const QString& name, int count, int timeoutMs = 60000);

// The PDFs cups-pdf wrote for that job (it ends their names with "job_<id>") since `since`.
QStringList PdfsOfJob(int jobId, const QDateTime& since);
// What the scheduler logged, for a failure's message.
QString SchedulerLog();
int PdfPages(const QString& pdf);
// Pixels darker than mid-grey on one page, rendered at a low resolution.
int DarkPixels(const QString& pdf, int page);

} // namespace printcheck
