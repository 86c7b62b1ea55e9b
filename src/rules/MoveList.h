#pragma once

#include "rules/Board.h"

#include <array>
#include <cstdint>

namespace trevallion {

// One step of a piece: the cell it leaves and the cell it goes to. A move list ends at its first
// record still at the start cell (50, 50) it is cleared to.
struct Move {
    Cell from;
    Cell to;

    constexpr bool IsEndMark() const { return from.x == NoCell; }
    friend constexpr bool operator==(const Move&, const Move&) = default;
};

// A move as move generation lists it, with the class that orders it (2, 1 or 0, higher classes
// tried first).
struct MoveRecord : Move {
    std::int32_t moveClass = 0;

    friend constexpr bool operator==(const MoveRecord&, const MoveRecord&) = default;
};

inline constexpr int MoveListCapacity = 60;
// At least one record always stays an end mark, so a list holds 59 moves at most.
inline constexpr int MaxMoves = MoveListCapacity - 1;

// A fixed list of 60 records. It ends at the first record with no move; every record starts as
// (50, 50, 50, 50, 0), so whatever generation leaves unwritten is the end mark.
using MoveList = std::array<MoveRecord, MoveListCapacity>;

inline void ClearMoveList(MoveList& list) {
    list.fill(MoveRecord{});
}

inline int CountMoves(const MoveList& list) {
    int n = 0;
    while (n < MoveListCapacity && !list[n].IsEndMark()) {
        ++n;
    }
    return n;
}

} // namespace trevallion
