#include "GameFixture.h"
#include "play/Messages.h"

namespace trevallion {
namespace {

class PlayerCommands : public testing::GameFixture {
  protected:
    // The one checked item of a side's menu; -1 unless exactly one is checked.
    int CheckedType(int side) const {
        int found = -1;
        for (int type = PlayerType::Human; type <= PlayerType::AiDifficult; ++type) {
            if (window.Checked(PlayerCommand(side, type))) {
                if (found != -1) {
                    return -1;
                }
                found = type;
            }
        }
        return found;
    }
};

TEST_F(PlayerCommands, FirstStartMakesPlayerTwoAiMedium) {
    StartWith({});
    EXPECT_EQ(State().m_playerOneType, PlayerType::Human);
    EXPECT_EQ(State().m_playerTwoType, PlayerType::AiMedium);
    EXPECT_EQ(CheckedType(Side::PlayerOne), PlayerType::Human);
    EXPECT_EQ(CheckedType(Side::PlayerTwo), PlayerType::AiMedium);
    EXPECT_EQ(window.settings,
              (std::map<std::string, int>{{"PlayerOne", 0}, {"PlayerTwo", 2}, {"SoundFlag", 1}}));
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(State().m_initialising, 0);
}

TEST_F(PlayerCommands, StoredValuesOutOfRangeAreCorrectedAndWrittenBack) {
    StartWith({{"PlayerOne", 7}, {"PlayerTwo", -1}});
    EXPECT_EQ(State().m_playerOneType, PlayerType::Human);
    EXPECT_EQ(State().m_playerTwoType, PlayerType::AiMedium);
    EXPECT_EQ(window.settings["PlayerOne"], 0);
    EXPECT_EQ(window.settings["PlayerTwo"], 2);
}

TEST_F(PlayerCommands, TwoStoredComputerPlayersComeBackWithoutARefusal) {
    StartWith({{"PlayerOne", 3}, {"PlayerTwo", 1}});
    EXPECT_EQ(State().m_playerOneType, PlayerType::AiDifficult);
    EXPECT_EQ(State().m_playerTwoType, PlayerType::AiEasy);
    EXPECT_EQ(CheckedType(Side::PlayerOne), PlayerType::AiDifficult);
    EXPECT_EQ(CheckedType(Side::PlayerTwo), PlayerType::AiEasy);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.workersStarted, 0); // no search before a level starts

    // Once started, the menus refuse a second computer player again, but never a human.
    game.OnCommand(CommandId::PlayerTwoMedium);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, PlayerOneMustBeHuman);
    game.OnCommand(CommandId::PlayerOneHuman);
    EXPECT_EQ(State().m_playerOneType, PlayerType::Human);
    EXPECT_EQ(window.messages.size(), 1u);
}

TEST_F(PlayerCommands, AComputerPlayerRefusesASecond) {
    StartWith({});
    game.OnCommand(CommandId::PlayerOneEasy);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, "Player 2 must be\nset to Human first.");
    EXPECT_EQ(window.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(window.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(State().m_playerOneType, PlayerType::Human);
    EXPECT_EQ(CheckedType(Side::PlayerOne), PlayerType::Human);
    EXPECT_EQ(window.settings["PlayerOne"], 0);

    game.OnCommand(CommandId::PlayerTwoHuman);
    game.OnCommand(CommandId::PlayerOneDifficult);
    EXPECT_EQ(State().m_playerOneType, PlayerType::AiDifficult);
    EXPECT_EQ(CheckedType(Side::PlayerOne), PlayerType::AiDifficult);
    EXPECT_EQ(CheckedType(Side::PlayerTwo), PlayerType::Human);
    EXPECT_EQ(window.settings,
              (std::map<std::string, int>{{"PlayerOne", 3}, {"PlayerTwo", 0}, {"SoundFlag", 1}}));

    game.OnCommand(CommandId::PlayerTwoEasy);
    ASSERT_EQ(window.messages.size(), 2u);
    EXPECT_EQ(window.messages[1].text, "Player 1 must be\nset to Human first.");
    EXPECT_EQ(State().m_playerTwoType, PlayerType::Human);
    EXPECT_EQ(window.settings["PlayerTwo"], 0);
}

TEST_F(PlayerCommands, AChangeDuringASearchLeavesTheSearchAlone) {
    window.workers = testing::FakeWindow::Workers::Held;
    StartWith({{"PlayerOne", 0}, {"PlayerTwo", 1}});
    // AI Easy steps (2, 3) down to (2, 4) here; AI Difficult would take at (0, 0).
    Play("0 0 1 1 1 0 0\n"
         "16 0 0 15 0 26 0\n"
         "0 21 0 0 0 0 0\n"
         "0 0 26 0 0 16 0\n"
         "0 5 0 0 0 0 0\n"
         "11 0 0 2 0 0 0\n"
         "0 0 1 1 1 5 0\n",
         Side::PlayerTwo);
    game.OnTimer();
    game.OnCommand(CommandId::PlayerTwoDifficult);
    EXPECT_EQ(State().m_playerTwoType, PlayerType::AiDifficult);
    EXPECT_EQ(State().m_computerState, Thinking);
    window.JoinWorker();
    game.OnTimer();
    EXPECT_EQ(At(2, 3), Empty);
    EXPECT_EQ(At(2, 4), 26);
    EXPECT_EQ(At(0, 0), Empty);
    EXPECT_EQ(window.workersStarted, 1);
}

} // namespace
} // namespace trevallion
