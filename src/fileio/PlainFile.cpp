#include "fileio/PlainFile.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trevallion {

namespace {

constexpr std::size_t ChunkBytes = 64 * 1024;

} // namespace

PlainFileRead ReadDescriptor(int fd, std::size_t limit) {
    PlainFileRead read;
    // One byte past the limit tells a file that is longer from one that just fits. The buffer
    // grows as the bytes come, so a small file costs little whatever the limit.
    const std::size_t wanted = limit + 1;
    std::size_t length = 0;
    while (length < wanted) {
        if (length == read.bytes.size()) {
            read.bytes.resize(std::min(wanted, length + ChunkBytes));
        }
        const ssize_t n = ::read(fd, read.bytes.data() + length, read.bytes.size() - length);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            read.error = FileErrorFromErrno(errno);
            read.bytes.clear();
            return read;
        }
        if (n == 0) {
            break;
        }
        length += static_cast<std::size_t>(n);
    }
    read.longer = length > limit;
    read.bytes.resize(read.longer ? limit : length);
    return read;
}

PlainFileRead ReadPlainFile(const std::string& path, std::size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return {FileErrorFromErrno(errno), {}, false};
    }
    PlainFileRead read;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        read.error = FileErrorFromErrno(errno);
    } else if (!S_ISREG(info.st_mode)) {
        read.error = FileError::NotPlainFile;
    } else {
        read = ReadDescriptor(fd, limit);
    }
    ::close(fd);
    return read;
}

} // namespace trevallion
