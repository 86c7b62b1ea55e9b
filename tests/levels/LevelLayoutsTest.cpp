#include "levels/LevelLayouts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <utility>

namespace trevallion {
namespace {

// For each level: its wall cells, Player 1's cells and Player 2's cells (kings included), as
// counted when the level was designed. A slip in the level table shows up here.
struct LayoutCounts {
    int level, walls, playerOne, playerTwo;
};
const LayoutCounts ExpectedCounts[LevelCount] = {
    {1, 0, 8, 8},  {2, 3, 6, 6},  {3, 14, 7, 7},  {4, 4, 7, 7},   {5, 8, 7, 7},   {6, 5, 5, 5},
    {7, 5, 7, 7},  {8, 10, 6, 6}, {9, 4, 6, 6},   {10, 0, 7, 7},  {11, 6, 6, 6},  {12, 4, 8, 8},
    {13, 0, 5, 5}, {14, 3, 6, 6}, {15, 3, 5, 5},  {16, 12, 5, 5}, {17, 3, 6, 6},  {18, 28, 7, 7},
    {19, 3, 7, 7}, {20, 2, 5, 5}, {21, 6, 7, 7},  {22, 2, 7, 7},  {23, 2, 6, 6},  {24, 2, 6, 6},
    {25, 4, 7, 7}, {26, 3, 7, 7}, {27, 5, 7, 7},  {28, 6, 6, 6},  {29, 12, 7, 7}, {30, 6, 6, 6},
    {31, 3, 6, 6}, {32, 0, 7, 7}, {33, 10, 6, 6}, {34, 9, 9, 9},  {35, 13, 6, 6}, {36, 0, 7, 7},
    {37, 6, 6, 6}, {38, 3, 7, 7}, {39, 8, 7, 7},  {40, 6, 6, 6},  {41, 6, 6, 6},  {42, 3, 7, 7},
    {43, 4, 6, 6}, {44, 3, 6, 6}, {45, 10, 6, 6}, {46, 14, 6, 6}, {47, 8, 8, 8},  {48, 0, 10, 10},
    {49, 6, 5, 5}, {50, 6, 9, 7},
};

TEST(LevelLayouts, EveryLayoutHasOneKingEachAndItsCounts) {
    for (const LayoutCounts& expected : ExpectedCounts) {
        const Board board = LayoutToBoard(LevelLayout(expected.level));
        int walls = 0, playerOne = 0, playerTwo = 0, kingsOne = 0, kingsTwo = 0;
        for (const CellCode code : board.cells) {
            ASSERT_GE(code, 0) << "level " << expected.level;
            ASSERT_LE(code, LastCode) << "level " << expected.level;
            walls += code == Wall;
            playerOne += BelongsTo(code, Side::PlayerOne);
            playerTwo += BelongsTo(code, Side::PlayerTwo);
            kingsOne += code == PlayerOneKing;
            kingsTwo += code == PlayerTwoKing;
        }
        EXPECT_EQ(kingsOne, 1) << "level " << expected.level;
        EXPECT_EQ(kingsTwo, 1) << "level " << expected.level;
        EXPECT_EQ(walls, expected.walls) << "level " << expected.level;
        EXPECT_EQ(playerOne, expected.playerOne) << "level " << expected.level;
        EXPECT_EQ(playerTwo, expected.playerTwo) << "level " << expected.level;
    }
}

TEST(LevelLayouts, LayoutsAreReadRowByRow) {
    const Board one = LayoutToBoard(LevelLayout(1));
    EXPECT_EQ(one.At({3, 0}), PlayerTwoKing);
    EXPECT_EQ(one.At({3, 6}), PlayerOneKing);
    EXPECT_EQ(one.At({0, 0}), 19);
    EXPECT_EQ(one.At({0, 6}), 6);
}

TEST(LevelLayouts, NotableLevels) {
    const Board three = LayoutToBoard(LevelLayout(3));
    for (int x = 0; x < BoardSize; ++x) {
        EXPECT_EQ(three.At({x, 0}), Wall);
        EXPECT_EQ(three.At({x, 6}), Wall);
    }
    // Level 50 alone gives the sides different numbers of cells, with a Player 1 piece on top.
    EXPECT_EQ(LayoutToBoard(LevelLayout(50)).At({5, 0}), 8);
    int mostWalls = 0;
    for (int level = 1; level <= LevelCount; ++level) {
        const Layout& layout = LevelLayout(level);
        mostWalls = std::max<int>(mostWalls, std::count(layout.begin(), layout.end(), Wall));
    }
    EXPECT_EQ(mostWalls, 28);
    EXPECT_EQ(std::count(LevelLayout(18).begin(), LevelLayout(18).end(), Wall), 28);
}

TEST(LevelLayouts, CheckLevelTellsALevelFromNumbersEitherSideOfTheTable) {
    const std::pair<int, LevelCheck> cases[] = {
        {-7, LevelCheck::BeforeFirst}, {0, LevelCheck::BeforeFirst}, {1, LevelCheck::Level},
        {50, LevelCheck::Level},       {51, LevelCheck::PastLast},   {255, LevelCheck::PastLast}};
    for (const auto& [n, check] : cases) {
        EXPECT_EQ(CheckLevel(n), check) << n;
    }
}

TEST(LevelLayouts, LevelNumbersOutsideTheTableStartAgainAtOne) {
    EXPECT_EQ(ClampLevel(0), 1);
    EXPECT_EQ(ClampLevel(-7), 1);
    EXPECT_EQ(ClampLevel(51), 1);
    EXPECT_EQ(ClampLevel(255), 1);
    EXPECT_EQ(ClampLevel(1), 1);
    EXPECT_EQ(ClampLevel(50), 50);
    EXPECT_EQ(&LevelLayout(51), &LevelLayout(1));
}

} // namespace
} // namespace trevallion
