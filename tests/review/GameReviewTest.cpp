#include "review/GameReview.h"
#include "BoardText.h"
#include "Printers.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

// Player 1's horizontal bar on b7 can take Player 2's king on a7 at once; Player 2's vertical
// bar on c6 guards c7. Stepping the bar to c7 instead throws the win away, and the bar with it.
const char* const KingWithinReach = "15  9  0  0  0  0  0\n"
                                    " 0  0 23  0  0  0  0\n"
                                    " 0  0  0  0  0  0  0\n"
                                    " 0  0  0  0  0  0 22\n"
                                    " 0  0  0 10  0  0  0\n"
                                    " 0  0  0  0  0  0  0\n"
                                    " 0  0  0  0  0  0  2\n";

// Player 1's upright cross on d3 may go anywhere but up to d4, where Player 2's horizontal bar
// on e4 takes it.
const char* const CrossBelowBar = "15  0  0  0  0  0  0\n"
                                  " 0  0  0  0  0  0  0\n"
                                  " 0  0  0  0  0  0  0\n"
                                  "23  0  0  0 22  0  0\n"
                                  " 0  0  0  7  0  0  0\n"
                                  " 0  0  0  0  0  0 10\n"
                                  " 0  0  0  0  0  0  2\n";

TEST(GameReview, MarksTheTurnThatGaveAwayWhatItHad) {
    const struct {
        const char* board;
        Move played;
        Slip slip;
        std::optional<Move> better; // none: any move but the one played
    } cases[] = {
        {KingWithinReach, {{1, 0}, {2, 0}}, Slip::GaveAwayWin, Move{{1, 0}, {0, 0}}},
        {KingWithinReach, {{1, 0}, {0, 0}}, Slip::None, std::nullopt},
        {CrossBelowBar, {{3, 4}, {3, 3}}, Slip::LostMaterial, std::nullopt},
        {CrossBelowBar, {{3, 4}, {3, 5}}, Slip::None, std::nullopt},
    };
    ExpertSearch first, second;
    ExpertSearch* const experts[] = {&first, &second};
    for (const auto& c : cases) {
        // The answers do not depend on the number of threads.
        for (const std::size_t threads : {1, 2}) {
            const std::optional<Move> turns[] = {c.played};
            ReviewControl control;
            const auto review =
                ReviewGame(testing::BoardFromRows(c.board), Side::PlayerOne, turns, ExpertBudget{},
                           control, std::span(experts).first(threads));
            ASSERT_TRUE(review);
            EXPECT_EQ(control.positionsDone, 2u);
            const TurnJudgement& turn = review->turns.at(0);
            EXPECT_EQ(turn.slip, c.slip)
                << c.played << ": " << turn.scoreBefore << " then " << turn.scoreAfter;
            EXPECT_EQ(turn.better.has_value(), c.slip != Slip::None) << c.played;
            EXPECT_NE(turn.better, c.played);
            if (c.better) {
                EXPECT_EQ(turn.better, c.better);
            }
            // Who stood better: Player 1 before its move; after it, the score the move left.
            EXPECT_EQ(review->balance, (std::vector{turn.scoreBefore, turn.scoreAfter}));
        }
    }
}

TEST(GameReview, AnswersNothingWhenCancelledOrGivenAnIllegalTurn) {
    ExpertSearch expert;
    ExpertSearch* const experts[] = {&expert};
    const Board board = testing::BoardFromRows(KingWithinReach);
    const std::optional<Move> legal[] = {Move{{1, 0}, {2, 0}}};
    const std::optional<Move> illegal[] = {Move{{1, 0}, {1, 1}}};
    ReviewControl control;
    EXPECT_FALSE(ReviewGame(board, Side::PlayerOne, illegal, {}, control, experts));
    control.cancel = true;
    EXPECT_FALSE(ReviewGame(board, Side::PlayerOne, legal, {}, control, experts));
}

} // namespace
} // namespace trevallion
