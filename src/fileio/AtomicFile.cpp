#include "fileio/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <optional>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trevallion {
namespace {

// Closes a file descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return m_fd; }
    // Closes now, reporting the error a delayed write may only show here.
    int Close() {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

  private:
    int m_fd;
};

FileError LastError() {
    return FileErrorFromErrno(errno);
}

// The file that a write to `path` replaces: the path itself, or where its symbolic link leads.
std::string ReplacedFile(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr) {
        return resolved;
    }
    return path;
}

std::string FolderOf(const std::string& file) {
    const std::size_t slash = file.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : file.substr(0, slash);
}

// A name beside `target` that is unlikely to be in use.
std::string TemporaryNameBeside(const std::string& target) {
    static std::atomic<unsigned> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    return target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(serial++) + "-" +
           std::to_string(stamp % 1000000);
}

// The process that made `name`, when it is one of the temporary names above; nothing otherwise.
std::optional<pid_t> MakerOfTemporary(std::string_view name) {
    const std::size_t mark = name.rfind(".tmp");
    if (mark == 0 || mark == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view rest = name.substr(mark + 4);
    long long pid = -1;
    for (int part = 0; part < 3; ++part) {
        long long number = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
        if (error != std::errc{} || end == rest.data() || *rest.data() == '-') {
            return std::nullopt;
        }
        pid = part == 0 ? number : pid;
        rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
        if (part < 2 && (rest.empty() || rest.front() != '-')) {
            return std::nullopt;
        }
        rest.remove_prefix(part < 2 ? 1 : 0);
    }
    if (!rest.empty() || pid <= 0 || pid > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<pid_t>(pid);
}

// A write killed between naming its new file and renaming it leaves the new file under its
// temporary name. Such files of this user's whose maker is gone are removed from `folder` before
// it is written again; a write still running in another process keeps its file.
void RemoveStaleTemporaries(const std::string& folder) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return;
    }
    const int folderFd = ::dirfd(listing);
    while (const dirent* entry = ::readdir(listing)) {
        const std::optional<pid_t> maker = MakerOfTemporary(entry->d_name);
        struct stat info {};
        if (!maker || ::kill(*maker, 0) == 0 || errno != ESRCH ||
            ::fstatat(folderFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
            continue;
        }
        ::unlinkat(folderFd, entry->d_name, 0);
    }
    ::closedir(listing);
}

// Calls `attempt` with fresh temporary names beside `target` until one is not taken, and returns
// its result. `name` is the name it made, or empty when it failed.
template <typename Attempt>
int WithFreshName(const std::string& target, std::string& name, Attempt attempt) {
    for (int tries = 0; tries < 100; ++tries) {
        name = TemporaryNameBeside(target);
        const int result = attempt(name);
        if (result >= 0) {
            return result;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    name.clear();
    return -1;
}

// Creates the new file beside `target`; -1 on failure. It gets the permissions of a new file
// under the process's file mode mask. Where the file system allows, the file has no name until
// LinkBeside gives it one, so that a write killed half-way leaves nothing behind; elsewhere it
// is created under a temporary name, returned in `name`.
int CreateFileBeside(const std::string& target, std::string& name) {
    name.clear();
#ifdef O_TMPFILE
    const int fd = ::open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    // Refused where the file system or the kernel cannot make a file without a name.
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) {
        return fd;
    }
#endif
    return WithFreshName(target, name, [](const std::string& fresh) {
        return ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    });
}

// Gives the nameless file `fd` the name `name`, which must be free; 0, or -1 with errno set.
// Linking by the descriptor itself needs a privilege, the path under /proc does not.
int LinkAs(int fd, const std::string& name) {
    if (::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) {
        return 0;
    }
    if (errno == EEXIST) {
        return -1;
    }
    const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW);
}

// Gives the nameless file `fd` a temporary name beside `target`, returned in `name`; false on
// failure.
bool LinkBeside(int fd, const std::string& target, std::string& name) {
    return WithFreshName(target, name,
                         [fd](const std::string& fresh) { return LinkAs(fd, fresh); }) == 0;
}

FileError WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return LastError();
        }
        if (n == 0) {
            return FileError::DiskFull;
        }
        done += static_cast<std::size_t>(n);
    }
    return FileError::None;
}

// Makes the new name of `file` in its folder survive a crash; a failure here loses nothing.
void SyncFolderOf(const std::string& file) {
    const int fd = ::open(FolderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

FileError WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string target = ReplacedFile(path);
    struct stat info {};
    const bool replacing = ::stat(target.c_str(), &info) == 0;
    if (!replacing && errno != ENOENT) {
        return LastError();
    }
    // Only a plain file is replaced; a folder, device or pipe of that name is left alone.
    if (replacing && !S_ISREG(info.st_mode)) {
        return FileError::NotPlainFile;
    }

    RemoveStaleTemporaries(FolderOf(target));
    std::string temporary; // the new file's name, once it has one
    Descriptor file(CreateFileBeside(target, temporary));
    if (file.Get() < 0) {
        return LastError();
    }
    FileError error = FileError::None;
    if (replacing && ::fchmod(file.Get(), info.st_mode & 07777) != 0) {
        error = LastError();
    }
    if (error == FileError::None) {
        error = WriteAll(file.Get(), bytes);
    }
    if (error == FileError::None && ::fsync(file.Get()) != 0) {
        error = LastError();
    }
    // A new file gets its own name at once, so no temporary name is ever left behind;
    // only a file that must replace another passes through one.
    const bool linkedInPlace = error == FileError::None && !replacing && temporary.empty() &&
                               LinkAs(file.Get(), target) == 0;
    if (error == FileError::None && !linkedInPlace && temporary.empty() &&
        !LinkBeside(file.Get(), target, temporary)) {
        error = LastError();
    }
    if (file.Close() != 0 && error == FileError::None) {
        error = LastError();
    }
    if (error == FileError::None && !linkedInPlace &&
        ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = LastError();
    }
    if (error != FileError::None) {
        if (!temporary.empty()) {
            ::unlink(temporary.c_str());
        }
        return error;
    }
    SyncFolderOf(target);
    return FileError::None;
}

} // namespace trevallion
