#include "SearchHarness.h"
#include "levels/LevelLayouts.h"

#include <gtest/gtest.h>
#include <string>

namespace trevallion {
namespace {

using testing::RootCall;
using testing::RunSearch;

// The engine and the reference from every level's start, for both sides and both orderings, as
// the computer player calls them. One test per depth, so that the deep ones run side by side.
class LevelEquivalence : public ::testing::TestWithParam<int> {};

TEST_P(LevelEquivalence, EngineMatchesReference) {
    const int depth = GetParam();
    for (int level = 1; level <= LevelCount; ++level) {
        const Board board = LayoutToBoard(LevelLayout(level));
        for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
            for (const int mode : {0, 1}) {
                const auto call = RootCall(side, depth, mode);
                EXPECT_EQ(RunSearch(&Search, board, call), RunSearch(&ReferenceSearch, board, call))
                    << "level " << level << " side " << side << " mode " << mode;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, LevelEquivalence, ::testing::Range(1, 7),
                         [](const auto& info) { return "Depth" + std::to_string(info.param); });

} // namespace
} // namespace trevallion
