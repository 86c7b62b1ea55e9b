// The play aids: Show Moves, Undo Move and Redo Move, the hint and Choose Level.

#include "levels/LevelLayouts.h"
#include "play/GameController.h"
#include "play/Messages.h"
#include "play/SettingNames.h"
#include "rules/Steps.h"

namespace trevallion {

// Start-up applies the stored choice without storing it again: a player who never used the
// item finds no setting for it.
void GameController::SwitchShowMoves(bool on, bool store) {
    m_showMoves = on;
    m_view.CheckMenuItem(CommandId::ShowMoves, on);
    if (store) {
        m_settings.WriteSetting(ShowMovesSetting, on ? 1 : 0);
    }
}

bool GameController::AnyHumanPlayer() const {
    return m_state.m_playerOneType == PlayerType::Human ||
           m_state.m_playerTwoType == PlayerType::Human;
}

bool GameController::HumanToMove() const {
    const GameState& s = m_state;
    return s.m_timerMode == TimerMode::Game && !s.m_gameOver &&
           s.TypeOf(s.m_sideToMove) == PlayerType::Human;
}

// Takes back the last turn, and the computer player's turns before it, so that a human is to
// move again. A level lost to the computer player opens again, so the losing move can be taken
// back too.
void GameController::UndoMove() {
    if (m_state.m_timerMode != TimerMode::Game || !m_history.CanUndo()) {
        return;
    }
    AbortComputerSearch();
    Side side;
    do {
        const PlayedTurn turn = m_history.Undo();
        TakeBack(m_state.board, turn);
        ShowTurnTiles(turn);
        side = turn.side;
    } while (m_history.CanUndo() && AnyHumanPlayer() && m_state.TypeOf(side) != PlayerType::Human);
    ResumeAt(side);
}

// Plays again what Undo took back, the computer player's turns with the human's.
void GameController::RedoMove() {
    if (m_state.m_timerMode != TimerMode::Game || !m_history.CanRedo()) {
        return;
    }
    AbortComputerSearch();
    Side side;
    do {
        const PlayedTurn turn = m_history.Redo();
        PlayAgain(m_state.board, turn);
        ShowTurnTiles(turn);
        side = OtherSide(turn.side);
    } while (m_history.CanRedo() && AnyHumanPlayer() && m_state.TypeOf(side) != PlayerType::Human);
    ResumeAt(side);
    CheckOutcome(false);
}

void GameController::ShowTurnTiles(const PlayedTurn& turn) {
    const Move& move = turn.move;
    if (!move.IsNone()) {
        m_view.ShowTile(move.fromX, move.fromY, m_state.board.At(move.fromX, move.fromY));
        m_view.ShowTile(move.toX, move.toY, m_state.board.At(move.toX, move.toY));
    }
}

void GameController::ResumeAt(Side side) {
    GameState& s = m_state;
    s.m_selX = s.m_selY = NoCell;
    s.m_gameOver = false;
    s.m_sideToMove = side;
    SetCursorSide(CursorOf(side));
    PositionChanged();
    // In place of "Please Wait..." or "Game Over".
    m_view.SetTitle(LevelTitle(s.m_level));
}

// The move AI Difficult would play for the human to move, worked out on a thread of its own.
void GameController::AskHint() {
    if (!HumanToMove()) {
        return;
    }
    m_hinter.Stop();
    m_hinter.Start(m_state.m_sideToMove, PlayerType::AiDifficult, m_state.board,
                   m_state.m_position);
    m_view.RequestWake(HintPollMilliseconds);
}

void GameController::PollHint() {
    if (m_hinter.State() == ComputerState::Thinking) {
        m_view.RequestWake(HintPollMilliseconds);
        return;
    }
    const std::optional<ComputerPlayer::Result> result = m_hinter.TakeResult();
    // A hint for a position that has changed meanwhile is no hint any more.
    if (!result || result->position != m_state.m_position || !HumanToMove()) {
        return;
    }
    const Move move = ComputerChoice(result->side, *result);
    if (!move.IsNone()) {
        m_hintMayShow = true;
        m_view.ShowHint(move);
    }
}

void GameController::ChooseLevel() {
    const int current = m_state.m_level >= 1 && m_state.m_level <= LevelCount ? m_state.m_level : 1;
    m_awaiting.window = Window::ChooseLevel;
    m_view.OpenChooseLevel(current);
}

void GameController::RefreshAids() {
    const GameState& s = m_state;
    const bool inGame = s.m_timerMode == TimerMode::Game;
    BoardMarks marks;
    if (m_showMoves) {
        marks.grid = true;
        if (inGame && s.HasSelection()) {
            marks.selected = Cell{s.m_selX, s.m_selY};
            marks.targets = StepTargets(s.board, s.m_selX, s.m_selY);
        }
        if (inGame) {
            marks.lastMove = m_history.LastMove();
        }
    }
    if (marks != m_shownMarks) {
        m_shownMarks = marks;
        m_view.ShowMarks(marks);
    }
    const std::pair<CommandId, bool> items[] = {
        {CommandId::UndoMove, inGame && m_history.CanUndo()},
        {CommandId::RedoMove, inGame && m_history.CanRedo()},
        {CommandId::Hint, HumanToMove()},
    };
    for (const auto& [item, enabled] : items) {
        const auto known = m_enabledItems.find(item);
        if (known == m_enabledItems.end() || known->second != enabled) {
            m_enabledItems[item] = enabled;
            m_view.EnableMenuItem(item, enabled);
        }
    }
}

} // namespace trevallion
