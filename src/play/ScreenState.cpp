#include "play/ScreenState.h"

#include "play/Messages.h"
#include "play/StatusText.h"
#include "rules/Steps.h"

namespace trevallion {

namespace {

// Show Moves draws a grid, the selected piece with its targets, and the last move; a level not in
// play has the grid alone.
BoardMarks MarksFor(const Match& match, bool showMoves) {
    BoardMarks marks;
    if (!showMoves) {
        return marks;
    }
    marks.grid = true;
    if (!match.InGame()) {
        return marks;
    }
    if (const std::optional<Cell> selection = match.Selection()) {
        marks.selected = selection;
        marks.targets = StepTargets(match.CurrentBoard(), *selection);
    }
    marks.lastMove = match.History().LastMove();
    return marks;
}

// The program's name before the first level and while the Life Doodle shows; the level's number
// while it is played; "Game Over" once it is decided and shown to be over.
ShownText TitleOf(const Match& match, bool levelOverShown) {
    if (!match.LevelOnBoard()) {
        return ShownText::Translated(std::string(ProgramName));
    }
    const Phase phase = match.CurrentPhase();
    if ((phase == Phase::Decided || phase == Phase::DoodleAskedDecided) && levelOverShown) {
        return Message(GameOverTitle);
    }
    return LevelTitle(match.Level());
}

} // namespace

ScreenState ScreenOf(const Match& match, const ScreenInputs& inputs,
                     const std::optional<ReviewedGame>& reviewed) {
    const OptionStates& options = inputs.options;
    const bool inGame = match.InGame();
    ScreenState screen;
    screen.cursor = inputs.cursor;

    screen.checked.Set(CommandId::SoundOn, inputs.soundOn);
    screen.checked.Set(CommandId::SoundOff, !inputs.soundOn);
    for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
        for (const PlayerType type : AllPlayerTypes) {
            screen.checked.Set(PlayerCommand(side, type), match.Player(side) == type);
        }
    }
    for (const OptionSwitch& option : OptionSwitches) {
        screen.checked.Set(option.item, options.On(option.item));
    }
    for (const BoardColours colours :
         {BoardColours::Light, BoardColours::Dark, BoardColours::AsDesktop}) {
        screen.checked.Set(ColoursCommand(colours), colours == inputs.colours);
    }

    // The menu shows the colours chosen, and the board the colours they make on this desktop.
    screen.look = {.dark = DrawnDark(inputs.colours, inputs.desktop),
                   .highContrast = options.On(CommandId::HighContrast)};
    // While the desktop asks for less motion, Animate Moves is neither done nor claimed: its item
    // shows unchecked and unavailable, and the player's choice waits for the desktop to change.
    const bool reduced = inputs.desktop.reducedMotion;
    const bool slide = options.On(CommandId::AnimateMoves) && !reduced;
    screen.checked.Set(CommandId::AnimateMoves, slide);
    screen.enabled.Set(CommandId::AnimateMoves, !reduced);
    screen.motion = slide ? MoveMotion::Slide : MoveMotion::Jump;
    screen.panes = {.statusLine = options.On(CommandId::StatusLine),
                    .moveList = options.On(CommandId::MoveList)};

    screen.marks = MarksFor(match, options.On(CommandId::ShowMoves));
    screen.enabled.Set(CommandId::UndoMove, inGame && match.History().CanUndo());
    screen.enabled.Set(CommandId::RedoMove, inGame && match.History().CanRedo());
    screen.enabled.Set(CommandId::Hint, match.HumanToMove());
    // One review at a time, of a level with turns to review.
    screen.enabled.Set(CommandId::ReviewGame,
                       inGame && !match.History().Played().empty() && !inputs.reviewRunning);
    screen.enabled.Set(CommandId::ExportRecord, inGame);
    screen.enabled.Set(CommandId::ContinueGame, inputs.gameKept);
    screen.listing = ListMoves(match, reviewed);
    screen.title = TitleOf(match, inputs.levelOverShown);
    screen.status = StatusText(match);
    return screen;
}

} // namespace trevallion
