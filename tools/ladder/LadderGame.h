#pragma once

#include "LadderPlayer.h"
#include "MoveReplay.h"

#include <chrono>
#include <optional>
#include <vector>

namespace trevallion {

// How a game of the ladder ended.
enum class GameEnd {
    Won,        // a king taken, or a side without a piece that could move
    Repetition, // a position (board and side to move) came up for the third time
    NoMove,     // neither side could move
    PlyCap,     // the game reached the most plies the ladder allows
    Refused,    // a player chose a move the rules do not allow (a fault of that player)
};

struct GameResult {
    GameEnd end = GameEnd::PlyCap;
    std::optional<Side> winner; // only for Won (and for Refused: the other side)
    int plies = 0;              // moves and passes played
    std::vector<ListedMove> moves;
    // The time each side took for each of its moves, by side number (element 0 unused).
    std::vector<std::chrono::nanoseconds> moveTimes[3];
};

// Plays the level's start to its end between the two players, Player 1 first. A side with no
// step passes; a pass counts as a ply.
GameResult PlayLadderGame(int level, LadderPlayer& playerOne, LadderPlayer& playerTwo,
                          int maxPlies);

} // namespace trevallion
