#include "play/GameKeeper.h"

#include "fileio/AtomicFile.h"
#include "fileio/PlainFile.h"
#include "play/KeepingMessages.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace trevallion {
namespace {

constexpr std::string_view KeptGameName = "game-in-play.tvx";
constexpr std::string_view StatisticsName = "statistics";
// Far more than a line for each of 255 levels and 6 pairings: anything longer is no statistics.
constexpr std::size_t StatisticsLimit = 1 << 20;

// What one write hands over to the writer's thread, all of it copied.
struct Batch {
    std::string gameFile;
    std::optional<RecordBytes> keep; // the game to keep
    bool forget = false;             // or remove the kept game
    std::string statisticsFile;
    std::optional<std::string> statistics; // the statistics file's new text
};

// The game keeps no log and has no box for a failure nobody asked about: a line on standard
// error says why the files were not kept, and the game goes on.
void Report(FileError error, const std::string& path) {
    std::fprintf(stderr, "trevallion: not kept: %s\n", FileErrorMessage(error, path).c_str());
}

void WriteBatch(const Batch& batch) {
    if (batch.keep) {
        if (const FileError error = WriteFileAtomically(batch.gameFile, *batch.keep);
            error != FileError::None) {
            Report(error, batch.gameFile);
        }
    } else if (batch.forget) {
        std::error_code ignored; // already gone is as good
        std::filesystem::remove(batch.gameFile, ignored);
    }
    if (batch.statistics) {
        const auto* text = reinterpret_cast<const std::uint8_t*>(batch.statistics->data());
        if (const FileError error = WriteFileAtomically(batch.statisticsFile,
                                                        std::span(text, batch.statistics->size()));
            error != FileError::None) {
            Report(error, batch.statisticsFile);
        }
    }
}

// A name beside `path` for a damaged file, which no earlier damaged file has taken.
std::string SetAsideName(const std::string& path) {
    std::string name = path + ".damaged";
    std::error_code ignored;
    for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(name, ignored)); ++n) {
        name = path + ".damaged-" + std::to_string(n);
    }
    return name;
}

} // namespace

std::string GameKeeper::FileIn(std::string_view name) const {
    return *m_folder + "/" + std::string(name);
}

std::optional<std::string> GameKeeper::Open() {
    m_folder = m_place.Folder();
    if (!m_folder) {
        return std::nullopt;
    }
    std::error_code ignored;
    m_gameKept = std::filesystem::is_regular_file(FileIn(KeptGameName), ignored);
    return OpenStatistics();
}

std::optional<std::string> GameKeeper::OpenStatistics() {
    const std::string path = FileIn(StatisticsName);
    const PlainFileRead read = ReadPlainFile(path, StatisticsLimit);
    if (read.error == FileError::NotFound) {
        return std::nullopt;
    }
    if (read.error != FileError::None && read.error != FileError::NotPlainFile) {
        // Unreadable but maybe sound: rather than replace it, this run counts in memory only.
        m_statisticsLocked = true;
        Report(read.error, path);
        return std::nullopt;
    }
    if (read.error == FileError::None && !read.longer) {
        if (auto table = DecodeStatistics(
                {reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()})) {
            m_statistics = std::move(*table);
            return std::nullopt;
        }
    }
    const std::string aside = SetAsideName(path);
    if (std::rename(path.c_str(), aside.c_str()) != 0) {
        m_statisticsLocked = true;
        Report(FileErrorFromErrno(errno), path);
        return std::nullopt;
    }
    return StatisticsSetAsideMessage(aside);
}

std::optional<std::string> GameKeeper::KeptGame() {
    Finish();
    if (!m_gameKept) {
        return std::nullopt;
    }
    return FileIn(KeptGameName);
}

void GameKeeper::Keep(const RecordBytes& record) {
    if (!m_folder || (m_gameKept && m_lastKept == record)) {
        return;
    }
    m_lastKept = record;
    m_gameKept = true;
    m_gameChange = GameChange::Keep;
}

void GameKeeper::Forget() {
    if (!m_gameKept) {
        return;
    }
    m_lastKept.reset();
    m_gameKept = false;
    m_gameChange = GameChange::Forget;
}

void GameKeeper::CountResult(std::int32_t level, PlayerType one, PlayerType two,
                             std::optional<Side> winner) {
    if (m_resultCounted) {
        return;
    }
    m_resultCounted = true;
    trevallion::CountResult(m_statistics, level, ResultOf(one, two, winner));
    m_statisticsChanged = true;
}

void GameKeeper::ResetStatistics() {
    m_statistics.clear();
    m_statisticsChanged = true;
}

void GameKeeper::Write() {
    const bool statistics = m_statisticsChanged && !m_statisticsLocked;
    if (!m_folder || (m_gameChange == GameChange::None && !statistics)) {
        return;
    }
    Batch batch;
    batch.gameFile = FileIn(KeptGameName);
    batch.keep = m_gameChange == GameChange::Keep ? m_lastKept : std::nullopt;
    batch.forget = m_gameChange == GameChange::Forget;
    batch.statisticsFile = FileIn(StatisticsName);
    if (statistics) {
        batch.statistics = EncodeStatistics(m_statistics);
    }
    m_gameChange = GameChange::None;
    m_statisticsChanged = false;
    // Without a thread, the files are written at once rather than not at all.
    if (!m_writer.Start([batch] { WriteBatch(batch); })) {
        WriteBatch(batch);
    }
}

} // namespace trevallion
