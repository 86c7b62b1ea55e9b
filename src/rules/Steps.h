#pragma once

#include "rules/Board.h"
#include "rules/CellCode.h"

#include <cstdint>

namespace trevallion {

// The eight directions a piece's arm can point, as screen offsets (up is dy = -1).
struct Direction {
    int dx;
    int dy;
};

inline constexpr int DirectionCount = 8;
inline constexpr Direction Directions[DirectionCount] = {
    {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1},
};

// The arms of a code as a bit set over Directions (bit i set: the piece may step along
// Directions[i]). Kings, walls, empty cells and codes outside 0..27 have none.
std::uint8_t StepMask(CellCode code);

// 1 when a piece of this code may step from (fromX, fromY) to (toX, toY), 0 otherwise. Pure
// geometry: it looks neither at the board nor at the bounds, so callers keep moves on the board
// and check the target themselves.
int CanStep(CellCode code, int fromX, int fromY, int toX, int toY);

// The cells the piece on (x, y) may step to on `board`: along one of its arms, onto an empty
// cell or one of the other side's. Empty for anything but a piece.
CellSet StepTargets(const Board& board, int x, int y);

} // namespace trevallion
