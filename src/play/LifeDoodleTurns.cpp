// The Life Doodle on the board's buttons: started by the first tick after the window opens or
// after the Life Doodle command, one generation a tick, and clicks that bring cells to life.
// It has grids of its own and leaves the game's board, level and players untouched.

#include "play/GameController.h"
#include "play/Messages.h"

namespace trevallion {
namespace {

CellCode DoodleTile(bool alive) {
    return alive ? Wall : Empty;
}

} // namespace

void GameController::StartDoodle() {
    GameState& s = m_state;
    s.m_noGame = true;
    s.m_gameOver = false;
    SetCursorSide(CursorSide::Neutral);
    m_view.SetTitle(ProgramName);
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            const bool alive = AliveAtDoodleStart(x, y);
            m_view.ShowTile(x, y, DoodleTile(alive));
            const auto i = static_cast<std::size_t>(CellIndex(x, y));
            s.m_doodleCells[i] = s.m_doodleNext[i] = alive ? 1 : 0;
        }
    }
    s.m_timerMode = TimerMode::DoodleRunning;
}

void GameController::DoodleGeneration() {
    GameState& s = m_state;
    // The last click's cell is alive for this generation even if it was clicked during a game.
    if (OnBoard(s.m_lastClickX, s.m_lastClickY)) {
        s.m_doodleCells[static_cast<std::size_t>(CellIndex(s.m_lastClickX, s.m_lastClickY))] = 1;
        if (CreditsPatternLives(s.m_doodleCells)) {
            // The next tick, which may come while the box is still open, starts the doodle
            // afresh.
            s.m_timerMode = TimerMode::DoodleStartPending;
            OpenBox(BoxStep::Credits, CreditsMessage, MessageButtons::Ok, MessageIcon::Information);
        }
    }
    ComputeNextGeneration(s.m_doodleCells, s.m_doodleNext);
    // Only cells that change are repainted.
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            const auto i = static_cast<std::size_t>(CellIndex(x, y));
            const std::int32_t now = s.m_doodleCells[i];
            const std::int32_t next = s.m_doodleNext[i];
            if ((next == 1 && now != 1) || (next == 0 && now != 0)) {
                m_view.ShowTile(x, y, DoodleTile(next == 1));
            }
            s.m_doodleCells[i] = next;
        }
    }
    s.m_lastClickX = s.m_lastClickY = NoCell;
}

// A click never kills a cell: a live one stays as it is, silently.
void GameController::DoodleClick(int x, int y) {
    if (!OnBoard(x, y)) {
        return;
    }
    GameState& s = m_state;
    const auto i = static_cast<std::size_t>(CellIndex(x, y));
    m_view.ShowTile(x, y, Wall);
    if (s.m_doodleCells[i] == 0) {
        PlayEffect(Effect::Capture);
    }
    s.m_doodleCells[i] = 1;
}

} // namespace trevallion
