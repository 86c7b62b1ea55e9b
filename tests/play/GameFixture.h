#pragma once

#include "BoardText.h"
#include "FakeRunner.h"
#include "FakeSettings.h"
#include "FakeView.h"
#include "Printers.h"
#include "ScratchFolder.h"
#include "levels/LevelLayouts.h"
#include "play/GameDialog.h"
#include "savegame/SavedGameRecord.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace trevallion::testing {

// A controller on the recording view, set up the way a player would: started as the window
// starts it, and put in a position by loading a saved game. Tests check what the view was told.
class GameTable {
  public:
    using Mode = FakeRunner::Mode;

    // The window's start-up on these stored settings.
    void StartWith(std::map<std::string, std::int32_t> stored) {
        settings.values = std::move(stored);
        game.OnInitDialog();
        m_started = true;
    }

    // Loads `record` through the Start menu, as if picked in the open dialog.
    void Load(const SavedGameRecord& record) {
        WriteBytes(folder.File("load.tvx"), EncodeRecord(record));
        view.pickedFiles.push_back(folder.File("load.tvx"));
        Command(CommandId::LoadGame);
    }

    // Puts `rows` (screen order) in play with `side` to move on level `level`, with the given
    // players, by loading a saved game of it; then forgets what the view recorded so far. It
    // starts the game with two human players first, if nothing has started it yet.
    void Play(const std::string& rows, Side side = Side::PlayerOne, int level = 7,
              PlayerType one = PlayerType::Human, PlayerType two = PlayerType::Human) {
        PlayBoard(BoardFromRows(rows), side, level, one, two);
    }
    void PlayBoard(const Board& board, Side side, int level, PlayerType one, PlayerType two) {
        if (!m_started) {
            StartWith({{"PlayerOne", 0}, {"PlayerTwo", 0}});
        }
        Load({SaveFormatVersion, SideNumber(side), PlayerTypeNumber(one), PlayerTypeNumber(two),
              SideNumber(side), level, board});
        view.ClearRecords();
    }

    // Sets up level n exactly as the Level commands do, without their sound: Restart Level on
    // a game of that level.
    void StartLevel(int n, PlayerType one = PlayerType::Human, PlayerType two = PlayerType::Human) {
        PlayBoard(LayoutToBoard(LevelLayout(n)), Side::PlayerOne, n, one, two);
        Command(CommandId::RestartLevel);
        view.ClearRecords();
    }

    void Click(int x, int y) { game.OnCell(x, y); }
    void Tick() { game.OnTimer(); }
    void Command(CommandId command) { game.OnCommand(command); }

    // What the button of cell (x, y) shows.
    CellCode At(int x, int y) const {
        return view.tiles[static_cast<std::size_t>(CellIndex(x, y))];
    }

    static Board Level(int n) { return LayoutToBoard(LevelLayout(n)); }

    ScratchFolder folder;
    FakeView view;
    FakeSettings settings;
    FakeRunner workers;
    FakeRunner hintWorkers;
    GameDialog game{view, settings, workers, hintWorkers};

  private:
    bool m_started = false;
};

class GameFixture : public ::testing::Test, public GameTable {};

} // namespace trevallion::testing
