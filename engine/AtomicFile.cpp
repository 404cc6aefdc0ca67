#include "AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <ctime>
#include <vector>

namespace dutywise {

namespace {

EngineMessage Failure(FileAction what, const std::string& path, int error) {
    EngineMessage m;
    m.code = MessageCode::SystemReason;
    m.action = what;
    m.file = path;
    m.error = error;
    return m;
}

// Said of a pipe, a device or a socket: a save must never put a regular file in its place.
EngineMessage NotRegular(const std::string& path) {
    EngineMessage m;
    m.code = MessageCode::NotARegularFile;
    m.action = FileAction::CreateFile;
    m.file = path;
    return m;
}

// A leftover temporary file younger than this is left alone even when its process is not seen:
// a process in another PID namespace, or on another machine sharing the folder, may still be
// writing it.
constexpr std::time_t StaleAfterSeconds = 120;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Whether the kernel's protection of shared folders (fs.protected_symlinks) lets this user
// follow the link: in a sticky folder that everyone may write, only a link of this user or of
// the folder's owner. Applied here because the links are resolved here, so the kernel's own
// check never sees them; applied whatever that setting says.
bool MayFollowLink(const std::string& link, const struct stat& linkStat) {
    if (linkStat.st_uid == geteuid())
        return true;
    const std::string folder = FolderOf(link);
    struct stat st {};
    if (stat(folder.empty() ? "." : folder.c_str(), &st) != 0)
        return false;
    const bool shared = (st.st_mode & S_ISVTX) && (st.st_mode & S_IWOTH);
    return !shared || st.st_uid == linkStat.st_uid;
}

// The name the save must write: the target itself or, through any chain of symbolic links, the
// name the last link points at, whether or not that file exists yet. A dangling link thus gets
// its file created and stays a link, as editors do. Fails with ELOOP for a chain that never
// ends and EACCES for a link that another user planted in a shared folder.
int FollowLinks(const std::string& path, std::string* out) {
    std::string name = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            *out = name;
            return 0;
        }
        if (!MayFollowLink(name, st))
            return EACCES;
        std::vector<char> buffer(PATH_MAX);
        const ssize_t n = readlink(name.c_str(), buffer.data(), buffer.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size()) {
            *out = name; // unreadable: the steps below report what is wrong with it
            return 0;
        }
        const std::string dest(buffer.data(), static_cast<std::size_t>(n));
        name = dest.front() == '/' ? dest : FolderOf(name) + dest;
    }
    return ELOOP;
}

// "NAME.PID-N.tmp" after the leading dot and the target's name: the id of the process that made
// it, or 0 when the name is not of that form.
pid_t TempFileOwner(std::string_view rest) {
    constexpr std::string_view Suffix = ".tmp";
    if (rest.size() <= Suffix.size() || rest.substr(rest.size() - Suffix.size()) != Suffix)
        return 0;
    rest.remove_suffix(Suffix.size());
    const std::size_t dash = rest.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash > 10 || dash + 1 == rest.size() ||
        rest.size() - dash - 1 > 6)
        return 0;
    long long pid = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (i == dash)
            continue;
        if (rest[i] < '0' || rest[i] > '9')
            return 0;
        if (i < dash)
            pid = pid * 10 + (rest[i] - '0');
    }
    return pid > 0 && pid <= INT_MAX ? static_cast<pid_t>(pid) : 0;
}

// Removes the temporary files that earlier saves of this same name left in the folder when they
// were killed: only names of exactly our pattern, only regular files, only when the process that
// made them is gone and the file has not changed for a while. Failures are ignored; the save
// does not depend on it.
void RemoveLeftoverTempFiles(const std::string& folder, const std::string& base) {
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return;
    const std::string prefix = "." + base + ".";
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix)
            continue;
        const pid_t owner = TempFileOwner(name.substr(prefix.size()));
        if (owner == 0 || owner == getpid())
            continue;
        if (kill(owner, 0) == 0 || errno != ESRCH)
            continue; // alive, or alive under another user
        struct stat st {};
        if (fstatat(dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode) || now - st.st_mtime < StaleAfterSeconds)
            continue;
        (void)unlinkat(dirfd(dir), entry->d_name, 0);
    }
    closedir(dir);
}

// Closes a descriptor at the end of its scope.
struct ClosedAtEnd {
    int fd;
    ~ClosedAtEnd() { ::close(fd); }
};

// Whether the process may write a file of this many bytes. Past its size limit (ulimit -f) a
// write raises SIGXFSZ, whose default action ends the program with the user's work in it.
bool WithinSizeLimit(std::size_t size) {
    rlimit limit{};
    return getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
           static_cast<rlim_t>(size) <= limit.rlim_cur;
}

// Whether the kernel's protection of shared folders (fs.protected_regular, as Debian sets it)
// would refuse to open this existing file for a save: another user's file in a sticky folder
// that everyone or a group may write, unless the folder's owner owns it. Applied whatever that
// setting says, as for links: a file planted there is not written for its planter to read.
bool PlantedInSharedFolder(const std::string& target, const struct stat& file) {
    if (file.st_uid == geteuid())
        return false;
    const std::string folder = FolderOf(target);
    struct stat st {};
    if (stat(folder.empty() ? "." : folder.c_str(), &st) != 0)
        return false; // the steps below report what is wrong with it
    return (st.st_mode & S_ISVTX) && (st.st_mode & (S_IWOTH | S_IWGRP)) &&
           st.st_uid != file.st_uid;
}

// Where writes fail on purpose in tests: the offset of a file at which a write gives EIO.
std::optional<std::size_t>& FailingOffset() {
    static std::optional<std::size_t> offset;
    return offset;
}

// pwrite(), failing with EIO at the tests' chosen offset, as a disk error part-way would.
ssize_t WriteAt(int fd, const char* data, std::size_t size, off_t at) {
    if (const auto failAt = FailingOffset()) {
        if (static_cast<std::size_t>(at) >= *failAt) {
            errno = EIO;
            return -1;
        }
        size = std::min(size, *failAt - static_cast<std::size_t>(at));
    }
    return ::pwrite(fd, data, size, at);
}

bool WriteAll(int fd, std::string_view bytes) {
    for (off_t at = 0; !bytes.empty();) {
        const ssize_t n = WriteAt(fd, bytes.data(), bytes.size(), at);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        at += n;
    }
    return true;
}

// The fallback where the file cannot be replaced by a new one: rewrite it where it is. The
// space is reserved first, so a full disk fails before anything changed; then the new bytes
// overwrite the old from the start and the file is cut to their length. A save killed part-way
// leaves the new bytes up to where it stopped followed by the rest of the old ones, never an
// emptied file.
std::optional<EngineMessage> WriteInPlace(const std::string& path, const std::string& target,
                                        const struct stat& seen, std::string_view bytes) {
    // Non-blocking and no controlling terminal: should the name have become a pipe or a
    // terminal since it was looked at, the open neither hangs nor adopts it. Opened for reading
    // too where allowed: on a file system that cannot reserve space (NFS, for one), the C
    // library reserves it by reading and writing a byte of each block.
    constexpr int flags = O_NOCTTY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(target.c_str(), O_RDWR | flags);
    if (fd < 0 && errno == EACCES)
        fd = ::open(target.c_str(), O_WRONLY | flags);
    if (fd < 0)
        return Failure(FileAction::CreateFile, path, errno);
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_dev != seen.st_dev ||
        st.st_ino != seen.st_ino) {
        ::close(fd);
        return NotRegular(path);
    }
    const auto fail = [&](int error) {
        ::close(fd);
        return Failure(FileAction::WriteFile, path, error);
    };
    const auto length = static_cast<off_t>(bytes.size());
    if (length > 0) {
        // Reserved beyond the end where the file system can, so that the file keeps its old
        // length until the new bytes are written.
        int error = fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, length) == 0 ? 0 : errno;
        if (error == EOPNOTSUPP || error == ENOSYS)
            error = posix_fallocate(fd, 0, length);
        // A write-only file on a file system that cannot reserve space (NFS, for one) cannot
        // have its space reserved (EBADF): it is written all the same, and a full disk may
        // then leave it cut.
        if (error != 0 && error != EBADF) {
            // The C library's way may have made the file longer: give it back its length.
            struct stat after {};
            if (fstat(fd, &after) == 0 && after.st_size != st.st_size)
                (void)::ftruncate(fd, st.st_size);
            return fail(error);
        }
    }
    for (off_t at = 0; at < length;) {
        const ssize_t n =
            WriteAt(fd, bytes.data() + at, static_cast<std::size_t>(length - at), at);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        at += n;
    }
    if (::ftruncate(fd, length) != 0 || ::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0)
        return Failure(FileAction::WriteFile, path, errno);
    return std::nullopt;
}

} // namespace

void FailWritesAtForTesting(std::optional<std::size_t> offset) {
    FailingOffset() = offset;
}

std::optional<EngineMessage> WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string target;
    if (const int error = FollowLinks(path, &target); error != 0)
        return Failure(FileAction::CreateFile, path, error);
    const std::string folder = FolderOf(target);
    const std::string name = target.substr(folder.size());
    // Kept short enough that the temporary name fits wherever the target's name fits.
    const std::string base = name.substr(0, 200);

    // What is there now decides whether and how it may be replaced.
    struct stat st {};
    bool exists = false;
    if (lstat(target.c_str(), &st) == 0) {
        exists = true;
        if (S_ISDIR(st.st_mode))
            return Failure(FileAction::CreateFile, path, EISDIR);
        if (!S_ISREG(st.st_mode))
            return NotRegular(path);
        // A file its user may not write is not replaced behind its back, even though the
        // folder would allow a rename over it. Asked for the effective user, as opening does.
        if (faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            return Failure(FileAction::CreateFile, path, errno);
        if (PlantedInSharedFolder(target, st))
            return Failure(FileAction::CreateFile, path, EACCES);
    } else if (errno != ENOENT) {
        return Failure(FileAction::CreateFile, path, errno);
    }
    // Refused before any file is touched, on either way of writing.
    if (!WithinSizeLimit(bytes.size()))
        return Failure(FileAction::WriteFile, path, EFBIG);

    RemoveLeftoverTempFiles(folder, base);

    // A file with other names keeps being one file under all of them.
    if (exists && st.st_nlink > 1)
        return WriteInPlace(path, target, st, bytes);

    // The temporary file is named relative to the folder, so that a target whose path is near
    // the longest the system takes still gets one.
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return Failure(FileAction::CreateFile, path, errno);
    const ClosedAtEnd closeDir{dir};

    // Another user's file in a sticky folder: a new file given to that user could not be
    // removed again should the rename be refused, so it is written in place from the start.
    if (exists && st.st_uid != geteuid()) {
        struct stat folderStat {};
        if (fstat(dir, &folderStat) != 0 || (folderStat.st_mode & S_ISVTX))
            return WriteInPlace(path, target, st, bytes);
    }

    // A unique name made here rather than by mkstemp, whose 0600 would not honour the umask.
    std::string temp;
    int fd = -1;
    const auto seed =
        static_cast<unsigned long>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (unsigned attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = "." + base + "." + std::to_string(getpid()) + "-" +
               std::to_string((seed + attempt * 7919u) % 1000000u) + ".tmp";
        fd = ::openat(dir, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno == EEXIST)
            continue;
        // A folder where this user may change the file but not add one: write it in place.
        if (exists && (errno == EACCES || errno == EPERM))
            return WriteInPlace(path, target, st, bytes);
        return Failure(FileAction::CreateFile, path, errno);
    }
    if (fd < 0)
        return Failure(FileAction::CreateFile, path, EEXIST);

    if (exists) {
        // The new file gets the old one's owner and group, or the old file is written in place:
        // a file shared with others must not change hands by being saved.
        struct stat mine {};
        if (fstat(fd, &mine) != 0 || ((mine.st_uid != st.st_uid || mine.st_gid != st.st_gid) &&
                                      fchown(fd, st.st_uid, st.st_gid) != 0)) {
            ::close(fd);
            ::unlinkat(dir, temp.c_str(), 0);
            return WriteInPlace(path, target, st, bytes);
        }
        (void)fchmod(fd, st.st_mode & 07777); // after the owner, which may clear set-id bits
    }

    const auto fail = [&](FileAction what, int error) {
        if (fd >= 0)
            ::close(fd);
        ::unlinkat(dir, temp.c_str(), 0);
        return Failure(what, path, error);
    };
    if (!WriteAll(fd, bytes))
        return fail(FileAction::WriteFile, errno);
    if (::fsync(fd) != 0)
        return fail(FileAction::WriteFile, errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return fail(FileAction::WriteFile, errno);
    if (::renameat(dir, temp.c_str(), dir, name.c_str()) != 0) {
        const int error = errno;
        // A sticky folder lets only the file's owner replace it, yet its user may write it.
        if (exists && (error == EPERM || error == EACCES)) {
            ::unlinkat(dir, temp.c_str(), 0);
            return WriteInPlace(path, target, st, bytes);
        }
        return fail(FileAction::CreateFile, error);
    }

    // Make the rename itself durable; the data is already safe, so a failure here is ignored.
    const int durable = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (durable >= 0) {
        (void)::fsync(durable);
        ::close(durable);
    }
    return std::nullopt;
}

} // namespace dutywise
