#pragma once

#include "rules/Board.h"

#include <array>
#include <cstdint>

namespace trevallion {

// One step of a piece: the cell it leaves and the cell it goes to.
struct Move {
    Cell from;
    Cell to;

    friend constexpr bool operator==(const Move&, const Move&) = default;
};

// The coordinate of the fixed move list's end mark, a record from and to (50, 50): no cell of
// the board. The analysis tool writes the same cells for a search that found no move. Nothing
// else stands for "no move" with it; elsewhere that is an empty std::optional<Move>.
inline constexpr std::int32_t EndMarkCoordinate = 50;
inline constexpr Move EndMarkMove{{EndMarkCoordinate, EndMarkCoordinate},
                                  {EndMarkCoordinate, EndMarkCoordinate}};

// A move as move generation lists it, with the class that orders it (2, 1 or 0, higher classes
// tried first).
struct MoveRecord : Move {
    std::int32_t moveClass = 0;

    constexpr bool IsEndMark() const { return from.x == EndMarkCoordinate; }
    friend constexpr bool operator==(const MoveRecord&, const MoveRecord&) = default;
};

inline constexpr MoveRecord EndMark{EndMarkMove, 0};

inline constexpr int MoveListCapacity = 60;
// At least one record always stays an end mark, so a list holds 59 moves at most.
inline constexpr int MaxMoves = MoveListCapacity - 1;

// A fixed list of 60 records. It ends at the first end mark; clearing makes every record one,
// so whatever generation leaves unwritten ends the list.
using MoveList = std::array<MoveRecord, MoveListCapacity>;

inline void ClearMoveList(MoveList& list) {
    list.fill(EndMark);
}

inline int CountMoves(const MoveList& list) {
    int n = 0;
    while (n < MoveListCapacity && !list[n].IsEndMark()) {
        ++n;
    }
    return n;
}

} // namespace trevallion
