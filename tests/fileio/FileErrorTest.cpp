#include "fileio/FileError.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace trevallion {
namespace {

TEST(FileError, MessagesNameTheFullPath) {
    const std::string path = "/home/ann/My Games/a.tvx";
    EXPECT_EQ(FileErrorMessage(FileErrorFromErrno(ENOENT), path),
              "/home/ann/My Games/a.tvx was not found.");
    EXPECT_EQ(FileErrorMessage(FileErrorFromErrno(EACCES), path),
              "Access to /home/ann/My Games/a.tvx was denied.");
    EXPECT_EQ(FileErrorMessage(FileErrorFromErrno(ENOSPC), path),
              "Disk full while accessing /home/ann/My Games/a.tvx.");
    for (const int tooMany : {EMFILE, ENFILE}) {
        EXPECT_EQ(FileErrorMessage(FileErrorFromErrno(tooMany), path),
                  "/home/ann/My Games/a.tvx could not be opened because there are too many open "
                  "files.");
    }
    for (const FileError unexpected : {FileErrorFromErrno(EIO), FileError::NotPlainFile}) {
        EXPECT_EQ(FileErrorMessage(unexpected, path),
                  "An unexpected error occurred while accessing /home/ann/My Games/a.tvx.");
    }
}

} // namespace
} // namespace trevallion
