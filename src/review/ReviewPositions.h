#pragma once

#include "ai/ExpertSearch.h"
#include "rules/Board.h"
#include "rules/MoveList.h"
#include "rules/Side.h"

#include <atomic>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace trevallion {

// One position of a game under review and what AI Expert makes of it.
struct ReviewedPosition {
    Board board;
    Side sideToMove = Side::PlayerOne;
    // The side to move's score at best play, between LosingScore and WinningScore: the winner's
    // full score on a decided board, and for a side that must pass, the score its opponent
    // leaves it on the same board.
    int score = 0;
    // AI Expert's move, where the side to move has one.
    std::optional<Move> best;
};

// The positions of a game: the start and the position after each turn; nothing when a turn is
// not one the rules allow there.
std::optional<std::vector<ReviewedPosition>>
PositionsOfGame(const Board& start, Side sideToMove, std::span<const std::optional<Move>> turns);

// How a review is stopped and followed from another thread: raising `cancel` ends it soon, and
// `positionsDone` counts the positions analysed so far, out of the game's turns plus one.
struct ReviewControl {
    std::atomic<bool> cancel{false};
    std::atomic<std::size_t> positionsDone{0};
};

// Fills in the score and move of every position, asking AI Expert with `budget` for each. The
// positions are shared out between `experts`, one thread each (the calling thread takes the
// first); the answers do not depend on how many there are. Answers false when cancelled.
bool AnalysePositions(std::vector<ReviewedPosition>& positions, const ExpertBudget& budget,
                      ReviewControl& control, std::span<ExpertSearch* const> experts);

} // namespace trevallion
