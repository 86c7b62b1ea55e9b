#pragma once

#include "rules/Side.h"

#include <cstdint>
#include <optional>

namespace trevallion {

// What stands in one cell of the board. The code alone says everything: empty, wall, a king, or
// a piece of a given shape belonging to one side. Every fact about codes lives in this file, so
// that the rules, the engine's tables and the outcome can never disagree about one.
using CellCode = std::int32_t;

inline constexpr CellCode Empty = 0;
inline constexpr CellCode Wall = 1;
inline constexpr CellCode PlayerOneKing = 2;
inline constexpr CellCode PlayerTwoKing = 15;
inline constexpr CellCode LastCode = 27;
// Player 2's code for a kind of piece is Player 1's code for the same kind plus 13.
inline constexpr CellCode PlayerTwoOffset = PlayerTwoKing - PlayerOneKing;
// The twelve kinds of piece, after each side's king.
inline constexpr int PieceKindCount = 12;

// Whether the game can hold this code at all.
constexpr bool IsValidCode(CellCode code) {
    return code >= Empty && code <= LastCode;
}

// Player 1 owns its king and the codes after it up to Player 2's king; Player 2 owns its king
// and every code above it, with no upper bound.
constexpr bool BelongsTo(CellCode code, Side side) {
    return side == Side::PlayerOne ? code >= PlayerOneKing && code < PlayerTwoKing
                                   : code >= PlayerTwoKing;
}

// The side a code belongs to; nothing for an empty cell or a wall.
constexpr std::optional<Side> OwnerOf(CellCode code) {
    if (BelongsTo(code, Side::PlayerOne)) {
        return Side::PlayerOne;
    }
    if (BelongsTo(code, Side::PlayerTwo)) {
        return Side::PlayerTwo;
    }
    return std::nullopt;
}

constexpr CellCode KingOf(Side side) {
    return side == Side::PlayerOne ? PlayerOneKing : PlayerTwoKing;
}

constexpr bool IsKing(CellCode code) {
    return code == PlayerOneKing || code == PlayerTwoKing;
}

// A piece the side may pick up and move: any of its codes but its king.
constexpr bool IsMovablePieceOf(CellCode code, Side side) {
    return BelongsTo(code, side) && code != KingOf(side);
}

// The shape of a piece, 0..11, the same for both sides' codes of one kind; none for a code that
// is no piece (empty, wall, kings, codes past 27).
constexpr std::optional<int> PieceKind(CellCode code) {
    if (code > PlayerOneKing && code < PlayerTwoKing) {
        return code - PlayerOneKing - 1;
    }
    if (code > PlayerTwoKing && code <= LastCode) {
        return code - PlayerTwoKing - 1;
    }
    return std::nullopt;
}

// The crosses, upright (codes 7 and 20) and diagonal (8 and 21): the only pieces with four arms.
constexpr bool IsCross(CellCode code) {
    const std::optional<int> kind = PieceKind(code);
    return kind == 4 || kind == 5;
}

// What a king or piece is worth to its side's material: two points for a cross, one for any
// other piece and for a king, nothing for an empty cell or a wall.
constexpr int MaterialValue(CellCode code) {
    if (IsCross(code)) {
        return 2;
    }
    return code >= PlayerOneKing && code <= LastCode ? 1 : 0;
}

} // namespace trevallion
