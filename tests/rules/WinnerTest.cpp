#include "rules/Winner.h"

#include "BoardText.h"
#include "Printers.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

using testing::BoardFromRows;

TEST(FindWinner, TestsRunInOrder) {
    // Kings 2 and 15, one piece each: the level goes on.
    EXPECT_EQ(FindWinner(BoardFromRows("15 16 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "2 3 0 0 0 0 0\n")),
              std::nullopt);
    // Both kings gone: Player 2 wins, because Player 1's king is looked for first.
    EXPECT_EQ(FindWinner(BoardFromRows("0 16 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "0 3 0 0 0 0 0\n")),
              Side::PlayerTwo);
    // Kings stand but Player 1 has no movable piece, Player 2 neither: Player 2 wins.
    EXPECT_EQ(FindWinner(BoardFromRows("15 1 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "2 1 0 0 0 0 0\n")),
              Side::PlayerTwo);
    // Only Player 2 has no movable piece: Player 1 wins.
    EXPECT_EQ(FindWinner(BoardFromRows("15 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "2 14 0 0 0 0 0\n")),
              Side::PlayerOne);
}

TEST(FindWinner, BlockedPiecesStillCount) {
    // Player 2's only piece is walled in; it cannot move, but the level goes on.
    EXPECT_EQ(FindWinner(BoardFromRows("23 15 0 0 0 0 0\n1 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "2 3 0 0 0 0 0\n")),
              std::nullopt);
}

} // namespace
} // namespace trevallion
