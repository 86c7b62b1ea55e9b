#pragma once

#include "play/GameView.h"
#include "play/Statistics.h"
#include "rules/Side.h"
#include "savegame/SavedGameRecord.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace trevallion {

// A window a command opens. The clock runs on behind it, and a box of the game may open over it
// (a computer player's move can decide the level meanwhile).
enum class CommandWindow {
    None,
    Notice,
    About,
    Instructions,
    LoadDialog,
    SaveDialog,
    ImportDialog,
    ExportDialog,
    ChooseLevel,
    Statistics,
};

// A saved game being loaded while a Player menu's refusal box is open.
struct PendingLoad {
    SavedGameRecord record;
    // The file chosen in the open dialog; none for the kept game.
    std::optional<std::string> path;
};

// The boxes opened in the middle of changing the game, each holding what its answer goes on
// with. Until the answer, no tick reaches the board, except behind the Life Doodle's credits,
// where the doodle starts afresh.
//
// The level is over and `winner` won it.
struct LevelWonBox {
    Side winner;
};
// Offers the level again: after a loss, after a level that ended without a winner, and when a
// position has come up for the third time.
struct RetryBox {};
// A level past the last was asked for (the last level was won): the game starts again at
// level 1.
struct PastLastLevelBox {};
// Loading a saved game met a Player menu refusal for `refused`'s player; the rest of the load
// waits here for the answer.
struct LoadRefusedBox {
    Side refused;
    PendingLoad load;
};
// The Life Doodle's credits.
struct CreditsBox {};
// Tells of a level's end that no one can answer with a move: its answer goes on with nothing.
struct ToldBox {};

// A message box of the game.
using GameMessage = std::variant<RetryBox, PastLastLevelBox, LoadRefusedBox, CreditsBox, ToldBox>;

// A file chosen in Load Game's or Save Game's dialog.
struct ChosenFile {
    CommandWindow dialog;
    std::string path;
};

// The boxes and windows open on the view, and what each waits for. A box opens through the view
// and the call returns; its answer comes back later, and here it finds what it answers. A game
// box opens above a command's window and is answered first, so at most one of each is open.
class OpenBoxes {
  public:
    explicit OpenBoxes(GameView& view) : m_view(view) {}

    bool AnythingOpen() const { return m_window != CommandWindow::None || GameBoxOpen(); }
    bool GameBoxOpen() const { return !std::holds_alternative<std::monostate>(m_box); }
    // Whether a box opened in the middle of changing the game keeps the clock from the board.
    bool TicksKeptAway() const;

    // A command's windows.
    void OpenNotice(const ShownText& text, MessageIcon icon);
    void OpenGameFileDialog(GameFileDialog dialog);
    void OpenChooseLevel(int level);
    void OpenInstructions();
    void OpenAbout();
    void OpenStatistics(const StatisticsTable& table);
    // The boxes of the game; each holds what its answer goes on with.
    void OpenGameBox(GameMessage box, const ShownText& text, MessageButtons buttons,
                     MessageIcon icon);
    void OpenWinnerBox(Side winner);
    // A file chosen while a game box is open waits for its answer.
    void HoldFile(ChosenFile file) { m_heldFile = std::move(file); }
    std::optional<ChosenFile> TakeHeldFile() { return std::exchange(m_heldFile, std::nullopt); }

    // The answers, each taken once by the box it answers; an answer that finds no such box open
    // is none. A notice's answer closes the notice and is none too, for it goes on with nothing.
    std::optional<GameMessage> TakeMessageAnswer();
    std::optional<Side> TakeWinnerBox();
    std::optional<CommandWindow> TakeFileDialog();
    bool TakeChooseLevel();
    std::optional<CommandWindow> TakeWindowClosed();
    bool TakeStatistics();

  private:
    bool TakeWindow(CommandWindow window);

    GameView& m_view;
    CommandWindow m_window = CommandWindow::None;
    // The box of the game open, if any.
    std::variant<std::monostate, LevelWonBox, GameMessage> m_box;
    std::optional<ChosenFile> m_heldFile;
};

} // namespace trevallion
