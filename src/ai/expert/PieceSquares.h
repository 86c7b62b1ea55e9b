#pragma once

#include "rules/Board.h"

#include <array>
#include <cstdint>

namespace trevallion::expert {

// The cells next to one side's king from which the other side's pieces could take it, each
// with the codes that could: bit c of takers[i] is set when a piece of code c on cells[i] has an
// arm pointing at the king.
struct KingNeighbours {
    int count = 0;
    std::array<std::uint8_t, 8> cells{};
    std::array<std::uint32_t, 8> takers{};
};

// What a piece is worth where it stands, for one level's walls and kings, which never move: its
// material and how close it is to taking the enemy king, in steps along its own arms around
// walls and kings (the other pieces move, so they are left out). Player 2's values count
// positive and Player 1's negative, as the compact engine keeps its material. Empty cells,
// walls, kings and the sentinel cell are worth nothing.
struct PieceSquares {
    std::array<std::array<int, CellCount + 1>, LastCode + 1> value{};
    // 1 where a piece of the code stands within AttackerSteps of taking the enemy king.
    std::array<std::array<std::uint8_t, CellCount + 1>, LastCode + 1> attacker{};
    // By the side that would take the king (side number; element 0 unused).
    std::array<KingNeighbours, 3> aroundEnemyKing{};
    // The same by cell: bit c of kingTakers[side][cell] is set when a piece of code c on the
    // cell could take the enemy king.
    std::array<std::array<std::uint32_t, CellCount + 1>, 3> kingTakers{};
};

// Fills `squares` for the board's walls and kings. Allocates nothing.
void PreparePieceSquares(const Board& board, PieceSquares& squares);

} // namespace trevallion::expert
