#pragma once

#include "match/MoveHistory.h"
#include "play/CommandId.h"
#include "play/MoveListing.h"
#include "play/ShownText.h"
#include "play/Statistics.h"
#include "rules/Board.h"
#include "rules/MoveList.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trevallion {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { Exclamation, Information, Stop };
enum class MessageAnswer { Ok, Yes, No };
// How the Statistics box was left: closed, or with its table reset.
enum class StatisticsAnswer { Closed, Reset };
// The file dialogs: for a saved game (*.tvx) and for a game record (*.tvr).
enum class GameFileDialog { Open, Save, ImportRecord, ExportRecord };

// The mouse cursor over the board: the plain arrow, or the arrow naming the side to move. The
// numbers are the ones a saved game stores.
enum class CursorSide : std::int32_t { Neutral = 0, PlayerOne = 1, PlayerTwo = 2 };

constexpr CursorSide CursorOf(Side side) {
    return side == Side::PlayerOne ? CursorSide::PlayerOne : CursorSide::PlayerTwo;
}

// The play aids drawn over the tiles, which leave the tiles themselves as they are.
struct BoardMarks {
    bool grid = false;            // a faint grid on the empty cells
    std::optional<Cell> selected; // the human player's selected piece
    CellSet targets = 0;          // the cells that piece may step to
    std::optional<Move> lastMove; // the last move of either side

    friend bool operator==(const BoardMarks&, const BoardMarks&) = default;
};

// How the board is drawn: for a dark background, and with the two sides told apart by shape as
// well as colour. The player's choices and the desktop's colours have been weighed already.
struct BoardLook {
    bool dark = false;
    bool highContrast = false;

    friend bool operator==(const BoardLook&, const BoardLook&) = default;
};

// Whether a move the window is told of (ShowMoveMade) slides to its target or just appears there.
enum class MoveMotion { Jump, Slide };

// The panes beside the board that show: the status line under it, and the move list.
struct Panes {
    bool statusLine = false;
    bool moveList = false;

    friend bool operator==(const Panes&, const Panes&) = default;
};

// Everything the game shows or asks through its window. The controller calls it for every
// change, and the window keeps no copy of the game's logic: it never asks the controller what
// happened. The desktop shell implements it; the tests use a recording fake.
class GameView {
  public:
    virtual ~GameView() = default;

    // Shows tile image `image` (a cell code, 0..27) on the button of cell (x, y).
    virtual void ShowTile(Cell cell, CellCode image) = 0;

    virtual void SetTitle(const ShownText& title) = 0;

    virtual void SetCursor(CursorSide cursor) = 0;

    // Gives the keyboard focus to the button of cell (x, y).
    virtual void SetFocus(Cell cell) = 0;

    // Sets or clears the check mark of a menu item.
    virtual void CheckMenuItem(CommandId item, bool checked) = 0;

    // Makes a menu item, and its shortcut, available or not.
    virtual void EnableMenuItem(CommandId item, bool enabled) = 0;

    // Draws `marks` over the tiles, replacing the marks drawn before.
    virtual void ShowMarks(const BoardMarks& marks) = 0;

    // Marks a hint's two cells for two seconds, whether other marks show or not, and tells
    // screen readers about it; nothing takes a hint still showing away at once.
    virtual void ShowHint(const std::optional<Move>& hint) = 0;

    // Draws the board in `look` from now on; the tiles and marks stay what they are.
    virtual void SetBoardLook(const BoardLook& look) = 0;
    // How the moves told from now on are shown.
    virtual void SetMoveMotion(MoveMotion motion) = 0;
    // Shows or hides the status line and the move list.
    virtual void ShowPanes(const Panes& panes) = 0;
    // A computer player's move, or a move played again, whose tiles have just been shown: the
    // window may let the eye follow the piece from its cell to its target. Whatever it draws
    // for that lies over the board for a moment and leaves the tiles as they were shown.
    virtual void ShowMoveMade(const Move& move) = 0;

    // A move either side has just played, its tiles shown: who moved, from where to where, and
    // what stood on the target, for a player who follows the game by ear. A move taken back or
    // played again is not told.
    virtual void TellMovePlayed(const PlayedTurn& turn) = 0;

    // The line under the board that says whose turn it is; empty when nothing is in play. Told
    // only when it changes, whether the line is shown or not.
    virtual void ShowStatus(const ShownText& text) = 0;

    // The level's turns for the move list, told when they change: which are on the board, and
    // what a review found.
    virtual void ShowMoveList(const MoveListing& listing) = 0;

    // The small window that follows a review of `positions` positions, which leaves the board
    // and the menus to the player; its Cancel button calls the controller's OnReviewCancelled.
    // The progress is told as it goes, and the window closes when the review is done.
    virtual void OpenReviewProgress(std::size_t positions) = 0;
    virtual void ShowReviewProgress(std::size_t done) = 0;
    virtual void CloseReviewProgress() = 0;

    // Asks for a call of the controller's OnWake after about `milliseconds`.
    virtual void RequestWake(int milliseconds) = 0;

    // Starts playing a sound file in the background, replacing any sound still playing. A file
    // that cannot be played gives the desktop's alert sound instead.
    virtual void PlaySoundFile(std::string_view file) = 0;

    // Silences whatever sound is playing.
    virtual void StopSound() = 0;

    // The boxes and windows below open without waiting: each call returns at once, the main
    // window takes no input while one is open, and its answer comes back later through the
    // controller's input named with it. The clock keeps ticking behind them all.

    // A message box and the winner box keep every other window of the program from input until
    // they close, so that a box the game opens over a command's window is answered first.

    // A message box captioned with the program's name; answered by OnMessageAnswered with the
    // button pressed.
    virtual void OpenMessage(const ShownText& text, MessageButtons buttons, MessageIcon icon) = 0;

    // The "Level Complete" box announcing the winner; OnWinnerBoxClosed when it closes.
    virtual void OpenWinnerBox(Side winner) = 0;

    // The desktop's file dialog for a saved game: one file type, "Trevallion Game Files
    // (*.tvx)", the name "*.tvx" to start with, and the suffix "tvx" added to a name typed
    // without one. The save dialog asks before it replaces a file; the open dialog accepts a
    // name that does not exist. OnGameFileChosen gets the chosen file's full path, nothing when
    // cancelled.
    virtual void OpenGameFileDialog(GameFileDialog dialog) = 0;

    // A game was just saved to, or loaded from, `file`: the next file dialog opens in its
    // folder. A failed save or load is not told, so a folder that failed stays forgotten.
    virtual void GameFileUsed(std::string_view file) = 0;

    // The Choose Level dialog, opened at `level`; OnLevelChosen gets the level chosen, nothing
    // when cancelled.
    virtual void OpenChooseLevel(int level) = 0;

    // The Instructions window with the game's manual, and the About window; OnWindowClosed
    // when either closes.
    virtual void OpenInstructions() = 0;
    virtual void OpenAbout() = 0;

    // The Statistics box with `table` and a Reset button, which asks before it resets;
    // OnStatisticsClosed when it closes, saying whether the player chose to reset.
    virtual void OpenStatistics(const StatisticsTable& table) = 0;
};

} // namespace trevallion
