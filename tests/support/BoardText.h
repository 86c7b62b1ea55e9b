#pragma once

#include "rules/Board.h"
#include "rules/MoveList.h"

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

// Each side's horizontal bar can only slide one cell right and back, a wall beyond it, the kings
// out of reach; ShuffleRound's four turns, Player 1's first, bring the board back. In the stuck
// board Player 2 is walled in, and Player 1's first turn leaves it walled in too.
inline const char* const Shuffle = "22 0 1 0 0 0 15\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                   "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n9 0 1 0 0 0 2\n";
inline const char* const ShuffleStuck = "22 1 1 0 0 0 15\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                        "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n1 0 0 0 0 0 0\n"
                                        "4 0 1 0 0 0 2\n";
inline constexpr Move ShuffleRound[] = {
    {{0, 6}, {1, 6}}, {{0, 0}, {1, 0}}, {{1, 6}, {0, 6}}, {{1, 0}, {0, 0}}};

} // namespace trevallion::testing
