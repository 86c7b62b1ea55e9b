// The game's turns: the clock's tick, a click on a cell, a computer player's move, the end of a
// level and the setting up of the next, and the Life Doodle between games, which keeps its grid
// in the match apart from the game's board, level and players.

#include "levels/LevelLayouts.h"
#include "play/GameController.h"
#include "play/Messages.h"

namespace trevallion {
namespace {

CellCode DoodleTileCode(bool alive) {
    return alive ? Wall : Empty;
}

} // namespace

void GameController::TimerTick() {
    switch (m_match.CurrentPhase()) {
    case Phase::DoodleStarting:
    case Phase::DoodleAskedPlaying:
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
    m_cursor = CursorOf(m_match.SideToMove());
    ComputerTurn(m_match.SideToMove());
    CheckOutcome();
}

// One step of a computer player's turn: the first starts its search, and the first after the
// search has finished plays the move. Every call while it thinks is refused before this.
void GameController::ComputerTurn(Side side) {
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
    m_cursor = CursorOf(side);
    // Clicks the rules do not accept are ignored without a word or a sound.
    if (const std::optional<PlayedTurn> turn = m_match.HumanClick(cell)) {
        ShowTurn(*turn, TurnFocus::Stays);
    }
    CheckOutcome();
}

// The piece leaves its cell and enters its target. A computer player's move also takes the
// keyboard focus, first to the cell it leaves and then to its target, so that the focus mark
// shows where it moved, and the window may slide it there; a human's move leaves the focus
// where the click put it. Then the other side's cursor shows.
void GameController::ShowTurn(const PlayedTurn& turn, TurnFocus focus) {
    if (turn.move) {
        const Move& move = *turn.move;
        m_view.ShowTile(move.from, Empty);
        if (focus == TurnFocus::Follows) {
            m_view.SetFocus(move.from);
        }
        // Taking a king is announced by the end of the level, not by the capture sound.
        if (turn.captured != Empty && !IsKing(turn.captured)) {
            PlayEffect(Effect::Capture);
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
    m_hint.PositionChanged();
}

void GameController::CheckOutcome(EndSound sound) {
    // From a level's end every click and tick is refused, also while the boxes that follow are
    // open.
    const Verdict verdict = m_match.Decide(
        m_options.On(CommandId::DrawByRepetition) ? RepetitionRule::Draw : RepetitionRule::PlayOn);
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

void GameController::EndWithWinner(Side winner, EndSound sound) {
    m_keeper.CountResult(m_match.Level(), m_match.Player(Side::PlayerOne),
                         m_match.Player(Side::PlayerTwo), winner);
    if (sound == EndSound::Heard) {
        PlayEffect(m_match.Player(winner) == PlayerType::Human ? Effect::Win : Effect::Lose);
    }
    m_cursor = CursorSide::Neutral;
    // The window shows the level decided before the box covers it.
    PresentScreen();
    m_boxes.OpenWinnerBox(winner);
}

// A draw counts in the statistics; a level that cannot go on counts for nobody. A human is
// offered the level again, as after a loss; two computer players are only told.
void GameController::EndWithoutWinner(Outcome outcome) {
    if (outcome == Outcome::Drawn) {
        m_keeper.CountResult(m_match.Level(), m_match.Player(Side::PlayerOne),
                             m_match.Player(Side::PlayerTwo), std::nullopt);
    }
    m_view.SetTitle(Message(GameOverTitle));
    m_cursor = CursorSide::Neutral;
    PresentScreen();
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
void GameController::PassIfBlocked() {
    if (m_boxes.TicksKeptAway() || TurnRefused()) {
        return;
    }
    if (const std::optional<PlayedTurn> pass = m_match.PassIfBlocked()) {
        ShowTurn(*pass, TurnFocus::Stays);
        CheckOutcome();
    }
}

// The winner goes on to the next level; a human beaten by a computer player is offered the
// level again.
void GameController::AfterWinnerBox(Side winner) {
    const Side loser = OtherSide(winner);
    m_view.SetTitle(Message(GameOverTitle));
    if (m_match.Player(winner) == PlayerType::Human) {
        LoadLevel(m_match.Level() + 1);
    } else if (m_match.Player(loser) == PlayerType::Human) {
        m_boxes.OpenGameBox(
            RetryBox{}, Message(loser == Side::PlayerOne ? TryAgainPlayerOne : TryAgainPlayerTwo),
            MessageButtons::YesNo, MessageIcon::Exclamation);
    }
}

void GameController::LoadLevel(int n) {
    if (CheckLevel(n) == LevelCheck::PastLast) {
        PlayEffect(Effect::Startup);
        m_boxes.OpenGameBox(PastLastLevelBox{}, Message(PastLastLevelMessage), MessageButtons::Ok,
                            MessageIcon::Exclamation);
        return;
    }
    SetUpLevel(n);
}

void GameController::SetUpLevel(int n) {
    AbortComputerSearch();
    m_match.SetUpLevel(n);
    m_keeper.LevelBegun();
    m_hint.PositionChanged();
    m_cursor = CursorSide::PlayerOne;
    m_view.SetTitle(LevelTitle(m_match.Level()));
    ShowBoard();
}

// The title says why the window waits, for the moment the search takes to notice the flag.
// A move the search leaves, or one already waiting, is dropped.
void GameController::AbortComputerSearch() {
    if (m_computer.State() == ComputerState::Thinking) {
        m_view.SetTitle(Message(PleaseWaitTitle));
    }
    m_computer.Stop();
    m_cursor = CursorSide::Neutral;
}

void GameController::StartDoodle() {
    m_cursor = CursorSide::Neutral;
    m_view.SetTitle(ShownText::Translated(std::string(ProgramName)));
    for (const DoodleTile& tile : m_match.StartDoodle()) {
        m_view.ShowTile(tile.cell, DoodleTileCode(tile.alive));
    }
}

void GameController::DoodleGeneration() {
    const trevallion::DoodleGeneration generation = m_match.NextGeneration();
    if (generation.credits) {
        m_boxes.OpenGameBox(CreditsBox{}, Message(CreditsMessage), MessageButtons::Ok,
                            MessageIcon::Information);
    }
    ShowDoodleTiles(generation.changed);
}

void GameController::ShowDoodleTiles(const std::vector<DoodleTile>& tiles) {
    for (const DoodleTile& tile : tiles) {
        m_view.ShowTile(tile.cell, DoodleTileCode(tile.alive));
    }
}

// A click never kills a cell: a live one stays as it is, silently.
void GameController::DoodleClick(Cell cell) {
    if (!OnBoard(cell)) {
        return;
    }
    m_view.ShowTile(cell, Wall);
    if (m_match.DoodleClick(cell)) {
        PlayEffect(Effect::Capture);
    }
}

} // namespace trevallion
