#pragma once

#include "engine/MoveTables.h"
#include "engine/SearchPosition.h"
#include "rules/MoveList.h"

#include <bit>
#include <cstdint>
#include <utility>

namespace trevallion::engine {

// A move as the engine lists it: reading-order cells and the class that orders it.
struct CompactMove {
    std::uint8_t from;
    std::uint8_t to;
    std::int8_t moveClass;
    std::uint8_t unused;
};

// Room for the 59 moves of a full list and the three that generation may write past the last
// one before it notices that the list is full.
using CompactMoveList = CompactMove[MaxMoves + 3];

// Calls visit(cell) for each of the side's movable pieces in generation order: Player 1 from the
// last cell in reading order backwards, Player 2 from the first forwards. visit returns false to
// stop the scan.
template <Side side, typename Visit>
inline void ForEachMover(const SearchPosition& position, Visit visit) {
    std::uint64_t pieces = position.movers[SideNumber(side)];
    while (pieces != 0) {
        int from;
        if constexpr (side == Side::PlayerOne) {
            from = 63 - std::countl_zero(pieces);
            pieces ^= std::uint64_t{1} << from;
        } else {
            from = std::countr_zero(pieces);
            pieces &= pieces - 1;
        }
        if (!visit(from)) {
            return;
        }
    }
}

// Lists the moves of `side` in generation order and returns their number. Like the game's move
// lists it keeps the first 59 moves only. Each target list is read to its padded end and every
// candidate written; only those the side may make advance the count.
template <Side side>
int GenerateCompactMoves(const SearchPosition& position, const MoveTables& tables,
                         OrderingMode mode, CompactMove* moves) {
    const std::int8_t* classOfTarget = TargetClass[SideNumber(side)][static_cast<int>(mode)].data();
    const auto& targetsOf = tables.targets[SideNumber(side)];
    int count = 0;
    ForEachMover<side>(position, [&](int from) {
        const TargetList& targets = targetsOf[position.cells[from]][from];
        for (const std::uint8_t to : targets.cells) {
            const std::int8_t moveClass = classOfTarget[position.cells[to]];
            moves[count] = CompactMove{static_cast<std::uint8_t>(from), to, moveClass, 0};
            count += moveClass >= 0 ? 1 : 0;
        }
        return count < MaxMoves;
    });
    return count < MaxMoves ? count : MaxMoves;
}

// The game's exchange sort, exchange for exchange: for p from the first record on, every later
// record of a higher class than the one standing at p is exchanged with it. The routines below
// reach the same permutation with less work.

// With records of two classes only: pass p finds the first higher record after p, which is the
// (p + 1)-th higher record, still where generation put it, and exchanges it with the record at
// p; after as many passes as there are higher records, nothing is exchanged any more.
inline void SortTwoClasses(CompactMove* moves, int count, int higherClass) {
    std::uint8_t higherAt[MaxMoves];
    int higher = 0;
    for (int i = 0; i < count; ++i) {
        higherAt[higher] = static_cast<std::uint8_t>(i);
        higher += moves[i].moveClass == higherClass ? 1 : 0;
    }
    for (int p = 0; p < higher; ++p) {
        if (higherAt[p] != p) {
            std::swap(moves[p], moves[higherAt[p]]);
        }
    }
}

// With all three classes: a pass can only exchange while a class above the one at p remains
// among the records from p on, so passes and the tails of passes that cannot exchange any more
// are skipped.
inline void SortThreeClasses(CompactMove* moves, int count, int remaining[3]) {
    for (int p = 0; p + 1 < count; ++p) {
        const int top = remaining[2] > 0 ? 2 : (remaining[1] > 0 ? 1 : 0);
        for (int j = p + 1; j < count && moves[p].moveClass < top; ++j) {
            if (moves[j].moveClass > moves[p].moveClass) {
                std::swap(moves[p], moves[j]);
            }
        }
        --remaining[moves[p].moveClass];
    }
}

inline void SortCompactMoves(CompactMove* moves, int count) {
    // The number of records of each class, one byte each (a list holds at most 59).
    std::uint32_t perClass = 0;
    for (int i = 0; i < count; ++i) {
        perClass += std::uint32_t{1} << (8 * moves[i].moveClass);
    }
    int remaining[3] = {static_cast<int>(perClass & 0xff), static_cast<int>((perClass >> 8) & 0xff),
                        static_cast<int>(perClass >> 16)};
    const int classes = (remaining[0] > 0) + (remaining[1] > 0) + (remaining[2] > 0);
    if (classes == 2) {
        SortTwoClasses(moves, count, remaining[2] > 0 ? 2 : 1);
    } else if (classes == 3) {
        SortThreeClasses(moves, count, remaining);
    }
}

} // namespace trevallion::engine
