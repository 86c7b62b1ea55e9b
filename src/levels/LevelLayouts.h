#pragma once

#include "rules/Board.h"

#include <array>

namespace trevallion {

inline constexpr int LevelCount = 50;

// A level's starting position in screen order: the top row first, each row left to right, so
// element y * 7 + x is the cell in column x, row y. The board is stored by columns instead.
using Layout = std::array<CellCode, CellCount>;

// The 50 starting layouts; entry 0 is level 1.
extern const std::array<Layout, LevelCount> LevelLayouts;

// Layout of level n, for n in 1..50.
const Layout& LevelLayout(int level);

// The board of a screen-order layout: Board[x * 7 + y] = layout[y * 7 + x].
Board LayoutToBoard(const Layout& layout);

inline constexpr int FirstLevel = 1;

// What a level number asked for names: one of the levels, or a number before the first or past
// the last. Every check of a level number is this one.
enum class LevelCheck { Level, BeforeFirst, PastLast };

constexpr LevelCheck CheckLevel(int n) {
    if (n < FirstLevel) {
        return LevelCheck::BeforeFirst;
    }
    return n > LevelCount ? LevelCheck::PastLast : LevelCheck::Level;
}

// The level that LoadLevel sets up when asked for n: 0, anything below, and anything past the
// last level start again at level 1.
inline constexpr int ClampLevel(int n) {
    return CheckLevel(n) == LevelCheck::Level ? n : FirstLevel;
}

} // namespace trevallion
