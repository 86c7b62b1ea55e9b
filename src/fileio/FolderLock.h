#pragma once

#include <string>

namespace trevallion {

// An exclusive advisory lock (flock) on a folder, held while it lives, that every copy of the
// program running on the same files takes before it changes them: two games started by the
// same user wait for each other's writes rather than overwrite them. The folder itself is
// locked, so no lock file is left in it. Taking it may wait for another program's write, so it
// is never taken on the window's thread. Where the folder cannot be locked (opened by nobody,
// or on a file system without locks) the files are written all the same, unguarded.
class FolderLock {
  public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool Held() const { return m_held; }

  private:
    int m_fd = -1;
    bool m_held = false;
};

} // namespace trevallion
