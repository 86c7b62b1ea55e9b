#pragma once

#include "fileio/FileError.h"
#include "play/StatisticsFile.h"
#include "play/WorkerRunner.h"
#include "savegame/SavedGameRecord.h"

#include <mutex>
#include <optional>
#include <string>
#include <variant>

namespace trevallion {

// Whether the statistics file could be read when the game started: one that could not may be
// sound all the same, so this run counts in memory only rather than replace it.
enum class StatisticsFileRead { Read, Unreadable };

// Writes what the game keeps in its folder, the game in play and the statistics, on a thread of
// its own. The window's thread only hands the bytes over and never waits for the disk: while a
// write is on its way, a newer game in play replaces the one waiting for its turn, and results
// wait to be added together. Each write takes the folder's lock, so that two games sharing the
// folder add their results to each other's rather than overwrite them; the game in play kept is
// the one that was played last.
class KeepWriter {
  public:
    explicit KeepWriter(WorkerRunner& runner) : m_runner(runner) {}
    ~KeepWriter() { Finish(); }
    KeepWriter(const KeepWriter&) = delete;
    KeepWriter& operator=(const KeepWriter&) = delete;

    // Writes into `folder` from now on, whose statistics file held `onDisk` when the game
    // started; a file that could not be read is left alone.
    void Open(const std::string& folder, std::string_view gameName, std::string_view statisticsName,
              StatisticsTable onDisk, StatisticsFileRead read);

    void KeepGame(const RecordBytes& record);
    // Removes the kept game, unless another game has kept its own since this one wrote.
    void ForgetGame();
    void AddStatistics(const StatisticsChanges& changes);
    // Starts writing what was handed over, unless a write is on its way already and takes it.
    void Flush();
    // Waits until all that was handed over is written.
    void Finish() { m_runner.Join(); }

    // The statistics as they stand once every result handed over is written.
    StatisticsTable Statistics() const;

    // Why writing failed: once when writes begin to fail, and again only after one succeeded.
    std::optional<std::string> TakeFailure();

  private:
    struct Forget {};
    using GameChange = std::variant<std::monostate, RecordBytes, Forget>;
    struct Failure {
        FileError error = FileError::None;
        std::string path;
    };

    void Drain();
    std::optional<Failure> WriteGame(const GameChange& change);

    WorkerRunner& m_runner;
    std::optional<std::string> m_folder; // none until opened: nothing is written
    std::string m_gameFile;
    std::string m_statisticsFile;
    bool m_statisticsWritable = false;
    // The game this run wrote last; read and written by one writer at a time.
    std::optional<RecordBytes> m_written;

    mutable std::mutex m_mutex;
    // Guarded by m_mutex from here on.
    GameChange m_game;
    StatisticsChanges m_statistics; // handed over and waiting
    bool m_statisticsFresh = false; // some of them were never tried
    StatisticsChanges m_writing;    // on their way to the file
    StatisticsTable m_onDisk;       // the file's table when this run last read or wrote it
    bool m_draining = false;
    std::optional<Failure> m_failure; // not yet told
    bool m_failing = false;           // no write succeeded since the last failure
};

} // namespace trevallion
