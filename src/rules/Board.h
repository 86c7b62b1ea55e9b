#pragma once

#include "rules/CellCode.h"

#include <array>
#include <cstdint>

namespace trevallion {

inline constexpr int BoardSize = 7;
inline constexpr int CellCount = BoardSize * BoardSize;

// One cell of the board: x the screen column from the left, y the screen row from the top.
// A cell that may be none is a std::optional<Cell>; no coordinate stands for "no cell".
struct Cell {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend constexpr bool operator==(const Cell&, const Cell&) = default;
};

inline constexpr bool OnBoard(Cell cell) {
    return cell.x >= 0 && cell.x < BoardSize && cell.y >= 0 && cell.y < BoardSize;
}

// The one order of the cells everywhere in the game: reading order, row by row from the top
// left, so that cell (1, 0) is number 1 and cell (0, 1) number 7. The level layouts are written
// in it and the search's tables are indexed by it; only the saved-game record keeps its own.
inline constexpr int CellIndex(Cell cell) {
    return cell.y * BoardSize + cell.x;
}

inline constexpr Cell CellAt(int index) {
    return {index % BoardSize, index / BoardSize};
}

// A set of cells as a bit mask: bit CellIndex(cell) stands for the cell.
using CellSet = std::uint64_t;

constexpr CellSet CellBit(Cell cell) {
    return CellSet{1} << CellIndex(cell);
}

// A position: 49 cell codes and nothing else. Whose turn it is lives in the match.
struct Board {
    std::array<CellCode, CellCount> cells{};

    constexpr CellCode& operator[](int index) { return cells[index]; }
    constexpr CellCode operator[](int index) const { return cells[index]; }
    constexpr CellCode& At(Cell cell) { return cells[CellIndex(cell)]; }
    constexpr CellCode At(Cell cell) const { return cells[CellIndex(cell)]; }

    friend constexpr bool operator==(const Board&, const Board&) = default;
};

} // namespace trevallion
