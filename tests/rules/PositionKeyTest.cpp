#include "rules/PositionKey.h"

#include "BoardText.h"
#include "levels/LevelLayouts.h"
#include "rules/ApplyMove.h"
#include "rules/GenerateMoves.h"

#include <gtest/gtest.h>

#include <set>

namespace trevallion {
namespace {

// The search keeps its key up to date move by move; a key that drifted from the board's own
// would let it mistake one position for another.
TEST(PositionKey, KeptUpToDateAsTheBoardItself) {
    for (int level = 1; level <= LevelCount; ++level) {
        Board board = LayoutToBoard(LevelLayout(level));
        Side side = Side::PlayerOne;
        PositionKey key = KeyOf(board, side);
        for (int ply = 0; ply < 12; ++ply) {
            MoveList moves;
            ClearMoveList(moves);
            GenerateMoves(board, moves, side, OrderingMode::CapturesFirst);
            if (CountMoves(moves) == 0) {
                key = KeyAfterPass(key);
            } else {
                const Move move = moves[ply % CountMoves(moves)];
                key = KeyAfter(key, board, move);
                ApplyMove(board, move);
            }
            side = OtherSide(side);
            ASSERT_EQ(key, KeyOf(board, side)) << "level " << level << ", ply " << ply;
        }
    }
}

TEST(PositionKey, TellsTheSideToMoveAndEveryLevelApart) {
    std::set<PositionKey> keys;
    for (int level = 1; level <= LevelCount; ++level) {
        const Board board = LayoutToBoard(LevelLayout(level));
        keys.insert(KeyOf(board, Side::PlayerOne));
        keys.insert(KeyOf(board, Side::PlayerTwo));
    }
    EXPECT_EQ(keys.size(), 2u * LevelCount);
}

} // namespace
} // namespace trevallion
