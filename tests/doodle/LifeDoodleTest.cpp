#include "doodle/LifeDoodle.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

DoodleGrid GridOf(std::initializer_list<std::pair<int, int>> live) {
    DoodleGrid grid{};
    for (const auto& [x, y] : live) {
        grid[static_cast<std::size_t>(CellIndex({x, y}))] = 1;
    }
    return grid;
}

// The board has nothing beyond its edges: a corner has three neighbours, an edge cell five,
// and live cells on the far side never count.
TEST(LifeDoodle, NeighboursStopAtTheEdges) {
    DoodleGrid all{};
    all.fill(1);
    EXPECT_EQ(LiveNeighbours(all, {0, 0}), 3);
    EXPECT_EQ(LiveNeighbours(all, {6, 6}), 3);
    EXPECT_EQ(LiveNeighbours(all, {3, 0}), 5);
    EXPECT_EQ(LiveNeighbours(all, {0, 4}), 5);
    EXPECT_EQ(LiveNeighbours(all, {3, 3}), 8);
    EXPECT_EQ(LiveNeighbours(GridOf({{6, 3}, {6, 2}, {6, 4}}), {0, 3}), 0);
}

// Only exactly 1 counts as alive.
TEST(LifeDoodle, OtherValuesAreDead) {
    DoodleGrid grid = GridOf({{2, 2}, {4, 2}});
    grid[static_cast<std::size_t>(CellIndex({3, 3}))] = 2;
    EXPECT_EQ(LiveNeighbours(grid, {3, 2}), 2);
    DoodleGrid next{};
    ComputeNextGeneration(grid, next);
    EXPECT_EQ(next[static_cast<std::size_t>(CellIndex({3, 3}))], 0);
}

// Three in a corner make a block there, as they would anywhere: births and survivals use the
// old generation only.
TEST(LifeDoodle, GenerationReadsOnlyTheOldGrid) {
    DoodleGrid next{};
    next.fill(7);
    ComputeNextGeneration(GridOf({{0, 0}, {1, 0}, {0, 1}}), next);
    EXPECT_EQ(next, GridOf({{0, 0}, {1, 0}, {0, 1}, {1, 1}}));
}

// A grid drawn as the window shows it, a string a row from the top; '#' is a live cell.
DoodleGrid Picture(const std::array<const char*, BoardSize>& rows) {
    DoodleGrid grid{};
    for (int y = 0; y < BoardSize; ++y) {
        for (int x = 0; x < BoardSize; ++x) {
            grid[static_cast<std::size_t>(CellIndex({x, y}))] = rows[y][x] == '#';
        }
    }
    return grid;
}

// The doodle's opening: the 5 x 5 block turns into a ring, and from its fifth generation on it
// is a still life of four cells round the centre.
TEST(LifeDoodle, TheStartingBlockBecomesARingThenAStillLife) {
    DoodleGrid grid =
        Picture({".......", ".#####.", ".#####.", ".#####.", ".#####.", ".#####.", "......."});
    DoodleGrid next{};
    ComputeNextGeneration(grid, next);
    EXPECT_EQ(next, Picture({"..###..", ".#...#.", "#.....#", "#.....#", "#.....#", ".#...#.",
                             "..###.."}));
    for (int generation = 3; generation <= 9; ++generation) {
        grid = next;
        ComputeNextGeneration(grid, next);
    }
    const DoodleGrid still =
        Picture({".......", ".......", "...#...", "..#.#..", "...#...", ".......", "......."});
    EXPECT_EQ(grid, still) << "the eighth generation";
    EXPECT_EQ(next, still) << "the ninth";
}

TEST(LifeDoodle, CreditsNeedAllFourCornersAndTheCentre) {
    const DoodleGrid all = GridOf({{0, 0}, {6, 0}, {0, 6}, {6, 6}, {3, 3}});
    EXPECT_TRUE(CreditsPatternLives(all));
    for (const auto& [x, y] : {std::pair{0, 0}, {6, 0}, {0, 6}, {6, 6}, {3, 3}}) {
        DoodleGrid missing = all;
        missing[static_cast<std::size_t>(CellIndex({x, y}))] = 0;
        EXPECT_FALSE(CreditsPatternLives(missing)) << x << "," << y;
    }
}

} // namespace
} // namespace trevallion
