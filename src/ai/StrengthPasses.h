#pragma once

#include "ai/SearchContext.h"
#include "ai/Strength.h"

namespace trevallion {

// The search passes of one computer player's move, each from the root at ctx.searchDepth with
// the window -1000..1000: AI Easy one pass with quiet moves first, AI Medium one with captures
// first, AI Difficult a quiet-first pass and, if it scored 1 or more, a captures-first pass.
// ctx.orderingMode is set before each pass; ctx.computerMove is not reset between passes.
// Returns the score of the last pass run, or LosingScore when the type runs none.
int RunStrengthPasses(PlayerType type, Side side, const Board& board, SearchContext& ctx,
                      SearchFunction search);

} // namespace trevallion
