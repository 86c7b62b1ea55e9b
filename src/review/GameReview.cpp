#include "review/GameReview.h"

#include <cassert>

namespace trevallion {
namespace {

// A slip needs a better move than the one played; the scores say what it cost.
Slip SlipOf(int before, int after) {
    if (before >= DecisiveScore && after < DecisiveScore) {
        return Slip::GaveAwayWin;
    }
    if (before > -DecisiveScore && after <= -DecisiveScore) {
        return Slip::AllowedLoss;
    }
    // Among wins, or among losses, more or fewer points change nothing.
    const bool material = before < DecisiveScore && before > -DecisiveScore;
    return material && before - after >= MaterialSlip ? Slip::LostMaterial : Slip::None;
}

TurnJudgement Judge(const ReviewedPosition& before, const ReviewedPosition& after,
                    const std::optional<Move>& played) {
    TurnJudgement judgement;
    judgement.side = before.sideToMove;
    judgement.played = played;
    judgement.scoreBefore = before.score;
    judgement.scoreAfter = -after.score;
    if (played && before.best && *played != *before.best) {
        judgement.slip = SlipOf(judgement.scoreBefore, judgement.scoreAfter);
    }
    if (judgement.slip != Slip::None) {
        judgement.better = before.best;
    }
    return judgement;
}

} // namespace

std::optional<GameReview> ReviewGame(const Board& start, Side sideToMove,
                                     std::span<const std::optional<Move>> turns,
                                     const ExpertBudget& budget, ReviewControl& control,
                                     std::span<ExpertSearch* const> experts) {
    assert(!experts.empty());
    std::optional<std::vector<ReviewedPosition>> positions =
        PositionsOfGame(start, sideToMove, turns);
    if (!positions || !AnalysePositions(*positions, budget, control, experts)) {
        return std::nullopt;
    }
    GameReview review;
    for (std::size_t i = 0; i < turns.size(); ++i) {
        review.turns.push_back(Judge((*positions)[i], (*positions)[i + 1], turns[i]));
    }
    for (const ReviewedPosition& position : *positions) {
        const bool playerOne = position.sideToMove == Side::PlayerOne;
        review.balance.push_back(playerOne ? position.score : -position.score);
    }
    return review;
}

} // namespace trevallion
