#include "SearchHarness.h"
#include "levels/LevelLayouts.h"

#include <gtest/gtest.h>
#include <string>

namespace trevallion {
namespace {

using testing::Engine;
using testing::RootCall;
using testing::RunSearch;
using testing::SearchCall;

// Each side can take the enemy king twice: Player 1 with the crosses on (3, 4) and (2, 3),
// Player 2 with the crosses on (3, 5) and (4, 6).
const Board TwoKingCaptures =
    testing::BoardWith({{3, 3, 15}, {3, 6, 2}, {2, 3, 7}, {3, 4, 7}, {3, 5, 20}, {4, 6, 20}});

// Player 1 has lost its king and owns one piece 3; Player 2 has its king and a piece 16. Every
// position Player 1 can reach scores -(1 + 1 - 1 + 1000) = -1001 for it.
const Board PlayerOneLost = testing::BoardWith({{0, 0, 15}, {6, 0, 16}, {3, 3, 3}});

const Move EarlierMove{{1, 2}, {3, 4}};

class SearchRules : public ::testing::TestWithParam<Engine> {
  protected:
    testing::SearchOutcome Run(const Board& board, const SearchCall& call) const {
        return RunSearch(GetParam().search, board, call);
    }
};

TEST_P(SearchRules, RootTakesTheFirstKingCaptureWithoutSearching) {
    for (const int mode : {0, 1}) {
        // Player 1 meets (3, 4) before (2, 3) in its scan; Player 2 meets (3, 5) before (4, 6).
        EXPECT_EQ(Run(TwoKingCaptures, RootCall(Side::PlayerOne, 3, mode)),
                  (testing::SearchOutcome{KingCaptureScore, Move{{3, 4}, {3, 3}}, 1}));
        EXPECT_EQ(Run(TwoKingCaptures, RootCall(Side::PlayerTwo, 3, mode)),
                  (testing::SearchOutcome{KingCaptureScore, Move{{3, 5}, {3, 6}}, 1}));
    }
}

TEST_P(SearchRules, RootWithoutAGoodMoveKeepsTheEarlierMove) {
    // Player 1 has no piece that moves at all.
    const Board kingsOnly = testing::BoardWith({{0, 0, 15}, {6, 0, 16}, {3, 6, 2}});
    SearchCall call = RootCall(Side::PlayerOne, 2, 0);
    call.startMove = EarlierMove;
    EXPECT_EQ(Run(kingsOnly, call), (testing::SearchOutcome{LosingScore, EarlierMove, 1}));

    // Three moves, each scoring -1001: none beats the floor, so none is recorded.
    call.depth = call.searchDepth = 1;
    EXPECT_EQ(Run(PlayerOneLost, call), (testing::SearchOutcome{LosingScore, EarlierMove, 4}));
}

TEST_P(SearchRules, RaisedAbortReturnsZeroAndWritesNothing) {
    for (const int depth : {0, 1, 4}) {
        SearchCall call = RootCall(Side::PlayerOne, depth, 1);
        call.startMove = EarlierMove;
        call.aborted = true;
        EXPECT_EQ(Run(PlayerOneLost, call), (testing::SearchOutcome{0, EarlierMove, 1}));
    }
}

TEST_P(SearchRules, BelowTheRootAClosedWindowTriesNoMove) {
    const Board level1 = LayoutToBoard(LevelLayout(1));
    for (const int beta : {LosingScore, -1500}) {
        const SearchCall call{Side::PlayerOne, 2, 4, 0, LosingScore, beta};
        EXPECT_EQ(Run(level1, call), (testing::SearchOutcome{LosingScore, {}, 1}));
    }
}

TEST_P(SearchRules, LevelStartsScoreAndChooseAsExpected) {
    const auto expect = [&](int level, Side side, int depth, int score, Move move) {
        for (const int mode : {0, 1}) {
            const auto outcome =
                Run(LayoutToBoard(LevelLayout(level)), RootCall(side, depth, mode));
            EXPECT_EQ(outcome.score, score) << "level " << level << " side " << side;
            EXPECT_EQ(outcome.move, move) << "level " << level << " side " << side;
        }
    };
    expect(50, Side::PlayerOne, 4, 5, {{5, 0}, {6, 1}});
    expect(50, Side::PlayerTwo, 4, -2, {{6, 1}, {5, 0}});
    expect(1, Side::PlayerOne, 2, 0, {{6, 6}, {5, 5}});
    expect(1, Side::PlayerTwo, 2, 0, {{0, 0}, {1, 1}});
}

INSTANTIATE_TEST_SUITE_P(BothEngines, SearchRules, ::testing::ValuesIn(testing::Engines),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace trevallion
