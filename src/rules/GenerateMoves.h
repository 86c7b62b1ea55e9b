#pragma once

#include "rules/Board.h"
#include "rules/MoveList.h"

namespace trevallion {

// Ordering modes for move generation.
inline constexpr int CapturesFirst = 0;
inline constexpr int QuietMovesFirst = 1;

// Lists every move of side (1 or 2) on board into list, which the caller has cleared, and sorts
// it by class. The scan order, the neighbour order, the classes and the exchange sort together
// decide which of equally good moves the computer player meets first, so none of them may change.
//
// For any other side nothing is generated and only the sort runs over the present records.
// Allocates nothing.
void GenerateMoves(const Board& board, MoveList& list, int side, int orderingMode);

// The sort on its own: descending class by exchanges. It is deliberately not stable: an
// exchange carries the lower record from position p to position j, past records of equal class.
void SortMovesByClass(MoveList& list);

} // namespace trevallion
