#pragma once

#include "rules/Board.h"
#include "rules/GenerateMoves.h"
#include "rules/MoveList.h"

#include <atomic>
#include <cstdint>
#include <optional>

namespace trevallion {

// Scores are from the point of view of the side to move.
inline constexpr int LosingScore = -1000;    // the floor of a node, and the root's window
inline constexpr int WinningScore = 1000;    // the other end of the root's window
inline constexpr int KingCaptureScore = 666; // the root can take the enemy king at once

// What a search shares with its caller besides the board: the flag that abandons it, the move
// its top call records (none until it records one), the depth of that top call, and the
// ordering of its move lists.
struct SearchContext {
    const std::atomic<bool>& abortSearch;
    std::optional<Move>& computerMove;
    std::int32_t searchDepth;
    OrderingMode orderingMode = OrderingMode::CapturesFirst;
    // Every call of the search, leaves included; an engine that scores leaves without calling
    // itself counts them all the same.
    std::uint64_t nodes = 0;
};

// The search's signature: the score of `board` for `side` at `depth`, in the window
// alpha..beta. The call whose depth equals ctx.searchDepth is the root.
using SearchFunction = int (*)(SearchContext& ctx, Side side, const Board& board, int depth,
                               int alpha, int beta);

} // namespace trevallion
