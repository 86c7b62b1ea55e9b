#pragma once

#include <cstdint>

namespace trevallion {

// What stands in one cell of the board. The code alone says everything: empty, wall, a king, or
// a piece of a given shape belonging to one side. Player 2's code for a kind is Player 1's code
// for the same kind plus 13.
using CellCode = std::int32_t;

inline constexpr CellCode Empty = 0;
inline constexpr CellCode Wall = 1;
inline constexpr CellCode PlayerOneKing = 2;
inline constexpr CellCode PlayerTwoKing = 15;
inline constexpr CellCode LastCode = 27;
inline constexpr std::int32_t PlayerTwoOffset = 13;

// Sides are the plain integers 1 and 2 everywhere.
inline constexpr int PlayerOne = 1;
inline constexpr int PlayerTwo = 2;

inline constexpr int OtherSide(int side) {
    return side == PlayerOne ? PlayerTwo : PlayerOne;
}

// Player 1 owns codes 2 to 14; Player 2 owns every code above 14, with no upper bound.
inline constexpr bool IsPlayerOneCode(CellCode code) {
    return code >= 2 && code <= 14;
}
inline constexpr bool IsPlayerTwoCode(CellCode code) {
    return code > 14;
}

inline constexpr bool BelongsTo(CellCode code, int side) {
    return side == PlayerOne ? IsPlayerOneCode(code) : side == PlayerTwo && IsPlayerTwoCode(code);
}

inline constexpr CellCode KingOf(int side) {
    return side == PlayerOne ? PlayerOneKing : PlayerTwoKing;
}

// A piece the side may pick up: any of its codes but its king.
inline constexpr bool IsMovablePieceOf(CellCode code, int side) {
    return BelongsTo(code, side) && code != KingOf(side);
}

} // namespace trevallion
