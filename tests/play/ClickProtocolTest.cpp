#include "GameFixture.h"

namespace trevallion {
namespace {

// Player 1's pieces: an upright cross at (3, 4) beside its king at (3, 5), a vertical bar at
// (1, 5); walls at (4, 4) and (2, 2); Player 2's bar at (3, 2), a piece at (2, 3) and its king.
const char* const Position = "0 0 0 15 0 0 0\n"
                             "0 0 0 0  0 0 0\n"
                             "0 0 1 23 0 0 0\n"
                             "0 0 16 0 0 0 0\n"
                             "0 0 0 7  1 0 0\n"
                             "0 10 0 2 0 0 0\n"
                             "0 0 0 0  0 0 0\n";

class ClickProtocol : public testing::GameFixture {
  protected:
    void SetUp() override { Play(Position); }
};

TEST_F(ClickProtocol, WithoutSelectionOnlyOwnMovablePiecesAreTaken) {
    for (const auto& [x, y] : {std::pair{0, 0}, {4, 4}, {3, 5}, {3, 2}}) {
        Click(x, y); // empty, wall, own king, enemy piece
        EXPECT_TRUE(NothingSelected()) << x << ", " << y;
    }
    Click(3, 4);
    EXPECT_TRUE(Selected(3, 4));
    EXPECT_EQ(State().m_lastClickX, 3);
    EXPECT_EQ(State().m_lastClickY, 4);
    EXPECT_EQ(window.tileUpdates, 0) << "selecting shows nothing";
    EXPECT_TRUE(window.sounds.empty());
}

TEST_F(ClickProtocol, ReselectKeepAndClear) {
    Click(3, 4);
    Click(3, 4);
    EXPECT_TRUE(Selected(3, 4)) << "clicking the selected piece keeps it";
    Click(1, 5);
    EXPECT_TRUE(Selected(1, 5)) << "another own piece takes the selection";
    Click(4, 4);
    EXPECT_TRUE(NothingSelected()) << "a wall clears the selection";
}

TEST_F(ClickProtocol, IllegalTargetsKeepTheSelection) {
    Click(3, 4);
    for (const auto& [x, y] : {std::pair{3, 2}, {2, 3}, {6, 6}}) {
        Click(x, y); // two cells up, a diagonal without an arm, far away
        EXPECT_TRUE(Selected(3, 4)) << x << ", " << y;
    }
    EXPECT_EQ(State().m_sideToMove, Side::PlayerOne);
    EXPECT_EQ(window.tileUpdates, 0);
    EXPECT_TRUE(window.sounds.empty());
}

TEST_F(ClickProtocol, OwnKingCanBeSelectedButGoesNowhere) {
    Click(3, 4);
    Click(3, 5);
    EXPECT_TRUE(Selected(3, 5));
    Click(3, 6);
    Click(2, 5);
    EXPECT_TRUE(Selected(3, 5)) << "a king never steps";
    EXPECT_EQ(At(3, 5), PlayerOneKing);
    Click(2, 2);
    EXPECT_TRUE(NothingSelected());
}

TEST_F(ClickProtocol, QuietMovePassesTheTurnSilently) {
    Click(3, 4);
    Click(2, 4);
    EXPECT_EQ(At(3, 4), Empty);
    EXPECT_EQ(At(2, 4), 7);
    EXPECT_EQ(window.tiles[CellIndex(3, 4)], Empty);
    EXPECT_EQ(window.tiles[CellIndex(2, 4)], 7);
    EXPECT_TRUE(NothingSelected());
    EXPECT_EQ(State().m_sideToMove, Side::PlayerTwo);
    EXPECT_EQ(State().m_cursorSide, Side::PlayerTwo);
    EXPECT_TRUE(window.sounds.empty());
    EXPECT_TRUE(window.winners.empty());

    // Now Player 1's pieces are not Player 2's to pick.
    Click(2, 4);
    EXPECT_TRUE(NothingSelected());
    Click(3, 2);
    EXPECT_TRUE(Selected(3, 2));
}

TEST_F(ClickProtocol, CaptureOfAPiecePlaysTheCaptureSoundOnce) {
    Click(3, 4);
    Click(3, 3); // Player 1's cross steps up under Player 2's bar
    Click(3, 2);
    Click(3, 3); // and the bar takes it
    EXPECT_EQ(At(3, 2), Empty);
    EXPECT_EQ(At(3, 3), 23);
    EXPECT_EQ(window.tiles[CellIndex(3, 3)], 23);
    EXPECT_EQ(window.sounds, std::vector<std::string>{"sounds/capture1.wav"});
    EXPECT_EQ(State().m_sideToMove, Side::PlayerOne);

    Click(1, 5);
    Click(1, 4); // a quiet step adds no sound
    EXPECT_EQ(window.sounds.size(), 1u);
}

TEST_F(ClickProtocol, RefusedCallsLeaveEvenTheLastClick) {
    State().m_computerState = Thinking;
    Click(3, 4);
    EXPECT_EQ(State().m_lastClickX, NoCell);
    EXPECT_TRUE(NothingSelected());
    State().m_computerState = Idle;
    State().m_gameOver = 1;
    Click(3, 4);
    EXPECT_EQ(State().m_lastClickX, NoCell);
    EXPECT_TRUE(NothingSelected());
}

TEST_F(ClickProtocol, BeforeAnyLevelTheBoardIsNotInPlay) {
    State().m_timerMode = DoodleStartPending;
    Click(3, 4);
    Click(2, 4);
    EXPECT_EQ(At(3, 4), 7);
    EXPECT_EQ(State().m_lastClickX, 2) << "the last click is still kept";
    EXPECT_TRUE(NothingSelected());
}

TEST_F(ClickProtocol, OffBoardCoordinatesOnAHumansTurnChangeNothing) {
    Click(3, 4);
    Click(NoCell, NoCell);
    Click(-1, 4);
    EXPECT_TRUE(Selected(3, 4));
    EXPECT_EQ(State().m_sideToMove, Side::PlayerOne);
}

} // namespace
} // namespace trevallion
