#pragma once

#include "Printers.h"
#include "ai/ReferenceSearch.h"
#include "ai/Search.h"
#include "ai/SearchContext.h"

#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <ostream>

namespace trevallion::testing {

// A board holding the listed codes and nothing else.
struct Placed {
    int x;
    int y;
    CellCode code;
};
inline Board BoardWith(std::initializer_list<Placed> cells) {
    Board board;
    for (const Placed& cell : cells) {
        board.At({cell.x, cell.y}) = cell.code;
    }
    return board;
}

// One call of a search function and everything it reports.
struct SearchCall {
    Side side = Side::PlayerOne;
    int depth = 1;
    int searchDepth = 1;
    int orderingMode = 0; // the mode's number, 0 or 1
    int alpha = LosingScore;
    int beta = WinningScore;
    std::optional<Move> startMove = std::nullopt;
    bool aborted = false;
};

struct SearchOutcome {
    int score = 0;
    std::optional<Move> move;
    std::uint64_t nodes = 0;
    friend bool operator==(const SearchOutcome&, const SearchOutcome&) = default;
};

inline std::ostream& operator<<(std::ostream& out, const SearchOutcome& outcome) {
    out << "score " << outcome.score;
    if (const auto& m = outcome.move) {
        out << " move (" << m->from.x << ", " << m->from.y << ") to (" << m->to.x << ", " << m->to.y
            << ")";
    } else {
        out << " no move";
    }
    return out << " nodes " << outcome.nodes;
}

inline SearchOutcome RunSearch(SearchFunction search, const Board& board, const SearchCall& call) {
    std::atomic<bool> abort{call.aborted};
    std::optional<Move> move = call.startMove;
    SearchContext ctx{abort, move, call.searchDepth, static_cast<OrderingMode>(call.orderingMode)};
    const int score = search(ctx, call.side, board, call.depth, call.alpha, call.beta);
    return {score, move, ctx.nodes};
}

// A root call with the full window, as the computer player makes it.
inline SearchCall RootCall(Side side, int depth, int orderingMode) {
    return {side, depth, depth, orderingMode};
}

// The two engines, for tests that must hold for both.
struct Engine {
    const char* name;
    SearchFunction search;
};
inline const Engine Engines[] = {{"Search", &Search}, {"ReferenceSearch", &ReferenceSearch}};

// Lets test names show the engine rather than the bytes of the pointer.
inline void PrintTo(const Engine& engine, std::ostream* out) {
    *out << engine.name;
}

} // namespace trevallion::testing
