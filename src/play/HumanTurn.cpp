// The road of one click: the dispatch of a cell click, the human player's selection protocol,
// and the moves it makes.

#include "play/GameController.h"
#include "rules/ApplyMove.h"
#include "rules/Steps.h"

namespace trevallion {

// A decided level, or a computer player thinking, refuses clicks and turn steps alike.
bool GameController::TurnRefused() const {
    return m_state.m_gameOver || m_computer.State() == ComputerState::Thinking;
}

void GameController::HandleCell(int x, int y) {
    GameState& s = m_state;
    if (TurnRefused()) {
        return;
    }
    s.m_lastClickX = x;
    s.m_lastClickY = y;
    if (s.m_timerMode != TimerMode::Game) {
        DoodleClick(x, y);
        return;
    }
    const Side side = s.m_sideToMove;
    if (s.TypeOf(side) != PlayerType::Human) {
        // A click on a computer player's turn does what the tick would do.
        ComputerStep();
        return;
    }
    SetCursorSide(CursorOf(side));
    HumanClick(side, x, y);
    CheckOutcome();
}

// Pick one of your movable pieces, then click where it goes. Clicks the rules do not accept
// are ignored without a word or a sound.
void GameController::HumanClick(Side side, int x, int y) {
    GameState& s = m_state;
    if (!OnBoard(x, y)) {
        return;
    }
    const CellCode clicked = s.board.At(x, y);
    if (!s.HasSelection()) {
        if (IsMovablePieceOf(clicked, side)) {
            s.m_selX = x;
            s.m_selY = y;
        }
        return;
    }
    if (x == s.m_selX && y == s.m_selY) {
        return;
    }
    if (clicked == Wall) {
        s.m_selX = s.m_selY = NoCell;
        return;
    }
    if (BelongsTo(clicked, side)) {
        // Reselect, the own king included; a king can go nowhere, so the player must pick again.
        s.m_selX = x;
        s.m_selY = y;
        return;
    }
    const Move move{s.m_selX, s.m_selY, x, y};
    if (!MayStep(s.board, side, {move.fromX, move.fromY}, {x, y})) {
        return;
    }
    s.m_selX = s.m_selY = NoCell;
    PlayTurn(side, move, false);
}

void GameController::PlayTurn(Side side, const Move& move, bool takeFocus) {
    m_history.Record(move.IsNone() ? PlayedTurn{move, side} : MovePiece(side, move, takeFocus));
    PassTurn(OtherSide(side));
}

// Moves a piece on the board and its buttons. A computer player's move also takes the keyboard
// focus, first to the cell it leaves and then to its target, so that the focus mark shows where
// it moved; a human's move leaves the focus where the click put it.
PlayedTurn GameController::MovePiece(Side side, const Move& move, bool takeFocus) {
    const CellCode mover = m_state.board.At(move.fromX, move.fromY);
    const CellCode captured = ApplyMove(m_state.board, move);
    m_view.ShowTile(move.fromX, move.fromY, Empty);
    if (takeFocus) {
        m_view.SetFocus(move.fromX, move.fromY);
    }
    // Taking a king is announced by the end of the level, not by the capture sound.
    if (captured != Empty && !IsKing(captured)) {
        PlayEffect(Effect::Capture);
    }
    if (takeFocus) {
        m_view.SetFocus(move.toX, move.toY);
    }
    m_view.ShowTile(move.toX, move.toY, mover);
    return {move, side, captured};
}

void GameController::PassTurn(Side side) {
    m_state.m_sideToMove = side;
    SetCursorSide(CursorOf(side));
    PositionChanged();
}

void GameController::PositionChanged() {
    ++m_state.m_position;
    if (m_hintMayShow) {
        m_hintMayShow = false;
        m_view.ShowHint(std::nullopt);
    }
}

} // namespace trevallion
