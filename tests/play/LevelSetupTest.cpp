#include "GameFixture.h"
#include "play/Messages.h"

namespace trevallion {
namespace {

class LevelSetup : public testing::GameFixture {};

TEST_F(LevelSetup, StartUpShowsTheWallEverywhere) {
    StartWith({});
    for (const CellCode tile : view.tiles) {
        EXPECT_EQ(tile, Wall);
    }
    EXPECT_EQ(view.cursor, CursorSide::Neutral);
}

TEST_F(LevelSetup, EachLevelCommandPlaysAmbientAndLaysOutItsLevel) {
    const std::pair<CommandId, int> commands[] = {{CommandId::Level1, 1},
                                                  {CommandId::Level5, 5},
                                                  {CommandId::Level10, 10},
                                                  {CommandId::Level20, 20},
                                                  {CommandId::Level40, 40}};
    StartWith({});
    view.ClearRecords();
    for (const auto& [command, level] : commands) {
        Command(command);
        EXPECT_EQ(view.title, LevelTitle(level).Str());
        EXPECT_EQ(view.Shown(), Level(level));
        EXPECT_EQ(view.cursor, CursorSide::PlayerOne);
    }
    EXPECT_TRUE(view.messages.empty());
    // The ambient phrase rotates with every level command.
    EXPECT_EQ(view.sounds, (std::vector<std::string>{"sounds/ambient1.wav", "sounds/ambient2.wav",
                                                     "sounds/ambient3.wav", "sounds/ambient1.wav",
                                                     "sounds/ambient2.wav"}));
}

// A level starts afresh: nothing selected and Player 1 to move. The players and the sound
// setting stay as they were, and setting up a level is silent.
TEST_F(LevelSetup, LevelSetupResetsTheGameButNotThePlayersOrTheSound) {
    StartWith({{"PlayerOne", 0}, {"PlayerTwo", 3}, {"SoundFlag", 0}});
    Command(CommandId::Level1);
    const Move move = FirstMove(Level(1), Side::PlayerOne);
    Click(move.from);
    Command(CommandId::RestartLevel);
    Click(move.to);
    EXPECT_EQ(view.Shown(), Level(1)) << "the piece picked before stayed picked";

    PlayMove(move);
    ASSERT_EQ(view.cursor, CursorSide::PlayerTwo);
    Command(CommandId::RestartLevel);
    EXPECT_EQ(view.Shown(), Level(1));
    EXPECT_EQ(view.cursor, CursorSide::PlayerOne);
    Tick();
    EXPECT_EQ(workers.started, 0) << "Player 2, a computer player, was still to move";

    EXPECT_TRUE(view.Checked(CommandId::PlayerTwoDifficult));
    EXPECT_TRUE(view.Checked(CommandId::SoundOff));
    EXPECT_EQ(settings.values, (std::map<std::string, std::int32_t>{
                                   {"PlayerOne", 0}, {"PlayerTwo", 3}, {"SoundFlag", 0}}));
    EXPECT_TRUE(view.sounds.empty());
}

// Restart Level on a loaded level past the last one goes the way a win of level 50 does.
TEST_F(LevelSetup, PastTheLastLevelCongratulatesAndStartsAgain) {
    PlayBoard(Level(1), Side::PlayerOne, 60, PlayerType::Human, PlayerType::Human);
    Command(CommandId::RestartLevel);
    EXPECT_EQ(view.sounds, std::vector<std::string>{"sounds/startup.wav"});
    ASSERT_EQ(view.messages.size(), 1u);
    const std::string& text = view.messages[0].text;
    EXPECT_TRUE(text.starts_with("Congratulations! You've made\nit past Level 50.  Thank you\n"
                                 "for playing Trevallion."));
    EXPECT_GT(text.size(), 80u) << "a closing note follows the quoted opening";
    EXPECT_EQ(view.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(view.title, "Trevallion Level 1");
    EXPECT_EQ(view.Shown(), Level(1));
}

TEST_F(LevelSetup, RestartLevelLaysOutTheLevelAgainSilently) {
    StartWith({{"PlayerOne", 0}, {"PlayerTwo", 0}});
    Command(CommandId::RestartLevel); // before any level: level 1, without a message
    EXPECT_EQ(view.title, "Trevallion Level 1");
    EXPECT_EQ(view.Shown(), Level(1));
    EXPECT_TRUE(view.messages.empty());

    StartLevel(23);
    PlayMove(FirstMove(Level(23), Side::PlayerOne));
    ASSERT_NE(view.Shown(), Level(23));
    Command(CommandId::RestartLevel);
    EXPECT_EQ(view.title, "Trevallion Level 23");
    EXPECT_EQ(view.Shown(), Level(23));
    EXPECT_EQ(view.cursor, CursorSide::PlayerOne);
    EXPECT_TRUE(view.sounds.empty()) << "restarting plays no sound";
}

// Guards against a board laid out while the worker still reads the old one: the title says
// why the window waits, and the board changes only after the wait.
TEST_F(LevelSetup, WaitsForAThinkingComputerPlayerBeforeTouchingTheBoard) {
    workers.mode = Mode::Held;
    StartLevel(4, PlayerType::AiDifficult);
    Tick();
    ASSERT_EQ(workers.started, 1);
    std::vector<std::string> titlesDuringTheWait;
    workers.whileJoining = [this, &titlesDuringTheWait] {
        titlesDuringTheWait.push_back(view.title);
        EXPECT_EQ(view.Shown(), Level(4)) << "the board waits";
    };
    Command(CommandId::Level10);
    workers.whileJoining = nullptr;
    EXPECT_EQ(titlesDuringTheWait, std::vector<std::string>{"Please Wait..."});
    EXPECT_EQ(view.title, "Trevallion Level 10");
    EXPECT_EQ(view.Shown(), Level(10));
}

} // namespace
} // namespace trevallion
