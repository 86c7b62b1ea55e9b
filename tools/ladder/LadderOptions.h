#pragma once

#include "ai/ExpertSearch.h"
#include "ai/Strength.h"

#include <string>
#include <string_view>
#include <vector>

namespace trevallion {

// What the ladder is asked to play: two strengths, the levels whose starts they play from, how
// many games run at once, AI Expert's budget, the plies after which a game counts as a draw, and
// whether each game gets a line of its own, and its moves another.
struct LadderOptions {
    PlayerType first = PlayerType::AiEasy;
    PlayerType second = PlayerType::AiEasy;
    std::string levelsText = "1-50"; // as given
    std::vector<int> levels;         // in the order given; all fifty unless given
    int jobs = 1;
    ExpertBudget budget;
    bool budgetGiven = false;
    int maxPlies = 300;
    bool eachGame = false;
    bool eachGameMoves = false;
};

struct ParsedLadderArguments {
    LadderOptions options;
    bool help = false;
    std::string error; // not empty: the command line is malformed, and this says why
};

// Reads the arguments that follow the program's name.
ParsedLadderArguments ParseLadderArguments(const std::vector<std::string_view>& args);

std::string_view LadderUsage();

} // namespace trevallion
