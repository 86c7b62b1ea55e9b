#include "GameFixture.h"

namespace trevallion {
namespace {

using testing::GameTable;
using testing::ThreeStrengths;

class ComputerTurn : public testing::GameFixture {
  protected:
    // Player 1, AI Easy on level 1, is made human while its worker thinks; the worker's move,
    // (6, 6) to (5, 5), then waits.
    void LeaveAWaitingMove() {
        workers.mode = Mode::Held;
        StartLevel(1, PlayerType::AiEasy);
        Tick();
        Command(CommandId::PlayerOneHuman);
        workers.Join();
    }
};

TEST_F(ComputerTurn, FirstTickThinksClicksAreRefusedAndTheNextCallPlaysTheMove) {
    workers.mode = Mode::Held;
    StartLevel(1, PlayerType::AiEasy);
    Tick();
    EXPECT_EQ(workers.started, 1);

    // While it thinks, clicks and ticks change nothing.
    Click({3, 5});
    Click({3, 4});
    Tick();
    EXPECT_EQ(workers.started, 1);
    EXPECT_TRUE(view.events.empty());

    // Once it has finished, a click on its turn plays the move as a tick would. Level 1 at
    // depth 2: Player 1 steps from the bottom-right corner up-left, and the focus marks it.
    workers.Join();
    Click({0, 3});
    EXPECT_EQ(view.Shown(), Moved(Level(1), {{6, 6}, {5, 5}}));
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"tile", "focus 6 6", "focus 5 5", "tile", "cursor 2"}));

    // The human's move leaves the focus where the computer player put it.
    PlayMove({{3, 1}, {3, 2}});
    EXPECT_EQ(At({3, 2}), 18);
    EXPECT_EQ(view.focus, (Cell{5, 5}));
}

// A player who listens hears each move as it is played, with what it took: the human's and the
// computer player's alike, but not the moves Undo takes back and Redo plays again.
TEST_F(ComputerTurn, EachMovePlayedIsToldWithWhatItTook) {
    Play("23 22 1 0 0 0 15\n"
         "7 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n"
         "0 0 0 0 7 0 0\n"
         "0 0 0 0 0 0 2\n",
         Side::PlayerOne, 7, PlayerType::Human, PlayerType::AiEasy);
    PlayMove({{0, 1}, {0, 0}});
    Tick();
    Tick();
    Command(CommandId::UndoMove);
    Command(CommandId::RedoMove);
    ASSERT_EQ(view.movesPlayed.size(), 2u);
    EXPECT_EQ(view.movesPlayed[0].side, Side::PlayerOne);
    EXPECT_EQ(view.movesPlayed[0].captured, 23);
    EXPECT_EQ(view.movesPlayed[1].side, Side::PlayerTwo);
    EXPECT_EQ(view.movesPlayed[1].move, (Move{{1, 0}, {0, 0}}));
    EXPECT_EQ(view.movesPlayed[1].captured, 7);
}

// Guards against a search at the wrong depth: each strength plays the engine's move at its own.
TEST(ComputerStrengths, EachPlaysTheEnginesMoveAtItsDepth) {
    const Board board = testing::BoardFromRows(ThreeStrengths);
    std::vector<Move> played;
    for (const PlayerType type :
         {PlayerType::AiEasy, PlayerType::AiMedium, PlayerType::AiDifficult}) {
        GameTable table;
        table.Play(ThreeStrengths, Side::PlayerTwo, 7, PlayerType::Human, type);
        table.Tick();
        table.Tick();
        const Move expected = GameTable::EngineMove(type, Side::PlayerTwo, board);
        EXPECT_EQ(table.view.Shown(), GameTable::Moved(board, expected)) << PlayerTypeNumber(type);
        played.push_back(expected);
    }
    ASSERT_EQ(played.size(), 3u);
    EXPECT_NE(played[0], played[1]);
    EXPECT_NE(played[1], played[2]);
}

TEST_F(ComputerTurn, NoLegalStepPassesTheTurnWithoutAMove) {
    // Player 1's only piece faces a wall above and the board's edge below.
    const char* const stuck = "15 0 0 0 0 0 23\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                              "0 0 0 0 0 0 0\n1 0 0 0 0 0 0\n3 0 2 0 0 0 0\n";
    Play(stuck, Side::PlayerOne, 7, PlayerType::AiMedium);
    Tick();
    Tick();
    EXPECT_EQ(view.Shown(), testing::BoardFromRows(stuck));
    EXPECT_EQ(view.events, std::vector<std::string>{"cursor 2"});
    EXPECT_TRUE(view.winners.empty());
}

TEST_F(ComputerTurn, AHopelessSearchFallsBackToTheFirstGeneratedMove) {
    // Whatever Player 1 does, Player 2's bar takes its king: every move scores below -1000, so
    // the search records none, and the first move of the quiet-first list is played.
    Play("15 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 9 0 0\n"
         "0 0 0 0 0 0 0\n23 0 0 0 0 0 0\n2 0 0 0 0 0 0\n",
         Side::PlayerOne, 7, PlayerType::AiEasy);
    Tick();
    Tick();
    EXPECT_EQ(At({4, 3}), Empty);
    EXPECT_EQ(At({3, 3}), 9);
    EXPECT_EQ(view.focus, (Cell{3, 3}));
    EXPECT_EQ(view.cursor, CursorSide::PlayerTwo);
}

// Guards against a game frozen for good behind a worker that never came.
TEST_F(ComputerTurn, AWorkerThatCannotStartPlaysTheFirstGeneratedMove) {
    workers.mode = Mode::Failing;
    StartLevel(4, PlayerType::AiMedium);
    Tick();
    Tick();
    EXPECT_EQ(view.Shown(), Moved(Level(4), FirstMove(Level(4), Side::PlayerOne)));
    EXPECT_EQ(view.cursor, CursorSide::PlayerTwo);
}

// Guards against a move worked out for a position that no longer exists: played on the board
// a human has changed since, or stalling a computer player of the other side behind it.
TEST_F(ComputerTurn, AWaitingMoveIsDroppedOnceAHumanHasMoved) {
    LeaveAWaitingMove();
    PlayMove({{3, 5}, {3, 4}}); // the human plays a different move
    EXPECT_EQ(At({3, 4}), 3);

    Command(CommandId::PlayerTwoEasy);
    workers.mode = Mode::Inline;
    Tick();
    EXPECT_EQ(workers.started, 2) << "Player 2 does not think for itself";
    Tick();
    EXPECT_EQ(view.cursor, CursorSide::PlayerOne);
    EXPECT_EQ(At({6, 6}), 4) << "Player 1's stale move was played";
    EXPECT_EQ(At({5, 5}), Empty);
}

TEST_F(ComputerTurn, AWaitingMoveStillPlaysOnItsOwnPosition) {
    LeaveAWaitingMove();
    // Nothing has moved: made a computer player again, Player 1 plays the move it found.
    Command(CommandId::PlayerOneEasy);
    Tick();
    EXPECT_EQ(workers.started, 1);
    EXPECT_EQ(view.Shown(), Moved(Level(1), {{6, 6}, {5, 5}}));
    EXPECT_EQ(view.cursor, CursorSide::PlayerTwo);
}

// Guards against a piece picked while its side was human staying picked for the next side.
TEST_F(ComputerTurn, APlayedMoveDropsTheSelectionOfTheSideItWasMadeFor) {
    StartLevel(1);
    Click({4, 5}); // Player 1 picks a piece, then hands the move to the computer
    Command(CommandId::PlayerOneEasy);
    Tick();
    Tick();
    ASSERT_EQ(At({5, 5}), 4);
    Click({5, 4}); // where Player 1's piece could step: Player 2 must not move it
    EXPECT_EQ(At({4, 5}), 5);
    EXPECT_EQ(At({5, 4}), Empty);
    EXPECT_EQ(view.cursor, CursorSide::PlayerTwo);
}

// A tick before any level is the Life Doodle's, and a tick on a human's turn starts no search;
// but it puts the game in play, so that it may be saved.
TEST_F(ComputerTurn, TicksOutsideAGameOrOnAHumansTurnStartNoSearch) {
    StartWith({{"PlayerOne", 0}, {"PlayerTwo", 2}});
    Tick();
    Command(CommandId::SaveGame);
    EXPECT_EQ(view.messages.size(), 1u) << "saving is refused before a game";
    Command(CommandId::Level1);
    Tick();
    EXPECT_EQ(workers.started, 0);
    view.ClearRecords();
    Command(CommandId::SaveGame);
    EXPECT_EQ(view.events, std::vector<std::string>{"save dialog"});
}

} // namespace
} // namespace trevallion
