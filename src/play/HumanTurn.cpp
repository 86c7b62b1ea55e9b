// The road of one click: the dispatch of a cell click, the human player's move, and how a
// played turn shows on the board.

#include "play/GameController.h"

namespace trevallion {

// A decided level, or a computer player thinking, refuses clicks and turn steps alike.
bool GameController::TurnRefused() const {
    return m_match.TurnsRefused() || m_computer.State() == ComputerState::Thinking;
}

void GameController::HandleCell(Cell cell) {
    if (TurnRefused()) {
        return;
    }
    m_match.RememberClick(cell);
    if (!m_match.InGame()) {
        DoodleClick(cell);
        return;
    }
    const Side side = m_match.SideToMove();
    if (m_match.Player(side) != PlayerType::Human) {
        // A click on a computer player's turn does what the tick would do.
        ComputerStep();
        return;
    }
    SetCursorSide(CursorOf(side));
    // Clicks the rules do not accept are ignored without a word or a sound.
    if (const std::optional<PlayedTurn> turn = m_match.HumanClick(cell)) {
        ShowTurn(*turn, false);
    }
    CheckOutcome();
}

// The piece leaves its cell and enters its target. A computer player's move also takes the
// keyboard focus, first to the cell it leaves and then to its target, so that the focus mark
// shows where it moved; a human's move leaves the focus where the click put it. Then the other
// side's cursor shows.
void GameController::ShowTurn(const PlayedTurn& turn, bool takeFocus) {
    const Move& move = turn.move;
    if (!move.IsNone()) {
        m_view.ShowTile(move.from, Empty);
        if (takeFocus) {
            m_view.SetFocus(move.from);
        }
        // Taking a king is announced by the end of the level, not by the capture sound.
        if (turn.captured != Empty && !IsKing(turn.captured)) {
            PlayEffect(Effect::Capture);
        }
        if (takeFocus) {
            m_view.SetFocus(move.to);
        }
        m_view.ShowTile(move.to, m_match.CurrentBoard().At(move.to));
    }
    SetCursorSide(CursorOf(m_match.SideToMove()));
    m_aids.PositionChanged();
}

} // namespace trevallion
