#include "GameFixture.h"

namespace trevallion {
namespace {

class WholeGame : public testing::GameFixture {};

// Two humans play level 49 to the capture of Player 2's king, clicking cells as a player
// would, and go on to level 50.
TEST_F(WholeGame, TwoHumansPlayLevel49ToTheEnd) {
    StartLevel(49);
    const Move moves[] = {
        {{5, 2}, {4, 1}}, // Player 1's piece (right, up-left, down-left) heads for the king
        {{3, 0}, {2, 0}}, // Player 2's cross steps aside
        {{4, 1}, {3, 0}}, {{2, 0}, {1, 0}}, {{3, 0}, {2, 1}}, // takes Player 2's piece on the way
        {{1, 0}, {0, 0}}, {{2, 1}, {1, 2}},                   // down-left onto Player 2's king
    };
    Board board = Level(49);
    Side side = Side::PlayerOne;
    for (const Move& m : moves) {
        ASSERT_EQ(view.cursor, CursorOf(side));
        PlayMove(m);
        board = Moved(board, m);
        if (view.winners.empty()) {
            EXPECT_EQ(view.Shown(), board);
        }
        side = OtherSide(side);
    }

    // On levels from 25 on, the capture rotation starts with its third file.
    EXPECT_EQ(view.sounds, (std::vector<std::string>{"sounds/capture3.wav", "sounds/win1.wav"}));
    EXPECT_EQ(view.winners, std::vector<Side>{Side::PlayerOne});
    EXPECT_EQ(view.titles, std::vector<std::string>{"Trevallion Level 50"});
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(view.Shown(), Level(50));
    EXPECT_EQ(view.cursor, CursorSide::PlayerOne);
}

// The winner of level 50 goes past the last level: the closing message, then level 1.
TEST_F(WholeGame, WinningLevel50StartsAgainAtLevel1) {
    // Player 2's king one diagonal step from Player 1's cross at (5, 0).
    Board board = Level(50);
    board.At({3, 1}) = Empty;
    board.At({4, 1}) = PlayerTwoKing;
    PlayBoard(board, Side::PlayerOne, 50, PlayerType::Human, PlayerType::Human);
    PlayMove({{5, 0}, {4, 1}});
    EXPECT_EQ(view.winners, std::vector<Side>{Side::PlayerOne});
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_TRUE(view.messages[0].text.starts_with("Congratulations!"));
    EXPECT_EQ(view.sounds, (std::vector<std::string>{"sounds/win1.wav", "sounds/startup.wav"}));
    EXPECT_EQ(view.title, "Trevallion Level 1");
    EXPECT_EQ(view.Shown(), Level(1));
}

} // namespace
} // namespace trevallion
