// The roster saved as PDF through the Generation page's save button: what poppler reads back
// from it, how it fails, and that it is the printout on another device.

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <QCoreApplication>
#include <QDateTime>
#include <QFontDatabase>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include "Abiword.h"
#include "PdfCheck.h"
#include "PrintCheck.h"
#include "RichText.h"
#include "Roster.h"
#include "RosterPages.h"
#include "Spreadsheet.h"
#include "WizardTestSupport.h"

using namespace wizardtest;
using dutywise::testing::ReadFileBytes;
using dutywise::testing::TempDir;
using dutywise::testing::WriteFileBytes;
using testsupport::AnswerNextModal;

namespace {

const QString kPdf = "PDF (*.pdf)";
const QString kRichText = "Rich Text (*.RTF)";
const QString kAllFiles = "All Files (*)";

class PdfSave : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }

    // A roster built as a user builds one: people, the patrol, the ticked days with all their
    // meals, one of each meal, Build.
    void Build(const QStringList& people, const QString& patrol, bool wholeWeek) {
        ShowPage(w, 0);
        for (const QString& person : people) {
            // Pasted: the test's key clicks know only ASCII.
            auto seen = AnswerNextModal("OK", [person](QWidget* prompt) {
                prompt->findChild<QLineEdit*>()->setText(person);
            });
            Click(w, "addPersonButton");
            ASSERT_TRUE(seen->found) << seen->error.toStdString();
        }
        ASSERT_EQ(Items(w, "peopleList"), people);
        Find<QLineEdit>(w, "outingNameEdit")->setText("Spring Camp");
        Find<QLineEdit>(w, "patrolNameEdit")->setText(patrol);
        ShowPage(w, 1);
        if (wholeWeek)
            Click(w, "checkAllDaysButton"); // Check All Days
        else
            TickDay(w, 5);               // Friday
        Click(w, "checkAllMealsButton"); // Check All Meals
        ShowPage(w, 2);
        Add(w, "addBreakfastButton", "Waffles");
        Add(w, "addLunchButton", "Fish tacos");
        Add(w, "addDinnerButton", "Chili");
        ShowPage(w, 4);
        ASSERT_NO_FATAL_FAILURE(PressExpectingCompleted(w, "buildButton")); // Build
        ShowPage(w, 5);
    }

    // Saves through the button under the file type; the error box's text, empty when none came.
    QString Save(const QString& path, const QString& filter) {
        std::shared_ptr<testsupport::ModalSeen> error;
        auto saved = SaveAs(
            path, nullptr, [&](QWidget*) { error = AnswerNextModal("OK", {}, 1500); }, filter);
        Click(w, "saveButton");
        EXPECT_TRUE(saved->found) << saved->error.toStdString();
        EXPECT_TRUE(testsupport::WaitUntil(
            [&] { return error && (error->found || !error->error.isEmpty()); }));
        if (!error || !error->found)
            return {};
        EXPECT_EQ(error->title, "Dutywise");
        EXPECT_EQ(error->buttons, QStringList{"OK"});
        return error->text;
    }

    // The document's paragraphs that carry text, as a reader of the PDF should find them.
    QStringList DocumentLines() {
        QStringList lines;
        for (const auto& p : w.Document().Paragraphs())
            if (!p.Text().empty())
                lines << QString::fromStdString(p.Text());
        return lines;
    }

    WizardWindow w;
};

TEST_F(PdfSave, PdfFilterWritesTheWholeRosterTitledForThePatrolWithEmbeddedFonts) {
    REQUIRE_PDF_TOOLS();
    Build({"Ann", "Ben", "Cy", "Dee", "Eve", "Finn"}, "Eagle", false);
    TempDir dir;
    EXPECT_EQ(Save(QString::fromStdString(dir / "roster"), kPdf), "");
    const QString pdf = QString::fromStdString(dir / "roster.pdf");
    ASSERT_TRUE(QFile::exists(pdf));

    const auto info = pdfcheck::Info(pdf);
    EXPECT_EQ(info.value("Title"), "Eagle's Roster");
    EXPECT_EQ(info.value("Creator"), "Dutywise 4.1");
    EXPECT_EQ(info.value("Pages"), "1");
    // The paper of the test queue, or of the C.UTF-8 locale without one: A4, 210 x 297 mm.
    EXPECT_EQ(info.value("Page size"), "595 x 842 pts (A4)");

    const auto fonts = pdfcheck::Fonts(pdf);
    EXPECT_FALSE(fonts.empty());
    for (const auto& font : fonts)
        EXPECT_TRUE(font.embedded) << font.name.toStdString();
    EXPECT_EQ(pdfcheck::TextLines(pdf), DocumentLines());

    // The same document under the other two choices is Rich Text, byte for byte as it always
    // was, unless the name ends in ".pdf".
    const std::string rtf = dutywise::WriteRichText(w.Document().Paragraphs());
    EXPECT_EQ(Save(QString::fromStdString(dir / "roster"), kRichText), "");
    EXPECT_EQ(ReadFileBytes(dir / "roster.rtf"), rtf);
    EXPECT_EQ(Save(QString::fromStdString(dir / "other.doc"), kAllFiles), "");
    EXPECT_EQ(ReadFileBytes(dir / "other.doc"), rtf);
    EXPECT_EQ(Save(QString::fromStdString(dir / "other.pdf"), kAllFiles), "");
    EXPECT_EQ(ReadFileBytes(dir / "other.pdf").rfind("%PDF-", 0), 0u);

    // Fault: the spreadsheet written from no roster, or from another than the crews on show.
    ASSERT_TRUE(w.shownRoster());
    EXPECT_EQ(Save(QString::fromStdString(dir / "roster"), "Spreadsheet (*.csv)"), "");
    EXPECT_EQ(ReadFileBytes(dir / "roster.csv"),
              dutywise::WriteRosterCsv(*w.shownRoster(), w.Words()));
}

// Whether some installed font has a glyph for every character of the text.
bool SomeFontDraws(const QString& text) {
    for (const QString& family : QFontDatabase::families()) {
        const QRawFont raw = QRawFont::fromFont(QFont(family));
        bool all = raw.isValid();
        for (const char32_t c : text.toUcs4())
            all = all && (c == ' ' || raw.supportsCharacter(c));
        if (all)
            return true;
    }
    return false;
}

// Accents, other scripts, emoji and a character no font has: the PDF is made whatever the
// names hold, and every name a font can draw comes back as text.
TEST_F(PdfSave, UnicodeNamesComeBackFromThePdfWhereAFontHasThem) {
    REQUIRE_PDF_TOOLS();
    const QStringList people{QString::fromUtf8("Zo\u00eb"),
                             QString::fromUtf8("\u0141ukasz \u017b\u00f3\u0142w"),
                             QString::fromUtf8("\u738b\u5c0f\u660e"),
                             QString::fromUtf8("\u0391\u03b8\u03b7\u03bd\u03ac"),
                             QString::fromUtf8("\U0001F642 Smile"),
                             QString::fromUcs4(U"\U0010FFFD Nobody")};
    Build(people, QString::fromUtf8("Cr\u00e8me"), false);
    TempDir dir;
    EXPECT_EQ(Save(QString::fromStdString(dir / "unicode"), kPdf), "");
    const QString pdf = QString::fromStdString(dir / "unicode.pdf");
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(pdfcheck::Info(pdf).value("Title"), QString::fromUtf8("Cr\u00e8me's Roster"));
    EXPECT_EQ(pdfcheck::Pages(pdf), 1);
    for (const auto& font : pdfcheck::Fonts(pdf))
        EXPECT_TRUE(font.embedded) << font.name.toStdString();

    const QString text = pdfcheck::TextLines(pdf).join('\n');
    int drawable = 0;
    for (const QString& person : people) {
        if (!SomeFontDraws(person))
            continue; // comes out as missing-glyph boxes
        ++drawable;
        // A person the draw never picked is on no line.
        const bool onRoster = DocumentLines().join('\n').contains(person);
        EXPECT_EQ(text.contains(person), onRoster) << person.toStdString() << " in:\n"
                                                   << text.toStdString();
    }
    EXPECT_GE(drawable, 3); // the Latin and Greek names at least
    // Every line made only of characters a font has comes back whole.
    for (const QString& line : DocumentLines()) {
        if (SomeFontDraws(line)) {
            EXPECT_TRUE(text.contains(line)) << line.toStdString();
        }
    }
}

// The failures of the Rich Text save, under both file types: the error box names the file and
// gives the system's reason, and whatever was there is left byte for byte. Root writes into a
// read-only folder, so as root the test runs itself again without that privilege.
TEST_F(PdfSave, FailuresNameTheFileAndLeaveWhatWasThere) {
    TempDir dir;
    const std::string locked = dir / "locked";
    ASSERT_EQ(mkdir(locked.c_str(), 0755), 0);
    WriteFileBytes(locked + "/roster.pdf", "old pdf");
    WriteFileBytes(locked + "/roster.rtf", "old rtf");
    // Read-only too: a writable file in a read-only folder is written in place, not refused.
    ASSERT_EQ(chmod((locked + "/roster.pdf").c_str(), 0444), 0);
    ASSERT_EQ(chmod((locked + "/roster.rtf").c_str(), 0444), 0);
    ASSERT_EQ(chmod(locked.c_str(), 0555), 0);
    // Opened again at the end, or the unprivileged run could not remove what it made.
    struct Reopen {
        std::string folder;
        ~Reopen() { chmod(folder.c_str(), 0755); }
    } reopen{locked};
    if (access(locked.c_str(), W_OK) == 0) {
        if (qEnvironmentVariableIsSet("DUTYWISE_UNPRIVILEGED_RUN"))
            FAIL() << "still writes into a read-only folder without dac_override";
        if (QStandardPaths::findExecutable("setpriv").isEmpty()) {
            if (qgetenv("CI") == "true")
                FAIL() << "setpriv is not installed (package util-linux)";
            GTEST_SKIP() << "running as root and no setpriv to drop dac_override";
        }
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DUTYWISE_UNPRIVILEGED_RUN", "1");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        child.start("setpriv",
                    {"--bounding-set=-dac_override,-dac_read_search",
                     QCoreApplication::applicationFilePath(),
                     QString("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
        ASSERT_TRUE(child.waitForFinished(120000));
        const QString out = QString::fromUtf8(child.readAll());
        EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
        EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
        return;
    }

    ASSERT_EQ(mkdir((dir / "roster.pdf").c_str(), 0755), 0); // a folder where the file would go
    ASSERT_EQ(mkdir((dir / "roster.rtf").c_str(), 0755), 0);
    struct Case {
        std::string path; // as typed, without extension
        int error;
    };
    const std::vector<Case> cases = {
        {locked + "/roster", EACCES}, // the old file in it must survive
        {locked + "/new", EACCES},    // no new file in a read-only folder
        {dir / "nowhere/roster", ENOENT},
    };
    for (const QString& filter : {kPdf, kRichText}) {
        const std::string extension = filter == kPdf ? ".pdf" : ".rtf";
        for (const Case& c : cases) {
            const std::string file = c.path + extension;
            const QString message = Save(QString::fromStdString(c.path), filter);
            const QString reason = QString::fromLocal8Bit(std::strerror(c.error));
            EXPECT_TRUE(message.contains("\"" + QString::fromStdString(file) + "\""))
                << file << ": " << message.toStdString();
            EXPECT_TRUE(message.endsWith(reason)) << file << ": " << message.toStdString();
        }
        EXPECT_EQ(ReadFileBytes(locked + "/roster" + extension),
                  filter == kPdf ? "old pdf" : "old rtf");

        // A folder under the name: the dialog opens it rather than taking it, so nothing can be
        // written over it; the user then cancels.
        QString opened;
        auto intoFolder = SaveAs(
            QString::fromStdString(dir / "roster"), nullptr,
            [&opened](QWidget* d) {
                QPointer<QFileDialog> fd = static_cast<QFileDialog*>(d);
                QTimer::singleShot(100, fd, [fd, &opened] {
                    opened = fd->directory().absolutePath();
                    fd->reject();
                });
            },
            filter);
        Click(w, "saveButton");
        ASSERT_TRUE(intoFolder->found) << intoFolder->error.toStdString();
        EXPECT_EQ(opened, QString::fromStdString(dir / ("roster" + extension)));
        EXPECT_TRUE(std::filesystem::is_empty(dir / ("roster" + extension)));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(locked), {}), 2);
    EXPECT_FALSE(std::filesystem::exists(dir / "nowhere"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

// A name no earlier run has printed under, so that its printout can be told apart.
QString UniquePatrol(const char* stem) {
    return QString("%1%2x%3")
        .arg(stem)
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch() % 1000000);
}

// The page averaged over square blocks of `block` pixels.
QImage Blocks(const QImage& page, int block) {
    QImage out(page.width() / block, page.height() / block, QImage::Format_Grayscale8);
    for (int by = 0; by < out.height(); ++by)
        for (int bx = 0; bx < out.width(); ++bx) {
            int sum = 0;
            for (int y = 0; y < block; ++y)
                for (int x = 0; x < block; ++x)
                    sum += page.constScanLine(by * block + y)[bx * block + x];
            out.scanLine(by)[bx] = static_cast<uchar>(sum / (block * block));
        }
    return out;
}

// Share of the blocks whose grey differs by more than `level`.
double DifferingShare(const QImage& a, const QImage& b, int block, int level) {
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    const QImage ba = Blocks(a, block), bb = Blocks(b, block);
    qint64 differing = 0;
    for (int y = 0; y < ba.height(); ++y)
        for (int x = 0; x < ba.width(); ++x)
            differing +=
                std::abs(int(ba.constScanLine(y)[x]) - int(bb.constScanLine(y)[x])) > level;
    return double(differing) / (double(ba.width()) * ba.height());
}

int DarkPixels(const QImage& page) {
    int dark = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            dark += page.constScanLine(y)[x] < 128 ? 1 : 0;
    return dark;
}

// A week's roster restyled large runs over three pages; printed and saved as PDF, it gives the
// same three pages with every line once, and the pages look the same.
TEST_F(PdfSave, ThreePageRosterPrintsAndSavesOnTheSamePages) {
    REQUIRE_PDF_TOOLS();
    REQUIRE_PRINT_SYSTEM();
    const QString patrol = UniquePatrol("Hawk");
    Build({"Ann", "Ben", "Cy", "Dee", "Eve", "Finn"}, patrol, true);
    // The whole roster at 16 points, as the size box sets it.
    auto* editor = Find<QTextEdit>(w, "rosterEditor");
    editor->setFocus();
    editor->selectAll();
    auto* size = Find<FlatSpinEdit>(w, "sizeBox");
    size->lineEdit()->setFocus();
    size->lineEdit()->selectAll();
    QTest::keyClicks(size->lineEdit(), "16");
    ASSERT_EQ(w.Document().Paragraphs().front().runs.front().style.sizeTwentieths, 16 * 20);

    TempDir dir;
    EXPECT_EQ(Save(QString::fromStdString(dir / "week"), kPdf), "");
    const QString saved = QString::fromStdString(dir / "week.pdf");
    EXPECT_EQ(pdfcheck::Pages(saved), 3);
    EXPECT_EQ(pdfcheck::TextLines(saved), DocumentLines()); // none lost at a break
    // A line drawn twice, cut off at the bottom of one page and whole at the top of the next,
    // lies beyond the paper here, where no text reader looks. Laid out again inside margins
    // wide enough to hold it, every line is found once.
    {
        QTemporaryDir wide;
        const QString path = wide.filePath("wide.pdf");
        QPdfWriter writer(path);
        writer.setResolution(1200);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(30, 30, 30, 30), QPageLayout::Millimeter));
        QPainter painter(&writer);
        ASSERT_TRUE(dutywise::PaintRosterPages(painter, writer, w.Document().Paragraphs()));
        ASSERT_TRUE(painter.end());
        EXPECT_EQ(pdfcheck::TextLines(path).join('\n').toStdString(),
                  DocumentLines().join('\n').toStdString());
    }

    const QDateTime start = QDateTime::currentDateTime();
    Click(w, "printButton");
    ASSERT_EQ(QApplication::activeModalWidget(), nullptr); // no message: it printed
    const QString title = patrol + "'s Roster";
    auto jobs = printcheck::WaitForFinishedJobs(title, 1);
    ASSERT_EQ(jobs.size(), 1u) << printcheck::SchedulerLog().toStdString();
    ASSERT_EQ(jobs[0].state, "completed") << printcheck::SchedulerLog().toStdString();
    const QStringList printed = printcheck::PdfsOfJob(jobs[0].id, start);
    ASSERT_EQ(printed.size(), 1) << printed.join(", ").toStdString();
    EXPECT_EQ(printcheck::PdfPages(printed[0]), 3);

    // The print path goes through Ghostscript, which draws the glyphs with slightly different
    // shapes and spacing, so single pixels differ (2.5 % of them). Averaged over blocks of 4 x 4
    // pixels at 50 dpi (2 mm squares), the pages agree to within 0.01 % of the blocks, while a
    // page whose lines sit one text line lower differs in 3 to 4 %: 0.5 % tells the two apart.
    for (int page = 1; page <= 3; ++page) {
        const QImage a = pdfcheck::Page(saved, page, 50);
        const QImage b = pdfcheck::Page(printed[0], page, 50);
        EXPECT_GT(DarkPixels(a), 100) << "page " << page;
        const double share = DifferingShare(a, b, 4, 64);
        EXPECT_LT(share, 0.005) << "page " << page << ": " << share;
    }
    if (!qEnvironmentVariableIsSet("KEEP_PRINTED_PDFS"))
        QFile::remove(printed[0]);
}

} // namespace
