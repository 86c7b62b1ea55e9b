#pragma once

#include "rules/CellCode.h"

#include <string>

namespace trevallion {

// The name a screen reader speaks for the cell button in screen column x and screen row y
// (both counted from 0 at the top left): "column 3, row 6: Player 1 piece, arms up, down-right,
// down-left". Columns and rows are spoken counting from 1. A piece's arms are read from the
// movement rule itself, clockwise from up, so the words always agree with the moves.
std::string DescribeCell(int x, int y, CellCode code);

} // namespace trevallion
