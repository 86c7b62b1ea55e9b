#include "ai/ExpertSearch.h"

#include "BoardText.h"
#include "Printers.h"
#include "ai/SearchContext.h"
#include "expert/ExpertEngine.h"
#include "expert/ExpertTerms.h"
#include "levels/LevelLayouts.h"
#include "rules/ApplyMove.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace trevallion {
namespace {

using testing::BoardFromRows;

// A budget that only the nodes end, so that every run gives the same answer.
constexpr ExpertBudget NodeBudget{std::chrono::hours(1), 30000};

// AI Expert's answer for `side` on `board`, after the positions `before` came up in the level.
ExpertAnswer Choose(const Board& board, Side side, std::vector<PositionKey> before = {},
                    const ExpertBudget& budget = NodeBudget) {
    before.push_back(KeyOf(board, side));
    const std::atomic<bool> abort{false};
    ExpertSearch expert;
    return expert.Choose(board, side, before, budget, abort);
}

TEST(ExpertSearch, WinsAsFastAsItCan) {
    struct Case {
        const char* what;
        const char* rows;
        std::optional<Move> move; // none: the side passes
        int score;
    };
    const Case cases[] = {
        {"takes the king at once",
         "0 0 0 15 0 0 0\n0 20 0 7 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n23 0 0 0 2 0 0\n",
         Move{{3, 1}, {3, 0}}, WinningScore - 1},
        {"takes the last piece that could move",
         "15 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 16 0 0 0\n0 0 0 7 0 0 0\n"
         "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 2 0 0\n",
         Move{{3, 3}, {3, 2}}, WinningScore - 1},
        // The cross steps next to the king, where nothing can take it.
        {"threatens what cannot be parried",
         "0 0 0 15 0 0 0\n0 0 0 0 0 0 0\n0 0 0 7 0 0 0\n0 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n23 0 0 0 2 0 0\n",
         Move{{3, 2}, {3, 1}}, WinningScore - 3},
        // Player 2's walled-in piece cannot move, but it is still there: Player 2 passes and
        // loses only when the threatened king is taken. Scoring a blocked side as beaten would
        // take any move for a win at once.
        {"wins across the enemy's pass",
         "0 0 0 15 0 1 16\n0 0 0 0 0 1 1\n0 0 0 7 0 0 0\n0 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 2 0 0\n",
         Move{{3, 2}, {3, 1}}, WinningScore - 3},
        {"passes and loses its king",
         "15 0 0 0 0 1 3\n0 0 0 0 0 1 1\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n0 0 0 20 0 0 0\n0 0 0 2 0 0 0\n",
         std::nullopt, LosingScore + 2},
        {"cannot move, nor can the enemy",
         "15 1 0 0 0 1 3\n1 1 0 0 0 1 1\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n1 1 0 0 0 0 0\n16 1 0 0 0 0 2\n",
         std::nullopt, 0},
    };
    for (const Case& c : cases) {
        const ExpertAnswer answer = Choose(BoardFromRows(c.rows), Side::PlayerOne);
        EXPECT_EQ(answer.move, c.move) << c.what;
        EXPECT_EQ(answer.score, c.score) << c.what;
    }
}

TEST(ExpertSearch, GivesTheSameAnswerForTheSameNodes) {
    // One player twice: what the first search left in its tables must not change the second.
    const Board board = LayoutToBoard(LevelLayout(12));
    const std::vector<PositionKey> seen{KeyOf(board, Side::PlayerTwo)};
    const std::atomic<bool> abort{false};
    ExpertSearch expert;
    const ExpertAnswer first = expert.Choose(board, Side::PlayerTwo, seen, NodeBudget, abort);
    const ExpertAnswer second = expert.Choose(board, Side::PlayerTwo, seen, NodeBudget, abort);
    EXPECT_GE(first.nodes, NodeBudget.nodes);
    ASSERT_TRUE(first.move.has_value());
    EXPECT_EQ(first.move, second.move);
    EXPECT_EQ(first.score, second.score);
    EXPECT_EQ(first.nodes, second.nodes);
    EXPECT_EQ(first.depth, second.depth);
}

// Walls between the two halves: neither side can ever reach the other, so the side with more
// material stands better for as long as the level goes on.
constexpr const char* TwoCrossesAgainstOnePiece = "15 0 0 0 0 16 0\n"
                                                  "0  0 0 0 0 0 0\n"
                                                  "1  1 1 1 1 1 1\n"
                                                  "0  0 0 0 0 0 0\n"
                                                  "0  0 7 0 7 0 0\n"
                                                  "0  0 0 0 0 0 0\n"
                                                  "0  0 0 2 0 0 0\n";

// The key of the position after `move`, with the other side to move.
PositionKey KeyAfterStep(const Board& board, Side side, const Move& move) {
    Board after = board;
    ApplyMove(after, move);
    return KeyOf(after, OtherSide(side));
}

TEST(ExpertSearch, RepeatsAPositionOnlyWhenItStandsWorse) {
    const Board board = BoardFromRows(TwoCrossesAgainstOnePiece);
    for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
        const ExpertAnswer fresh = Choose(board, side);
        ASSERT_TRUE(fresh.move.has_value());
        const bool ahead = side == Side::PlayerOne;
        EXPECT_EQ(fresh.score > 0, ahead) << side;
        // The move it chose leads to a position the level has seen: ahead, it plays another; a
        // draw now beats standing worse, which it chooses by playing the same move again.
        const PositionKey repeated = KeyAfterStep(board, side, *fresh.move);
        const ExpertAnswer known = Choose(board, side, {repeated});
        EXPECT_EQ(known.move == fresh.move, !ahead) << side;
        if (!ahead) {
            EXPECT_EQ(known.score, -expert::DrawContempt / expert::PieceWorth) << side;
        }
    }
}

TEST(ExpertSearch, StopsSoonAfterTheAbort) {
    const Board board = BoardFromRows(testing::CrossBesideKing);
    const std::vector<PositionKey> seen{KeyOf(board, Side::PlayerOne)};
    std::atomic<bool> abort{false};
    ExpertSearch expert;
    std::thread raiser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        abort.store(true);
    });
    // Only the flag can end a search of an hour with no limit on nodes.
    const auto start = std::chrono::steady_clock::now();
    const ExpertAnswer answer =
        expert.Choose(board, Side::PlayerOne, seen, ExpertBudget{std::chrono::hours(1), 0}, abort);
    const auto took = std::chrono::steady_clock::now() - start;
    raiser.join();
    EXPECT_LT(took, std::chrono::seconds(10));
    EXPECT_TRUE(answer.move.has_value());
}

} // namespace
} // namespace trevallion
