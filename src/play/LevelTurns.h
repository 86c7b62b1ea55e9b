#pragma once

#include "match/Match.h"
#include "play/ComputerPlayer.h"
#include "play/EffectPlayer.h"
#include "play/GameView.h"
#include "play/Hints.h"
#include "play/Keeping.h"
#include "play/MenuChoices.h"
#include "play/OpenBoxes.h"
#include "play/ScreenPresenter.h"
#include "play/WorkerRunner.h"
#include "savegame/SavedGameRecord.h"

#include <cstddef>
#include <vector>

namespace trevallion {

// Whether the keyboard focus follows a move shown: a computer player's does, a human's stays where
// the click put it.
enum class TurnFocus { Stays, Follows };
// Whether a level's end is heard: a move played again by Redo ends it silently.
enum class EndSound { Heard, Silent };

// The turns of a level on the board: a click or the clock's tick steps a human's or a computer
// player's turn, the computer players think on a worker thread, a side that cannot move passes,
// and the level ends with its box and goes on to the next level or the same again. Undo and Redo
// take turns back and play them again. This unit also keeps whose turn the pointer shows.
class LevelTurns {
  public:
    struct Parts {
        GameView& view;
        Match& match;
        OpenBoxes& boxes;
        EffectPlayer& effects;
        ScreenPresenter& screen;
        const MenuChoices& choices;
        Hints& hints;
        Keeping& keeping;
    };
    // `workers` starts the threads the computer players think on.
    LevelTurns(const Parts& parts, WorkerRunner& workers);

    // The clock's tick during a level: the match's own, and a computer player's step.
    void Tick();
    // A click on a cell of the level's board.
    void Click(Cell cell);
    // A decided level, or a computer player thinking, refuses clicks and turn steps alike.
    bool Refused() const;
    // Passes the turn of a human who has no step.
    void PassIfBlocked();
    // Ends the level when a side has lost, neither can move, or (as the player chose) a position
    // has come up for the third time; tells the player once a level of such a position.
    void CheckOutcome(EndSound sound = EndSound::Heard);
    // The winner's box has closed.
    void AfterWinnerBox(Side winner);

    // Sets up level n from its layout: 0 means level 1, and anything past the last level shows
    // the closing message and starts again at level 1 once it is answered.
    void LoadLevel(int n);
    void SetUpLevel(int n);
    // Stops a thinking computer player before the position changes under it.
    void AbortSearch();
    // The match holds a new position from its setup, a saved game or a record: it is shown
    // whole, its level begins afresh, and the pointer shows `cursor`.
    void ShowNewPosition(CursorSide cursor);

    // Undo Move, Redo Move, and the move list's choice of the board after `turns` turns.
    void Undo();
    void Redo();
    void GoToMove(std::size_t turns);

    CursorSide Cursor() const { return m_cursor; }
    // Whether the player has been shown that the decided level is over: at once when it has no
    // winner, once the winner's box has closed when it has one.
    bool LevelOverShown() const { return m_levelOverShown; }
    // The pointer shows no side's turn: the Life Doodle is on the board.
    void ShowNoTurn() { m_cursor = CursorSide::Neutral; }
    // The position on show as a saved game holds it. A thinking computer player searches a copy
    // of the board, so this is the position before its move, with its side to move: after
    // loading it thinks again. The cursor is kept as it shows.
    SavedGameRecord RecordOnShow() const;
    // Abandons a running search and joins its worker.
    void Stop() { m_computer.Stop(); }

  private:
    void ComputerStep();
    void ComputerTurn(Side side);
    void ShowTurn(const PlayedTurn& turn, TurnFocus focus);
    void EndWithWinner(Side winner, EndSound sound);
    void EndWithoutWinner(Outcome outcome);
    void ShowBoard();
    void ShowTakenTurns(const std::vector<ShownTurn>& turns);

    GameView& m_view;
    Match& m_match;
    OpenBoxes& m_boxes;
    EffectPlayer& m_effects;
    ScreenPresenter& m_screen;
    const MenuChoices& m_choices;
    Hints& m_hints;
    Keeping& m_keeping;
    ComputerPlayer m_computer;
    // Whose turn the pointer over the board shows: the side to move while a game is played, the
    // plain arrow otherwise; a loaded game shows the cursor it was saved with until its next step.
    CursorSide m_cursor = CursorSide::Neutral;
    bool m_levelOverShown = false;
};

} // namespace trevallion
