// The play aids: Show Moves, Undo Move and Redo Move, the hint and Choose Level.

#include "levels/LevelLayouts.h"
#include "play/GameController.h"
#include "play/Messages.h"
#include "play/SettingNames.h"

namespace trevallion {

// What a switch changes on the screen (the marks, the board's look, the moves' motion, the
// panes) follows from its state when the screen is presented.
void GameController::SwitchOption(CommandId item, bool on, ChoiceBy by) {
    m_options.Set(item, on);
    if (by == ChoiceBy::Player) {
        m_settings.WriteSetting(OptionStates::Setting(item), on ? 1 : 0);
    }
}

void GameController::ChooseColours(BoardColours colours) {
    m_colours = colours;
    StoreColours(m_settings, colours);
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
    const std::vector<ShownTurn> turns = m_match.Redo();
    ShowTakenTurns(turns);
    // Each move played again may be followed by eye; the window shows the last of them moving.
    for (const ShownTurn& shown : turns) {
        if (shown.turn.move) {
            m_view.ShowMoveMade(*shown.turn.move);
        }
    }
    CheckOutcome(EndSound::Silent);
}

void GameController::ShowTakenTurns(const std::vector<ShownTurn>& turns) {
    for (const ShownTurn& shown : turns) {
        if (const std::optional<Move>& move = shown.turn.move) {
            m_view.ShowTile(move->from, shown.atFrom);
            m_view.ShowTile(move->to, shown.atTo);
        }
    }
    m_cursor = CursorOf(m_match.SideToMove());
    m_hint.PositionChanged();
    // In place of "Please Wait..." or "Game Over".
    m_view.SetTitle(LevelTitle(m_match.Level()));
}

// The move AI Expert would play for the human to move, worked out on a thread of its own.
void GameController::AskHint() {
    if (!m_match.HumanToMove()) {
        return;
    }
    m_hinter.Stop();
    m_hinter.Start(m_match.SideToMove(), PlayerType::AiExpert, m_match.CurrentBoard(),
                   m_match.Position(), m_match.SeenKeys());
    m_view.RequestWake(HintPollMilliseconds);
}

void GameController::PollHint() {
    if (m_hinter.State() == ComputerState::Thinking) {
        m_view.RequestWake(HintPollMilliseconds);
        return;
    }
    // A hint for a position that has changed meanwhile is no hint any more.
    const std::optional<ComputerChoice> hint =
        m_hinter.TakeChoice(m_match.SideToMove(), m_match.CurrentBoard(), m_match.Position());
    if (hint && hint->move && m_match.HumanToMove()) {
        m_hint.Show(*hint->move);
    }
}

void GameController::ChooseLevel() {
    m_boxes.OpenChooseLevel(ClampLevel(m_match.Level()));
}

} // namespace trevallion
