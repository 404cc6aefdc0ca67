#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>

#include "Abiword.h"
#include "AtomicFile.h"
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
        SaveResult r = SaveRoster(doc, "Falcons", target, pdf);
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
    void ExpectFailure(const SaveResult& r, const std::string& path,
                       const std::string& reason) const {
        EXPECT_EQ(r.status, SaveResult::Status::Failed);
        EXPECT_EQ(r.path, path);
        const std::string message = r.Message();
        EXPECT_NE(message.find("\"" + path + "\""), std::string::npos) << message;
        EXPECT_TRUE(message.size() > reason.size() &&
                    message.compare(message.size() - reason.size(), reason.size(), reason) == 0)
            << message << " should end with " << reason;
    }

    // Everything under a folder: each entry's name, kind, permission bits, and a file's bytes
    // or a link's destination.
    static std::vector<std::string> Snapshot(const fs::path& folder) {
        std::vector<std::string> lines;
        for (const auto& e : fs::recursive_directory_iterator(folder)) {
            struct stat st {};
            EXPECT_EQ(lstat(e.path().c_str(), &st), 0);
            std::string line = e.path().lexically_relative(folder).string() + " " +
                               std::to_string(st.st_mode) + " ";
            if (S_ISREG(st.st_mode))
                line += ReadFileBytes(e.path().string());
            else if (S_ISLNK(st.st_mode))
                line += fs::read_symlink(e.path()).string();
            lines.push_back(line);
        }
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    // Gives the folders under `folder` back their write bit, so that the fixture can remove them
    // also when the test runs without root's override.
    static void Unlock(const fs::path& folder) {
        chmod(folder.c_str(), 0755);
        for (const auto& e : fs::recursive_directory_iterator(folder))
            if (e.symlink_status().type() == fs::file_type::directory)
                chmod(e.path().c_str(), 0755);
    }

    MemoryDocument doc;
    ScriptedPdf pdf;
    TempDir dir;
};

// Root may write any file whatever its mode, and rename over any file in a sticky folder, so a
// permission case run as root proves nothing. True when this process is held to file modes like
// any other user.
bool HeldToFileModes() {
    TempDir probe;
    const std::string file = probe / "read-only";
    WriteFileBytes(file, "x");
    chmod(file.c_str(), 0444);
    const int fd = open(file.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return true;
    close(fd);
    return false;
}

// Runs the current test again in a child process of this executable that has lost root's
// power over file modes and owners (its capability bounding set drops it), and reports the
// child's result.
void RunCurrentTestHeldToFileModes() {
    // The child that still is not held to file modes must not start another child in turn.
    ASSERT_EQ(std::getenv("DUTYWISE_HELD_TO_FILE_MODES"), nullptr)
        << "setpriv did not take root's override away";
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string command = "DUTYWISE_HELD_TO_FILE_MODES=1 setpriv "
                                "--bounding-set=-dac_override,-dac_read_search,-fowner '" +
                                fs::read_symlink("/proc/self/exe").string() + "' --gtest_filter='" +
                                info->test_suite_name() + "." + info->name() + "' 2>&1";
    FILE* child = popen(command.c_str(), "r");
    ASSERT_NE(child, nullptr);
    std::string output;
    char buffer[4096];
    while (const std::size_t n = fread(buffer, 1, sizeof buffer, child))
        output.append(buffer, n);
    const int status = pclose(child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
                output.find("[  PASSED  ] 1 test") != std::string::npos)
        << "the test held to file modes failed:\n"
        << output;
}

// First line of a test about permissions: as root, the test runs in a child instead.
#define DUTYWISE_HELD_TO_FILE_MODES()                                                              \
    do {                                                                                           \
        if (!HeldToFileModes()) {                                                                  \
            RunCurrentTestHeldToFileModes();                                                       \
            return;                                                                                \
        }                                                                                          \
    } while (0)

// The user that test files are given to when they must belong to someone else.
constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;

// Runs `save` in a child process that has lost the given capabilities (nothing to lose for a
// user without them) and tells whether it returned true.
bool TrueInChildWithout(std::initializer_list<int> capabilities,
                        const std::function<bool()>& save) {
    const pid_t child = fork();
    if (child == 0) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2]{};
        if (syscall(SYS_capget, &header, data) != 0)
            _exit(3);
        for (const int cap : capabilities) {
            data[cap / 32].effective &= ~(1u << (cap % 32));
            data[cap / 32].permitted &= ~(1u << (cap % 32));
        }
        if (syscall(SYS_capset, &header, data) != 0)
            _exit(3);
        _exit(save() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// Sets a file's modification time an hour back: old enough for the sweep of leftovers.
void AgeByAnHour(int folder, const std::string& name) {
    const timespec hourAgo{time(nullptr) - 3600, 0};
    const timespec times[2] = {hourAgo, hourAgo};
    EXPECT_EQ(utimensat(folder, name.c_str(), times, 0), 0);
}

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

TEST_F(Save, SymbolicLinksAreFollowedNotReplaced) {
    // A link to an existing file, a dangling one, a relative one and a chain of two: each save
    // writes the file at the end of the chain and every link stays a link.
    WriteFileBytes(dir / "real.rtf", "old");
    fs::create_symlink(dir / "real.rtf", dir / "link.rtf");
    fs::create_directory(dir / "sub");
    fs::create_symlink(dir / "absent.rtf", dir / "dangling.rtf");
    fs::create_symlink("sub/relative.rtf", dir / "relative.rtf");
    fs::create_symlink("dangling.rtf", dir / "chain.rtf");
    for (const char* link : {"link.rtf", "dangling.rtf", "relative.rtf", "chain.rtf"}) {
        SCOPED_TRACE(link);
        EXPECT_EQ(SaveTo(dir / link).status, SaveResult::Status::Saved);
        EXPECT_TRUE(fs::is_symlink(dir / link));
        EXPECT_EQ(ReadFileBytes(dir / link), Rtf());
    }
    EXPECT_EQ(ReadFileBytes(dir / "real.rtf"), Rtf());
    EXPECT_EQ(ReadFileBytes(dir / "absent.rtf"), Rtf());
    EXPECT_EQ(ReadFileBytes(dir / "sub/relative.rtf"), Rtf());
    EXPECT_EQ(Listing(dir.path()),
              (std::vector<std::string>{"absent.rtf", "chain.rtf", "dangling.rtf", "link.rtf",
                                        "real.rtf", "relative.rtf", "sub"}));
}

// Every way a save can be refused. Each case builds its scene in a folder of its own; the save
// must fail with the file's name and the reason, and leave that folder exactly as it was:
// names, kinds, modes and bytes (so no temporary file is left either).
TEST_F(Save, RefusalsLeaveEverythingAsItWas) {
    DUTYWISE_HELD_TO_FILE_MODES();
    struct Case {
        const char* name;
        std::function<std::string(const fs::path& folder)> scene; // returns the name to save to
        std::string reason;
    };
    const std::string denied = std::strerror(EACCES);
    const std::string notRegular = "Not a regular file";
    const auto file = [](const fs::path& path, const char* bytes, unsigned mode) {
        WriteFileBytes(path.string(), bytes);
        EXPECT_EQ(chmod(path.c_str(), mode), 0);
    };
    // A link that another user put in a shared sticky folder, to `destination` (relative to the
    // case's folder), reached through `via` when that is not empty: an empty name when files
    // cannot be given to another user here.
    const auto planted = [&](const fs::path& f, const char* destination, const char* via) {
        file(f / "victim.rtf", "private", 0644);
        fs::create_directory(f / "shared");
        EXPECT_EQ(chmod((f / "shared").c_str(), 01777), 0);
        fs::create_symlink(fs::path("..") / destination, f / "shared/roster.rtf");
        if (lchown((f / "shared/roster.rtf").c_str(), kNobody, kNogroup) != 0)
            return std::string();
        if (*via == 0)
            return (f / "shared/roster.rtf").string();
        fs::create_symlink("shared/roster.rtf", f / via);
        return (f / via).string();
    };
    // A file that another user put in a sticky folder of this user's, shared by `mode`.
    const auto plantedFile = [&](const fs::path& f, unsigned mode) {
        fs::create_directory(f / "shared");
        file(f / "shared/roster.rtf", "planted", 0666);
        EXPECT_EQ(chmod((f / "shared").c_str(), mode), 0);
        if (chown((f / "shared/roster.rtf").c_str(), kNobody, kNogroup) != 0)
            return std::string();
        return (f / "shared/roster.rtf").string();
    };
    const Case cases[] = {
        {"another user's file in a sticky folder everyone may write",
         [&](const fs::path& f) { return plantedFile(f, 01777); }, denied},
        {"another user's file in a sticky folder a group may write",
         [&](const fs::path& f) { return plantedFile(f, 01770); }, denied},
        {"another user's link in a shared sticky folder",
         [&](const fs::path& f) { return planted(f, "victim.rtf", ""); }, denied},
        {"another user's dangling link in a shared sticky folder",
         [&](const fs::path& f) { return planted(f, "created.rtf", ""); }, denied},
        {"own link to another user's link in a shared sticky folder",
         [&](const fs::path& f) { return planted(f, "victim.rtf", "mine.rtf"); }, denied},
        {"read-only file",
         [&](const fs::path& f) {
             file(f / "roster.rtf", "old roster", 0444);
             return (f / "roster.rtf").string();
         },
         denied},
        {"read-only file through a link",
         [&](const fs::path& f) {
             file(f / "roster.rtf", "old roster", 0444);
             fs::create_symlink("roster.rtf", f / "link.rtf");
             return (f / "link.rtf").string();
         },
         denied},
        {"new file in a read-only folder",
         [&](const fs::path& f) {
             fs::create_directory(f / "locked");
             file(f / "locked/other.rtf", "someone else's", 0644);
             EXPECT_EQ(chmod((f / "locked").c_str(), 0555), 0);
             return (f / "locked/roster.rtf").string();
         },
         denied},
        {"read-only file in a read-only folder",
         [&](const fs::path& f) {
             fs::create_directory(f / "locked");
             file(f / "locked/roster.rtf", "old roster", 0444);
             EXPECT_EQ(chmod((f / "locked").c_str(), 0555), 0);
             return (f / "locked/roster.rtf").string();
         },
         denied},
        {"folder",
         [&](const fs::path& f) {
             fs::create_directory(f / "roster.rtf");
             file(f / "roster.rtf/inside", "kept", 0644);
             return (f / "roster.rtf").string();
         },
         std::strerror(EISDIR)},
        {"link to a folder",
         [&](const fs::path& f) {
             fs::create_directory(f / "folder");
             fs::create_directory_symlink("folder", f / "roster.rtf");
             return (f / "roster.rtf").string();
         },
         std::strerror(EISDIR)},
        {"missing folder", [&](const fs::path& f) { return (f / "nowhere/roster.rtf").string(); },
         std::strerror(ENOENT)},
        {"dangling link into a missing folder",
         [&](const fs::path& f) {
             fs::create_symlink("nowhere/roster.rtf", f / "link.rtf");
             return (f / "link.rtf").string();
         },
         std::strerror(ENOENT)},
        {"folder that is a file",
         [&](const fs::path& f) {
             file(f / "notes", "a file, not a folder", 0644);
             return (f / "notes/roster.rtf").string();
         },
         std::strerror(ENOTDIR)},
        {"links in a loop",
         [&](const fs::path& f) {
             fs::create_symlink("b.rtf", f / "a.rtf");
             fs::create_symlink("a.rtf", f / "b.rtf");
             return (f / "a.rtf").string();
         },
         std::strerror(ELOOP)},
        // Opening a pipe for writing would wait for a reader: the save must not even try.
        {"pipe",
         [&](const fs::path& f) {
             EXPECT_EQ(mkfifo((f / "roster.rtf").c_str(), 0644), 0);
             return (f / "roster.rtf").string();
         },
         notRegular},
        {"socket",
         [&](const fs::path& f) {
             const int s = socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             const std::string name = (f / "roster.rtf").string();
             EXPECT_LT(name.size(), sizeof address.sun_path);
             std::strncpy(address.sun_path, name.c_str(), sizeof address.sun_path - 1);
             EXPECT_EQ(bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
             close(s); // the socket's name stays in the folder
             return name;
         },
         notRegular},
        {"device",
         [&](const fs::path& f) {
             // The null device's numbers, as a node of this folder's own.
             if (mknod((f / "roster.rtf").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                 return std::string(); // not allowed to make device nodes here
             return (f / "roster.rtf").string();
         },
         notRegular},
    };
    int index = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path folder = dir.path() / ("case" + std::to_string(index++));
        fs::create_directory(folder);
        const std::string target = c.scene(folder);
        if (target.empty()) {
            std::cout << "[ NOTE ] case \"" << c.name << "\" cannot be set up here\n";
            continue;
        }
        const std::vector<std::string> before = Snapshot(folder);
        ExpectFailure(SaveTo(target), target, c.reason);
        EXPECT_EQ(Snapshot(folder), before);
        Unlock(folder);
    }
}

// Folders where this user may change the roster but not put a new file in its place: the save
// rewrites the same file rather than fail.
TEST_F(Save, WritableFileInAFolderThatRefusesNewFilesIsWrittenInPlace) {
    DUTYWISE_HELD_TO_FILE_MODES();
    const uid_t other = 65534; // nobody
    const struct {
        const char* name;
        unsigned folderMode;
        bool othersFolderAndFile; // a sticky folder: only a file's owner may rename over it
    } scenes[] = {{"read-only folder", 0555, false}, {"sticky folder", 01777, true}};
    for (const auto& scene : scenes) {
        SCOPED_TRACE(scene.name);
        const fs::path folder = dir.path() / scene.name;
        fs::create_directory(folder);
        const std::string roster = (folder / "roster.rtf").string();
        WriteFileBytes(roster, std::string(600, 'o')); // longer than the new roster
        ASSERT_EQ(chmod(roster.c_str(), 0666), 0);
        ASSERT_EQ(chmod(folder.c_str(), scene.folderMode), 0);
        // Whatever happens below, both go back to this user, so that the fixture can remove them.
        const std::shared_ptr<void> giveBack(nullptr, [&](void*) {
            (void)chown(roster.c_str(), getuid(), getgid());
            (void)chown(folder.c_str(), getuid(), getgid());
            Unlock(folder);
        });
        if (scene.othersFolderAndFile && (chown(roster.c_str(), other, other) != 0 ||
                                          chown(folder.c_str(), other, other) != 0)) {
            std::cout << "[ NOTE ] cannot give files to another user here\n";
            continue;
        }
        struct stat old {};
        ASSERT_EQ(stat(roster.c_str(), &old), 0);

        EXPECT_EQ(SaveTo(roster).status, SaveResult::Status::Saved);
        EXPECT_EQ(ReadFileBytes(roster), Rtf());
        struct stat now {};
        ASSERT_EQ(stat(roster.c_str(), &now), 0);
        EXPECT_EQ(now.st_ino, old.st_ino) << "the same file, not a new one";
        EXPECT_EQ(now.st_uid, old.st_uid);
        EXPECT_EQ(now.st_mode & 07777, 0666u);
        EXPECT_EQ(Listing(folder), std::vector<std::string>{"roster.rtf"});
    }
}

TEST_F(Save, LeftoverTemporaryFilesOfDeadSavesAreRemoved) {
    const pid_t dead = fork();
    ASSERT_GE(dead, 0);
    if (dead == 0)
        _exit(0);
    ASSERT_EQ(waitpid(dead, nullptr, 0), dead);
    // A live process of another user, which the saving process below may not signal: where
    // this test can start one (as root, which then gives up its power to signal anyone).
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t otherUser = geteuid() == 0 ? fork() : 0;
    ASSERT_GE(otherUser, 0);
    if (otherUser == 0 && geteuid() == 0) {
        if (setgid(kNogroup) == 0 && setuid(kNobody) == 0)
            (void)!write(ready[1], "x", 1);
        pause();
        _exit(0);
    }
    close(ready[1]);
    const std::shared_ptr<void> stop(nullptr, [&](void*) {
        if (otherUser > 0) {
            kill(otherUser, SIGKILL);
            waitpid(otherUser, nullptr, 0);
        }
    });
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), otherUser > 0 ? 1 : 0);
    close(ready[0]);

    const std::string gone = std::to_string(dead);
    const std::string live = std::to_string(getppid());
    const auto plant = [&](const std::string& name, bool old) {
        WriteFileBytes(dir / name, "half a roster");
        if (old)
            AgeByAnHour(AT_FDCWD, dir / name);
    };
    plant(".roster.rtf." + gone + "-123.tmp", true);
    plant(".roster.rtf." + gone + "-7.tmp", true);
    std::vector<std::string> kept = {
        ".other.rtf." + gone + "-123.tmp",       // another file's
        ".roster.rtf." + gone + "-1234567.tmp",  // not of the save's pattern
        ".roster.rtf." + gone + "-123.tmp.keep", // a look-alike
        ".roster.rtf." + gone + ".tmp",          // a look-alike
        ".roster.rtf." + gone + "-8.tmp",        // too fresh: a writer we cannot see
        ".roster.rtf." + live + "-456.tmp",      // its process is alive
        "roster.rtf." + gone + "-123.tmp",       // not hidden: the user's own
    };
    if (otherUser > 0) // alive, though signalling it is not allowed
        kept.push_back(".roster.rtf." + std::to_string(otherUser) + "-5.tmp");
    for (const std::string& name : kept)
        plant(name, name != ".roster.rtf." + gone + "-8.tmp");
    fs::create_directory(dir / (".roster.rtf." + gone + "-9.tmp")); // a folder is never removed

    const std::string roster = dir / "roster.rtf";
    const std::string bytes = Rtf();
    EXPECT_TRUE(TrueInChildWithout({CAP_KILL}, [&] {
        const bool cannotSignal = otherUser == 0 || (kill(otherUser, 0) != 0 && errno == EPERM);
        return cannotSignal && WriteFileAtomically(roster, bytes) == std::nullopt;
    }));
    std::vector<std::string> expected = kept;
    expected.push_back(".roster.rtf." + gone + "-9.tmp");
    expected.push_back("roster.rtf");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Listing(dir.path()), expected);
}

// Links in sticky folders are followed where the kernel's own protection of shared folders
// would follow them: links of this user, of the folder's owner, and in folders that are not
// both sticky and writable by everyone. (The refusals are rows of the table above.)
TEST_F(Save, LinksInStickyFoldersAreFollowedWhereTheKernelWould) {
    const struct {
        const char* name;
        unsigned folderMode;
        uid_t folderOwner, linkOwner;
    } scenes[] = {
        {"the folder owner's link", 01777, kNobody, kNobody},
        {"own link in another user's sticky folder", 01777, kNobody, getuid()},
        {"another user's link in a folder that is not sticky", 0777, getuid(), kNobody},
        {"another user's link in a sticky folder for a group", 01770, getuid(), kNobody},
    };
    int index = 0;
    for (const auto& scene : scenes) {
        SCOPED_TRACE(scene.name);
        const fs::path folder = dir.path() / ("case" + std::to_string(index++));
        fs::create_directories(folder / "shared");
        WriteFileBytes(folder / "real.rtf", "old");
        const fs::path link = folder / "shared/roster.rtf";
        fs::create_symlink("../real.rtf", link);
        ASSERT_EQ(chmod((folder / "shared").c_str(), scene.folderMode), 0);
        if (lchown(link.c_str(), scene.linkOwner, kNogroup) != 0 ||
            chown((folder / "shared").c_str(), scene.folderOwner, kNogroup) != 0) {
            std::cout << "[ NOTE ] cannot give files to another user here\n";
            return;
        }
        EXPECT_EQ(SaveTo(link).status, SaveResult::Status::Saved);
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(ReadFileBytes(folder / "real.rtf"), Rtf());
    }
}

// A file with a second name, or one whose owner or group this user cannot give a new file, is
// written in place: the same file under every name, still its owner's. Where the owner can be
// given, the new file is given it.
TEST_F(Save, SavingKeepsTheFilesIdentity) {
    const struct {
        const char* name;
        uid_t owner;
        gid_t group;
        bool secondName;
        std::initializer_list<int> dropped; // capabilities the saving process lacks
        bool sameFile;
    } scenes[] = {
        {"a second hard link", getuid(), getgid(), true, {}, true},
        {"another user's file", kNobody, getgid(), false, {CAP_CHOWN}, true},
        {"a group this user is not in", getuid(), kNogroup, false, {CAP_CHOWN}, true},
        {"another user's file, which root can give", kNobody, kNogroup, false, {}, false},
    };
    int index = 0;
    for (const auto& scene : scenes) {
        SCOPED_TRACE(scene.name);
        const fs::path folder = dir.path() / ("case" + std::to_string(index++));
        fs::create_directory(folder);
        const std::string roster = folder / "roster.rtf";
        WriteFileBytes(roster, std::string(600, 'o'));
        ASSERT_EQ(chmod(roster.c_str(), 0664), 0);
        if (scene.secondName) {
            ASSERT_EQ(link(roster.c_str(), (folder / "second.rtf").c_str()), 0);
        }
        const bool needsRoot = scene.owner != getuid() || scene.group != getgid();
        if (needsRoot && (geteuid() != 0 || chown(roster.c_str(), scene.owner, scene.group) != 0)) {
            std::cout << "[ NOTE ] cannot give files to another user here\n";
            continue;
        }
        struct stat old {};
        ASSERT_EQ(stat(roster.c_str(), &old), 0);

        const std::string bytes = Rtf();
        EXPECT_TRUE(TrueInChildWithout(
            scene.dropped, [&] { return WriteFileAtomically(roster, bytes) == std::nullopt; }));
        EXPECT_EQ(ReadFileBytes(roster), bytes);
        struct stat now {};
        ASSERT_EQ(stat(roster.c_str(), &now), 0);
        if (scene.sameFile) {
            EXPECT_EQ(now.st_ino, old.st_ino) << "the same file, not a new one";
        }
        EXPECT_EQ(now.st_uid, scene.owner);
        EXPECT_EQ(now.st_gid, scene.group);
        EXPECT_EQ(now.st_mode & 07777, 0664u);
        if (scene.secondName) {
            EXPECT_EQ(now.st_nlink, 2u);
            EXPECT_EQ(ReadFileBytes(folder / "second.rtf"), bytes);
        }
        EXPECT_EQ(Listing(folder).size(), scene.secondName ? 2u : 1u) << "no temporary file left";
    }
}

// A file that cannot grow to the new length is left exactly as it was, and the save says why:
// on a full disk (a small file system of this test's own, mounted where only its process sees
// it), and past the size this process may write, with SIGXFSZ left to its default action, which
// would end the program. Written in place, and through a temporary file, which is not left.
TEST_F(Save, SaveThatCannotGrowTheFileChangesNothing) {
    DUTYWISE_HELD_TO_FILE_MODES();
    enum Outcome { Kept = 0, Saved, Changed, OtherReason, CannotSetUp };
    const auto nothing = [](const fs::path&) { return true; };
    const auto limited = [](const fs::path&) {
        const rlimit small{1000, RLIM_INFINITY};
        return signal(SIGXFSZ, SIG_DFL) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &small) == 0;
    };
    const struct {
        const char* name;
        // In the saving process, before and after the roster is written.
        std::function<bool(const fs::path&folder)> before, after;
        int error;
        bool inPlace = true;
    } cases[] = {
        {"full disk",
         [](const fs::path& folder) {
             return unshare(CLONE_NEWNS) == 0 &&
                    mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                    mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") == 0;
         },
         [](const fs::path& folder) {
             const int filler = open((folder / "filler").c_str(), O_WRONLY | O_CREAT, 0644);
             const std::string block(4096, 'f');
             while (filler >= 0 && write(filler, block.data(), block.size()) > 0) {
             }
             close(filler);
             return filler >= 0;
         },
         ENOSPC},
        {"size limit of the process", nothing, limited, EFBIG},
        {"size limit of the process, through a temporary file", nothing, limited, EFBIG, false},
    };
    int index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path folder = dir.path() / ("case" + std::to_string(index++));
        fs::create_directory(folder);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (!c.before(folder))
                _exit(CannotSetUp);
            const std::string roster = folder / "roster.rtf";
            const std::string old(600, 'o');
            WriteFileBytes(roster, old);
            // New files refused: written in place.
            if (ReadFileBytes(roster) != old || !c.after(folder) ||
                (c.inPlace && chmod(folder.c_str(), 0555) != 0))
                _exit(CannotSetUp);
            const auto refusal = WriteFileAtomically(roster, std::string(20000, 'n'));
            const std::optional<std::string> failure =
                refusal ? std::optional(EnglishMessage(*refusal)) : std::nullopt;
            const std::string reason = std::strerror(c.error);
            if (!failure)
                _exit(Saved);
            std::size_t files = 0; // besides the full disk's filler
            for (const auto& e : fs::directory_iterator(folder))
                files += e.path().filename() != "filler";
            if (ReadFileBytes(roster) != old || files != 1)
                _exit(Changed);
            _exit(failure->size() > reason.size() &&
                          failure->compare(failure->size() - reason.size(), reason.size(),
                                           reason) == 0
                      ? Kept
                      : OtherReason);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << "the save was killed by signal " << WTERMSIG(status);
        Unlock(folder);
        if (WEXITSTATUS(status) == CannotSetUp) {
            std::cout << "[ NOTE ] case \"" << c.name << "\" cannot be set up here\n";
            continue;
        }
        EXPECT_EQ(WEXITSTATUS(status), Kept)
            << "1: saved, 2: the file changed or a temporary file was left, 3: another reason";
    }
}

// A write failing part-way leaves the old file whole through a temporary file, which goes; in
// place (a second name) the new bytes up to the failure and the old ones after, never emptied.
TEST_F(Save, WriteThatFailsPartWayNeverEmptiesTheFile) {
    for (const std::string second : {"", "second.rtf"}) {
        const fs::path folder = dir.path() / ("case" + second);
        fs::create_directory(folder);
        WriteFileBytes(folder / "roster.rtf", std::string(600, 'o'));
        if (!second.empty())
            fs::create_hard_link(folder / "roster.rtf", folder / second);
        FailWritesAtForTesting(100);
        const auto failure = WriteFileAtomically(folder / "roster.rtf", std::string(1000, 'n'));
        FailWritesAtForTesting(std::nullopt);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->error, EIO);
        const std::size_t written = second.empty() ? 0 : 100; // in place, up to the failure
        EXPECT_EQ(ReadFileBytes(folder / "roster.rtf"),
                  std::string(written, 'n') + std::string(600 - written, 'o'));
        EXPECT_EQ(Listing(folder).size(), second.empty() ? 1u : 2u) << "no temporary file left";
    }
}

// A target whose path is a few bytes short of the system's limit is saved although its
// temporary file's path would be longer, and a leftover there is still swept.
TEST_F(Save, PathNearTheSystemsLimitIsSaved) {
    // Folders down to a path of 4,049 bytes, then a name of 40: 4,090 bytes in all.
    fs::path folder = dir.path();
    for (std::size_t left = 4049 - folder.string().size(); left > 0;) {
        std::size_t n = std::min<std::size_t>(200, left - 1);
        if (left - 1 - n == 1)
            --n; // never leave room for just a slash
        folder /= std::string(n, 'd');
        ASSERT_TRUE(fs::create_directory(folder));
        left -= n + 1;
    }
    const std::string name = std::string(36, 'r') + ".rtf";
    const std::string target = (folder / name).string();
    ASSERT_EQ(target.size(), 4090u);

    const pid_t dead = fork();
    ASSERT_GE(dead, 0);
    if (dead == 0)
        _exit(0);
    ASSERT_EQ(waitpid(dead, nullptr, 0), dead);
    const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folderFd, 0);
    const std::string leftover = "." + name.substr(0, 200) + "." + std::to_string(dead) + "-3.tmp";
    const int planted = openat(folderFd, leftover.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(planted, 0);
    close(planted);
    AgeByAnHour(folderFd, leftover);
    close(folderFd);

    const SaveResult r = SaveTo(target);
    EXPECT_EQ(r.status, SaveResult::Status::Saved) << r.Message();
    EXPECT_EQ(ReadFileBytes(target), Rtf());
    EXPECT_EQ(Listing(folder), std::vector<std::string>{name});
}

// A name ending in .pdf or .rtf, in any case, decides what is written: "roster.pdf" typed under
// Rich Text must not be Rich Text that every PDF reader refuses. For any other name the file
// type chosen decides, and gives a bare name its extension.
TEST_F(Save, NamesOwnExtensionElseFileTypeDecidesContents) {
    struct Case {
        std::string name;
        SaveFormat format;
        std::string written;
        bool pdfBytes;
    };
    const std::vector<Case> cases = {
        {"a", SaveFormat::RichText, "a.rtf", false},     {"b", SaveFormat::Pdf, "b.pdf", true},
        {"c.", SaveFormat::Pdf, "c.pdf", true},          {".d", SaveFormat::Pdf, ".d.pdf", true},
        {"e.pdf", SaveFormat::RichText, "e.pdf", true},  {"f.rtf", SaveFormat::Pdf, "f.rtf", false},
        {"g.PDF", SaveFormat::RichText, "g.PDF", true},  {"h.doc", SaveFormat::Pdf, "h.doc", true},
        {"i.pdf.doc", SaveFormat::RichText, "i.pdf.doc", false},
    };
    for (const Case& c : cases) {
        const SaveResult r = SaveTo(dir / c.name, c.format);
        EXPECT_EQ(r.status, SaveResult::Status::Saved) << c.name << ": " << r.Message();
        EXPECT_EQ(r.path, dir / c.written) << c.name;
        EXPECT_EQ(ReadFileBytes(dir / c.written),
                  c.pdfBytes ? "%PDF-1.4 the whole roster %%EOF" : Rtf())
            << c.name;
    }
    // The PDF writer was asked only for the PDFs, each time for the whole document under the
    // print job's title.
    ASSERT_EQ(pdf.asked.size(), 6u);
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
    EXPECT_EQ(r.Message(), "Cannot create file \"" + dir / "roster.pdf" +
                             "\". The PDF writer could not finish the document.");
    EXPECT_EQ(ReadFileBytes(dir / "roster.pdf"), "the old PDF");
    EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"roster.pdf"});
}

// The failures of the file system are the same whatever the file type.
TEST_F(Save, PdfIntoAFolderOrAMissingFolderFailsLikeRichText) {
    fs::create_directory(dir / "roster.pdf");
    ExpectFailure(SaveTo(dir / "roster.pdf", SaveFormat::Pdf), dir / "roster.pdf",
                  std::strerror(EISDIR));
    ExpectFailure(SaveTo(dir / "nowhere/roster", SaveFormat::Pdf), dir / "nowhere/roster.pdf",
                  std::strerror(ENOENT));
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
