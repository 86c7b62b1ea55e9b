#include "ai/ReferenceSearch.h"

#include "ai/Evaluate.h"
#include "rules/ApplyMove.h"
#include "rules/GenerateMoves.h"

namespace trevallion {

int ReferenceSearch(SearchContext& ctx, Side side, const Board& board, int depth, int alpha,
                    int beta) {
    ++ctx.nodes;
    if (ctx.abortSearch.load(std::memory_order_acquire)) {
        return 0;
    }
    if (depth == 0) {
        return Evaluate(board, side);
    }

    int best = LosingScore;
    MoveList list;
    ClearMoveList(list);
    GenerateMoves(board, list, side, ctx.orderingMode);
    const bool root = depth == ctx.searchDepth;
    const CellCode enemyKing = KingOf(OtherSide(side));

    if (root) {
        if (list[0].IsEndMark()) {
            return LosingScore;
        }
        // Taking the enemy king ends the game: no need to look further.
        for (const MoveRecord& move : list) {
            if (move.IsEndMark()) {
                break;
            }
            if (board.At(move.to) == enemyKing) {
                ctx.computerMove = Move{move};
                return KingCaptureScore;
            }
        }
    }
    if (list[0].IsEndMark()) {
        return best;
    }

    for (const MoveRecord& move : list) {
        if (move.IsEndMark()) {
            break;
        }
        if (best >= beta) {
            return best;
        }
        Board child = board;
        ApplyMove(child, move);
        if (best > alpha) {
            alpha = best;
        }
        const int value = -ReferenceSearch(ctx, OtherSide(side), child, depth - 1, -beta, -alpha);
        if (value > best) {
            best = value;
            if (root) {
                ctx.computerMove = Move{move};
            }
        }
    }
    return best;
}

} // namespace trevallion
