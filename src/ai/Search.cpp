#include "ai/Search.h"

#include "engine/CompactMoves.h"
#include "engine/LeafTally.h"
#include "engine/MoveTables.h"
#include "engine/SearchPosition.h"
#include "rules/GenerateMoves.h"

#include <algorithm>
#include <cassert>

namespace trevallion {
namespace {

using engine::CompactMove;
using engine::CompactMoveList;
using engine::SearchPosition;

// One search from one top call. The position is changed in place and restored move by move;
// every call of the search is a call of Node, except the leaves below a depth-1 node, which
// that node scores itself from the carried counts (and counts as nodes all the same).
//
// Precondition: every cell code lies in 0..27; the game never makes anything else, and the
// analysis tool refuses other boards.
class Engine {
  public:
    Engine(SearchContext& ctx, const Board& board)
        : ctx_(ctx), tables_(engine::GetMoveTables()), position_(SearchPosition::FromBoard(board)),
          searchDepth_(ctx.searchDepth), orderingMode_(ctx.orderingMode) {}

    int Run(Side side, int depth, int alpha, int beta) {
        const int score = side == Side::PlayerOne ? Node<Side::PlayerOne>(depth, alpha, beta)
                                                  : Node<Side::PlayerTwo>(depth, alpha, beta);
        ctx_.nodes += nodes_;
        return score;
    }

  private:
    bool Aborted() const { return ctx_.abortSearch.load(std::memory_order_acquire); }

    void Record(const CompactMove& move) {
        ctx_.computerMove = Move{CellAt(move.from), CellAt(move.to)};
    }

    template <Side side> int Node(int depth, int alpha, int beta) {
        ++nodes_;
        if (Aborted()) {
            return 0;
        }
        if (depth == 0) {
            return position_.ScoreFor(side);
        }
        const bool root = depth == searchDepth_;
        int tallied = 0;
        if (depth == 1 && !root && ScoreByTally<side>(beta, tallied)) {
            return tallied;
        }
        CompactMoveList moves;
        const int count =
            engine::GenerateCompactMoves<side>(position_, tables_, orderingMode_, moves);
        engine::SortCompactMoves(moves, count);
        if (count == 0) {
            return LosingScore;
        }
        // At the root, taking the enemy king ends the game at once. Such a move has the top
        // class, so when there is one the sort has put one first.
        if (root && moves[0].moveClass == 2) {
            Record(moves[0]);
            return KingCaptureScore;
        }
        if (depth == 1) {
            return ScoreLeaves<side>(moves, count, beta, root);
        }

        constexpr Side other = OtherSide(side);
        int best = LosingScore;
        for (int i = 0; i < count; ++i) {
            if (best >= beta) {
                return best;
            }
            const CompactMove move = moves[i];
            const std::uint8_t captured = position_.MakeMove<side>(move.from, move.to);
            if (best > alpha) {
                alpha = best;
            }
            const int value = -Node<other>(depth - 1, -beta, -alpha);
            position_.UndoMove<side>(move.from, move.to, captured);
            if (Aborted()) {
                // The search is being abandoned: unwind without writing anything more.
                return 0;
            }
            if (value > best) {
                best = value;
                if (root) {
                    Record(move);
                }
            }
        }
        return best;
    }

    // A depth-1 node below the root scored from the number of moves of each kind, when that
    // number decides it: no more moves than a list holds, and captures all worth the same.
    template <Side side> bool ScoreByTally(int beta, int& score) {
        const std::uint64_t tally = engine::TallyMoves<side>(position_, tables_);
        const int quiet = engine::TallyCount(tally, side, engine::TallyQuiet);
        const int onePoint = engine::TallyCount(tally, side, engine::TallyOnePoint);
        const int cross = engine::TallyCount(tally, side, engine::TallyCross);
        const int king = engine::TallyCount(tally, side, engine::TallyKing);
        if (quiet + onePoint + cross + king > MaxMoves || (onePoint > 0 && cross > 0)) {
            return false;
        }
        const int base = position_.ScoreFor(side);
        const engine::LeafBlock kings{king,
                                      position_.ScoreAfterTaking(side, KingOf(OtherSide(side)))};
        const engine::LeafBlock captures{onePoint + cross, base + (onePoint > 0 ? 1 : 2)};
        const engine::LeafBlock quiets{quiet, base};
        // The king captures come first; the mode orders the other two classes.
        const bool quietFirst = orderingMode_ == OrderingMode::QuietMovesFirst;
        const engine::LeafBlock blocks[3] = {kings, quietFirst ? quiets : captures,
                                             quietFirst ? captures : quiets};
        score = engine::ScoreBlocks(blocks, 3, beta, nodes_);
        return true;
    }

    // A depth-1 node's loop with each child scored in place: the child's score for the other
    // side is minus the parent's score after the move, which only the captured code changes.
    template <Side side> int ScoreLeaves(const CompactMove* moves, int count, int beta, bool root) {
        int best = LosingScore;
        for (int i = 0; i < count; ++i) {
            if (best >= beta) {
                return best;
            }
            ++nodes_;
            const int value = position_.ScoreAfterTaking(side, position_.cells[moves[i].to]);
            if (value > best) {
                best = value;
                if (root) {
                    Record(moves[i]);
                }
            }
        }
        return best;
    }

    SearchContext& ctx_;
    const engine::MoveTables& tables_;
    SearchPosition position_;
    const int searchDepth_;
    const OrderingMode orderingMode_;
    std::uint64_t nodes_ = 0;
};

} // namespace

int Search(SearchContext& ctx, Side side, const Board& board, int depth, int alpha, int beta) {
    assert(side == Side::PlayerOne || side == Side::PlayerTwo);
    assert(std::all_of(board.cells.begin(), board.cells.end(), IsValidCode));
    Engine engine(ctx, board);
    return engine.Run(side, depth, alpha, beta);
}

} // namespace trevallion
