#pragma once

#include "match/Match.h"
#include "play/GameKeeper.h"
#include "play/HistoryKeeper.h"
#include "play/KeepingPlace.h"
#include "play/OpenBoxes.h"
#include "play/WorkerRunner.h"
#include "record/GameRecord.h"
#include "savegame/SavedGameRecord.h"

#include <optional>
#include <string>

namespace trevallion {

// What the game keeps from one run to the next: the game in play with the turns that led to it,
// which Start › Continue Game brings back, and the results of the levels played, which the
// Statistics box shows. The files are written on threads of their own.
class Keeping {
  public:
    Keeping(const Match& match, OpenBoxes& boxes, KeepingPlace& place, WorkerRunner& keepWriter)
        : m_match(match), m_boxes(boxes), m_keeper(place, keepWriter),
          m_history(place, m_historyWriter) {}

    // Start-up: reads what the last runs kept.
    void Open();
    // The clock's tick: tells the player what went wrong with the kept files, once.
    void ShowNotice();
    // After every input: the game in play as `onShow` holds it, or nothing once it is decided.
    void Keep(const SavedGameRecord& onShow);
    // Writes what was kept, on the writer's thread.
    void Write() { m_keeper.Write(); }
    // Finishes writing; the window calls this before it goes away.
    void Finish();

    bool HasKeptGame() const { return m_keeper.HasKeptGame(); }
    // The level on the board has begun afresh: its result is still to count.
    void LevelBegun() { m_keeper.LevelBegun(); }
    // The level on the board is decided: won by `winner`, or drawn.
    void CountResult(std::optional<Side> winner);
    // The kept game's file for Continue Game; a damaged one is set aside and said instead.
    std::optional<std::string> KeptGameToLoad();
    // The turns that led to the kept game, when they lead to the position now on the board.
    std::optional<GameRecord> KeptHistory(std::int32_t level);

    void ShowStatistics();
    void StatisticsClosed(StatisticsAnswer answer);

  private:
    const Match& m_match;
    OpenBoxes& m_boxes;
    GameKeeper m_keeper;
    ThreadRunner m_historyWriter;
    HistoryKeeper m_history;
    // The message about a damaged statistics file, until it can be shown.
    std::optional<std::string> m_notice;
};

} // namespace trevallion
