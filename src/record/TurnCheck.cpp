#include "record/TurnCheck.h"

#include "rules/GenerateMoves.h"
#include "rules/Steps.h"
#include "rules/Winner.h"

namespace trevallion {

TurnVerdict CheckTurn(const Board& board, Side side, const std::optional<Move>& turn) {
    if (FindWinner(board)) {
        return TurnVerdict::AfterDecided;
    }
    if (turn) {
        return MayStep(board, side, turn->from, turn->to) ? TurnVerdict::Allowed
                                                          : TurnVerdict::IllegalMove;
    }
    return HasStep(board, side) ? TurnVerdict::PassWithMove : TurnVerdict::Allowed;
}

bool HasStep(const Board& board, Side side) {
    MoveList moves;
    ClearMoveList(moves);
    GenerateMoves(board, moves, side, OrderingMode::CapturesFirst);
    return !moves[0].IsEndMark();
}

} // namespace trevallion
