#include "rules/Board.h"
#include "BoardText.h"
#include "rules/CellCode.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

TEST(Board, CellsAreNumberedInReadingOrder) {
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(CellIndex(CellAt(i)), i);
    }
    EXPECT_EQ(CellAt(1), (Cell{1, 0})); // second cell of the top row
    EXPECT_EQ(CellAt(7), (Cell{0, 1})); // first cell of the second row

    // Rows as seen on screen are the elements read in order.
    const Board board = testing::BoardFromRows("0 1 2 3 4 5 6\n"
                                               "7 0 0 0 0 0 0\n"
                                               "8 0 0 0 0 0 0\n"
                                               "9 0 0 0 0 0 0\n"
                                               "10 0 0 0 0 0 0\n"
                                               "11 0 0 0 0 0 0\n"
                                               "12 0 0 0 0 0 13\n");
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(board[i], i) << "row 0, column " << i;
        EXPECT_EQ(board[i * 7], i == 0 ? 0 : 6 + i) << "column 0, row " << i;
    }
    EXPECT_EQ(board.At({6, 6}), 13);
    EXPECT_EQ(board[48], 13);
}

TEST(Board, SidesOwnTheirCodes) {
    EXPECT_TRUE(BelongsTo(15, Side::PlayerTwo));
    EXPECT_FALSE(BelongsTo(15, Side::PlayerOne));
    EXPECT_TRUE(BelongsTo(14, Side::PlayerOne));
    EXPECT_FALSE(BelongsTo(14, Side::PlayerTwo));
    for (const CellCode neutral : {Empty, Wall}) {
        EXPECT_FALSE(BelongsTo(neutral, Side::PlayerOne));
        EXPECT_FALSE(BelongsTo(neutral, Side::PlayerTwo));
    }
    // Player 2 takes every code above 14, with no upper bound.
    EXPECT_TRUE(BelongsTo(1000, Side::PlayerTwo));
    EXPECT_FALSE(IsMovablePieceOf(PlayerOneKing, Side::PlayerOne));
    EXPECT_FALSE(IsMovablePieceOf(PlayerTwoKing, Side::PlayerTwo));
    EXPECT_TRUE(IsMovablePieceOf(3, Side::PlayerOne));
    EXPECT_FALSE(IsMovablePieceOf(3, Side::PlayerTwo));
    EXPECT_TRUE(IsMovablePieceOf(16, Side::PlayerTwo));
}

} // namespace
} // namespace trevallion
