#pragma once

#include "rules/Board.h"

namespace trevallion {

// The material count of a position for `side`: one point for each piece and king, two for the
// crosses, and 1000 for each king missing from the board.
int Evaluate(const Board& board, Side side);

} // namespace trevallion
