#include "ai/Evaluate.h"
#include "SearchHarness.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

using testing::BoardWith;

// The score of a board for each side: Evaluate itself, and a depth-0 call of each engine, which
// must give the same, count one node and record nothing.
void ExpectScores(const Board& board, int sideOne, int sideTwo) {
    EXPECT_EQ(Evaluate(board, Side::PlayerOne), sideOne);
    EXPECT_EQ(Evaluate(board, Side::PlayerTwo), sideTwo);
    for (const auto& engine : testing::Engines) {
        for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
            const auto outcome = RunSearch(engine.search, board, testing::SearchCall{side, 0, 4});
            EXPECT_EQ(outcome, (testing::SearchOutcome{side == Side::PlayerOne ? sideOne : sideTwo,
                                                       std::nullopt, 1}))
                << engine.name << " side " << side;
        }
    }
}

TEST(Evaluate, CountsMaterialWithCrossesDouble) {
    // Both kings, a bar and its Player 2 twin (9 and 22), a cross and its twin (8 and 21).
    ExpectScores(BoardWith({{3, 0, 15}, {3, 6, 2}, {1, 1, 22}, {4, 5, 9}, {4, 1, 21}, {1, 5, 8}}),
                 0, 0);
    // Both kings and the cross 7: Player 1 is two points ahead.
    ExpectScores(BoardWith({{3, 0, 15}, {3, 6, 2}, {3, 3, 7}}), 2, -2);
}

TEST(Evaluate, MissingKingCostsThousand) {
    // No 15: Player 1 has its king and a bar, two points, plus the thousand.
    ExpectScores(BoardWith({{3, 6, 2}, {3, 2, 9}}), 1002, -1002);
    // No king at all: the two thousands cancel and material alone counts (21 two, 3 one).
    ExpectScores(BoardWith({{0, 0, 21}, {6, 6, 3}}), -1, 1);
}

} // namespace
} // namespace trevallion
