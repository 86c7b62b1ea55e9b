#include "GameFixture.h"
#include "levels/LevelLayouts.h"
#include "play/Messages.h"

namespace trevallion {
namespace {

class LevelSetup : public testing::GameFixture {
  protected:
    // Every button shows the code of its cell.
    void ExpectButtonsShowTheBoard() {
        for (int i = 0; i < CellCount; ++i) {
            EXPECT_EQ(window.tiles[i], State().board[i]) << "element " << i;
        }
    }
};

TEST_F(LevelSetup, StartUpShowsTheWallEverywhere) {
    game.OnInitDialog();
    for (const CellCode tile : window.tiles) {
        EXPECT_EQ(tile, Wall);
    }
    EXPECT_EQ(State().m_level, 0);
    EXPECT_EQ(State().m_timerMode, DoodleStartPending);
}

TEST_F(LevelSetup, LevelCommandPlaysAmbientAndLaysOutTheLevel) {
    game.OnCommand(CommandId::Level20);
    EXPECT_EQ(window.sounds, std::vector<std::string>{"sounds/ambient1.wav"});
    EXPECT_EQ(window.title, "Trevallion Level 20");
    EXPECT_EQ(State().board, LayoutToBoard(LevelLayout(20)));
    ExpectButtonsShowTheBoard();
    EXPECT_EQ(State().m_level, 20);
    EXPECT_EQ(State().m_sideToMove, Side::PlayerOne);
    EXPECT_EQ(State().m_cursorSide, Side::PlayerOne);
    EXPECT_EQ(State().m_timerMode, GameMode);
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(LevelSetup, EachLevelCommandSetsUpItsLevel) {
    const std::pair<CommandId, int> commands[] = {{CommandId::Level1, 1},
                                                  {CommandId::Level5, 5},
                                                  {CommandId::Level10, 10},
                                                  {CommandId::Level20, 20},
                                                  {CommandId::Level40, 40}};
    for (const auto& [command, level] : commands) {
        game.OnCommand(command);
        EXPECT_EQ(State().m_level, level);
        EXPECT_EQ(State().board, LayoutToBoard(LevelLayout(level)));
    }
    // The ambient phrase rotates with every level command.
    EXPECT_EQ(window.sounds, (std::vector<std::string>{"sounds/ambient1.wav", "sounds/ambient2.wav",
                                                       "sounds/ambient3.wav", "sounds/ambient1.wav",
                                                       "sounds/ambient2.wav"}));
}

TEST_F(LevelSetup, LevelSetupResetsTheGameButNotThePlayers) {
    GameState& s = State();
    s.m_playerOneType = PlayerType::AiDifficult;
    s.m_gameOver = 1;
    s.m_selX = 2;
    s.m_selY = 3;
    s.m_sideToMove = Side::PlayerTwo;
    s.m_computerState = MoveReady;
    s.m_soundOn = 0;
    game.LoadLevel(9);
    EXPECT_EQ(s.m_gameOver, 0);
    EXPECT_EQ(s.m_selX, NoCell);
    EXPECT_EQ(s.m_selY, NoCell);
    EXPECT_EQ(s.m_sideToMove, Side::PlayerOne);
    EXPECT_EQ(s.m_computerState, Idle) << "a waiting computer move is discarded";
    EXPECT_EQ(s.m_playerOneType, PlayerType::AiDifficult);
    EXPECT_EQ(s.m_soundOn, 0);
    EXPECT_TRUE(window.sounds.empty()) << "level setup itself is silent";
}

TEST_F(LevelSetup, LevelZeroIsLevelOneWithoutAMessage) {
    game.LoadLevel(0);
    EXPECT_EQ(State().m_level, 1);
    EXPECT_EQ(window.title, "Trevallion Level 1");
    EXPECT_EQ(State().board, LayoutToBoard(LevelLayout(1)));
    EXPECT_TRUE(window.messages.empty());
    EXPECT_TRUE(window.sounds.empty());
}

TEST_F(LevelSetup, PastTheLastLevelCongratulatesAndStartsAgain) {
    game.LoadLevel(51);
    EXPECT_EQ(window.sounds, std::vector<std::string>{"sounds/startup.wav"});
    ASSERT_EQ(window.messages.size(), 1u);
    const std::string& text = window.messages[0].text;
    EXPECT_EQ(text.rfind("Congratulations! You've made\nit past Level 50.  Thank you\n"
                         "for playing Trevallion.",
                         0),
              0u);
    EXPECT_GT(text.size(), 80u) << "a closing note follows the quoted opening";
    EXPECT_EQ(window.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(State().m_level, 1);
    EXPECT_EQ(window.title, "Trevallion Level 1");
    EXPECT_EQ(State().board, LayoutToBoard(LevelLayout(1)));
}

TEST_F(LevelSetup, RestartLevel) {
    game.OnCommand(CommandId::RestartLevel); // before any level
    EXPECT_EQ(State().m_level, 1);
    EXPECT_EQ(State().board, LayoutToBoard(LevelLayout(1)));

    game.LoadLevel(23);
    State().board.At(0, 0) = Empty; // a move made since
    game.OnCommand(CommandId::RestartLevel);
    EXPECT_EQ(State().m_level, 23);
    EXPECT_EQ(State().board, LayoutToBoard(LevelLayout(23)));
    ExpectButtonsShowTheBoard();
    EXPECT_TRUE(window.sounds.empty()) << "restarting plays no sound";
}

TEST_F(LevelSetup, WaitsForAThinkingComputerPlayerBeforeTouchingTheBoard) {
    game.LoadLevel(4);
    window.titles.clear();
    State().m_computerState = Thinking;
    std::vector<int> abortFlagSeen;
    // The fake worker notices the abort flag after a few rounds of events and finishes.
    window.onPump = [&] {
        abortFlagSeen.push_back(State().m_abortSearch.load());
        EXPECT_EQ(State().board, LayoutToBoard(LevelLayout(4))) << "the board waits";
        if (window.pumps == 3) {
            State().m_computerState = MoveReady;
        }
    };
    game.LoadLevel(10);
    EXPECT_EQ(abortFlagSeen, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(window.titles.front(), "Please Wait...");
    EXPECT_EQ(window.title, "Trevallion Level 10");
    EXPECT_EQ(State().m_abortSearch.load(), 0);
    EXPECT_EQ(State().m_computerState, Idle);
    EXPECT_EQ(State().board, LayoutToBoard(LevelLayout(10)));
}

TEST_F(LevelSetup, SoundOffPlaysNothingAndMovesNoCounter) {
    State().m_soundOn = 0;
    game.OnCommand(CommandId::Level1);
    game.LoadLevel(51);
    EXPECT_TRUE(window.sounds.empty());
    EXPECT_EQ(game.Sounds().ambientTurn, 0);
    State().m_soundOn = 1;
    game.OnCommand(CommandId::Level1);
    EXPECT_EQ(window.sounds, std::vector<std::string>{"sounds/ambient1.wav"});
}

} // namespace
} // namespace trevallion
