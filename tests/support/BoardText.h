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

} // namespace trevallion::testing
