#pragma once

#include "play/KeepWriter.h"
#include "play/KeepingPlace.h"
#include "play/Statistics.h"
#include "play/WorkerRunner.h"
#include "savegame/SavedGameRecord.h"

#include <optional>
#include <string>

namespace trevallion {

// Keeps the game in play, as a saved game, and the results of the levels played in the user's
// folder, so that neither closing the window nor a crash loses them. The files are written on a
// thread of their own (see KeepWriter), after the window has been told of the change that made
// them: a slow disk never holds up a move. Each file is replaced whole, so a kill at any moment
// leaves the old file or the new one, and two games sharing the folder add up their results.
class GameKeeper {
  public:
    GameKeeper(KeepingPlace& place, WorkerRunner& writer) : m_place(place), m_writer(writer) {}

    // Finds what an earlier run kept. A statistics file that cannot be read as one is set aside
    // under a name of its own, and the message saying so is answered for the player.
    std::optional<std::string> Open();

    bool HasKeptGame() const { return m_gameKept; }
    // The kept game's file, once every write handed over is done; nothing when none is kept.
    std::optional<std::string> KeptGame();
    // Sets the kept game aside when it cannot be read as a game, and answers the message for the
    // player; it is kept no longer.
    std::optional<std::string> SetAsideDamagedGame();

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
    StatisticsTable Statistics() const { return m_writer.Statistics(); }
    void ResetStatistics();

    // Hands what has changed since the last call to the writer.
    void Write();
    // Waits until everything handed over is written.
    void Finish() { m_writer.Finish(); }
    // Why keeping failed, to tell the player once (see KeepWriter::TakeFailure).
    std::optional<std::string> TakeFailure() { return m_writer.TakeFailure(); }

  private:
    std::string FileIn(std::string_view name) const;

    KeepingPlace& m_place;
    KeepWriter m_writer;
    std::optional<std::string> m_folder; // nothing: the game keeps nothing
    bool m_gameKept = false;
    std::optional<RecordBytes> m_lastKept;
    // What the next Write hands over.
    enum class GameChange { None, Keep, Forget } m_gameChange = GameChange::None;
    bool m_resultCounted = false;
};

} // namespace trevallion
