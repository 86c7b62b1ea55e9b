#pragma once

#include "rules/Board.h"

#include <sstream>
#include <stdexcept>
#include <string>

namespace trevallion::testing {

// A board written as the level table writes it: seven screen rows, top row first, each listing
// the codes of columns 0 to 6.
inline Board BoardFromRows(const std::string& text) {
    std::istringstream in(text);
    Board board;
    for (int y = 0; y < BoardSize; ++y) {
        for (int x = 0; x < BoardSize; ++x) {
            if (!(in >> board.At({x, y}))) {
                throw std::invalid_argument("a board needs 49 codes");
            }
        }
    }
    return board;
}

// Player 1's pieces: an upright cross at (3, 4) beside its king at (3, 5), a vertical bar at
// (1, 5); walls at (4, 4) and (2, 2); Player 2's bar at (3, 2), a piece at (2, 3) and its king.
inline const char* const CrossBesideKing = "0 0 0 15 0 0 0\n"
                                           "0 0 0 0  0 0 0\n"
                                           "0 0 1 23 0 0 0\n"
                                           "0 0 16 0 0 0 0\n"
                                           "0 0 0 7  1 0 0\n"
                                           "0 10 0 2 0 0 0\n"
                                           "0 0 0 0  0 0 0\n";

} // namespace trevallion::testing
