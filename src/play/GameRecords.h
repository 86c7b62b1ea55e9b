#pragma once

#include "match/Match.h"
#include "play/GameView.h"
#include "play/Hints.h"
#include "play/LevelTurns.h"
#include "play/MenuChoices.h"
#include "play/OpenBoxes.h"
#include "play/ReviewSession.h"
#include "play/WorkerRunner.h"

#include <optional>
#include <string>

namespace trevallion {

// The level's turns as a whole: Export Record and Import Record, and Review Game, which works
// out on a thread of its own how each move of the level compares with AI Expert's.
class GameRecords {
  public:
    GameRecords(GameView& view, Match& match, OpenBoxes& boxes, MenuChoices& choices,
                LevelTurns& turns, Hints& hints)
        : m_view(view), m_match(match), m_boxes(boxes), m_choices(choices), m_turns(turns),
          m_hints(hints), m_review(m_reviewWorker) {}

    void AskExport();
    void AskImport();
    void ExportTo(const std::string& path);
    void ImportFrom(const std::string& path);

    void StartReview();
    // The view's wake-up: the review's progress, or its end.
    void PollReview();
    void CancelReview() { m_review.Cancel(); }
    bool ReviewRunning() const { return m_review.Running(); }
    // The last review finished, for the move list.
    const std::optional<ReviewedGame>& Reviewed() const { return m_reviewed; }

  private:
    GameView& m_view;
    Match& m_match;
    OpenBoxes& m_boxes;
    MenuChoices& m_choices;
    LevelTurns& m_turns;
    Hints& m_hints;
    ThreadRunner m_reviewWorker;
    ReviewSession m_review;
    std::optional<ReviewedGame> m_reviewed;
};

} // namespace trevallion
