#include "PrintCheck.h"

#include <pwd.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <unistd.h>

namespace printcheck {
namespace {

QString Dir() {
    return QStringLiteral(DUTYWISE_CUPS_DIR);
}

QString Run(const QString& program, const QStringList& args, int* exitCode = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(60000);
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAll());
}

// cups-pdf writes into the PDF folder of the job's owner, here the user running the test.
QString PdfFolder() {
    const passwd* pw = getpwuid(getuid());
    return QString::fromLocal8Bit(pw ? pw->pw_dir : qgetenv("HOME").constData()) + "/PDF";
}

// Runs one ipptool request against the queue and reads its CSV lines: id,state,name (the name
// comes last and may itself hold commas or quotes).
std::vector<Job> Ask(const QString& request, const QStringList& variables, QString* error) {
    QTemporaryDir tmp;
    QFile test(tmp.filePath("request.test"));
    test.open(QIODevice::WriteOnly);
    test.write(request.toUtf8());
    test.close();
    const QString socket = QString::fromUtf8(QUrl::toPercentEncoding(Dir() + "/cups.sock"));
    QStringList args{"-c"};
    for (const QString& v : variables)
        args << "-d" << v;
    args << "ipp://" + socket + "/printers/dutywise-pdf" << test.fileName();
    int code = 0;
    const QString out = Run("ipptool", args, &code);
    std::vector<Job> jobs;
    if (code != 0) {
        if (error)
            *error = out;
        return jobs;
    }
    for (const QString& line : out.split('\n', Qt::SkipEmptyParts)) {
        const int a = line.indexOf(','), b = line.indexOf(',', a + 1);
        bool ok = false;
        const int id = line.left(a).toInt(&ok);
        if (!ok || a < 0 || b < 0)
            continue;
        QString name = line.mid(b + 1);
        if (name.size() >= 2 && name.startsWith('"') && name.endsWith('"'))
            name = name.mid(1, name.size() - 2).replace("\"\"", "\"");
        jobs.push_back({id, name, line.mid(a + 1, b - a - 1)});
    }
    return jobs;
}

QString Request(const char* operation, const char* extra) {
    return QString("{\n"
                   "  OPERATION %1\n"
                   "  GROUP operation-attributes-tag\n"
                   "  ATTR charset attributes-charset utf-8\n"
                   "  ATTR naturalLanguage attributes-natural-language en\n"
                   "  ATTR uri printer-uri $uri\n"
                   "%2"
                   "  ATTR name requesting-user-name root\n"
                   "  ATTR keyword requested-attributes job-id,job-state,job-name\n"
                   "  STATUS successful-ok\n"
                   "  DISPLAY job-id\n"
                   "  DISPLAY job-state\n"
                   "  DISPLAY job-name\n"
                   "}\n")
        .arg(operation, extra);
}

} // namespace

bool Required() {
    return qgetenv("CI") == "true";
}

std::optional<QString> Unavailable() {
    QFile reason(Dir() + "/unavailable");
    if (reason.open(QIODevice::ReadOnly))
        return QString::fromUtf8(reason.readAll()).trimmed();
    if (!QFile::exists(Dir() + "/cups.sock"))
        return "the private cupsd is not running (" + Dir() + "/cups.sock is missing)";
    for (const char* tool : {"ipptool", "pdfinfo", "pdftoppm"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return QString(tool) + " is not installed";
    return std::nullopt;
}

std::vector<Job> Jobs(QString* error) {
    std::vector<Job> jobs = Ask(Request("Get-Jobs", "  ATTR keyword which-jobs all\n"), {}, error);
    // cupsd drops a finished job's attributes from memory after a while, and Get-Jobs then
    // answers with an empty name; asking for that one job makes it read them back.
    for (Job& job : jobs) {
        if (!job.name.isEmpty())
            continue;
        const auto one = Ask(Request("Get-Job-Attributes", "  ATTR integer job-id $jobid\n"),
                             {QString("jobid=%1").arg(job.id)}, nullptr);
        if (one.size() == 1)
            job = one.front();
    }
    return jobs;
}

std::vector<Job> JobsNamed(const QString& name) {
    std::vector<Job> named;
    for (const Job& j : Jobs())
        if (j.name == name)
            named.push_back(j);
    return named;
}

std::vector<Job> WaitForFinishedJobs(const QString& name, int count, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        std::vector<Job> named = JobsNamed(name);
        bool finished = static_cast<int>(named.size()) >= count;
        for (const Job& j : named)
            finished = finished &&
                       (j.state == "completed" || j.state == "aborted" || j.state == "canceled");
        if (finished || deadline.hasExpired())
            return named;
        QThread::msleep(100); // polling an outside process: nothing to wait on in Qt
    }
}

QStringList PdfsOfJob(int jobId, const QDateTime& since) {
    QStringList found;
    QDir folder(PdfFolder());
    for (const QFileInfo& f :
         folder.entryInfoList({QString("*job_%1.pdf").arg(jobId)}, QDir::Files))
        if (f.lastModified() >= since.addSecs(-1))
            found << f.filePath();
    return found;
}

QString SchedulerLog() {
    QString jobs = "jobs on the queue:\n";
    for (const Job& j : Jobs())
        jobs += QString("  %1 %2 \"%3\"\n").arg(j.id).arg(j.state, j.name);
    QFile log(Dir() + "/logs/error_log");
    log.open(QIODevice::ReadOnly);
    return jobs + QString::fromUtf8(log.readAll()).right(3000);
}

int PdfPages(const QString& pdf) {
    const QString info = Run("pdfinfo", {pdf});
    for (const QString& line : info.split('\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return -1;
}

int DarkPixels(const QString& pdf, int page) {
    QTemporaryDir tmp;
    const QString base = tmp.filePath("page");
    Run("pdftoppm", {"-q", "-r", "20", "-gray", "-f", QString::number(page), "-l",
                     QString::number(page), "-singlefile", pdf, base});
    const QImage image(base + ".pgm");
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return dark;
}

} // namespace printcheck
