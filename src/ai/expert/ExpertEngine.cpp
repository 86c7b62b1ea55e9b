#include "expert/ExpertEngine.h"

#include "expert/ExpertEvaluate.h"
#include "expert/ExpertTerms.h"

#include "ai/SearchContext.h"

#include <algorithm>
#include <cstdlib>

namespace trevallion::expert {
namespace {

constexpr int Infinite = Win + 1;
constexpr int MaxDepth = 40;
// The shallowest node that tries to prune by passing.
constexpr int NullMoveDepth = 3;

// A won or lost score in the table counts from the stored position, not from the root.
int ToTable(int score, int ply) {
    return score > WonBound ? score + ply : score < -WonBound ? score - ply : score;
}
int FromTable(int score, int ply) {
    return score > WonBound ? score - ply : score < -WonBound ? score + ply : score;
}

// The answer's score as every strength of the game counts: points of material, and a decided
// level as WinningScore less the plies to it (LosingScore plus them). The search never looks
// more than MaxPly plies ahead, so a decided score stays far beyond any count of material.
int OnGameScale(int score) {
    if (score > WonBound) {
        return WinningScore - (Win - score);
    }
    if (score < -WonBound) {
        return LosingScore + (Win + score);
    }
    return (score >= 0 ? score + PieceWorth / 2 : score - PieceWorth / 2) / PieceWorth;
}

} // namespace

bool ExpertEngine::Tick() {
    ++nodes_;
    if (nodeLimit_ != 0 && nodes_ >= nodeLimit_) {
        stopped_ = true;
    } else if ((nodes_ & 1023) == 0 &&
               (abort_->load(std::memory_order_relaxed) || Clock::now() >= deadline_)) {
        stopped_ = true;
    }
    return stopped_;
}

int ExpertEngine::DrawScore(int ply) {
    // The searching side moves at the even plies.
    return ply % 2 == 0 ? -DrawContempt : DrawContempt;
}

bool ExpertEngine::IsRepetition(int ply) const {
    const PositionKey key = keys_[ply];
    for (int i = ply - 2; i >= quietSince_[ply]; --i) {
        if (keys_[i] == key) {
            return true;
        }
    }
    // The level's positions all hold at least the root's material, so only a path without a
    // capture can lead back to one of them.
    return quietSince_[ply] == 0 && earlier_.Contains(key);
}

template <Side side> int ExpertEngine::Evaluate() const {
    return expert::Evaluate<side>(*position_, squares_);
}

template <Side side> int ExpertEngine::Quiesce(int alpha, int beta, int ply, bool threats) {
    constexpr int me = SideNumber(side);
    constexpr int them = SideNumber(OtherSide(side));
    if (position_->HasLost(me)) {
        return -(Win - ply);
    }
    if (position_->ThreatensKing(me)) {
        return Win - ply - 1;
    }
    if (Tick()) {
        return 0;
    }
    // Threatened, the side must take a piece at once (a piece next to the king can only be
    // stopped by taking it); otherwise it may stand on the position as it is.
    const bool threatened = position_->ThreatensKing(them);
    int best = -(Win - ply - 2);
    if (!threatened || ply >= MaxPly - 1) {
        best = Evaluate<side>();
        if (best >= beta || ply >= MaxPly - 1) {
            return best;
        }
        alpha = std::max(alpha, best);
    }
    // At the horizon itself a quiet step next to the enemy king is tried too: the enemy must
    // answer it with a capture or lose the king.
    const StepKinds kinds =
        threats && !threatened ? StepKinds::CapturesAndThreats : StepKinds::Captures;
    const int count = order_.Generate<side>(*position_, squares_, ply, kinds, ExpertMove{});
    for (int i = 0; i < count; ++i) {
        const ExpertMove move = order_.Pick(ply, i, count);
        const std::uint8_t captured = position_->Make<side>(move);
        const int score = -Quiesce<OtherSide(side)>(-beta, -alpha, ply + 1, false);
        position_->Unmake<side>(move, captured);
        if (stopped_) {
            return 0;
        }
        if (score > best) {
            best = score;
            if (score >= beta) {
                break;
            }
            alpha = std::max(alpha, score);
        }
    }
    return best;
}

template <Side side> bool ExpertEngine::PassRefutes(int depth, int beta, int ply) {
    if (depth < NullMoveDepth || std::abs(beta) > WonBound || Evaluate<side>() < beta) {
        return false;
    }
    // If the side could hand the turn over and still stand at beta, a real move, almost always
    // better than none, would too. The pass position never came up in play, so no repetition is
    // looked for across it.
    const int reduction = depth >= 6 ? 3 : 2;
    position_->Pass();
    quietSince_[ply + 1] = ply + 1;
    const int score =
        -Node<OtherSide(side)>(depth - 1 - reduction, -beta, -beta + 1, ply + 1, false);
    position_->Pass();
    return !stopped_ && score >= beta;
}

template <Side side> int ExpertEngine::Node(int depth, int alpha, int beta, int ply, bool mayPass) {
    constexpr int me = SideNumber(side);
    constexpr int them = SideNumber(OtherSide(side));
    constexpr Side other = OtherSide(side);
    if (position_->HasLost(me)) {
        return -(Win - ply);
    }
    if (position_->ThreatensKing(me)) {
        return Win - ply - 1;
    }
    keys_[ply] = position_->Key();
    if (IsRepetition(ply)) {
        return DrawScore(ply);
    }
    // A threat to the king leaves only captures to answer it: look one step further.
    const bool threatened = position_->ThreatensKing(them);
    if (threatened && ply < MaxPly / 2) {
        ++depth;
    }
    if (depth <= 0 || ply >= MaxPly - 1) {
        return Quiesce<side>(alpha, beta, ply, true);
    }
    if (Tick()) {
        return 0;
    }

    const PositionKey key = keys_[ply];
    ExpertMove tableMove{};
    if (const TableEntry* entry = table_.Find(key)) {
        tableMove = ExpertMove{entry->from, entry->to};
        const int stored = FromTable(entry->score, ply);
        if (entry->depth >= depth &&
            (entry->bound == Bound::Exact || (entry->bound == Bound::Lower && stored >= beta) ||
             (entry->bound == Bound::Upper && stored <= alpha))) {
            return stored;
        }
    }

    if (mayPass && !threatened && PassRefutes<side>(depth, beta, ply)) {
        return beta;
    }
    const int count = order_.Generate<side>(
        *position_, squares_, ply, threatened ? StepKinds::Captures : StepKinds::All, tableMove);
    if (count == 0) {
        if (threatened) {
            return -(Win - ply - 2);
        }
        if (!position_->HasStep(them)) {
            return DrawScore(ply); // neither side can move: the level cannot go on
        }
        position_->Pass();
        quietSince_[ply + 1] = quietSince_[ply];
        const int score = -Node<other>(depth - 1, -beta, -alpha, ply + 1);
        position_->Pass();
        return score;
    }

    const int alphaAtStart = alpha;
    int best = -Infinite;
    ExpertMove bestMove{};
    for (int i = 0; i < count; ++i) {
        const ExpertMove move = order_.Pick(ply, i, count);
        const bool quiet = position_->Cells().cells[move.to] == Empty;
        // Late quiet steps are searched shallower first, and again at full depth only when they
        // promise more than the best so far.
        const bool late =
            quiet && !threatened && i >= 3 && depth >= 3 && !order_.IsKiller(ply, move);
        const int reduction = late ? (i >= 8 && depth >= 5 ? 2 : 1) : 0;
        const std::uint8_t captured = position_->Make<side>(move);
        table_.Prefetch(position_->Key());
        quietSince_[ply + 1] = captured == Empty ? quietSince_[ply] : ply + 1;
        int score;
        if (i == 0) {
            score = -Node<other>(depth - 1, -beta, -alpha, ply + 1);
        } else {
            score = -Node<other>(depth - 1 - reduction, -alpha - 1, -alpha, ply + 1);
            if (score > alpha && reduction > 0) {
                score = -Node<other>(depth - 1, -alpha - 1, -alpha, ply + 1);
            }
            if (score > alpha && score < beta) {
                score = -Node<other>(depth - 1, -beta, -alpha, ply + 1);
            }
        }
        position_->Unmake<side>(move, captured);
        if (stopped_) {
            return 0;
        }
        if (score > best) {
            best = score;
            bestMove = move;
            if (score > alpha) {
                alpha = score;
                if (alpha >= beta) {
                    if (quiet) {
                        order_.Refuted(me, ply, move, depth);
                    }
                    break;
                }
            }
        }
    }
    const Bound bound = best >= beta          ? Bound::Lower
                        : best > alphaAtStart ? Bound::Exact
                                              : Bound::Upper;
    table_.Store(key, ToTable(best, ply), depth, bound, bestMove);
    return best;
}

template <Side side> int ExpertEngine::Root(int depth, int alpha, int beta) {
    constexpr Side other = OtherSide(side);
    int best = -Infinite;
    rootBest_ = -1;
    for (int i = 0; i < rootCount_; ++i) {
        const ExpertMove move = rootMoves_[i];
        const std::uint8_t captured = position_->Make<side>(move);
        quietSince_[1] = captured == Empty ? 0 : 1;
        int score;
        if (i == 0) {
            score = -Node<other>(depth - 1, -beta, -alpha, 1);
        } else {
            score = -Node<other>(depth - 1, -alpha - 1, -alpha, 1);
            if (score > alpha && score < beta) {
                score = -Node<other>(depth - 1, -beta, -alpha, 1);
            }
        }
        position_->Unmake<side>(move, captured);
        if (stopped_) {
            break;
        }
        if (score > best) {
            best = score;
            rootBest_ = i;
            alpha = std::max(alpha, score);
        }
    }
    return best;
}

template <Side side> ExpertAnswer ExpertEngine::Deepen(const ExpertBudget& budget) {
    constexpr int me = SideNumber(side);
    ExpertAnswer answer;
    rootCount_ = order_.Generate<side>(*position_, squares_, 0, StepKinds::All, ExpertMove{});
    for (int i = 0; i < rootCount_; ++i) {
        rootMoves_[i] = order_.Pick(0, i, rootCount_);
    }
    if (rootCount_ == 0) {
        return PassAtRoot<side>(budget);
    }
    const auto toMove = [](ExpertMove move) { return Move{CellAt(move.from), CellAt(move.to)}; };
    answer.move = toMove(rootMoves_[0]);
    if (const int taker = position_->KingTaker(me); taker >= 0) {
        // Taking the king ends the level: no search can find better.
        for (int i = 0; i < rootCount_; ++i) {
            if (rootMoves_[i].from == taker &&
                position_->Cells().cells[rootMoves_[i].to] == KingOf(OtherSide(side))) {
                answer.move = toMove(rootMoves_[i]);
            }
        }
        answer.score = Win - 1;
        return answer;
    }
    if (rootCount_ == 1) {
        answer.score = Evaluate<side>();
        return answer;
    }
    const Clock::time_point start = Clock::now();
    for (int depth = 1; depth <= MaxDepth; ++depth) {
        const int score = Root<side>(depth, -Infinite, Infinite);
        if (rootBest_ >= 0) {
            // In an iteration cut short, a step that beat the previous best is trusted too.
            answer.move = toMove(rootMoves_[rootBest_]);
            std::rotate(rootMoves_.begin(), rootMoves_.begin() + rootBest_,
                        rootMoves_.begin() + rootBest_ + 1);
        }
        if (stopped_) {
            break;
        }
        answer.score = score;
        answer.depth = depth;
        const bool decided = std::abs(score) > WonBound && Win - std::abs(score) <= depth;
        // The next iteration takes a few times as long as this one: start it only when it can
        // finish.
        const bool late = Clock::now() - start > budget.time * 2 / 5;
        if (decided || late) {
            break;
        }
    }
    answer.nodes = nodes_;
    return answer;
}

template <Side side> ExpertAnswer ExpertEngine::PassAtRoot(const ExpertBudget& budget) {
    constexpr Side other = OtherSide(side);
    if (!position_->HasStep(SideNumber(other))) {
        return ExpertAnswer{}; // neither side can move: the level cannot go on
    }
    // The side hands the turn over: the position is worth what the enemy makes of it, a ply
    // later.
    position_->Pass();
    keys_[0] = position_->Key();
    ExpertAnswer answer = Deepen<other>(budget);
    position_->Pass();
    answer.move.reset();
    answer.score = -answer.score;
    if (std::abs(answer.score) > WonBound) {
        answer.score += answer.score > 0 ? -1 : 1;
    }
    return answer;
}

ExpertAnswer ExpertEngine::Choose(const Board& board, Side side, std::span<const PositionKey> seen,
                                  const ExpertBudget& budget, const std::atomic<bool>& abort) {
    PreparePieceSquares(board, squares_);
    earlier_.Fill(seen);
    table_.Clear();
    order_.Clear();
    ExpertPosition position(board, side, squares_);
    position_ = &position;
    abort_ = &abort;
    deadline_ = Clock::now() + budget.time;
    nodeLimit_ = budget.nodes;
    nodes_ = 0;
    stopped_ = false;
    keys_[0] = position.Key();
    quietSince_[0] = 0;
    ExpertAnswer answer =
        side == Side::PlayerOne ? Deepen<Side::PlayerOne>(budget) : Deepen<Side::PlayerTwo>(budget);
    answer.nodes = nodes_;
    answer.score = OnGameScale(answer.score);
    position_ = nullptr;
    return answer;
}

} // namespace trevallion::expert
