#include "ai/StrengthPasses.h"

#include "rules/GenerateMoves.h"

namespace trevallion {
namespace {

int Pass(Side side, const Board& board, SearchContext& ctx, SearchFunction search,
         OrderingMode mode) {
    ctx.orderingMode = mode;
    return search(ctx, side, board, ctx.searchDepth, LosingScore, WinningScore);
}

} // namespace

int RunStrengthPasses(PlayerType type, Side side, const Board& board, SearchContext& ctx,
                      SearchFunction search) {
    switch (type) {
    case PlayerType::AiEasy:
        return Pass(side, board, ctx, search, OrderingMode::QuietMovesFirst);
    case PlayerType::AiMedium:
        return Pass(side, board, ctx, search, OrderingMode::CapturesFirst);
    case PlayerType::AiDifficult: {
        // The quiet-first pass decides whether the captures-first pass is worth running.
        const int first = Pass(side, board, ctx, search, OrderingMode::QuietMovesFirst);
        if (first < 1) {
            return first;
        }
        return Pass(side, board, ctx, search, OrderingMode::CapturesFirst);
    }
    case PlayerType::Human:
    case PlayerType::AiExpert:
        break;
    }
    return LosingScore;
}

} // namespace trevallion
