#pragma once

#include "BoardText.h"
#include "FakeWindow.h"
#include "play/GameDialog.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace trevallion::testing {

// A controller on the recording window, with helpers to put a position in play.
class GameFixture : public ::testing::Test {
  protected:
    // Puts `rows` (screen order) on the board in game mode with `side` to move, as a level
    // would, without going through the level table.
    void Play(const std::string& rows, int side = PlayerOne, int level = 7) {
        GameState& s = game.State();
        s.board = BoardFromRows(rows);
        s.m_sideToMove = side;
        s.m_cursorSide = side;
        s.m_level = level;
        s.m_timerMode = GameMode;
        s.m_gameOver = 0;
        s.m_selX = s.m_selY = NoCell;
    }

    // The window's start-up on these stored settings.
    void StartWith(std::map<std::string, int> stored) {
        window.settings = std::move(stored);
        game.OnInitDialog();
    }

    void Click(int x, int y) { game.OnCell(x, y); }

    GameState& State() { return game.State(); }
    CellCode At(int x, int y) { return game.State().board.At(x, y); }
    bool Selected(int x, int y) { return State().m_selX == x && State().m_selY == y; }
    bool NothingSelected() { return State().m_selX == NoCell && State().m_selY == NoCell; }

    FakeWindow window;
    GameDialog game{window};
};

} // namespace trevallion::testing
