#include "fileio/FileError.h"

#include <cerrno>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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

// A saved game that is a folder, a pipe or a device once got the unexpected error: the message
// names what the path is instead.
TEST(FileError, NoPlainFileIsToldByWhatItIs) {
    const std::string pipe = ::testing::TempDir() + "file-error-pipe";
    ::unlink(pipe.c_str()); // left by a run that was cut short
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const auto& [path, message] :
         {std::pair<std::string, std::string>{"/tmp", " is a folder, not a file."},
          {pipe, " is a pipe, not a file."},
          {"/dev/null", " is a device, not a file."}}) {
        EXPECT_EQ(FileErrorMessage(FileError::NotPlainFile, path), path + message);
    }
    ::unlink(pipe.c_str());
}

} // namespace
} // namespace trevallion
