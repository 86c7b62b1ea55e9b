#pragma once

#include "rules/Board.h"
#include "rules/MoveList.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace trevallion {

// Cells are named as on a board-game diagram seen from Player 1's side: columns a to g from the
// left, rows 1 to 7 from the bottom. Cell (x, y) of the code, y counted from the top, is column
// 'a' + x, row 7 - y, so Player 1's king on level 1 stands on d1.
std::string CellName(Cell cell);

// The cell a name such as "c5" or "C5" stands for; nothing for anything else.
std::optional<Cell> ParseCell(std::string_view text);

// What a move does to the cell it enters, which its written form shows.
enum class MoveMark {
    Step,        // onto an empty cell: "b2-c3"
    Capture,     // takes a piece: "b2xc3"
    KingCapture, // takes the king and wins the level: "b2xc3#", as chess marks the mate
};

// What `move` does on `before`, the board it is played on.
MoveMark MarkOf(const Board& before, const Move& move);

// "b2-c3", "b2xc3" or "b2xc3#".
std::string MoveName(const Move& move, MoveMark mark);

// A side with no step left passes its turn; a record writes that turn as this word.
inline constexpr std::string_view PassName = "pass";

// A turn as written: a move and its mark, or none for a pass.
struct WrittenTurn {
    std::optional<Move> move;
    MoveMark mark = MoveMark::Step;

    friend bool operator==(const WrittenTurn&, const WrittenTurn&) = default;
};

// A turn as a record writes it, the move marked by what it does on `before`: "b2xc3", "pass".
std::string TurnName(const Board& before, const std::optional<Move>& turn);

// The turn written at the start of `text` and the number of characters it takes. Letters may be
// of either case and spaces may stand around the "-" or "x" and before the "#" ("B2 x C3"), but
// the turn must end where a word ends: "b2-c3x" and "passed" are no turns. Nothing when `text`
// does not start with a turn.
struct TurnReading {
    WrittenTurn turn;
    std::size_t length = 0;
};
std::optional<TurnReading> ReadTurnAt(std::string_view text);

// The turn `text` holds, spaces around it allowed; nothing when it holds anything else.
std::optional<WrittenTurn> ParseTurn(std::string_view text);

} // namespace trevallion
