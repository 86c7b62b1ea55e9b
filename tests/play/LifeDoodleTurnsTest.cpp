#include "GameFixture.h"
#include "play/Messages.h"

#include <algorithm>

namespace trevallion {
namespace {

class LifeDoodleTurns : public testing::GameFixture {
  protected:
    void SetUp() override { StartWith({{"PlayerOne", 0}, {"PlayerTwo", 0}}); }
};

// After a decided level the Life Doodle command takes over at the next tick: it clears the
// game's end, so that clicks count again, shows the block and takes the game out of play; the
// level stays for Restart Level.
TEST_F(LifeDoodleTurns, CommandRestartsTheDoodleAfterADecidedLevel) {
    // Player 1's king is gone: Player 2, a computer player, wins at the first click, and the
    // offer to try again is declined.
    Play("15 16 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 3 0 0 0 0 0\n",
         Side::PlayerOne, 5, PlayerType::Human, PlayerType::AiMedium);
    Click({3, 3});
    ASSERT_EQ(view.winners.size(), 1u);
    Command(CommandId::LifeDoodle);
    Tick();
    EXPECT_EQ(view.title, "Trevallion");
    EXPECT_EQ(At({1, 1}), Wall);
    EXPECT_EQ(At({0, 3}), Empty);

    view.ClearRecords();
    Click({0, 0});
    EXPECT_EQ(At({0, 0}), Wall);
    EXPECT_EQ(view.sounds, std::vector<std::string>{"sounds/capture1.wav"});
    Command(CommandId::SaveGame);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, SaveRefusedMessage);
    Command(CommandId::RestartLevel);
    EXPECT_EQ(view.title, "Trevallion Level 5");
}

// Only cells that change are repainted. The block's first generation keeps its four corners,
// loses its 21 other cells and gives birth to three cells beside each of its four sides.
TEST_F(LifeDoodleTurns, AGenerationRepaintsOnlyChangedCells) {
    Tick();
    view.ClearRecords();
    Tick();
    EXPECT_EQ(std::ranges::count(view.events, "tile"), 21 + 4 * 3);
}

// The last click of the game is still on record when the doodle starts, and comes alive at the
// first generation: a live corner beside the block gives (1, 0) and (0, 1) their third
// neighbour.
TEST_F(LifeDoodleTurns, TheGamesLastClickComesAliveAtTheFirstGeneration) {
    Command(CommandId::Level1);
    Click({0, 0});
    Command(CommandId::LifeDoodle);
    // The level keeps its title until the tick that starts the doodle.
    EXPECT_EQ(view.title, "Trevallion Level 1");
    Tick();
    EXPECT_EQ(view.cursor, CursorSide::Neutral);
    EXPECT_EQ(view.title, "Trevallion");
    Tick();
    EXPECT_EQ(At({1, 0}), Wall);
    EXPECT_EQ(At({0, 1}), Wall);
}

// The five secret cells, clicked within one second, show the credits; the tick after that
// starts again from the block.
TEST_F(LifeDoodleTurns, CornersAndCentreShowTheCredits) {
    Tick();
    for (const auto& [x, y] : {std::pair{0, 0}, {6, 0}, {0, 6}, {6, 6}, {3, 3}}) {
        Click({x, y});
    }
    Tick();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, CreditsMessage);
    EXPECT_EQ(view.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(view.title, "Trevallion");

    Tick();
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            EXPECT_EQ(At({x, y}), AliveAtDoodleStart({x, y}) ? Wall : Empty) << x << "," << y;
        }
    }
    EXPECT_EQ(view.messages.size(), 1u);
}

// Behind the credits the doodle starts afresh and the centre, the cell clicked last, comes alive
// before each generation; the generation the credits interrupted shows once they are answered.
TEST_F(LifeDoodleTurns, BehindTheCreditsTheLastClickLivesOn) {
    Tick();
    for (const auto& [x, y] : {std::pair{0, 0}, {6, 0}, {0, 6}, {6, 6}, {3, 3}}) {
        Click({x, y});
    }
    keepBoxesOpen = true;
    view.ClearRecords();
    Tick();
    EXPECT_EQ(view.events, std::vector<std::string>{"message"});
    // Two generations from the block, the centre brought to life before each.
    const auto shown = [this] {
        DoodleGrid cells{};
        for (int i = 0; i < CellCount; ++i) {
            cells[static_cast<std::size_t>(i)] = At(CellAt(i)) == Wall ? 1 : 0;
        }
        return cells;
    };
    Tick();
    DoodleGrid grid = shown(), next{};
    for (int generation = 0; generation < 2; ++generation) {
        grid[static_cast<std::size_t>(CellIndex({3, 3}))] = 1;
        ComputeNextGeneration(grid, next);
        grid = next;
        Tick();
    }
    EXPECT_EQ(shown(), grid);
    view.AnswerBoxes(game);
    ComputeNextGeneration(grid, next);
    EXPECT_EQ(shown(), next);
}

// Reviving a cell sounds like a capture on the last level played: level 26 starts the capture
// rotation at its third file. A live cell clicked stays silent.
TEST_F(LifeDoodleTurns, RevivingACellPlaysTheCaptureOfTheLastLevel) {
    StartLevel(26);
    Command(CommandId::LifeDoodle);
    Tick();
    Click({0, 0});
    Click({0, 0});
    Click({3, 3});
    EXPECT_EQ(view.sounds, std::vector<std::string>{"sounds/capture3.wav"});
    EXPECT_EQ(At({0, 0}), Wall);
}

} // namespace
} // namespace trevallion
