#include "savegame/SavedGameFile.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <set>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace trevallion {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

RecordBytes BytesOfLevel(int level) {
    SavedGameRecord record{SaveFormatVersion, 1, 0, 0, 1, level, {}};
    record.board[CellIndex({3, 0})] = PlayerTwoKing;
    record.board[CellIndex({3, 6})] = PlayerOneKing;
    return EncodeRecord(record);
}

std::vector<std::uint8_t> AsVector(const RecordBytes& bytes) {
    return {bytes.begin(), bytes.end()};
}

TEST(SavedGameFile, WritesExactlyOneRecordAndReadsItBack) {
    ScratchFolder folder;
    const std::string path = folder.File("game.tvx");
    ASSERT_EQ(WriteSavedGameFile(path, BytesOfLevel(12)), FileError::None);
    EXPECT_EQ(ReadBytes(path), AsVector(BytesOfLevel(12)));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"game.tvx"}); // nothing left behind

    const SavedGameRead read = ReadSavedGame(path, SaveFormatVersion);
    EXPECT_EQ(read.error, FileError::None);
    EXPECT_EQ(read.verdict, RecordVerdict::Sound);
    EXPECT_EQ(read.record.level, 12);
}

TEST(SavedGameFile, ReadsOneRecordFromALongFileAndCountsAShortOne) {
    ScratchFolder folder;
    std::vector<std::uint8_t> longer = AsVector(BytesOfLevel(7));
    longer.resize(5000, 0xEE);
    WriteBytes(folder.File("long.tvx"), longer);
    const SavedGameBytes fromLong = ReadSavedGameFile(folder.File("long.tvx"));
    EXPECT_EQ(fromLong.length, RecordSize);
    EXPECT_EQ(fromLong.bytes, BytesOfLevel(7));

    WriteBytes(folder.File("short.tvx"), std::vector<std::uint8_t>(100, 0x01));
    const SavedGameBytes fromShort = ReadSavedGameFile(folder.File("short.tvx"));
    EXPECT_EQ(fromShort.error, FileError::None);
    EXPECT_EQ(fromShort.length, 100u);
    EXPECT_EQ(fromShort.bytes[100], 0); // the rest stays zero, never stale memory
}

TEST(SavedGameFile, ReplacingKeepsPermissionsAndSymbolicLinks) {
    ScratchFolder folder;
    const std::string real = folder.File("real.tvx");
    const std::string link = folder.File("link.tvx");
    WriteBytes(real, BytesOfLevel(1));
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    std::filesystem::create_symlink(real, link);

    ASSERT_EQ(WriteSavedGameFile(link, BytesOfLevel(9)), FileError::None);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), AsVector(BytesOfLevel(9)));
    struct stat info {};
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    // A new file gets the permissions the user's file mode mask allows.
    const mode_t oldMask = ::umask(027);
    const FileError created = WriteSavedGameFile(folder.File("new.tvx"), BytesOfLevel(2));
    ::umask(oldMask);
    ASSERT_EQ(created, FileError::None);
    ASSERT_EQ(::stat(folder.File("new.tvx").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(SavedGameFile, OnlyPlainFilesAreReadOrReplaced) {
    ScratchFolder folder;
    const std::string pipe = folder.File("pipe.tvx");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // A pipe nobody writes to would block a plain read for ever.
    EXPECT_EQ(ReadSavedGameFile(pipe).error, FileError::NotPlainFile);
    EXPECT_EQ(WriteSavedGameFile(pipe, BytesOfLevel(1)), FileError::NotPlainFile);

    const std::string subfolder = folder.File("folder.tvx");
    std::filesystem::create_directory(subfolder);
    EXPECT_EQ(ReadSavedGameFile(subfolder).error, FileError::NotPlainFile);
    EXPECT_EQ(WriteSavedGameFile(subfolder, BytesOfLevel(1)), FileError::NotPlainFile);
    EXPECT_TRUE(std::filesystem::is_directory(subfolder));
}

TEST(SavedGameFile, MissingFilesAndFoldersAreNotFound) {
    ScratchFolder folder;
    EXPECT_EQ(ReadSavedGameFile(folder.File("none.tvx")).error, FileError::NotFound);
    EXPECT_EQ(ReadSavedGame(folder.File("none.tvx"), SaveFormatVersion).error, FileError::NotFound);
    EXPECT_EQ(WriteSavedGameFile(folder.File("no/such/folder.tvx"), BytesOfLevel(1)),
              FileError::NotFound);
}

// A save killed half-way, here by the signal of the file size limit, leaves the earlier file as
// it was and nothing beside it.
TEST(SavedGameFile, ASaveKilledHalfWayLeavesNothingBehind) {
    ScratchFolder folder;
    const std::string path = folder.File("game.tvx");
    ASSERT_EQ(WriteSavedGameFile(path, BytesOfLevel(3)), FileError::None);
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit noCore{0, 0};
        const rlimit tiny{100, 100};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &tiny);
        std::signal(SIGXFSZ, SIG_DFL);
        WriteSavedGameFile(path, BytesOfLevel(4));
        std::_Exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    EXPECT_EQ(ReadBytes(path), AsVector(BytesOfLevel(3)));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"game.tvx"});
}

// What a save killed before its rename left under a temporary name goes with the next save to
// that folder, unless the game that made it still runs.
TEST(SavedGameFile, TheNextSaveRemovesTheTemporariesOfKilledSaves) {
    ScratchFolder folder;
    // No process has a number above Linux's largest, 4194304.
    const std::string running = "a.tvx.tmp" + std::to_string(::getpid()) + "-0-1";
    for (const std::string name : {"a.tvx.tmp4194305-0-1", "b.tmp12", running.c_str()}) {
        WriteBytes(folder.File(name), BytesOfLevel(1));
    }
    ASSERT_EQ(WriteSavedGameFile(folder.File("new.tvx"), BytesOfLevel(1)), FileError::None);
    const std::vector<std::string> names = folder.Names();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()),
              (std::set<std::string>{running, "b.tmp12", "new.tvx"}));
}

TEST(SavedGameFile, TooManyOpenFilesChangesNothing) {
    ScratchFolder folder;
    const std::string path = folder.File("game.tvx");
    ASSERT_EQ(WriteSavedGameFile(path, BytesOfLevel(3)), FileError::None);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &old), 0);
    const int lowestFree = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ::close(lowestFree);
    rlimit lowered = old;
    lowered.rlim_cur = static_cast<rlim_t>(lowestFree); // no descriptor left to open
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    const FileError read = ReadSavedGameFile(path).error;
    const FileError written = WriteSavedGameFile(path, BytesOfLevel(4));
    ::setrlimit(RLIMIT_NOFILE, &old);
    EXPECT_EQ(read, FileError::TooManyOpenFiles);
    EXPECT_EQ(written, FileError::TooManyOpenFiles);
    EXPECT_EQ(ReadBytes(path), AsVector(BytesOfLevel(3)));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"game.tvx"});
}

} // namespace
} // namespace trevallion
