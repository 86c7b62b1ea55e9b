// The computer player's side of the game: the timer tick that drives it, the start of its
// search, and the playing of the move the search leaves.

#include "play/GameController.h"
#include "rules/GenerateMoves.h"

namespace trevallion {

void GameController::TimerTick() {
    GameState& s = m_state;
    switch (s.m_timerMode) {
    case TimerMode::DoodleStartPending:
        StartDoodle();
        return;
    case TimerMode::DoodleRunning:
        DoodleGeneration();
        return;
    case TimerMode::Game:
        break;
    }
    s.m_noGame = false;
    // A human's turn does nothing on a tick; a computer player's turn is one step further.
    if (s.TypeOf(s.m_sideToMove) == PlayerType::Human || TurnRefused()) {
        return;
    }
    // A turn step forgets the last click, so the Life Doodle after this game starts without it.
    s.m_lastClickX = s.m_lastClickY = NoCell;
    ComputerStep();
}

void GameController::ComputerStep() {
    GameState& s = m_state;
    const Side side = s.m_sideToMove;
    SetCursorSide(CursorOf(side));
    ComputerTurn(side);
    CheckOutcome();
}

// One step of a computer player's turn: the first starts its search, and the first after the
// search has finished plays the move. Every call while it thinks is refused before this.
void GameController::ComputerTurn(Side side) {
    if (const auto result = m_computer.TakeResult()) {
        // A move worked out for an earlier position (a human has moved since its side was made
        // human during the search) is dropped, and this side thinks afresh.
        if (result->position == m_state.m_position && result->side == side) {
            PlayComputerResult(side, *result);
            return;
        }
    }
    m_computer.Start(side, m_state.TypeOf(side), m_state.board, m_state.m_position);
}

void GameController::PlayComputerResult(Side side, const ComputerPlayer::Result& result) {
    // A piece picked while this side was still human is not the next side's to move.
    m_state.m_selX = m_state.m_selY = NoCell;
    // The move is played as the search left it: the engine lists only legal steps. With no
    // step at all, the turn passes without a move.
    PlayTurn(side, ComputerChoice(side, result), true);
}

Move GameController::ComputerChoice(Side side, const ComputerPlayer::Result& result) const {
    if (!result.move.IsNone()) {
        return result.move;
    }
    MoveList list;
    ClearMoveList(list);
    GenerateMoves(m_state.board, list, side, result.orderingMode);
    return list[0];
}

} // namespace trevallion
