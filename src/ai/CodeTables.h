#pragma once

#include "rules/CellCode.h"

#include <array>
#include <cstdint>

namespace trevallion::engine {

// Small per-code tables; a code indexes them directly, so it must lie in 0..27.
using CodeTable = std::array<std::int8_t, LastCode + 1>;

// What a code adds to the material count, from Player 2's point of view: one for each piece and
// king, two for the crosses (7 and 8, 20 and 21), negative for Player 1's codes.
inline constexpr CodeTable PieceValue = [] {
    CodeTable values{};
    for (int code = 2; code <= LastCode; ++code) {
        const bool cross = code == 7 || code == 8 || code == 20 || code == 21;
        const int value = cross ? 2 : 1;
        values[code] = static_cast<std::int8_t>(code > 14 ? value : -value);
    }
    return values;
}();

// 1 for the codes of a side that can move (its pieces, not its king).
inline constexpr std::array<CodeTable, 3> IsMoverOf = [] {
    std::array<CodeTable, 3> movers{};
    for (int code = 0; code <= LastCode; ++code) {
        movers[PlayerOne][code] = IsMovablePieceOf(code, PlayerOne) ? 1 : 0;
        movers[PlayerTwo][code] = IsMovablePieceOf(code, PlayerTwo) ? 1 : 0;
    }
    return movers;
}();

// The class of a move of `side` onto a cell holding `code`, in ordering mode 0 or 1, or -1 when
// the side may not go there: 2 for the enemy king, then captures and quiet moves in the order
// the mode gives them.
inline constexpr std::array<std::array<CodeTable, 2>, 3> TargetClass = [] {
    std::array<std::array<CodeTable, 2>, 3> classes{};
    for (int side = PlayerOne; side <= PlayerTwo; ++side) {
        for (int mode = 0; mode < 2; ++mode) {
            for (int code = 0; code <= LastCode; ++code) {
                const bool enemy = BelongsTo(code, OtherSide(side));
                int moveClass = -1;
                if (code == KingOf(OtherSide(side))) {
                    moveClass = 2;
                } else if (code == Empty) {
                    moveClass = mode == 1 ? 1 : 0;
                } else if (enemy) {
                    moveClass = mode == 1 ? 0 : 1;
                }
                classes[side][mode][code] = static_cast<std::int8_t>(moveClass);
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
    for (int code = 0; code <= LastCode; ++code) {
        for (int side = PlayerOne; side <= PlayerTwo; ++side) {
            const int enemy = OtherSide(side);
            const bool cross = PieceValue[code] == 2 || PieceValue[code] == -2;
            const int kind = code == Empty             ? TallyQuiet
                             : code == KingOf(enemy)   ? TallyKing
                             : !BelongsTo(code, enemy) ? -1
                             : cross                   ? TallyCross
                                                       : TallyOnePoint;
            if (kind >= 0) {
                words[code] |= std::uint64_t{1} << (8 * (kind + 4 * (side - 1)));
            }
        }
    }
    return words;
}();

} // namespace trevallion::engine
