#include "play/LevelTurns.h"

#include "levels/LevelLayouts.h"
#include "play/Messages.h"

namespace trevallion {

LevelTurns::LevelTurns(const Parts& parts, WorkerRunner& workers)
    : m_view(parts.view), m_match(parts.match), m_boxes(parts.boxes), m_effects(parts.effects),
      m_screen(parts.screen), m_choices(parts.choices), m_hints(parts.hints),
      m_keeping(parts.keeping), m_computer(workers) {}

void LevelTurns::Tick() {
    m_match.GameTick();
    // A human's turn does nothing on a tick; a computer player's turn is one step further.
    if (m_match.Player(m_match.SideToMove()) == PlayerType::Human || Refused()) {
        return;
    }
    // A turn step forgets the last click, so the Life Doodle after this game starts without it.
    m_match.RememberClick(std::nullopt);
    ComputerStep();
}

void LevelTurns::Click(Cell cell) {
    const Side side = m_match.SideToMove();
    if (m_match.Player(side) != PlayerType::Human) {
        // A click on a computer player's turn does what the tick would do.
        ComputerStep();
        return;
    }
    m_cursor = CursorOf(side);
    // Clicks the rules do not accept are ignored without a word or a sound.
    if (const std::optional<PlayedTurn> turn = m_match.HumanClick(cell)) {
        ShowTurn(*turn, TurnFocus::Stays);
    }
    CheckOutcome();
}

bool LevelTurns::Refused() const {
    return m_match.TurnsRefused() || m_computer.State() == ComputerState::Thinking;
}

void LevelTurns::ComputerStep() {
    m_cursor = CursorOf(m_match.SideToMove());
    ComputerTurn(m_match.SideToMove());
    CheckOutcome();
}

// One step of a computer player's turn: the first starts its search, and the first after the
// search has finished plays the move. Every call while it thinks is refused before this.
void LevelTurns::ComputerTurn(Side side) {
    // A move worked out for an earlier position (a human has moved since its side was made human
    // during the search) is dropped, and this side thinks afresh.
    if (const std::optional<ComputerChoice> turn =
            m_computer.TakeChoice(side, m_match.CurrentBoard(), m_match.Position())) {
        // The move is played as the search left it: the engine lists only legal steps. With no
        // step at all, the turn passes without a move.
        ShowTurn(m_match.PlayTurn(turn->move), TurnFocus::Follows);
        return;
    }
    m_computer.Start(side, m_match.Player(side), m_match.CurrentBoard(), m_match.Position(),
                     m_match.SeenKeys());
}

// The piece leaves its cell and enters its target. A computer player's move also takes the
// keyboard focus, first to the cell it leaves and then to its target, so that the focus mark
// shows where it moved, and the window may slide it there; a human's move leaves the focus
// where the click put it. Then the other side's cursor shows.
void LevelTurns::ShowTurn(const PlayedTurn& turn, TurnFocus focus) {
    if (turn.move) {
        const Move& move = *turn.move;
        m_view.ShowTile(move.from, Empty);
        if (focus == TurnFocus::Follows) {
            m_view.SetFocus(move.from);
        }
        // Taking a king is announced by the end of the level, not by the capture sound.
        if (turn.captured != Empty && !IsKing(turn.captured)) {
            m_effects.Play(Effect::Capture);
        }
        if (focus == TurnFocus::Follows) {
            m_view.SetFocus(move.to);
        }
        m_view.ShowTile(move.to, m_match.CurrentBoard().At(move.to));
        if (focus == TurnFocus::Follows) {
            m_view.ShowMoveMade(move);
        }
        m_view.TellMovePlayed(turn);
    }
    m_cursor = CursorOf(m_match.SideToMove());
    m_hints.PositionChanged();
}

void LevelTurns::CheckOutcome(EndSound sound) {
    // From a level's end every click and tick is refused, also while the boxes that follow are
    // open.
    const RepetitionRule rule = m_choices.Options().On(CommandId::DrawByRepetition)
                                    ? RepetitionRule::Draw
                                    : RepetitionRule::PlayOn;
    const Verdict verdict = m_match.Decide(rule);
    switch (verdict.outcome) {
    case Outcome::GoesOn:
        return;
    case Outcome::Won:
        EndWithWinner(verdict.winner, sound);
        return;
    case Outcome::Drawn:
    case Outcome::Stuck:
        EndWithoutWinner(verdict.outcome);
        return;
    case Outcome::Repeated:
        // Once a level; the box keeps the clock from the board until it is answered.
        m_boxes.OpenGameBox(RetryBox{}, Message(RepeatedPositionQuestion), MessageButtons::YesNo,
                            MessageIcon::Information);
        return;
    }
}

void LevelTurns::EndWithWinner(Side winner, EndSound sound) {
    m_keeping.CountResult(winner);
    if (sound == EndSound::Heard) {
        m_effects.Play(m_match.Player(winner) == PlayerType::Human ? Effect::Win : Effect::Lose);
    }
    m_cursor = CursorSide::Neutral;
    m_levelOverShown = false;
    // The window shows the level decided before the box covers it.
    m_screen.Present();
    m_boxes.OpenWinnerBox(winner);
}

// A draw counts in the statistics; a level that cannot go on counts for nobody. A human is
// offered the level again, as after a loss; two computer players are only told.
void LevelTurns::EndWithoutWinner(Outcome outcome) {
    if (outcome == Outcome::Drawn) {
        m_keeping.CountResult(std::nullopt);
    }
    m_cursor = CursorSide::Neutral;
    m_levelOverShown = true;
    m_screen.Present();
    const ShownText told = Message(outcome == Outcome::Drawn ? DrawnMessage : StuckMessage);
    if (m_match.AnyHumanPlayer()) {
        m_boxes.OpenGameBox(RetryBox{}, ShownText::Paragraphs(told, Message(PlayAgainQuestion)),
                            MessageButtons::YesNo, MessageIcon::Information);
    } else {
        m_boxes.OpenGameBox(ToldBox{}, told, MessageButtons::Ok, MessageIcon::Information);
    }
}

// A human who cannot move passes at once, without a click or a tick, as a computer player passes
// on its turn; a box that holds the game up, or a computer player still thinking, holds the pass
// up too.
void LevelTurns::PassIfBlocked() {
    if (m_boxes.TicksKeptAway() || Refused()) {
        return;
    }
    if (const std::optional<PlayedTurn> pass = m_match.PassIfBlocked()) {
        ShowTurn(*pass, TurnFocus::Stays);
        CheckOutcome();
    }
}

// The winner goes on to the next level; a human beaten by a computer player is offered the
// level again.
void LevelTurns::AfterWinnerBox(Side winner) {
    const Side loser = OtherSide(winner);
    m_levelOverShown = true;
    if (m_match.Player(winner) == PlayerType::Human) {
        LoadLevel(m_match.Level() + 1);
    } else if (m_match.Player(loser) == PlayerType::Human) {
        m_boxes.OpenGameBox(
            RetryBox{}, Message(loser == Side::PlayerOne ? TryAgainPlayerOne : TryAgainPlayerTwo),
            MessageButtons::YesNo, MessageIcon::Exclamation);
    }
}

void LevelTurns::LoadLevel(int n) {
    if (CheckLevel(n) == LevelCheck::PastLast) {
        m_effects.Play(Effect::Startup);
        m_boxes.OpenGameBox(PastLastLevelBox{}, Message(PastLastLevelMessage), MessageButtons::Ok,
                            MessageIcon::Exclamation);
        return;
    }
    SetUpLevel(n);
}

void LevelTurns::SetUpLevel(int n) {
    AbortSearch();
    m_match.SetUpLevel(n);
    ShowNewPosition(CursorSide::PlayerOne);
}

// The title says why the window waits, for the moment the search takes to notice the flag.
// A move the search leaves, or one already waiting, is dropped.
void LevelTurns::AbortSearch() {
    if (m_computer.State() == ComputerState::Thinking) {
        m_screen.TellTitleForNow(Message(PleaseWaitTitle));
    }
    m_computer.Stop();
    m_cursor = CursorSide::Neutral;
}

void LevelTurns::ShowNewPosition(CursorSide cursor) {
    m_keeping.LevelBegun();
    m_hints.PositionChanged();
    m_cursor = cursor;
    m_screen.TellTitleNow();
    ShowBoard();
}

void LevelTurns::ShowBoard() {
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            m_view.ShowTile({x, y}, m_match.CurrentBoard().At({x, y}));
        }
    }
}

// Takes back the last turn, and the computer player's turns before it, so that a human is to
// move again. A level lost to the computer player opens again, so the losing move can be taken
// back too.
void LevelTurns::Undo() {
    if (!m_match.InGame() || !m_match.History().CanUndo()) {
        return;
    }
    AbortSearch();
    ShowTakenTurns(m_match.Undo());
}

// Plays again what Undo took back, the computer player's turns with the human's.
void LevelTurns::Redo() {
    if (!m_match.InGame() || !m_match.History().CanRedo()) {
        return;
    }
    AbortSearch();
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

// Showing a move is taking turns back, or playing them again, until it is on the board. Against
// a computer player the stops are Undo's: a move of the computer's goes with the human's.
void LevelTurns::GoToMove(std::size_t turns) {
    if (!m_match.InGame()) {
        return;
    }
    const MoveHistory& history = m_match.History();
    while (history.Played().size() > turns && history.CanUndo()) {
        Undo();
    }
    while (history.Played().size() < turns && history.CanRedo() && !m_boxes.AnythingOpen()) {
        Redo();
    }
}

void LevelTurns::ShowTakenTurns(const std::vector<ShownTurn>& turns) {
    for (const ShownTurn& shown : turns) {
        if (const std::optional<Move>& move = shown.turn.move) {
            m_view.ShowTile(move->from, shown.atFrom);
            m_view.ShowTile(move->to, shown.atTo);
        }
    }
    m_cursor = CursorOf(m_match.SideToMove());
    m_hints.PositionChanged();
}

SavedGameRecord LevelTurns::RecordOnShow() const {
    return {SaveFormatVersion,
            SideNumber(m_match.SideToMove()),
            PlayerTypeNumber(m_match.Player(Side::PlayerOne)),
            PlayerTypeNumber(m_match.Player(Side::PlayerTwo)),
            static_cast<std::int32_t>(m_cursor),
            m_match.Level(),
            m_match.ShownBoard()};
}

} // namespace trevallion
