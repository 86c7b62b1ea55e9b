#pragma once

#include "ai/SearchContext.h"
#include "ai/Strength.h"
#include "doodle/LifeDoodle.h"
#include "rules/Board.h"
#include "savegame/SavedGameRecord.h"

#include <atomic>
#include <cstdint>

namespace trevallion {

// The stage of the hand-off between the window and a computer player's worker.
enum ComputerState : std::int32_t { Idle = 0, Thinking = 1, MoveReady = 2 };

// What drives the window timer: the Life Doodle (start pending, running) or the game.
enum TimerMode : std::int32_t { DoodleStartPending = 0, DoodleRunning = 1, GameMode = 3 };

// The whole state of a game, as plain fields. The window's thread owns it; a computer player's
// worker reads the position and writes only the atomics and its chosen move while it thinks.
struct GameState {
    std::int32_t m_saveVersion = SaveFormatVersion;
    // 0 neutral, 1 Player 1's cursor, 2 Player 2's cursor; the side to move during a game.
    std::int32_t m_cursorSide = 0;
    std::int32_t m_timerMode = DoodleStartPending;
    // The cell of the last accepted call of OnCell; 50, 50 when none.
    std::int32_t m_lastClickX = NoCell;
    std::int32_t m_lastClickY = NoCell;
    // The Life Doodle's current and next generation, indexed like the board.
    DoodleGrid m_doodleCells{};
    DoodleGrid m_doodleNext{};
    PlayerType m_playerOneType = Human;
    PlayerType m_playerTwoType = Human;
    // Move generation's ordering mode for the search pass under way (0 or 1).
    std::int32_t m_orderingMode = 0;
    // 1 once the level is decided: every click and tick is refused until a new game.
    std::int32_t m_gameOver = 0;
    // 0 before the first level, 1..50 after level setup, up to 255 from a saved game.
    std::int32_t m_level = 0;
    std::int32_t m_sideToMove = PlayerOne;
    // The human player's selected piece; 50, 50 when nothing is selected.
    std::int32_t m_selX = NoCell;
    std::int32_t m_selY = NoCell;
    ComputerMove m_computerMove;
    // 1 while start-up applies the stored settings.
    std::int32_t m_initialising = 0;
    std::atomic<ComputerState> m_computerState{Idle};
    // The side of the worker that finished last; 0 before any.
    std::atomic<std::int32_t> m_finishedSide{0};
    // Raised by the window's thread to make a running search return at once.
    std::atomic<std::uint8_t> m_abortSearch{0};
    std::uint8_t m_soundOn = 1;
    // 1 until the timer has driven a game since start-up or since the Life Doodle began.
    std::uint8_t m_noGame = 1;

    // The game position, and the depth of the next computer search.
    Board board;
    std::int32_t searchDepth = 0;

    PlayerType TypeOf(int side) const {
        return side == PlayerOne ? m_playerOneType : m_playerTwoType;
    }
};

} // namespace trevallion
