#pragma once

#include "rules/Board.h"
#include "rules/CellCode.h"
#include "rules/Side.h"

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

// Whether a piece of this code has an arm along `direction`.
bool HasArm(CellCode code, Direction direction);

// Whether a piece of this code may step from `from` to `to`: the step is one of its arms. Pure
// geometry: it looks neither at the board nor at the bounds; MayStep adds those and the target.
bool CanStep(CellCode code, Cell from, Cell to);

// The movement rule whole, the one place every player and the search ask it: whether `side` may
// step the piece on `from` to `to` on `board`. Both cells lie on the board, the piece is one of
// the side's own, the step follows one of its arms, and the side may enter the target: Player 1
// an empty cell or one of Player 2's codes, Player 2 any cell that is neither a wall nor its
// own. On the codes a board can hold (0..27) both say "empty or the other side's"; they part
// only on codes outside that range, and there they stay exactly as the game always had them.
bool MayStep(const Board& board, Side side, Cell from, Cell to);

// The cells the piece on `from` may step to on `board`, by the rule above for the side that owns
// it. Empty for anything but a piece.
CellSet StepTargets(const Board& board, Cell from);

} // namespace trevallion
