#include "play/Outcome.h"

#include "GameFixture.h"
#include "levels/LevelLayouts.h"
#include "play/Messages.h"
#include <algorithm>
#include <iterator>

namespace trevallion {
namespace {

using testing::BoardFromRows;

TEST(FindWinner, TestsRunInOrder) {
    // Kings 2 and 15, one piece each: the level goes on.
    EXPECT_EQ(FindWinner(BoardFromRows("15 16 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "2 3 0 0 0 0 0\n")),
              0);
    // Both kings gone: Player 2 wins, because Player 1's king is looked for first.
    EXPECT_EQ(FindWinner(BoardFromRows("0 16 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "0 3 0 0 0 0 0\n")),
              PlayerTwo);
    // Kings stand but Player 1 has no movable piece, Player 2 neither: Player 2 wins.
    EXPECT_EQ(FindWinner(BoardFromRows("15 1 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "2 1 0 0 0 0 0\n")),
              PlayerTwo);
    // Only Player 2 has no movable piece: Player 1 wins.
    EXPECT_EQ(FindWinner(BoardFromRows("15 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "2 14 0 0 0 0 0\n")),
              PlayerOne);
}

TEST(FindWinner, BlockedPiecesStillCount) {
    // Player 2's only piece is walled in; it cannot move, but the level goes on.
    EXPECT_EQ(FindWinner(BoardFromRows("23 15 0 0 0 0 0\n1 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                       "2 3 0 0 0 0 0\n")),
              0);
}

// Player 1's cross beside Player 2's king, and Player 2's last piece in reach of it too.
const char* const KingInReach = "0 0 0 0 0 0 0\n"
                                "0 0 0 0 0 0 0\n"
                                "0 0 16 15 0 0 0\n"
                                "0 0 0 7 0 0 0\n"
                                "0 0 0 0 0 0 0\n"
                                "0 0 0 0 0 0 0\n"
                                "0 0 0 2 0 0 0\n";

class LevelOutcome : public testing::GameFixture {};

TEST_F(LevelOutcome, KingCaptureEndsTheLevelInTheSameCall) {
    Play(KingInReach, PlayerOne, 7);
    Click(3, 3);
    Click(3, 2);
    // No capture sound for a king: only the win sound, then the box, then the next level.
    std::vector<std::string> shown;
    std::copy_if(window.events.begin(), window.events.end(), std::back_inserter(shown),
                 [](const std::string& event) { return event != "tile"; });
    EXPECT_EQ(shown, (std::vector<std::string>{"sound sounds/win1.wav", "winner 1",
                                               "title Game Over", "title Trevallion Level 8"}));
    EXPECT_EQ(State().m_level, 8);
    EXPECT_EQ(State().board, LayoutToBoard(LevelLayout(8)));
    EXPECT_EQ(State().m_gameOver, 0);
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(LevelOutcome, TakingTheLastMovablePieceWins) {
    Play(KingInReach, PlayerOne, 7);
    Click(3, 3);
    Click(2, 3); // Player 1's cross steps left
    Click(2, 2);
    Click(1, 3); // Player 2's last piece steps down-left, beside it
    Click(2, 3);
    Click(1, 3); // and is taken: Player 2's king stands alone
    EXPECT_EQ(window.sounds, (std::vector<std::string>{"sounds/capture1.wav", "sounds/win1.wav"}));
    EXPECT_EQ(window.winners, std::vector<int>{PlayerOne});
    EXPECT_EQ(State().m_level, 8);
}

TEST_F(LevelOutcome, HumanBeatenByComputerIsOfferedTheLevelAgain) {
    // Player 1's king is already gone: the first accepted click decides the level.
    Play("15 16 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 3 0 0 0 0 0\n",
         PlayerOne, 7);
    State().m_playerTwoType = AiMedium;
    window.answers = {MessageAnswer::Yes};
    Click(0, 0);
    EXPECT_EQ(window.sounds, std::vector<std::string>{"sounds/lose1.wav"});
    EXPECT_EQ(window.winners, std::vector<int>{PlayerTwo});
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, "Would you like to try\nagain Player 1?");
    EXPECT_EQ(window.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(window.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(State().m_level, 7);
    EXPECT_EQ(State().board, LayoutToBoard(LevelLayout(7)));
    EXPECT_EQ(window.title, "Trevallion Level 7");
    EXPECT_EQ(State().m_playerTwoType, AiMedium) << "the same players again";
}

TEST_F(LevelOutcome, DecliningTheRetryLeavesTheFinishedBoard) {
    const char* const noKing = "15 16 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                               "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 3 0 0 0 0 0\n";
    Play(noKing, PlayerOne, 7);
    State().m_playerTwoType = AiEasy;
    window.answers = {MessageAnswer::No};
    Click(0, 0);
    EXPECT_EQ(window.title, "Game Over");
    EXPECT_EQ(State().board, testing::BoardFromRows(noKing));
    EXPECT_EQ(State().m_gameOver, 1);
    EXPECT_EQ(State().m_cursorSide, 0);
    // The level stays closed: later clicks change nothing and ask nothing.
    Click(1, 6);
    EXPECT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(State().m_lastClickX, 0);
}

TEST_F(LevelOutcome, ComputerBeatenByHumanGoesOnToTheNextLevel) {
    Play(KingInReach, PlayerOne, 7);
    State().m_playerTwoType = AiDifficult;
    Click(3, 3);
    Click(3, 2);
    EXPECT_EQ(window.sounds, std::vector<std::string>{"sounds/win1.wav"});
    EXPECT_EQ(State().m_level, 8);
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(LevelOutcome, PlayerTwoLosingToAComputerIsAskedByName) {
    // Player 1 a computer, Player 2 a human whose king is gone; Player 2 to move.
    Play("0 16 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n2 3 0 0 0 0 0\n",
         PlayerTwo, 12);
    State().m_playerOneType = AiEasy;
    Click(1, 0);
    EXPECT_EQ(window.winners, std::vector<int>{PlayerOne});
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, "Would you like to try\nagain Player 2?");
}

} // namespace
} // namespace trevallion
