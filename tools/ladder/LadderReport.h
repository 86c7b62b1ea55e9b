#pragma once

#include "LadderGame.h"
#include "LadderOptions.h"

#include <string>
#include <vector>

namespace trevallion {

// One game of the ladder: the level, whether the first strength played Player 1, and how the
// game went.
struct LadderGame {
    int level = 1;
    bool firstIsPlayerOne = true;
    GameResult result;
};

// The line of one game, such as "level 7: easy (Player 1) vs expert (Player 2): expert wins
// in 43 plies".
std::string GameLine(const LadderOptions& options, const LadderGame& game);

// The summary: what was played, the first strength's wins, losses and draws by kind, and each
// strength's median time per move.
std::string Summary(const LadderOptions& options, const std::vector<LadderGame>& games);

} // namespace trevallion
