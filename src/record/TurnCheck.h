#pragma once

#include "rules/Board.h"
#include "rules/MoveList.h"
#include "rules/Side.h"

#include <optional>

namespace trevallion {

// What the rules say of a turn `side` plays on `board`: allowed, or why not.
enum class TurnVerdict {
    Allowed,
    IllegalMove,  // the movement rule (MayStep) does not allow the move
    PassWithMove, // only a side without any step may pass
    AfterDecided, // the level is already decided: no turn follows
};

TurnVerdict CheckTurn(const Board& board, Side side, const std::optional<Move>& turn);

// Whether `side` has any step on `board`; without one, its turn passes.
bool HasStep(const Board& board, Side side);

} // namespace trevallion
