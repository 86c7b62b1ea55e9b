#pragma once

#include "rules/GenerateMoves.h"
#include "rules/MoveList.h"
#include "rules/Side.h"

#include <ostream>

// How test messages and failed assertions show the game's small types.
namespace trevallion {

inline std::ostream& operator<<(std::ostream& out, Side side) {
    return out << "Player " << SideNumber(side);
}

inline std::ostream& operator<<(std::ostream& out, OrderingMode mode) {
    return out << (mode == OrderingMode::QuietMovesFirst ? "quiet moves first" : "captures first");
}

inline std::ostream& operator<<(std::ostream& out, const Move& m) {
    return out << "(" << m.from.x << ", " << m.from.y << ") to (" << m.to.x << ", " << m.to.y
               << ")";
}

} // namespace trevallion
