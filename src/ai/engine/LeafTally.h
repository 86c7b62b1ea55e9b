#pragma once

#include "ai/SearchContext.h"
#include "engine/MoveTables.h"
#include "engine/SearchPosition.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace trevallion::engine {

// A depth-1 node scores each child from the captured code alone, and every child of one kind
// scores the same: quiet moves, captures of a one-point piece, captures of a cross, captures of
// the enemy king. Sorting puts the moves in blocks by class, so when each block holds one kind
// the node's result follows from the number of moves of each kind, whatever order the sort
// leaves inside the blocks. These counts come from the target lists without listing any move.

inline int TallyCount(std::uint64_t tally, Side side, TallyKind kind) {
    return static_cast<int>((tally >> (8 * (kind + 4 * (SideNumber(side) - 1)))) & 0xff);
}

// The tally of all moves of `side`, before the cut at 59 moves (at most 4 * 49 of each kind, so
// every count fits its byte). The other side's bytes hold nothing of use.
template <Side side>
std::uint64_t TallyMoves(const SearchPosition& position, const MoveTables& tables) {
    const auto& targetsOf = tables.targets[SideNumber(side)];
    std::uint64_t tally = 0;
    std::uint64_t pieces = position.movers[SideNumber(side)];
    while (pieces != 0) {
        const int from = std::countr_zero(pieces);
        pieces &= pieces - 1;
        std::uint32_t targets;
        std::memcpy(&targets, targetsOf[position.cells[from]][from].cells, sizeof targets);
        const auto& words = position.tallyWords;
        tally += words[targets & 0xff] + words[(targets >> 8) & 0xff] +
                 words[(targets >> 16) & 0xff] + words[targets >> 24];
    }
    return tally;
}

// One block of equally scored moves, tried in turn until best reaches beta.
struct LeafBlock {
    int count;
    int score;
};

// The loop of a depth-1 node over its blocks in order: the result, with the number of children
// tried added to nodes.
inline int ScoreBlocks(const LeafBlock* blocks, int blockCount, int beta, std::uint64_t& nodes) {
    int best = LosingScore;
    for (int b = 0; b < blockCount; ++b) {
        if (blocks[b].count == 0) {
            continue;
        }
        if (best >= beta) {
            return best;
        }
        ++nodes;
        best = blocks[b].score > best ? blocks[b].score : best;
        if (best >= beta) {
            return best;
        }
        // The rest of the block scores no better and is tried all the same.
        nodes += static_cast<std::uint64_t>(blocks[b].count - 1);
    }
    return best;
}

} // namespace trevallion::engine
