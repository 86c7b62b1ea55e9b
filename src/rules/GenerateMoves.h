#pragma once

#include "rules/Board.h"
#include "rules/MoveList.h"

namespace trevallion {

// Which of a capture and a step onto an empty cell move generation lists first. The numbers
// are the game's own names for the two orders.
enum class OrderingMode : std::int32_t { CapturesFirst = 0, QuietMovesFirst = 1 };

// Lists every move of `side` on board into list, which the caller has cleared, and sorts it by
// class. The scan order, the neighbour order, the classes and the exchange sort together decide
// which of equally good moves the computer player meets first, so none of them may change.
// Allocates nothing.
void GenerateMoves(const Board& board, MoveList& list, Side side, OrderingMode mode);

// The sort on its own: descending class by exchanges. It is deliberately not stable: an
// exchange carries the lower record from position p to position j, past records of equal class.
void SortMovesByClass(MoveList& list);

} // namespace trevallion
