#pragma once

#include "rules/CellCode.h"

#include <array>
#include <cstdint>

namespace trevallion {

inline constexpr int BoardSize = 7;
inline constexpr int CellCount = BoardSize * BoardSize;

// A coordinate of 50 means "no cell": no selection, no chosen move, the end of a move list.
inline constexpr int NoCell = 50;

// Cells are addressed (x, y): x the screen column from the left, y the screen row from the
// top. The board is stored column by column, so cell (x, y) is element x * 7 + y; the second
// cell of the top row, (1, 0), is element 7.
inline constexpr int CellIndex(int x, int y) {
    return x * BoardSize + y;
}

inline constexpr bool OnBoard(int x, int y) {
    return x >= 0 && x < BoardSize && y >= 0 && y < BoardSize;
}

// One cell of the board.
struct Cell {
    std::int32_t x = NoCell;
    std::int32_t y = NoCell;

    friend constexpr bool operator==(const Cell&, const Cell&) = default;
};

// A set of cells as a bit mask: bit CellIndex(x, y) stands for cell (x, y).
using CellSet = std::uint64_t;

constexpr CellSet CellBit(int x, int y) {
    return CellSet{1} << CellIndex(x, y);
}

// A position: 49 cell codes and nothing else. Whose turn it is lives in the game state.
struct Board {
    std::array<CellCode, CellCount> cells{};

    constexpr CellCode& operator[](int index) { return cells[index]; }
    constexpr CellCode operator[](int index) const { return cells[index]; }
    constexpr CellCode& At(int x, int y) { return cells[CellIndex(x, y)]; }
    constexpr CellCode At(int x, int y) const { return cells[CellIndex(x, y)]; }
    constexpr CellCode& At(Cell cell) { return At(cell.x, cell.y); }
    constexpr CellCode At(Cell cell) const { return At(cell.x, cell.y); }

    friend constexpr bool operator==(const Board&, const Board&) = default;
};

} // namespace trevallion
