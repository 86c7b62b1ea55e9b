#pragma once

#include "rules/Board.h"

#include <cstdint>

namespace trevallion::engine {

// The engine numbers cells as the board does, in reading order. Player 2 scans its pieces in
// this order and Player 1 in the reverse order, so both scans follow a bit mask of the pieces,
// lowest or highest bit first.

// A cell past the board's 49 that always holds a wall: no piece may go there, so target lists
// can be padded with it and read without looking at their length.
inline constexpr int SentinelCell = CellCount;

// The cells one piece may step to from one cell, in the order in which move generation tries
// them: Player 1 the row above first, Player 2 the row below first, each row from left to right.
// A piece has at most four arms; the rest of the list is SentinelCell.
struct TargetList {
    std::uint8_t cells[4] = {SentinelCell, SentinelCell, SentinelCell, SentinelCell};
};

struct MoveTables {
    // Indexed by side number (1 or 2; 0 unused), cell code (0..27) and reading-order cell. Codes
    // without arms (empty, wall, kings) and the other side's codes have empty lists.
    TargetList targets[3][LastCode + 1][CellCount];
};

// Built once, on first use, from the movement rule itself.
const MoveTables& GetMoveTables();

} // namespace trevallion::engine
