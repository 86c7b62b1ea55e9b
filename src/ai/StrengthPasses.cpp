#include "ai/StrengthPasses.h"

#include "rules/GenerateMoves.h"

namespace trevallion {
namespace {

int Pass(int side, const Board& board, SearchContext& ctx, SearchFunction search,
         int orderingMode) {
    ctx.orderingMode = orderingMode;
    return search(ctx, side, board, ctx.searchDepth, LosingScore, WinningScore);
}

} // namespace

int RunStrengthPasses(PlayerType type, int side, const Board& board, SearchContext& ctx,
                      SearchFunction search) {
    switch (type) {
    case AiEasy:
        return Pass(side, board, ctx, search, QuietMovesFirst);
    case AiMedium:
        return Pass(side, board, ctx, search, CapturesFirst);
    case AiDifficult: {
        // The quiet-first pass decides whether the captures-first pass is worth running.
        const int first = Pass(side, board, ctx, search, QuietMovesFirst);
        if (first < 1) {
            return first;
        }
        return Pass(side, board, ctx, search, CapturesFirst);
    }
    default:
        return LosingScore;
    }
}

} // namespace trevallion
