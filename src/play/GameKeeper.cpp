#include "play/GameKeeper.h"

#include "fileio/DamagedFile.h"
#include "play/KeepingMessages.h"
#include "play/StatisticsFile.h"
#include "savegame/SavedGameFile.h"

#include <cstdio>
#include <filesystem>

namespace trevallion {
namespace {

constexpr std::string_view KeptGameName = "game-in-play.tvx";
constexpr std::string_view StatisticsName = "statistics";

// The game keeps no log and has no box for a failure nobody asked about: a line on standard
// error says why a file was left alone, and the game goes on.
void Report(FileError error, const std::string& path) {
    std::fprintf(stderr, "trevallion: not kept: %s\n", FileErrorMessage(error, path).c_str());
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
    StatisticsRead read = ReadStatisticsFile(FileIn(StatisticsName));
    // Unreadable but maybe sound: rather than replace it, this run counts in memory only.
    if (read.error != FileError::None) {
        Report(read.error, FileIn(StatisticsName));
    }
    m_writer.Open(*m_folder, KeptGameName, StatisticsName, std::move(read.table),
                  read.error == FileError::None ? StatisticsFileRead::Read
                                                : StatisticsFileRead::Unreadable);
    if (read.setAside) {
        return StatisticsSetAsideMessage(*read.setAside);
    }
    return std::nullopt;
}

std::optional<std::string> GameKeeper::KeptGame() {
    Finish();
    if (!m_gameKept) {
        return std::nullopt;
    }
    return FileIn(KeptGameName);
}

std::optional<std::string> GameKeeper::SetAsideDamagedGame() {
    const std::optional<std::string> kept = KeptGame();
    if (!kept) {
        return std::nullopt;
    }
    // A game of another version, or one that cannot be read now, may be sound: Continue Game
    // says what is wrong with it, and it stays.
    if (const SavedGameRead read = ReadSavedGame(*kept, SaveFormatVersion);
        read.error != FileError::None || read.verdict != RecordVerdict::Corrupt) {
        return std::nullopt;
    }
    const SetAsideResult aside = SetDamagedFileAside(*kept);
    if (aside.error != FileError::None) {
        return FileErrorMessage(aside.error, *kept);
    }
    m_gameKept = false;
    m_lastKept.reset();
    return KeptGameSetAsideMessage(aside.aside);
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
    m_writer.AddStatistics({false, {{level, ResultOf(one, two, winner)}}});
}

void GameKeeper::ResetStatistics() {
    m_writer.AddStatistics({true, {}});
}

void GameKeeper::Write() {
    if (m_gameChange == GameChange::Keep) {
        m_writer.KeepGame(*m_lastKept);
    } else if (m_gameChange == GameChange::Forget) {
        m_writer.ForgetGame();
    }
    m_gameChange = GameChange::None;
    m_writer.Flush();
}

} // namespace trevallion
