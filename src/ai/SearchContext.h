#pragma once

#include "rules/Board.h"

#include <atomic>
#include <cstdint>

namespace trevallion {

// A computer player's chosen move; fromX 50 means that no move was chosen.
struct ComputerMove {
    std::int32_t fromX = NoCell;
    std::int32_t fromY = NoCell;
    std::int32_t toX = NoCell;
    std::int32_t toY = NoCell;
    friend constexpr bool operator==(const ComputerMove&, const ComputerMove&) = default;
};

// Scores are from the point of view of the side to move.
inline constexpr int LosingScore = -1000;    // the floor of a node, and the root's window
inline constexpr int WinningScore = 1000;    // the other end of the root's window
inline constexpr int KingCaptureScore = 666; // the root can take the enemy king at once

// What a search shares with the game besides the board: the flag that abandons it, the move
// its top call records, the depth of that top call, and the ordering of its move lists.
struct SearchContext {
    const std::atomic<std::uint8_t>& abortSearch;
    ComputerMove& computerMove;
    std::int32_t searchDepth;
    std::int32_t& orderingMode;
    // Every call of the search, leaves included; an engine that scores leaves without calling
    // itself counts them all the same.
    std::uint64_t nodes = 0;
};

// The search's signature: the score of `board` for `side` (1 or 2) at `depth`, in the window
// alpha..beta. The call whose depth equals ctx.searchDepth is the root.
using SearchFunction = int (*)(SearchContext& ctx, int side, const Board& board, int depth,
                               int alpha, int beta);

} // namespace trevallion
