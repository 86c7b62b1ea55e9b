// The computer player's side of the game: the timer tick that drives it, the start of its
// search, and the playing of the move the search leaves.

#include "play/GameController.h"
#include "rules/GenerateMoves.h"

namespace trevallion {

void GameController::TimerTick() {
    switch (m_match.CurrentPhase()) {
    case Phase::DoodleStarting:
    case Phase::DoodleAskedDecided:
        StartDoodle();
        return;
    case Phase::Doodle:
        DoodleGeneration();
        return;
    case Phase::LevelReady:
    case Phase::Playing:
    case Phase::Decided:
        break;
    }
    m_match.GameTick();
    // A human's turn does nothing on a tick; a computer player's turn is one step further.
    if (m_match.Player(m_match.SideToMove()) == PlayerType::Human || TurnRefused()) {
        return;
    }
    // A turn step forgets the last click, so the Life Doodle after this game starts without it.
    m_match.RememberClick(std::nullopt);
    ComputerStep();
}

void GameController::ComputerStep() {
    const Side side = m_match.SideToMove();
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
        if (result->position == m_match.Position() && result->side == side) {
            // The move is played as the search left it: the engine lists only legal steps.
            // With no step at all, the turn passes without a move.
            ShowTurn(m_match.PlayTurn(ComputerChoice(side, *result)), true);
            return;
        }
    }
    m_computer.Start(side, m_match.Player(side), m_match.CurrentBoard(), m_match.Position());
}

Move GameController::ComputerChoice(Side side, const ComputerPlayer::Result& result) const {
    if (!result.move.IsNone()) {
        return result.move;
    }
    MoveList list;
    ClearMoveList(list);
    GenerateMoves(m_match.CurrentBoard(), list, side, result.orderingMode);
    return list[0];
}

} // namespace trevallion
