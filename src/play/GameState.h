#pragma once

#include "ai/Strength.h"
#include "doodle/LifeDoodle.h"
#include "play/GameView.h"
#include "rules/Board.h"

#include <cstdint>

namespace trevallion {

// What drives the window timer: the Life Doodle (start pending, running) or the game.
enum class TimerMode : std::int32_t { DoodleStartPending = 0, DoodleRunning = 1, Game = 3 };

// The state of a game, as plain fields under the names the game's design gives them. Only the
// controller reads and writes it, on the window's thread; a computer player's worker searches a
// copy of the board of its own.
struct GameState {
    // The side to move during a game; neutral once a level is decided and in the Life Doodle.
    CursorSide m_cursorSide = CursorSide::Neutral;
    TimerMode m_timerMode = TimerMode::DoodleStartPending;
    // The cell of the last accepted click; 50, 50 when none.
    std::int32_t m_lastClickX = NoCell;
    std::int32_t m_lastClickY = NoCell;
    // The Life Doodle's current and next generation, indexed like the board.
    DoodleGrid m_doodleCells{};
    DoodleGrid m_doodleNext{};
    PlayerType m_playerOneType = PlayerType::Human;
    PlayerType m_playerTwoType = PlayerType::Human;
    // Set once the level is decided: every click and tick is refused until a new game.
    bool m_gameOver = false;
    // 0 before the first level, 1..50 after level setup, up to 255 from a saved game.
    std::int32_t m_level = 0;
    Side m_sideToMove = Side::PlayerOne;
    // The human player's selected piece; 50, 50 when nothing is selected.
    std::int32_t m_selX = NoCell;
    std::int32_t m_selY = NoCell;
    // Set while start-up applies the stored settings.
    bool m_initialising = false;
    bool m_soundOn = true;
    // Set until the timer has driven a game since start-up or since the Life Doodle began.
    bool m_noGame = true;
    // The game position.
    Board board;
    // Counts the changes of the position (a move, a new level, a loaded game), so that a
    // computer player's move is played only on the position it was worked out for.
    std::uint64_t m_position = 0;

    PlayerType& TypeOf(Side side) {
        return side == Side::PlayerOne ? m_playerOneType : m_playerTwoType;
    }
    PlayerType TypeOf(Side side) const {
        return side == Side::PlayerOne ? m_playerOneType : m_playerTwoType;
    }
    bool HasSelection() const { return m_selX != NoCell; }
};

} // namespace trevallion
