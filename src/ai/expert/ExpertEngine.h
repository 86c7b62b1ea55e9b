#pragma once

#include "ai/ExpertSearch.h"
#include "expert/ExpertPosition.h"
#include "expert/MoveOrder.h"
#include "expert/PieceSquares.h"
#include "expert/RepetitionSet.h"
#include "expert/TranspositionTable.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <span>

namespace trevallion::expert {

// Scores from the side to move's point of view, in hundredths of a piece (the answer counts in
// whole points, as the game does). A won or lost level scores Win less the plies
// until the king falls or the last piece goes, so that a faster win and a slower loss score
// better; anything beyond WonBound is such a result. A draw scores a little less than nothing
// for the side that searches (see DrawContempt).
inline constexpr int Win = 30000;
inline constexpr int WonBound = Win - 1000;

// AI Expert's search: iterative deepening of a principal variation search with a transposition
// table, killer and history ordering, reductions of late quiet steps, a search of captures
// beyond the horizon and an extension when the enemy threatens the king. Positions repeated from
// the level or the search's own path score as draws. All its tables are members, made once.
class ExpertEngine {
  public:
    ExpertAnswer Choose(const Board& board, Side side, std::span<const PositionKey> seen,
                        const ExpertBudget& budget, const std::atomic<bool>& abort);

  private:
    using Clock = std::chrono::steady_clock;

    template <Side side> ExpertAnswer Deepen(const ExpertBudget& budget);
    // The answer for a side with no step at the root: no move, and the score of its pass.
    template <Side side> ExpertAnswer PassAtRoot(const ExpertBudget& budget);
    template <Side side> int Root(int depth, int alpha, int beta);
    // `mayPass`: whether the node may try handing the turn over to prune (not twice in a row).
    template <Side side> int Node(int depth, int alpha, int beta, int ply, bool mayPass = true);
    template <Side side> bool PassRefutes(int depth, int beta, int ply);
    // `threats`: whether quiet steps that threaten the king are tried besides the captures.
    template <Side side> int Quiesce(int alpha, int beta, int ply, bool threats);
    template <Side side> int Evaluate() const;
    template <Side side> int Child(ExpertMove move, int depth, int alpha, int beta, int ply);

    bool IsRepetition(int ply) const;
    // A draw's score for the side to move at `ply`.
    static int DrawScore(int ply);
    // Counts a node and tells whether the search must stop.
    bool Tick();

    TranspositionTable table_;
    MoveOrder order_;
    PieceSquares squares_;
    RepetitionSet earlier_;
    ExpertPosition* position_ = nullptr;

    // The path from the root: each ply's key, and the first ply of the stretch without a capture
    // that ends at it (no position before that stretch can come back).
    std::array<PositionKey, MaxPly + 1> keys_{};
    std::array<int, MaxPly + 1> quietSince_{};

    std::array<ExpertMove, MaxExpertMoves> rootMoves_{};
    int rootCount_ = 0;
    int rootBest_ = -1; // the best root step completed in the running iteration

    const std::atomic<bool>* abort_ = nullptr;
    Clock::time_point deadline_;
    std::uint64_t nodeLimit_ = 0;
    std::uint64_t nodes_ = 0;
    bool stopped_ = false;
};

} // namespace trevallion::expert
