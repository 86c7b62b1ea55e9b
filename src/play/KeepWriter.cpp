#include "play/KeepWriter.h"

#include "fileio/FolderLock.h"
#include "play/KeepingMessages.h"
#include "savegame/SavedGameFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <utility>

namespace trevallion {
namespace {

// Whether the file at `path` holds exactly `record`.
bool Holds(const std::string& path, const RecordBytes& record) {
    const SavedGameBytes read = ReadSavedGameFile(path);
    return read.error == FileError::None && read.length == record.size() &&
           std::equal(record.begin(), record.end(), read.bytes.begin());
}

} // namespace

void KeepWriter::Open(const std::string& folder, std::string_view gameName,
                      std::string_view statisticsName, StatisticsTable onDisk,
                      StatisticsFileRead read) {
    m_folder = folder;
    m_gameFile = folder + "/" + std::string(gameName);
    m_statisticsFile = folder + "/" + std::string(statisticsName);
    m_statisticsWritable = read == StatisticsFileRead::Read;
    const std::lock_guard lock(m_mutex);
    m_onDisk = std::move(onDisk);
}

void KeepWriter::KeepGame(const RecordBytes& record) {
    const std::lock_guard lock(m_mutex);
    m_game = record;
}

void KeepWriter::ForgetGame() {
    const std::lock_guard lock(m_mutex);
    m_game = Forget{};
}

void KeepWriter::AddStatistics(const StatisticsChanges& changes) {
    const std::lock_guard lock(m_mutex);
    m_statistics.Append(changes);
    m_statisticsFresh = true;
}

void KeepWriter::Flush() {
    {
        const std::lock_guard lock(m_mutex);
        if (!m_folder || m_draining) {
            return;
        }
        m_draining = true;
    }
    // The last writer has let its thread go by now, or has never started one.
    m_runner.Join();
    // Without a thread, the files are written at once rather than not at all.
    if (!m_runner.Start([this] { Drain(); })) {
        Drain();
    }
}

StatisticsTable KeepWriter::Statistics() const {
    const std::lock_guard lock(m_mutex);
    StatisticsTable table = m_onDisk;
    m_writing.ApplyTo(table);
    m_statistics.ApplyTo(table);
    return table;
}

std::optional<std::string> KeepWriter::TakeFailure() {
    const std::lock_guard lock(m_mutex);
    if (!m_failure) {
        return std::nullopt;
    }
    const Failure failure = *std::exchange(m_failure, std::nullopt);
    return KeepingFailedMessage(FileErrorMessage(failure.error, failure.path));
}

void KeepWriter::Drain() {
    for (;;) {
        GameChange game;
        bool statistics = false;
        {
            const std::lock_guard lock(m_mutex);
            statistics = m_statisticsWritable && m_statisticsFresh && !m_statistics.Empty();
            if (std::holds_alternative<std::monostate>(m_game) && !statistics) {
                m_draining = false;
                return;
            }
            game = std::exchange(m_game, {});
            if (statistics) {
                m_writing = std::exchange(m_statistics, {});
                m_statisticsFresh = false;
            }
        }
        const FolderLock folderLock(*m_folder);
        std::optional<Failure> failure = WriteGame(game);
        std::optional<StatisticsWritten> written;
        if (statistics) {
            written = AddToStatisticsFile(m_statisticsFile, m_writing);
            if (written->setAside) {
                std::fprintf(stderr, "trevallion: a damaged statistics file was set aside as %s\n",
                             written->setAside->c_str());
            }
            if (written->error != FileError::None && !failure) {
                failure = Failure{written->error, m_statisticsFile};
            }
        }
        const std::lock_guard lock(m_mutex);
        if (written && written->error == FileError::None) {
            m_onDisk = std::move(written->table);
            m_writing = {};
        } else if (written) {
            // Tried again with the next write, in front of what came meanwhile.
            m_writing.Append(m_statistics);
            m_statistics = std::exchange(m_writing, {});
        }
        if (!failure) {
            m_failing = false;
        } else if (!m_failing) {
            m_failing = true;
            m_failure = failure;
            // The game keeps no log: the line on standard error stays for whoever looks.
            std::fprintf(stderr, "trevallion: not kept: %s\n",
                         FileErrorMessage(failure->error, failure->path).c_str());
        }
    }
}

std::optional<KeepWriter::Failure> KeepWriter::WriteGame(const GameChange& change) {
    if (const auto* record = std::get_if<RecordBytes>(&change)) {
        if (const FileError error = WriteSavedGameFile(m_gameFile, *record);
            error != FileError::None) {
            return Failure{error, m_gameFile};
        }
        m_written = *record;
    } else if (std::holds_alternative<Forget>(change)) {
        // A game this run never wrote is one an earlier run left, which a level played replaces.
        if (!m_written || Holds(m_gameFile, *m_written)) {
            std::error_code ignored; // already gone is as good
            std::filesystem::remove(m_gameFile, ignored);
        }
        m_written.reset();
    }
    return std::nullopt;
}

} // namespace trevallion
