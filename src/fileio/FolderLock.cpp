#include "fileio/FolderLock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace trevallion {

FolderLock::FolderLock(const std::string& folder)
    : m_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (m_fd < 0) {
        return;
    }
    int result = 0;
    do {
        result = ::flock(m_fd, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    m_held = result == 0;
}

FolderLock::~FolderLock() {
    if (m_fd >= 0) {
        ::close(m_fd); // which lets the lock go
    }
}

} // namespace trevallion
