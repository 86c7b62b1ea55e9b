#pragma once

#include "ai/ExpertSearch.h"
#include "review/ReviewPositions.h"

#include <optional>
#include <span>
#include <vector>

namespace trevallion {

// The review's reading of a game's scores. Scores count material: one point for each piece and
// king, two for a cross, and about a thousand for a king taken within the search's sight (a
// king taken at once scores 666). No count of material comes near 500, so a score of 500 or
// more means a win the side can force, and -500 or less a loss it cannot escape.
inline constexpr int DecisiveScore = 500;
// Two points (a cross, or two pieces) is the least loss a review marks: between a position and
// the one a ply later the search's horizon moves, and an exchange it cut off half-way shows up
// as a single point gained or lost although nothing was.
inline constexpr int MaterialSlip = 2;

// What a turn gave away that the side could have kept.
enum class Slip {
    None,
    GaveAwayWin,  // it had a forced win and now has none
    AllowedLoss,  // it could have held the level and now loses its king or its last piece
    LostMaterial, // it lost at least MaterialSlip points it could have kept
};

// One turn as the review judges it, scores from the mover's point of view.
struct TurnJudgement {
    Side side = Side::PlayerOne;
    std::optional<Move> played; // none for a pass
    int scoreBefore = 0;        // what the mover could reach at best
    int scoreAfter = 0;         // what the turn played leaves it
    Slip slip = Slip::None;
    std::optional<Move> better; // AI Expert's move, when the turn slipped
};

struct GameReview {
    std::vector<TurnJudgement> turns;
    // Who stood better, before each turn and after the last: Player 1's score, from WinningScore
    // (Player 1 wins) to LosingScore (Player 2 wins), for a graph of the game.
    std::vector<int> balance;
};

// Reviews the game from `start` with `turns`, asking AI Expert about every position with
// `budget`, on as many threads as `experts` holds (one AI Expert each, one thread for each).
// Meant for a worker thread: `control` cancels it and shows its progress. The board holds codes
// 0 to 27, as every board read or played does. Nothing when the review was cancelled, or when a
// turn is not one the rules allow.
std::optional<GameReview> ReviewGame(const Board& start, Side sideToMove,
                                     std::span<const std::optional<Move>> turns,
                                     const ExpertBudget& budget, ReviewControl& control,
                                     std::span<ExpertSearch* const> experts);

} // namespace trevallion
