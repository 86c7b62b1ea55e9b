#pragma once

#include "play/KeepingPlace.h"
#include "play/WorkerRunner.h"
#include "record/GameRecord.h"
#include "record/MatchRecord.h"

#include <optional>
#include <string>

namespace trevallion {

// Keeps the whole level's turns beside the kept game in play, as a game record, so that Continue
// Game brings back Undo, Redo and the move list as well as the position. It is written as the
// kept game is: on a thread of its own, each file replaced whole. The kept game never depends on
// it: a history that is missing, damaged or of another game only costs the turns.
class HistoryKeeper {
  public:
    HistoryKeeper(KeepingPlace& place, WorkerRunner& writer) : m_place(place), m_writer(writer) {}

    // Finds the folder the game keeps its files in.
    void Open();
    // The level in play is now `record`; it is written unless it is what was kept last.
    void Keep(const GameRecord& record);
    // Nothing is in play to keep.
    void Forget();
    // The kept history when it leads exactly to `kept`, once every write is done.
    std::optional<GameRecord> Read(const KeptPosition& kept);
    void Finish() { m_writer.Join(); }

  private:
    std::string File() const;

    KeepingPlace& m_place;
    WorkerRunner& m_writer;
    std::optional<std::string> m_folder;
    // The text last handed over; nothing when the history is removed.
    std::optional<std::string> m_kept;
};

} // namespace trevallion
