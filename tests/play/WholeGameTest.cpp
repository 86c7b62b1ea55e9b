#include "GameFixture.h"
#include "levels/LevelLayouts.h"

namespace trevallion {
namespace {

class WholeGame : public testing::GameFixture {};

// Two humans play level 49 from the Start menu to the capture of Player 2's king, clicking
// cells as a player would, and go on to level 50.
TEST_F(WholeGame, TwoHumansPlayLevel49ToTheEnd) {
    window.settings["PlayerTwo"] = PlayerType::Human;
    game.OnInitDialog();
    game.LoadLevel(49);
    window.titles.clear();

    struct Move {
        int fromX, fromY, toX, toY;
    };
    const Move moves[] = {
        {5, 2, 4, 1}, // Player 1's piece (right, up-left, down-left) heads for the king
        {3, 0, 2, 0}, // Player 2's cross steps aside
        {4, 1, 3, 0}, {2, 0, 1, 0}, {3, 0, 2, 1}, // takes Player 2's piece on the way
        {1, 0, 0, 0}, {2, 1, 1, 2},               // down-left onto Player 2's king
    };
    int side = Side::PlayerOne;
    for (const Move& m : moves) {
        ASSERT_EQ(State().m_sideToMove, side);
        const CellCode mover = At(m.fromX, m.fromY);
        Click(m.fromX, m.fromY);
        Click(m.toX, m.toY);
        if (State().m_level == 49) {
            EXPECT_EQ(At(m.toX, m.toY), mover);
            EXPECT_EQ(At(m.fromX, m.fromY), Empty);
            EXPECT_EQ(window.tiles[CellIndex(m.toX, m.toY)], mover);
        }
        side = OtherSide(side);
    }

    // On levels from 25 on, the capture rotation starts with its third file.
    EXPECT_EQ(window.sounds, (std::vector<std::string>{"sounds/startup.wav", "sounds/capture3.wav",
                                                       "sounds/win1.wav"}));
    EXPECT_EQ(window.winners, std::vector<int>{Side::PlayerOne});
    EXPECT_EQ(window.titles, (std::vector<std::string>{"Game Over", "Trevallion Level 50"}));
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(State().m_level, 50);
    EXPECT_EQ(State().board, LayoutToBoard(LevelLayout(50)));
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(window.tiles[i], State().board[i]);
    }
    EXPECT_EQ(State().m_sideToMove, Side::PlayerOne);
    EXPECT_EQ(State().m_gameOver, 0);
}

// The winner of level 50 goes past the last level: the closing message, then level 1.
TEST_F(WholeGame, WinningLevel50StartsAgainAtLevel1) {
    game.LoadLevel(50);
    // Put Player 2's king one diagonal step from Player 1's cross at (5, 0).
    State().board.At(3, 1) = Empty;
    State().board.At(4, 1) = PlayerTwoKing;
    Click(5, 0);
    Click(4, 1);
    EXPECT_EQ(window.winners, std::vector<int>{Side::PlayerOne});
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text.rfind("Congratulations!", 0), 0u);
    EXPECT_EQ(window.sounds, (std::vector<std::string>{"sounds/win1.wav", "sounds/startup.wav"}));
    EXPECT_EQ(State().m_level, 1);
    EXPECT_EQ(window.title, "Trevallion Level 1");
}

} // namespace
} // namespace trevallion
