#pragma once

#include "ai/SearchContext.h"

namespace trevallion {

// The search written out step by step, one board copy and one full move list per call, with
// nothing carried between calls. It is slow and plainly right: the tests and the benchmark
// hold the game's engine (Search) to it.
int ReferenceSearch(SearchContext& ctx, Side side, const Board& board, int depth, int alpha,
                    int beta);

} // namespace trevallion
