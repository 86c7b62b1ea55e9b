#pragma once

#include "ai/Search.h"
#include "ai/StrengthPasses.h"
#include "rules/ApplyMove.h"
#include "rules/Winner.h"

#include <atomic>
#include <optional>
#include <vector>

namespace trevallion::testing {

// The turns of a game between two computer players from `start`, Player 1 played by `one` and
// Player 2 by `two`, as the game plays them: the search's move, or the first move listed when
// the search found none worth recording, or a pass without any step. Ends when the level is
// decided or after `plies` turns.
inline std::vector<std::optional<Move>> PlayComputerGame(Board board, Side side, PlayerType one,
                                                         PlayerType two, int plies) {
    std::vector<std::optional<Move>> turns;
    const std::atomic<bool> never{false};
    while (static_cast<int>(turns.size()) < plies && !FindWinner(board)) {
        const PlayerType type = side == Side::PlayerOne ? one : two;
        std::optional<Move> move;
        SearchContext ctx{never, move, SearchDepthFor(type)};
        RunStrengthPasses(type, side, board, ctx, &Search);
        if (!move) {
            MoveList list;
            ClearMoveList(list);
            GenerateMoves(board, list, side, ctx.orderingMode);
            move = list[0].IsEndMark() ? std::nullopt : std::optional<Move>(list[0]);
        }
        if (move) {
            ApplyMove(board, *move);
        }
        turns.push_back(move);
        side = OtherSide(side);
    }
    return turns;
}

} // namespace trevallion::testing
