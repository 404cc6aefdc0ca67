#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace dutywise {

namespace {

std::string Failure(const char* what, const std::string& path, int error) {
    return std::string(what) + " \"" + path + "\". " + std::strerror(error);
}

// The file that a rename must replace: the target itself, or what its symbolic link names.
std::string ResolveLink(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char* real = realpath(path.c_str(), nullptr);
    if (!real)
        return path; // a dangling link is replaced like any other name
    std::string resolved(real);
    std::free(real);
    return resolved;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string target = ResolveLink(path);
    const std::size_t slash = target.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    // Kept short enough that the temporary name fits wherever the target's name fits.
    const std::string base =
        target.substr(slash == std::string::npos ? 0 : slash + 1).substr(0, 200);

    struct stat st {};
    const bool exists = stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return Failure("Cannot create file", path, EISDIR);

    // A unique name made here rather than by mkstemp, whose 0600 would not honour the umask.
    std::string temp;
    int fd = -1;
    const auto seed =
        static_cast<unsigned long>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (unsigned attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = folder + "." + base + "." + std::to_string(getpid()) + "-" +
               std::to_string((seed + attempt * 7919u) % 1000000u) + ".tmp";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return Failure("Cannot create file", path, errno);
    }
    if (fd < 0)
        return Failure("Cannot create file", path, EEXIST);
    if (exists)
        (void)fchmod(fd, st.st_mode & 07777); // best effort: the owner may differ

    const auto fail = [&](const char* what, int error) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temp.c_str());
        return Failure(what, path, error);
    };
    if (!WriteAll(fd, bytes))
        return fail("Cannot write file", errno);
    if (::fsync(fd) != 0)
        return fail("Cannot write file", errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return fail("Cannot write file", errno);
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return fail("Cannot create file", errno);

    // Make the rename itself durable; the data is already safe, so a failure here is ignored.
    const int dir =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return std::nullopt;
}

} // namespace dutywise
