#pragma once

#include "rules/Board.h"

#include <optional>

namespace trevallion {

// The winner of the position, or nothing while the level goes on. A side loses when its king
// is gone or when it has no movable piece left; whether those pieces can step is not asked.
// The tests run in a fixed order and the first that holds decides, so with both kings gone
// Player 2 wins.
std::optional<Side> FindWinner(const Board& board);

} // namespace trevallion
