#pragma once

#include "ai/ExpertSearch.h"
#include "ai/Strength.h"
#include "rules/Board.h"
#include "rules/MoveList.h"
#include "rules/PositionKey.h"

#include <memory>
#include <optional>
#include <span>

namespace trevallion {

// A computer player of the ladder: one of the three strengths the game has always had, which
// search the board alone, or AI Expert with its budget, which also knows the positions seen.
class LadderPlayer {
  public:
    LadderPlayer(PlayerType type, const ExpertBudget& budget);

    PlayerType Type() const { return type_; }

    // The player's move for `side`, which has a step to make.
    std::optional<Move> Choose(const Board& board, Side side, std::span<const PositionKey> seen);

  private:
    PlayerType type_;
    ExpertBudget budget_;
    std::unique_ptr<ExpertSearch> expert_; // only for AI Expert
};

} // namespace trevallion
