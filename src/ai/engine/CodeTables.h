#pragma once

#include "rules/CellCode.h"
#include "rules/GenerateMoves.h"

#include <array>
#include <cstdint>

namespace trevallion::engine {

// Small per-code tables; a code indexes them directly, so it must lie in 0..27.
using CodeTable = std::array<std::int8_t, LastCode + 1>;

// What a code adds to the material count, from Player 2's point of view: its material value,
// negative for Player 1's codes.
inline constexpr CodeTable PieceValue = [] {
    CodeTable values{};
    for (CellCode code = 0; code <= LastCode; ++code) {
        const int value = MaterialValue(code);
        values[code] = static_cast<std::int8_t>(BelongsTo(code, Side::PlayerOne) ? -value : value);
    }
    return values;
}();

// 1 for the codes of a side that can move (its pieces, not its king), by side number.
inline constexpr std::array<CodeTable, 3> IsMoverOf = [] {
    std::array<CodeTable, 3> movers{};
    for (CellCode code = 0; code <= LastCode; ++code) {
        for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
            movers[SideNumber(side)][code] = IsMovablePieceOf(code, side) ? 1 : 0;
        }
    }
    return movers;
}();

// The class of a move of a side (by number) onto a cell holding `code`, in ordering mode 0 or
// 1, or -1 when the side may not go there: 2 for the enemy king, then captures and quiet moves
// in the order the mode gives them.
inline constexpr std::array<std::array<CodeTable, 2>, 3> TargetClass = [] {
    std::array<std::array<CodeTable, 2>, 3> classes{};
    for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
        for (const OrderingMode mode :
             {OrderingMode::CapturesFirst, OrderingMode::QuietMovesFirst}) {
            const bool quietFirst = mode == OrderingMode::QuietMovesFirst;
            for (CellCode code = 0; code <= LastCode; ++code) {
                int moveClass = -1;
                if (code == KingOf(OtherSide(side))) {
                    moveClass = 2;
                } else if (code == Empty) {
                    moveClass = quietFirst ? 1 : 0;
                } else if (BelongsTo(code, OtherSide(side))) {
                    moveClass = quietFirst ? 0 : 1;
                }
                classes[SideNumber(side)][static_cast<int>(mode)][code] =
                    static_cast<std::int8_t>(moveClass);
            }
        }
    }
    return classes;
}();

// The kinds of move a depth-1 node counts (see LeafTally.h): onto an empty cell, onto a
// one-point piece, onto a cross, onto the enemy king.
enum TallyKind { TallyQuiet = 0, TallyOnePoint = 1, TallyCross = 2, TallyKing = 3 };

// For each code, what a target cell holding it adds to the counts of moves by kind, one byte a
// count: Player 1's counts in bytes 0 to 3, Player 2's in bytes 4 to 7. A cell that a side may
// not move onto adds nothing to its counts.
inline constexpr std::array<std::uint64_t, LastCode + 1> TallyWord = [] {
    std::array<std::uint64_t, LastCode + 1> words{};
    for (CellCode code = 0; code <= LastCode; ++code) {
        for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
            const Side enemy = OtherSide(side);
            const int kind = code == Empty             ? TallyQuiet
                             : code == KingOf(enemy)   ? TallyKing
                             : !BelongsTo(code, enemy) ? -1
                             : IsCross(code)           ? TallyCross
                                                       : TallyOnePoint;
            if (kind >= 0) {
                words[code] |= std::uint64_t{1} << (8 * (kind + 4 * (SideNumber(side) - 1)));
            }
        }
    }
    return words;
}();

} // namespace trevallion::engine
