#pragma once

#include "play/GameView.h"
#include "play/Statistics.h"
#include "rules/Side.h"
#include "savegame/SavedGameRecord.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

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

// A box opened in the middle of changing the game: its answer goes on with the change, and until
// then no tick reaches the board, except behind the Life Doodle's credits, where the doodle
// starts afresh.
enum class GameBox {
    None,
    Winner,
    Retry,
    PastLastLevel,
    LoadPlayerOneRefused,
    LoadPlayerTwoRefused,
    Credits,
    // Tells of a level's end that no one can answer with a move: its answer goes on with nothing.
    Told,
};

// A saved game being loaded while a Player menu's refusal box is open.
struct PendingLoad {
    SavedGameRecord record;
    std::string path; // the file chosen in the open dialog; empty for the kept game
};

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

    bool AnythingOpen() const { return m_window != CommandWindow::None || m_box != GameBox::None; }
    bool GameBoxOpen() const { return m_box != GameBox::None; }
    // Whether a box opened in the middle of changing the game keeps the clock from the board.
    bool TicksKeptAway() const { return m_box != GameBox::None && m_box != GameBox::Credits; }

    // A command's windows.
    void OpenNotice(const ShownText& text, MessageIcon icon);
    void OpenGameFileDialog(GameFileDialog dialog);
    void OpenChooseLevel(int level);
    void OpenInstructions();
    void OpenAbout();
    void OpenStatistics(const StatisticsTable& table);
    // The boxes of the game; a refused load waits in `load` for its box's answer.
    void OpenGameBox(GameBox box, const ShownText& text, MessageButtons buttons, MessageIcon icon);
    void OpenWinnerBox(Side winner);
    void HoldLoad(PendingLoad load) { m_load = std::move(load); }
    // A file chosen while a game box is open waits for its answer.
    void HoldFile(ChosenFile file) { m_heldFile = std::move(file); }
    std::optional<ChosenFile> TakeHeldFile() { return std::exchange(m_heldFile, std::nullopt); }

    // The answers, each taken once by the box it answers; an answer that finds no such box open
    // is none. A notice's answer closes the notice and is none too, for it goes on with nothing.
    std::optional<GameBox> TakeMessageAnswer();
    std::optional<Side> TakeWinnerBox();
    std::optional<CommandWindow> TakeFileDialog();
    bool TakeChooseLevel();
    std::optional<CommandWindow> TakeWindowClosed();
    bool TakeStatistics();
    PendingLoad TakeLoad();

  private:
    bool TakeWindow(CommandWindow window);

    GameView& m_view;
    CommandWindow m_window = CommandWindow::None;
    GameBox m_box = GameBox::None;
    Side m_winner = Side::PlayerOne;
    std::optional<PendingLoad> m_load;
    std::optional<ChosenFile> m_heldFile;
};

} // namespace trevallion
