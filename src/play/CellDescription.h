#pragma once

#include "play/GameView.h"
#include "rules/CellCode.h"
#include "rules/MoveList.h"

#include <optional>
#include <string>

namespace trevallion {

// The name a screen reader speaks for the cell button in screen column x and screen row y
// (both counted from 0 at the top left): "column 3, row 6: Player 1 piece, arms up, down-right,
// down-left". Columns and rows are spoken counting from 1. A piece's arms are read from the
// movement rule itself, clockwise from up, so the words always agree with the moves.
std::string DescribeCell(Cell cell, CellCode code);

// The two halves of a cell's name: its place, "column 3, row 6", and what stands there, "Player
// 1 piece, arms up, down-right, down-left".
std::string DescribePlace(Cell cell);
std::string DescribeContent(CellCode code);

// What the play aids mark on one cell.
struct CellMarks {
    bool selected = false; // the piece picked up to move
    bool target = false;   // a cell the selected piece may step to
    bool lastMove = false; // the last move left or entered this cell
    bool hint = false;     // the hint's move leaves or enters this cell

    friend bool operator==(const CellMarks&, const CellMarks&) = default;
};

// The marks that `marks` and a hint showing put on cell (x, y).
CellMarks MarksOfCell(const BoardMarks& marks, const std::optional<Move>& hint, Cell at);

// The words a screen reader adds to a cell's name for its marks, in the order "selected", "can
// move here", "last move", "hint", joined by commas; empty for a cell without marks.
std::string DescribeMarks(const CellMarks& marks);

// The hint as spoken: "hint: column 3, row 6 to column 2, row 5".
std::string DescribeHint(const Move& hint);

} // namespace trevallion
