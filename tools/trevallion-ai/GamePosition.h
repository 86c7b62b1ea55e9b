#pragma once

#include "rules/Board.h"

#include <string>

namespace trevallion {

// The position of a saved game: its board and the side to move.
struct GamePosition {
    Board board;
    Side side = Side::PlayerOne;
    std::string error; // not empty: the game would refuse the file, and this says why
};

// Reads the saved game at `path` as the game's Load Game does. A file the game would refuse
// gives the path, escaped, and the game's own message, its line breaks turned into spaces.
GamePosition ReadGamePosition(const std::string& path);

} // namespace trevallion
