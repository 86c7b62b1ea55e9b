// The computer player's side of the game: the timer tick that drives it, the start of a worker
// for its move, and the playing of the move the worker leaves.

#include "play/ComputerWorker.h"
#include "play/GameDialog.h"
#include "rules/GenerateMoves.h"

namespace trevallion {

void GameDialog::OnTimer() {
    GameState& s = m_state;
    if (s.m_timerMode == DoodleStartPending) {
        StartDoodle();
        return;
    }
    if (s.m_timerMode == DoodleRunning) {
        DoodleGeneration();
        return;
    }
    if (s.m_timerMode != GameMode) {
        return;
    }
    s.m_noGame = 0;
    // A human's turn does nothing on a tick; a computer player's turn is one step further.
    if ((s.m_sideToMove == PlayerTwo && s.m_playerTwoType != Human) ||
        (s.m_sideToMove == PlayerOne && s.m_playerOneType != Human)) {
        OnCell(NoCell, NoCell);
    }
}

// One step of a computer player's turn: the first starts its worker, and the first after the
// worker has finished plays the move. Every call while it thinks is refused by OnCell.
void GameDialog::ComputerTurn(int side) {
    GameState& s = m_state;
    m_window.SetCursor(side);
    s.searchDepth = SearchDepthFor(s.TypeOf(side));
    const ComputerState state = s.m_computerState.load(std::memory_order_acquire);
    if (state == Idle) {
        StartComputerWorker(side);
        return;
    }
    // The worker publishes MoveReady before its side; until both show, wait for the next tick.
    if (state != MoveReady || s.m_finishedSide.load(std::memory_order_acquire) != side) {
        return;
    }
    const int other = OtherSide(side);
    s.m_sideToMove = other;
    s.m_cursorSide = other;
    // A piece picked while this side was still human is not the next side's to move.
    s.m_selX = s.m_selY = NoCell;
    s.m_computerState.store(Idle, std::memory_order_relaxed);
    // The move is played as the worker left it: the search lists only legal steps.
    if (s.m_computerMove.fromX != NoCell) {
        ExecuteComputerMove();
    } else {
        // The search found nothing better than a loss: play the first move there is, if any.
        MoveList list;
        ClearMoveList(list);
        GenerateMoves(s.board, list, side, s.m_orderingMode);
        if (list[0].fromX != NoCell) {
            s.m_computerMove = {list[0].fromX, list[0].fromY, list[0].toX, list[0].toY};
            ExecuteComputerMove();
        }
    }
    m_window.SetCursor(other);
}

void GameDialog::ExecuteComputerMove() {
    const ComputerMove move = m_state.m_computerMove;
    MovePiece(move.fromX, move.fromY, move.toX, move.toY, true);
}

void GameDialog::StartComputerWorker(int side) {
    GameState& s = m_state;
    // The previous worker has published its move and is ending, if it has not ended yet.
    m_window.JoinWorker();
    s.m_computerState.store(Thinking, std::memory_order_relaxed);
    s.m_computerMove = ComputerMove{};
    // The worker reads its side's type now, so a Player menu command during the search does
    // not change the strength of the move under way.
    const PlayerType type = s.TypeOf(side);
    const auto work = side == PlayerOne ? PlayerOneThreadProc : PlayerTwoThreadProc;
    if (!m_window.StartWorker([this, work, type] { work(m_state, type); })) {
        // No thread: leave the computer player no move of its own, so that the next step
        // plays the first generated move instead of waiting for a worker that never comes.
        s.m_finishedSide.store(side, std::memory_order_relaxed);
        s.m_computerState.store(MoveReady, std::memory_order_relaxed);
    }
}

void GameDialog::Shutdown() {
    m_state.m_abortSearch.store(1);
    m_window.JoinWorker();
    m_state.m_abortSearch.store(0);
}

} // namespace trevallion
