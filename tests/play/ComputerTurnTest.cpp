#include "GameFixture.h"
#include "levels/LevelLayouts.h"
#include "rules/GenerateMoves.h"

#include <algorithm>

namespace trevallion {
namespace {

using Workers = testing::FakeWindow::Workers;

class ComputerTurn : public testing::GameFixture {
  protected:
    std::vector<std::string> EventsFrom(std::size_t first) const {
        return {window.events.begin() + static_cast<std::ptrdiff_t>(first), window.events.end()};
    }

    // Player 1, AI Easy on level 1, is made human while its worker thinks; the worker's move,
    // (6, 6) to (5, 5), then waits.
    void LeaveAWaitingMove() {
        window.workers = Workers::Held;
        State().m_playerOneType = PlayerType::AiEasy;
        game.LoadLevel(1);
        game.OnTimer();
        game.OnCommand(CommandId::PlayerOneHuman);
        window.JoinWorker();
        EXPECT_EQ(State().m_computerState, MoveReady);
    }
};

TEST_F(ComputerTurn, FirstTickThinksClicksAreRefusedAndALaterTickPlaysTheMove) {
    window.workers = Workers::Held;
    State().m_playerOneType = PlayerType::AiEasy;
    game.LoadLevel(1);

    game.OnTimer();
    EXPECT_EQ(window.workersStarted, 1);
    EXPECT_EQ(State().m_computerState, Thinking);
    EXPECT_EQ(State().searchDepth, 2);
    EXPECT_EQ(State().m_computerMove, Move{});
    EXPECT_EQ(window.cursors.back(), Side::PlayerOne);

    // While it thinks, clicks and ticks change nothing, not even the last click.
    const Board before = State().board;
    Click(3, 5);
    Click(6, 6);
    game.OnTimer();
    EXPECT_EQ(window.workersStarted, 1);
    EXPECT_EQ(State().m_lastClickX, NoCell);
    EXPECT_EQ(State().board, before);

    window.JoinWorker();
    EXPECT_EQ(State().m_computerState, MoveReady);
    EXPECT_EQ(State().m_finishedSide, Side::PlayerOne);
    const std::size_t mark = window.events.size();
    game.OnTimer();

    // Level 1 at depth 2: Player 1 steps from the bottom-right corner up-left.
    EXPECT_EQ(At(6, 6), Empty);
    EXPECT_EQ(At(5, 5), 4);
    EXPECT_EQ(State().m_computerState, Idle);
    EXPECT_EQ(State().m_sideToMove, Side::PlayerTwo);
    EXPECT_EQ(State().m_cursorSide, Side::PlayerTwo);
    EXPECT_EQ(EventsFrom(mark), (std::vector<std::string>{"cursor 1", "tile", "focus 6 6",
                                                          "focus 5 5", "tile", "cursor 2"}));
    EXPECT_EQ(window.tiles[CellIndex(5, 5)], 4);

    // The human's move leaves the focus where the computer player put it.
    Click(3, 1);
    Click(3, 2);
    EXPECT_EQ(At(3, 2), 18);
    EXPECT_EQ(window.focus, std::make_pair(5, 5));
}

TEST_F(ComputerTurn, DepthFollowsTheStrength) {
    window.workers = Workers::Held;
    const std::pair<PlayerType, int> strengths[] = {{PlayerType::AiEasy, 2}, {PlayerType::AiMedium, 4}, {PlayerType::AiDifficult, 6}};
    for (const auto& [type, depth] : strengths) {
        State().m_playerTwoType = type;
        game.LoadLevel(3);
        State().m_sideToMove = Side::PlayerTwo;
        game.OnTimer();
        EXPECT_EQ(State().searchDepth, depth);
        EXPECT_EQ(State().m_computerState, Thinking);
        window.JoinWorker();
    }
}

TEST_F(ComputerTurn, NoLegalStepPassesTheTurnWithoutAMove) {
    // Player 1's only piece faces a wall above and the board's edge below.
    Play("15 0 0 0 0 0 23\n"
         "0 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n"
         "1 0 0 0 0 0 0\n"
         "3 0 2 0 0 0 0\n");
    State().m_playerOneType = PlayerType::AiMedium;
    const Board before = State().board;
    game.OnTimer();
    game.OnTimer();
    EXPECT_EQ(State().board, before);
    EXPECT_EQ(State().m_sideToMove, Side::PlayerTwo);
    EXPECT_EQ(window.cursors.back(), Side::PlayerTwo);
    EXPECT_EQ(State().m_gameOver, 0);
    EXPECT_EQ(State().m_computerMove, Move{});
}

TEST_F(ComputerTurn, AHopelessSearchFallsBackToTheFirstGeneratedMove) {
    // Whatever Player 1 does, Player 2's bar takes its king: every move scores below -1000, so
    // the search records none, and the first move of the quiet-first list is played.
    Play("15 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n"
         "0 0 0 0 9 0 0\n"
         "0 0 0 0 0 0 0\n"
         "23 0 0 0 0 0 0\n"
         "2 0 0 0 0 0 0\n");
    State().m_playerOneType = PlayerType::AiEasy;
    game.OnTimer();
    game.OnTimer();
    EXPECT_EQ(At(4, 3), Empty);
    EXPECT_EQ(At(3, 3), 9);
    EXPECT_EQ(State().m_computerMove, (Move{4, 3, 3, 3}));
    EXPECT_EQ(window.focus, std::make_pair(3, 3));
    EXPECT_EQ(State().m_sideToMove, Side::PlayerTwo);
}

TEST_F(ComputerTurn, AWorkerThatCannotStartDoesNotFreezeTheGame) {
    window.workers = Workers::Failing;
    State().m_playerOneType = PlayerType::AiMedium;
    game.LoadLevel(4);
    MoveList expected;
    ClearMoveList(expected);
    GenerateMoves(State().board, expected, Side::PlayerOne, State().m_orderingMode);
    const MoveRecord first = expected[0];
    const CellCode mover = At(first.fromX, first.fromY);

    game.OnTimer();
    EXPECT_NE(State().m_computerState, Thinking);
    game.OnTimer();
    EXPECT_EQ(At(first.fromX, first.fromY), Empty);
    EXPECT_EQ(At(first.toX, first.toY), mover);
    EXPECT_EQ(State().m_sideToMove, Side::PlayerTwo);
    EXPECT_EQ(State().m_computerState, Idle);
}

TEST_F(ComputerTurn, AWaitingMoveIsDroppedOnceAHumanHasMoved) {
    LeaveAWaitingMove();

    Click(3, 5); // the human plays a different move
    Click(3, 4);
    EXPECT_EQ(At(3, 4), 3);
    EXPECT_EQ(State().m_computerState, Idle);

    // Player 2 becomes a computer player: it thinks for itself instead of stalling behind the
    // move that was worked out for a position that no longer exists.
    game.OnCommand(CommandId::PlayerTwoEasy);
    window.workers = Workers::Inline;
    game.OnTimer();
    EXPECT_EQ(window.workersStarted, 2);
    game.OnTimer();
    EXPECT_EQ(State().m_sideToMove, Side::PlayerOne);
    EXPECT_EQ(At(6, 6), 4) << "Player 1's stale move was played";
    EXPECT_EQ(At(5, 5), Empty);
}

TEST_F(ComputerTurn, AWaitingMoveStillPlaysOnItsOwnPosition) {
    LeaveAWaitingMove();
    // Nothing has moved: made a computer player again, Player 1 plays the move it found.
    game.OnCommand(CommandId::PlayerOneEasy);
    game.OnTimer();
    EXPECT_EQ(window.workersStarted, 1);
    EXPECT_EQ(At(5, 5), 4);
    EXPECT_EQ(State().m_sideToMove, Side::PlayerTwo);
}

TEST_F(ComputerTurn, APlayedMoveDropsTheSelectionOfTheSideItWasMadeFor) {
    game.LoadLevel(1);
    Click(4, 5); // Player 1 picks a piece, then hands the move to the computer
    game.OnCommand(CommandId::PlayerOneEasy);
    game.OnTimer();
    game.OnTimer();
    ASSERT_EQ(At(5, 5), 4);
    ASSERT_EQ(State().m_sideToMove, Side::PlayerTwo);
    Click(5, 4); // where Player 1's piece could step: Player 2 must not move it
    EXPECT_EQ(At(4, 5), 5);
    EXPECT_EQ(At(5, 4), Empty);
    EXPECT_EQ(State().m_sideToMove, Side::PlayerTwo);
}

TEST_F(ComputerTurn, TicksOutsideAGameOrOnAHumansTurnDoNothing) {
    State().m_playerTwoType = PlayerType::AiMedium;
    game.OnTimer(); // before any level: the Life Doodle's tick
    EXPECT_EQ(window.workersStarted, 0);
    EXPECT_EQ(State().m_noGame, 1);
    game.LoadLevel(1);
    game.OnTimer(); // Player 1, a human, is to move
    EXPECT_EQ(window.workersStarted, 0);
    EXPECT_EQ(State().m_noGame, 0);
}

} // namespace
} // namespace trevallion
