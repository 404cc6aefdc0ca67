#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "Abiword.h"
#include "DocumentTools.h"
#include "MemoryDocument.h"
#include "RichText.h"

using namespace dutywise;
using dutywise::testing::ReadFileBytes;
using dutywise::testing::TempDir;
using dutywise::testing::WriteFileBytes;
namespace fs = std::filesystem;

namespace {

// The save dialog, pre-answered.
class ScriptedTarget : public SaveTarget {
public:
    explicit ScriptedTarget(std::optional<std::string> answer,
                            SaveFormat format = SaveFormat::RichText)
        : answer_(std::move(answer)), format_(format) {}
    std::optional<SaveChoice> AskFileName() override {
        ++asked;
        if (!answer_)
            return std::nullopt;
        return SaveChoice{*answer_, format_};
    }
    int asked = 0;

private:
    std::optional<std::string> answer_;
    SaveFormat format_;
};

// Stands in for the Qt PDF writer, which the engine cannot reach; the real one is tested with
// the wizard. Records what it was asked and answers with fixed bytes or a failure.
class ScriptedPdf : public PdfService {
public:
    std::optional<std::string> MakePdf(const std::vector<Paragraph>& paragraphs,
                                       const std::string& title, std::string& bytes) override {
        asked.emplace_back(paragraphs, title);
        if (failure) {
            bytes = "%PDF-1.4 half a docu"; // what a failing writer may leave behind
            return failure;
        }
        bytes = "%PDF-1.4 the whole roster %%EOF";
        return std::nullopt;
    }
    std::vector<std::pair<std::vector<Paragraph>, std::string>> asked;
    std::optional<std::string> failure;
};

class Save : public ::testing::Test {
protected:
    Save() {
        doc.AppendParagraph("Falcons's Roster");
        doc.AppendParagraph("Zo\xC3\xAB {cooks}");
    }
    SaveResult SaveTo(std::optional<std::string> name, SaveFormat format = SaveFormat::RichText) {
        ScriptedTarget target(std::move(name), format);
        SaveResult r = SaveAsRichText(doc, "Falcons", target, pdf);
        EXPECT_EQ(target.asked, 1);
        return r;
    }
    std::vector<std::string> Listing(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string Rtf() const { return WriteRichText(doc.Paragraphs()); }

    // The failure names the file, quoted, and ends with the system's reason.
    void ExpectFailure(const SaveResult& r, const std::string& path, int error) const {
        EXPECT_EQ(r.status, SaveResult::Status::Failed);
        EXPECT_EQ(r.path, path);
        EXPECT_NE(r.message.find("\"" + path + "\""), std::string::npos) << r.message;
        const std::string reason = std::strerror(error);
        EXPECT_TRUE(r.message.size() > reason.size() &&
                    r.message.compare(r.message.size() - reason.size(), reason.size(), reason) == 0)
            << r.message << " should end with " << reason;
    }

    MemoryDocument doc;
    ScriptedPdf pdf;
    TempDir dir;
};

} // namespace

TEST_F(Save, CancelWritesNothing) {
    const SaveResult r = SaveTo(std::nullopt);
    EXPECT_EQ(r.status, SaveResult::Status::Cancelled);
    EXPECT_TRUE(Listing(dir.path()).empty());
}

TEST_F(Save, NameWithoutExtensionGetsRtf) {
    EXPECT_EQ(SaveTo(dir / "roster").path, dir / "roster.rtf");
    EXPECT_EQ(ReadFileBytes(dir / "roster.rtf"), Rtf());
    EXPECT_EQ(SaveTo(dir / "dotted.").path, dir / "dotted.rtf");
    // A dot in a folder's name or at the start of the file's name is not an extension.
    fs::create_directory(dir / "v1.2");
    EXPECT_EQ(SaveTo(dir / "v1.2/plan").path, dir / "v1.2/plan.rtf");
    EXPECT_EQ(SaveTo(dir / ".hidden").path, dir / ".hidden.rtf");
}

TEST_F(Save, OtherExtensionIsKeptAndStillRichText) {
    const SaveResult r = SaveTo(dir / "roster.doc");
    EXPECT_EQ(r.status, SaveResult::Status::Saved);
    EXPECT_EQ(r.path, dir / "roster.doc");
    EXPECT_EQ(ReadFileBytes(dir / "roster.doc"), Rtf());
    EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"roster.doc"})
        << "no temporary file left";
}

TEST_F(Save, ExistingFileIsReplacedKeepingItsPermissions) {
    WriteFileBytes(dir / "roster.rtf",
                   "old contents, longer than the new ones would ever be .......");
    ASSERT_EQ(chmod((dir / "roster.rtf").c_str(), 0640), 0);
    EXPECT_EQ(SaveTo(dir / "roster.rtf").status, SaveResult::Status::Saved);
    EXPECT_EQ(ReadFileBytes(dir / "roster.rtf"), Rtf());
    struct stat st {};
    ASSERT_EQ(stat((dir / "roster.rtf").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"roster.rtf"});
}

TEST_F(Save, SymbolicLinkIsFollowedNotReplaced) {
    WriteFileBytes(dir / "real.rtf", "old");
    fs::create_symlink(dir / "real.rtf", dir / "link.rtf");
    EXPECT_EQ(SaveTo(dir / "link.rtf").status, SaveResult::Status::Saved);
    EXPECT_TRUE(fs::is_symlink(dir / "link.rtf"));
    EXPECT_EQ(ReadFileBytes(dir / "real.rtf"), Rtf());
}

TEST_F(Save, TargetThatIsAFolderFailsAndLeavesItAlone) {
    fs::create_directory(dir / "roster.rtf");
    WriteFileBytes(dir / "roster.rtf/inside", "kept");
    ExpectFailure(SaveTo(dir / "roster.rtf"), dir / "roster.rtf", EISDIR);
    EXPECT_EQ(ReadFileBytes(dir / "roster.rtf/inside"), "kept");
    EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"roster.rtf"});
}

TEST_F(Save, MissingFolderFails) {
    ExpectFailure(SaveTo(dir / "nowhere/roster.rtf"), dir / "nowhere/roster.rtf", ENOENT);
    EXPECT_TRUE(Listing(dir.path()).empty());
}

TEST_F(Save, FolderThatIsAFileFailsAndKeepsThatFile) {
    WriteFileBytes(dir / "notes", "a file, not a folder");
    ExpectFailure(SaveTo(dir / "notes/roster.rtf"), dir / "notes/roster.rtf", ENOTDIR);
    EXPECT_EQ(ReadFileBytes(dir / "notes"), "a file, not a folder");
    EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"notes"});
}

TEST_F(Save, ReadOnlyFolderFailsAndKeepsTheOldFile) {
    const fs::path folder = dir.path() / "locked";
    fs::create_directory(folder);
    WriteFileBytes((folder / "roster.rtf").string(), "old roster");
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
    if (access(folder.c_str(), W_OK) == 0) {
        // Root writes anywhere chmod allows nothing; sysfs refuses even root a new file.
        if (!fs::is_directory("/sys/kernel"))
            GTEST_SKIP() << "running as root and no sysfs: no folder that refuses a new file";
        ExpectFailure(SaveTo("/sys/roster.rtf"), "/sys/roster.rtf", EACCES);
        return;
    }
    ExpectFailure(SaveTo((folder / "roster.rtf").string()), (folder / "roster.rtf").string(),
                  EACCES);
    EXPECT_EQ(ReadFileBytes((folder / "roster.rtf").string()), "old roster");
    EXPECT_EQ(Listing(folder), std::vector<std::string>{"roster.rtf"});
}

// The file type chosen decides what is written and which extension a bare name gets; the name's
// own extension never does.
TEST_F(Save, FileTypeDecidesContentsAndDefaultExtension) {
    struct Case {
        std::string name;
        SaveFormat format;
        std::string written;
        bool pdfBytes;
    };
    const std::vector<Case> cases = {
        {"a", SaveFormat::RichText, "a.rtf", false},     {"b", SaveFormat::Pdf, "b.pdf", true},
        {"c.", SaveFormat::Pdf, "c.pdf", true},          {".d", SaveFormat::Pdf, ".d.pdf", true},
        {"e.pdf", SaveFormat::RichText, "e.pdf", false}, // Rich Text whatever the name says
        {"f.rtf", SaveFormat::Pdf, "f.rtf", true},       {"g.PDF", SaveFormat::Pdf, "g.PDF", true},
    };
    for (const Case& c : cases) {
        const SaveResult r = SaveTo(dir / c.name, c.format);
        EXPECT_EQ(r.status, SaveResult::Status::Saved) << c.name << ": " << r.message;
        EXPECT_EQ(r.path, dir / c.written) << c.name;
        EXPECT_EQ(ReadFileBytes(dir / c.written),
                  c.pdfBytes ? "%PDF-1.4 the whole roster %%EOF" : Rtf())
            << c.name;
    }
    // The PDF writer was asked only for the PDFs, each time for the whole document under the
    // print job's title.
    ASSERT_EQ(pdf.asked.size(), 5u);
    for (const auto& [paragraphs, title] : pdf.asked) {
        EXPECT_EQ(paragraphs, doc.Paragraphs());
        EXPECT_EQ(title, "Falcons's Roster");
    }
    EXPECT_EQ(WithDefaultExtension("/x/v1.2/plan", SaveFormat::Pdf), "/x/v1.2/plan.pdf");
    EXPECT_EQ(WithDefaultExtension("/x/plan"), "/x/plan.rtf");
}

// A writer that fails leaves neither its half-made bytes nor a temporary file, and the old file
// is kept byte for byte; the message names the file and gives the writer's reason.
TEST_F(Save, PdfWriterThatFailsWritesNothing) {
    WriteFileBytes(dir / "roster.pdf", "the old PDF");
    pdf.failure = "The PDF writer could not finish the document.";
    const SaveResult r = SaveTo(dir / "roster", SaveFormat::Pdf);
    EXPECT_EQ(r.status, SaveResult::Status::Failed);
    EXPECT_EQ(r.path, dir / "roster.pdf");
    EXPECT_EQ(r.message, "Cannot create file \"" + dir / "roster.pdf" +
                             "\". The PDF writer could not finish the document.");
    EXPECT_EQ(ReadFileBytes(dir / "roster.pdf"), "the old PDF");
    EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"roster.pdf"});
}

// The failures of the file system are the same whatever the file type.
TEST_F(Save, PdfIntoAFolderOrAMissingFolderFailsLikeRichText) {
    fs::create_directory(dir / "roster.pdf");
    ExpectFailure(SaveTo(dir / "roster.pdf", SaveFormat::Pdf), dir / "roster.pdf", EISDIR);
    ExpectFailure(SaveTo(dir / "nowhere/roster", SaveFormat::Pdf), dir / "nowhere/roster.pdf",
                  ENOENT);
    EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"roster.pdf"});
}

TEST(Print, TitleIsPatrolNameWithRosterAndTheWholeDocumentGoesInOneJob) {
    struct RecordingPrinter : PrintService {
        std::optional<std::string> Print(const std::vector<Paragraph>& p,
                                         const std::string& title) override {
            jobs.emplace_back(p, title);
            return error;
        }
        std::vector<std::pair<std::vector<Paragraph>, std::string>> jobs;
        std::optional<std::string> error;
    } printer;
    MemoryDocument doc;
    doc.AppendParagraphs({"one", "two"});
    doc.SetSelection(0, 2); // printing ignores the selection
    EXPECT_EQ(PrintRoster(doc, "Falcons", printer), std::nullopt);
    EXPECT_EQ(PrintRoster(doc, "", printer), std::nullopt);
    ASSERT_EQ(printer.jobs.size(), 2u);
    EXPECT_EQ(printer.jobs[0].second, "Falcons's Roster");
    EXPECT_EQ(printer.jobs[1].second, "'s Roster");
    EXPECT_EQ(printer.jobs[0].first, doc.Paragraphs());

    printer.error = "No default printer";
    EXPECT_EQ(PrintRoster(doc, "Falcons", printer), "No default printer");
}
