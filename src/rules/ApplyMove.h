#pragma once

#include "rules/Board.h"
#include "rules/MoveList.h"

namespace trevallion {

// Steps the piece on the move's start cell onto its target and leaves the start cell empty;
// whatever stood on the target is gone from the board. Returns that code (Empty for a plain
// step), which is all TakeBackMove needs to restore the position. Both cells must lie on the
// board; whether the move is allowed is MayStep's question, asked before.
constexpr CellCode ApplyMove(Board& board, const Move& move) {
    CellCode& from = board.At(move.from);
    CellCode& to = board.At(move.to);
    const CellCode captured = to;
    to = from;
    from = Empty;
    return captured;
}

// Undoes ApplyMove(board, move), which returned `captured`: the piece goes back to its start
// cell and the captured code returns to the target.
constexpr void TakeBackMove(Board& board, const Move& move, CellCode captured) {
    CellCode& to = board.At(move.to);
    board.At(move.from) = to;
    to = captured;
}

} // namespace trevallion
