#include "BoardFile.h"

#include "MessageText.h"
#include "savegame/FileError.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trevallion {
namespace {

std::string ErrorText(int error, const std::string& name) {
    return FileErrorMessage(FileErrorFromErrno(error), name);
}

// Reads all of `fd`, but stops one byte past the largest board; false, with errno, on failure.
bool ReadUpToLimit(int fd, std::string& text) {
    char buffer[MaxBoardFileBytes + 1];
    std::size_t length = 0;
    while (length < sizeof buffer) {
        const ssize_t n = ::read(fd, buffer + length, sizeof buffer - length);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            break;
        }
        length += static_cast<std::size_t>(n);
    }
    text.assign(buffer, length);
    return true;
}

} // namespace

BoardFileText ReadBoardFile(const std::string& file) {
    BoardFileText result;
    const bool standardInput = file == "-";
    const std::string name = standardInput ? "standard input" : Escaped(file);
    const int fd = standardInput
                       ? STDIN_FILENO
                       : ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        result.error = ErrorText(errno, name);
        return result;
    }
    struct stat info {};
    if (!standardInput && ::fstat(fd, &info) != 0) {
        result.error = ErrorText(errno, name);
    } else if (!standardInput && !S_ISREG(info.st_mode)) {
        result.error = name + " is not a plain file";
    } else if (!ReadUpToLimit(fd, result.text)) {
        result.error = ErrorText(errno, name);
    } else if (result.text.size() > MaxBoardFileBytes) {
        result.error = name + " is longer than a board file can be (" +
                       std::to_string(MaxBoardFileBytes) + " bytes)";
    }
    if (!standardInput) {
        ::close(fd);
    }
    return result;
}

} // namespace trevallion
