#include "review/ReviewPositions.h"

#include "ai/SearchContext.h"
#include "record/TurnCheck.h"
#include "rules/ApplyMove.h"
#include "rules/PositionKey.h"
#include "rules/Winner.h"

#include <algorithm>
#include <system_error>
#include <thread>

namespace trevallion {
namespace {

int Clamped(int score) {
    return std::clamp(score, LosingScore, WinningScore);
}

// The keys of the positions, oldest first, for AI Expert to know a repetition; one more at the
// end for the last board with the turn passed, which a side that cannot move there leads to.
std::vector<PositionKey> KeysOf(const std::vector<ReviewedPosition>& positions) {
    std::vector<PositionKey> keys;
    for (const ReviewedPosition& position : positions) {
        keys.push_back(KeyOf(position.board, position.sideToMove));
    }
    keys.push_back(KeyAfterPass(keys.back()));
    return keys;
}

// Position i of the game, whose key is keys[i].
void Analyse(ExpertSearch& expert, ReviewedPosition& position, std::span<const PositionKey> keys,
             std::size_t i, const ExpertBudget& budget, const std::atomic<bool>& cancel) {
    const std::span<const PositionKey> seen = keys.first(i + 1);
    const Side side = position.sideToMove;
    if (const std::optional<Side> winner = FindWinner(position.board)) {
        position.score = *winner == side ? WinningScore : LosingScore;
        return;
    }
    if (HasStep(position.board, side)) {
        const ExpertAnswer answer = expert.Choose(position.board, side, seen, budget, cancel);
        position.score = Clamped(answer.score);
        position.best = answer.move;
        return;
    }
    // The side must pass: the position is worth what the opponent makes of the same board.
    const Side other = OtherSide(side);
    if (!HasStep(position.board, other)) {
        position.score = 0;
        return;
    }
    const std::span<const PositionKey> passed = keys.first(i + 2);
    position.score = -Clamped(expert.Choose(position.board, other, passed, budget, cancel).score);
}

} // namespace

std::optional<std::vector<ReviewedPosition>>
PositionsOfGame(const Board& start, Side sideToMove, std::span<const std::optional<Move>> turns) {
    std::vector<ReviewedPosition> positions(1);
    positions[0].board = start;
    positions[0].sideToMove = sideToMove;
    for (const std::optional<Move>& turn : turns) {
        ReviewedPosition next = positions.back();
        if (CheckTurn(next.board, next.sideToMove, turn) != TurnVerdict::Allowed) {
            return std::nullopt;
        }
        if (turn) {
            ApplyMove(next.board, *turn);
        }
        next.sideToMove = OtherSide(next.sideToMove);
        positions.push_back(next);
    }
    return positions;
}

bool AnalysePositions(std::vector<ReviewedPosition>& positions, const ExpertBudget& budget,
                      ReviewControl& control, std::span<ExpertSearch* const> experts) {
    const std::vector<PositionKey> keys = KeysOf(positions);
    std::atomic<std::size_t> next{0};
    // Each thread takes the next position nobody has taken: positions differ widely in cost, so
    // handing them out one by one keeps both cores busy to the end.
    const auto work = [&](ExpertSearch& expert) {
        for (std::size_t i = next++; i < positions.size() && !control.cancel; i = next++) {
            Analyse(expert, positions[i], keys, i, budget, control.cancel);
            ++control.positionsDone;
        }
    };
    {
        // Joined at the end of this block, also should the calling thread's work throw.
        std::vector<std::jthread> helpers;
        for (ExpertSearch* expert : experts.subspan(1)) {
            try {
                helpers.emplace_back(work, std::ref(*expert));
            } catch (const std::system_error&) {
                break; // no thread to be had: the threads there are share the work
            }
        }
        work(*experts.front());
    }
    return !control.cancel;
}

} // namespace trevallion
