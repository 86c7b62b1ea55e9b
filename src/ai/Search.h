#pragma once

#include "ai/SearchContext.h"

namespace trevallion {

// Negamax with alpha-beta pruning over the ordered move lists. At the root (depth equal to
// ctx.searchDepth) it takes the enemy king at once when it can, and records its best move in
// ctx.computerMove. Every call returns 0 at once while ctx.abortSearch is raised.
//
// This is the game's engine: it visits exactly the tree of ReferenceSearch, with the same
// scores, the same recorded move and the same node count, but works on a compact board that it
// changes and restores in place. It allocates nothing.
//
// Two differences show only outside the game's own use. Every cell code must lie in 0..27 (a
// debug build checks it). And when the flag is raised while a search runs, the engine unwinds at
// once, every open call returning 0 and nothing more recorded, where the reference goes on
// through the remaining moves with each call answering 0.
int Search(SearchContext& ctx, Side side, const Board& board, int depth, int alpha, int beta);

} // namespace trevallion
