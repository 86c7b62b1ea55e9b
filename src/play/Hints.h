#pragma once

#include "match/Match.h"
#include "play/ComputerPlayer.h"
#include "play/GameView.h"
#include "play/WorkerRunner.h"

namespace trevallion {

// Help › Hint: the move AI Expert would play for the human to move, worked out on a thread of
// its own and shown on the board once found. A hint is an event, not state: it is taken away as
// soon as the position changes, and asked again for the same position it shows again.
class Hints {
  public:
    Hints(GameView& view, const Match& match, WorkerRunner& workers)
        : m_view(view), m_match(match), m_hinter(workers) {}

    void Ask();
    // The view's wake-up: a hint asked for may be ready.
    void Poll();
    void PositionChanged();
    // Abandons a hint being worked out, and joins its worker.
    void Stop() { m_hinter.Stop(); }

  private:
    // How often a hint being worked out is looked for.
    static constexpr int PollMilliseconds = 50;

    GameView& m_view;
    const Match& m_match;
    ComputerPlayer m_hinter;
    // Whether a hint may still show on the board.
    bool m_mayShow = false;
};

} // namespace trevallion
