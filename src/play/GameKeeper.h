#pragma once

#include "play/KeepingPlace.h"
#include "play/Statistics.h"
#include "play/WorkerRunner.h"
#include "savegame/SavedGameRecord.h"

#include <optional>
#include <string>

namespace trevallion {

// Keeps the game in play, as a saved game, and the results of the levels played in the user's
// folder, so that neither closing the window nor a crash loses them. The files are written on a
// thread of their own, after the window has been told of the change that made them: a slow disk
// never holds up a move. What is written is fixed when it is handed over, and each file is
// replaced whole, so a kill at any moment leaves the old file or the new one.
class GameKeeper {
  public:
    GameKeeper(KeepingPlace& place, WorkerRunner& writer) : m_place(place), m_writer(writer) {}

    // Finds what an earlier run kept. A statistics file that cannot be read as one is set aside
    // under a name of its own, and the message saying so is answered for the player.
    std::optional<std::string> Open();

    bool HasKeptGame() const { return m_gameKept; }
    // The kept game's file, once every write handed over is done; nothing when none is kept.
    std::optional<std::string> KeptGame();

    // The game in play is now `record`; it is kept unless it is what was kept last.
    void Keep(const RecordBytes& record);
    // The level is decided: nothing is kept of it.
    void Forget();

    // A level begins, set up or loaded: its result counts once, however often Undo and Redo
    // decide it again.
    void LevelBegun() { m_resultCounted = false; }
    // A level won by `winner`, or drawn when there is none.
    void CountResult(std::int32_t level, PlayerType one, PlayerType two,
                     std::optional<Side> winner);
    const StatisticsTable& Statistics() const { return m_statistics; }
    void ResetStatistics();

    // Hands what has changed since the last call to the writer's thread.
    void Write();
    // Waits until everything handed over is written.
    void Finish() { m_writer.Join(); }

  private:
    std::string FileIn(std::string_view name) const;
    std::optional<std::string> OpenStatistics();

    KeepingPlace& m_place;
    WorkerRunner& m_writer;
    std::optional<std::string> m_folder; // nothing: the game keeps nothing
    bool m_gameKept = false;
    std::optional<RecordBytes> m_lastKept;
    // What the next Write hands over.
    enum class GameChange { None, Keep, Forget } m_gameChange = GameChange::None;
    bool m_statisticsChanged = false;
    // The statistics file could not be read for a reason other than damage (such as its
    // permissions), so it is left alone.
    bool m_statisticsLocked = false;
    StatisticsTable m_statistics;
    bool m_resultCounted = false;
};

} // namespace trevallion
