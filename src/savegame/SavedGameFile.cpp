#include "savegame/SavedGameFile.h"

#include "fileio/PlainFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <string>

#include <fcntl.h>
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

// The file that a save to `path` replaces: the path itself, or where its symbolic link leads.
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
// LinkBeside gives it one, so that a save killed half-way leaves nothing behind; elsewhere it
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

// Gives the nameless file `fd` a temporary name beside `target`, returned in `name`; false on
// failure. Linking by the descriptor itself needs a privilege, the path under /proc does not.
bool LinkBeside(int fd, const std::string& target, std::string& name) {
    const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
    return WithFreshName(target, name, [&](const std::string& fresh) {
               if (::linkat(fd, "", AT_FDCWD, fresh.c_str(), AT_EMPTY_PATH) == 0) {
                   return 0;
               }
               return errno == EEXIST ? -1
                                      : ::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD,
                                                 fresh.c_str(), AT_SYMLINK_FOLLOW);
           }) == 0;
}

FileError WriteAll(int fd, const RecordBytes& bytes) {
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

SavedGameBytes ReadSavedGameFile(const std::string& path) {
    SavedGameBytes result;
    const PlainFileRead read = ReadPlainFile(path, result.bytes.size());
    result.error = read.error;
    std::copy(read.bytes.begin(), read.bytes.end(), result.bytes.begin());
    result.length = read.bytes.size();
    return result;
}

FileError WriteSavedGameFile(const std::string& path, const RecordBytes& bytes) {
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
    if (error == FileError::None && temporary.empty() &&
        !LinkBeside(file.Get(), target, temporary)) {
        error = LastError();
    }
    if (file.Close() != 0 && error == FileError::None) {
        error = LastError();
    }
    if (error == FileError::None && ::rename(temporary.c_str(), target.c_str()) != 0) {
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

SavedGameRead ReadSavedGame(const std::string& path, std::int32_t expectedVersion) {
    SavedGameRead read;
    const SavedGameBytes file = ReadSavedGameFile(path);
    read.error = file.error;
    if (file.error == FileError::None) {
        read.record = DecodeRecord(file.bytes);
        read.verdict = CheckRecord(read.record, file.length, expectedVersion);
    }
    return read;
}

} // namespace trevallion
