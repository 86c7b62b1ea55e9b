#include "rules/GenerateMoves.h"

#include "rules/Steps.h"

#include <utility>

namespace trevallion {
namespace {

// A capture of an ordinary piece and a step onto an empty cell swap classes between the modes;
// the capture of the enemy king always comes first.
int MoveClass(CellCode target, Side side, OrderingMode mode) {
    if (target == KingOf(OtherSide(side))) {
        return 2;
    }
    const bool quiet = target == Empty;
    return (quiet == (mode == OrderingMode::QuietMovesFirst)) ? 1 : 0;
}

// Appends moves of the piece at (x, y) in the given neighbour-row order. Moves past the 59th
// are not listed at all: no layout comes near that many (a side's pieces have at most 30 arms
// in all), so only a hand-made board, such as one read from a saved game, can reach it, and
// then the list keeps the first 59 moves in generation order and its end mark.
void AddMovesOf(const Board& board, int x, int y, Side side, OrderingMode mode, int firstRowStep,
                MoveList& list, int& count) {
    for (int row = 0; row < 3; ++row) {
        const int ty = y - firstRowStep + row * firstRowStep;
        for (int tx = x - 1; tx <= x + 1; ++tx) {
            if (!MayStep(board, side, {x, y}, {tx, ty})) {
                continue;
            }
            if (count == MaxMoves) {
                return;
            }
            list[count++] =
                MoveRecord{{{x, y}, {tx, ty}}, MoveClass(board.At({tx, ty}), side, mode)};
        }
    }
}

} // namespace

void SortMovesByClass(MoveList& list) {
    const int n = CountMoves(list);
    for (int p = 0; p + 1 < n; ++p) {
        for (int j = p + 1; j < n; ++j) {
            if (list[j].moveClass > list[p].moveClass) {
                std::swap(list[p], list[j]);
            }
        }
    }
}

void GenerateMoves(const Board& board, MoveList& list, Side side, OrderingMode mode) {
    int count = 0;
    if (side == Side::PlayerOne) {
        // From the bottom-right cell leftwards, then the row above; targets above first.
        for (int y = BoardSize - 1; y >= 0; --y) {
            for (int x = BoardSize - 1; x >= 0; --x) {
                if (BelongsTo(board.At({x, y}), side)) {
                    AddMovesOf(board, x, y, side, mode, 1, list, count);
                }
            }
        }
    } else {
        // Reading order from the top-left cell; targets below first.
        for (int y = 0; y < BoardSize; ++y) {
            for (int x = 0; x < BoardSize; ++x) {
                if (BelongsTo(board.At({x, y}), side)) {
                    AddMovesOf(board, x, y, side, mode, -1, list, count);
                }
            }
        }
    }
    SortMovesByClass(list);
}

} // namespace trevallion
