#include "GameFixture.h"

namespace trevallion {
namespace {

using testing::GameTable;

class ClickProtocolGame : public testing::GameFixture {
  protected:
    void SetUp() override { Play(testing::CrossBesideKing); }
};

// Which click moves what is the match's rule; here, what the view is told of it.
TEST_F(ClickProtocolGame, AMovePassesTheTurnToTheOtherSidesPieces) {
    Click({3, 4});
    EXPECT_TRUE(view.events.empty()) << "selecting shows and sounds nothing";
    Click({2, 4});
    EXPECT_EQ(view.events, (std::vector<std::string>{"tile", "tile", "cursor 2"}));
    EXPECT_TRUE(view.winners.empty());
    const Board moved = view.Shown();

    // Player 1's cross is not Player 2's to pick: the click on its target is ignored.
    Click({2, 4});
    Click({1, 4});
    EXPECT_EQ(view.Shown(), moved);
    PlayMove({{3, 2}, {3, 1}});
    EXPECT_EQ(view.Shown(), GameTable::Moved(moved, {{3, 2}, {3, 1}}));
    EXPECT_EQ(view.cursor, CursorSide::PlayerOne);
}

TEST_F(ClickProtocolGame, CaptureOfAPiecePlaysTheCaptureSoundOnce) {
    PlayMove({{3, 4}, {3, 3}}); // Player 1's cross steps up under Player 2's bar
    PlayMove({{3, 2}, {3, 3}}); // and the bar takes it
    EXPECT_EQ(At({3, 2}), Empty);
    EXPECT_EQ(At({3, 3}), 23);
    EXPECT_EQ(view.sounds, std::vector<std::string>{"sounds/capture1.wav"});

    PlayMove({{1, 5}, {1, 4}}); // a quiet step adds no sound
    EXPECT_EQ(At({1, 4}), 10);
    EXPECT_EQ(view.sounds.size(), 1u);
}

// Once the Life Doodle is chosen, clicks are the doodle's: they bring cells to life and move no
// piece, even before its first tick.
TEST_F(ClickProtocolGame, AfterTheLifeDoodleCommandClicksMoveNoPiece) {
    Command(CommandId::LifeDoodle);
    PlayMove({{3, 4}, {2, 4}});
    EXPECT_EQ(At({3, 4}), Wall);
    EXPECT_EQ(At({2, 4}), Wall);
}

// Guards against a refused click that was still recorded as the last click: the Life Doodle,
// which brings the game's last click to life at its first generation, would then show it. A
// live corner (0, 0) gives (1, 0) its third live neighbour.
TEST(ClickProtocol, ARefusedClickIsNotRemembered) {
    for (const bool thinking : {true, false}) {
        GameTable table;
        table.workers.mode = GameTable::Mode::Held;
        if (thinking) {
            table.Play(testing::CrossBesideKing, Side::PlayerTwo, 7, PlayerType::Human,
                       PlayerType::AiEasy);
            table.Tick();
            ASSERT_EQ(table.workers.started, 1);
        } else {
            // Player 1's king is gone: the first click decides the level for Player 2.
            table.Play("15 16 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                       "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 3 0 0 0 0 0\n",
                       Side::PlayerOne, 7, PlayerType::Human, PlayerType::AiEasy);
            table.Click({3, 3});
            ASSERT_EQ(table.view.winners.size(), 1u);
        }
        table.Click({0, 0});
        table.Command(CommandId::LifeDoodle);
        table.Tick();
        table.Tick();
        EXPECT_EQ(table.At({1, 0}), Empty) << (thinking ? "while thinking" : "after the level");
    }
}

} // namespace
} // namespace trevallion
