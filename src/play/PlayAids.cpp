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

// Takes back the last turn, and the computer player's turns before it, so that a human is to
// move again. A level lost to the computer player opens again, so the losing move can be taken
// back too.
void GameController::UndoMove() {
    if (!m_match.InGame() || !m_match.History().CanUndo()) {
        return;
    }
    AbortComputerSearch();
    ShowTakenTurns(m_match.Undo());
}

// Plays again what Undo took back, the computer player's turns with the human's.
void GameController::RedoMove() {
    if (!m_match.InGame() || !m_match.History().CanRedo()) {
        return;
    }
    AbortComputerSearch();
    ShowTakenTurns(m_match.Redo());
    CheckOutcome(false);
}

void GameController::ShowTakenTurns(const std::vector<ShownTurn>& turns) {
    for (const ShownTurn& shown : turns) {
        const Move& move = shown.turn.move;
        if (!move.IsNone()) {
            m_view.ShowTile(move.from.x, move.from.y, shown.atFrom);
            m_view.ShowTile(move.to.x, move.to.y, shown.atTo);
        }
    }
    SetCursorSide(CursorOf(m_match.SideToMove()));
    PositionChanged();
    // In place of "Please Wait..." or "Game Over".
    m_view.SetTitle(LevelTitle(m_match.Level()));
}

// The move AI Difficult would play for the human to move, worked out on a thread of its own.
void GameController::AskHint() {
    if (!m_match.HumanToMove()) {
        return;
    }
    m_hinter.Stop();
    m_hinter.Start(m_match.SideToMove(), PlayerType::AiDifficult, m_match.CurrentBoard(),
                   m_match.Position());
    m_view.RequestWake(HintPollMilliseconds);
}

void GameController::PollHint() {
    if (m_hinter.State() == ComputerState::Thinking) {
        m_view.RequestWake(HintPollMilliseconds);
        return;
    }
    const std::optional<ComputerPlayer::Result> result = m_hinter.TakeResult();
    // A hint for a position that has changed meanwhile is no hint any more.
    if (!result || result->position != m_match.Position() || !m_match.HumanToMove()) {
        return;
    }
    const Move move = ComputerChoice(result->side, *result);
    if (!move.IsNone()) {
        m_hintMayShow = true;
        m_view.ShowHint(move);
    }
}

void GameController::ChooseLevel() {
    const int level = m_match.Level();
    const int current = level >= 1 && level <= LevelCount ? level : 1;
    m_awaiting.window = Window::ChooseLevel;
    m_view.OpenChooseLevel(current);
}

void GameController::RefreshAids() {
    const bool inGame = m_match.InGame();
    const std::optional<Cell> selection = m_match.Selection();
    BoardMarks marks;
    if (m_showMoves) {
        marks.grid = true;
        if (inGame && selection) {
            marks.selected = selection;
            marks.targets = StepTargets(m_match.CurrentBoard(), selection->x, selection->y);
        }
        if (inGame) {
            marks.lastMove = m_match.History().LastMove();
        }
    }
    if (marks != m_shownMarks) {
        m_shownMarks = marks;
        m_view.ShowMarks(marks);
    }
    const std::pair<CommandId, bool> items[] = {
        {CommandId::UndoMove, inGame && m_match.History().CanUndo()},
        {CommandId::RedoMove, inGame && m_match.History().CanRedo()},
        {CommandId::Hint, m_match.HumanToMove()},
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
