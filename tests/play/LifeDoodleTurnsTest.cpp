#include "GameFixture.h"
#include "play/Messages.h"

namespace trevallion {
namespace {

class LifeDoodleTurns : public testing::GameFixture {
  protected:
    void SetUp() override {
        window.settings["PlayerTwo"] = PlayerType::Human;
        game.OnInitDialog();
    }

    bool Alive(int x, int y) { return State().m_doodleCells[CellIndex(x, y)] == 1; }
    CellCode Shown(int x, int y) { return window.tiles[CellIndex(x, y)]; }
};

// After a decided level the Life Doodle command takes over at the next tick: it clears the
// game's end and shows the block, and leaves the game's board and level as they were.
TEST_F(LifeDoodleTurns, CommandRestartsTheDoodleAfterAGame) {
    game.OnCommand(CommandId::Level5);
    State().m_gameOver = 1;
    const Board board = State().board;
    game.OnCommand(CommandId::LifeDoodle);
    EXPECT_EQ(State().m_timerMode, DoodleStartPending);

    game.OnTimer();
    EXPECT_EQ(State().m_gameOver, 0);
    EXPECT_EQ(State().m_noGame, 1);
    EXPECT_EQ(State().m_cursorSide, 0);
    EXPECT_EQ(window.title, "Trevallion");
    EXPECT_EQ(Shown(1, 1), Wall);
    EXPECT_EQ(Shown(0, 3), Empty);
    EXPECT_EQ(State().board, board);
    EXPECT_EQ(State().m_level, 5);
}

// Only cells that change are repainted. The block's first generation keeps its four corners,
// loses its 21 other cells and gives birth to three cells beside each of its four sides.
TEST_F(LifeDoodleTurns, AGenerationRepaintsOnlyChangedCells) {
    game.OnTimer();
    const int before = window.tileUpdates;
    game.OnTimer();
    EXPECT_EQ(window.tileUpdates - before, 21 + 4 * 3);
}

// The last click of the game is still on record when the doodle starts, and comes alive at the
// first generation: a live corner beside the block gives (1, 0) and (0, 1) their third
// neighbour.
TEST_F(LifeDoodleTurns, TheGamesLastClickComesAliveAtTheFirstGeneration) {
    game.OnCommand(CommandId::Level1);
    Click(0, 0);
    game.OnCommand(CommandId::LifeDoodle);
    game.OnTimer();
    game.OnTimer();
    EXPECT_TRUE(Alive(1, 0));
    EXPECT_TRUE(Alive(0, 1));
    EXPECT_EQ(Shown(1, 0), Wall);
    EXPECT_EQ(State().m_lastClickX, NoCell);
}

// The five secret cells, clicked within one second, show the credits; the tick after that
// starts again from the block.
TEST_F(LifeDoodleTurns, CornersAndCentreShowTheCredits) {
    game.OnTimer();
    for (const auto& [x, y] : {std::pair{0, 0}, {6, 0}, {0, 6}, {6, 6}, {3, 3}}) {
        Click(x, y);
    }
    game.OnTimer();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, CreditsMessage);
    EXPECT_EQ(window.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(State().m_timerMode, DoodleStartPending);

    game.OnTimer();
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            EXPECT_EQ(Alive(x, y), AliveAtDoodleStart(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(window.messages.size(), 1u);
}

// Reviving a cell sounds like a capture on the last level played: level 26 starts the capture
// rotation at its third file.
TEST_F(LifeDoodleTurns, RevivingACellPlaysTheCaptureOfTheLastLevel) {
    State().m_level = 26;
    game.OnTimer();
    window.sounds.clear();
    Click(0, 0);
    Click(0, 0);
    Click(3, 3);
    EXPECT_EQ(window.sounds, std::vector<std::string>{"sounds/capture3.wav"});
    EXPECT_EQ(Shown(0, 0), Wall);
}

} // namespace
} // namespace trevallion
