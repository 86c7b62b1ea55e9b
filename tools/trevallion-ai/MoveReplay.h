#pragma once

#include "rules/Board.h"
#include "rules/MoveList.h"
#include "rules/PositionKey.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trevallion {

// One entry of a list of moves: a step, or none for a side that passed because it could not move.
using ListedMove = std::optional<Move>;

struct ParsedMoves {
    std::vector<ListedMove> moves;
    std::string error; // not empty: the list is malformed, and this says where
};

// Reads a comma-separated list of moves, each its four coordinates FX FY TX TY (0 to 6) written
// together, as 6655, or the word pass.
ParsedMoves ParseMoveList(std::string_view text);

// The list written as ParseMoveList reads it.
std::string MoveListText(const std::vector<ListedMove>& moves);

// The position reached by playing the moves from `start` with Player 1 to move, and the keys of
// every position on the way, the start first and the one reached last.
struct ReplayedGame {
    Board board;
    Side side = Side::PlayerOne;
    std::vector<PositionKey> seen;
    std::string error; // not empty: a move the rules refuse, and this names it
};

// Plays the moves by the game's rules: each step must be one the side to move may make, a pass
// is only for a side with no step, and nothing is played once a side has won.
ReplayedGame ReplayMoves(const Board& start, const std::vector<ListedMove>& moves);

} // namespace trevallion
