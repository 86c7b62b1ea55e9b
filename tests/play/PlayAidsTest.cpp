// The play aids: Show Moves, Undo Move and Redo Move, the hint and Choose Level, through the
// controller's inputs and what the view was told.

#include "GameFixture.h"

namespace trevallion {
namespace {

class PlayAids : public testing::GameFixture {
  protected:
    static BoardMarks Marks(std::optional<Cell> selected, std::initializer_list<Cell> targets,
                            std::optional<Move> lastMove = std::nullopt) {
        BoardMarks marks{true, selected, 0, lastMove};
        for (const Cell cell : targets) {
            marks.targets |= CellBit(cell);
        }
        return marks;
    }
};

TEST_F(PlayAids, ShowMovesMarksFollowTheSelection) {
    StartLevel(2);
    Click({3, 4});
    EXPECT_EQ(view.marks, BoardMarks{}) << "Show Moves is off by default";

    Command(CommandId::ShowMoves);
    EXPECT_TRUE(view.Checked(CommandId::ShowMoves));
    EXPECT_EQ(settings.values["ShowMoves"], 1);
    struct Step {
        Cell click;
        BoardMarks marks;
    };
    // Level 2: Player 1's three-armed piece at (3, 4) below a row of walls, its bars and king
    // on the bottom row.
    const Step steps[] = {
        {{3, 4}, Marks(Cell{3, 4}, {{2, 3}, {4, 3}, {3, 5}})}, // selected, no wall a target
        {{2, 6}, Marks(Cell{2, 6}, {{2, 5}})},                 // reselect: a bar, up only
        {{3, 6}, Marks(Cell{3, 6}, {})},                       // the king goes nowhere
        {{1, 3}, Marks(std::nullopt, {})},                     // a wall clears it
        {{3, 4}, Marks(Cell{3, 4}, {{2, 3}, {4, 3}, {3, 5}})},
        {{4, 3}, Marks(std::nullopt, {}, Move{{3, 4}, {4, 3}})}, // moved: the last move shows
    };
    for (const Step& step : steps) {
        Click(step.click);
        EXPECT_EQ(view.marks, step.marks) << "click " << step.click.x << ", " << step.click.y;
    }
    Command(CommandId::ShowMoves);
    EXPECT_EQ(view.marks, BoardMarks{});
}

// What the view is told of Undo and Redo: the board, the cursor of the side now to move, the
// items' states, and no sound. Which turns they take is the match's to say.
TEST_F(PlayAids, UndoAndRedoShowTheBoardOfTheHistory) {
    StartLevel(1);
    EXPECT_FALSE(view.Enabled(CommandId::UndoMove));
    Click({3, 5}), Click({3, 4}); // Player 1
    const Board afterOne = view.Shown();
    Click({3, 1}), Click({3, 2}); // Player 2
    Command(CommandId::UndoMove);
    EXPECT_EQ(view.Shown(), afterOne);
    EXPECT_EQ(view.cursor, CursorSide::PlayerTwo);
    EXPECT_TRUE(view.Enabled(CommandId::RedoMove));
    Click({4, 1}), Click({5, 2}); // a new move for Player 2 ends what could be redone
    EXPECT_FALSE(view.Enabled(CommandId::RedoMove));
    EXPECT_TRUE(view.sounds.empty()) << "undo and redo are silent";
}

// The computer's moves and redone moves are told after all their tiles; others are not.
TEST_F(PlayAids, ComputerAndRedoneMovesAreToldAfterTheirTiles) {
    StartLevel(1, PlayerType::Human, PlayerType::AiEasy);
    const Move human{{6, 6}, {5, 5}};
    PlayMove(human);
    Tick(), Tick();
    ASSERT_EQ(view.movesMade.size(), 1u);
    const Move computer = view.movesMade[0].first;
    const Board both = Moved(Moved(Level(1), human), computer);
    Command(CommandId::UndoMove);
    Command(CommandId::RedoMove);
    EXPECT_EQ(view.movesMade, (std::vector<std::pair<Move, Board>>{
                                  {computer, both}, {human, both}, {computer, both}}));
}

TEST_F(PlayAids, UndoTakesBackTheComputersReplyAndStopsItsSearch) {
    StartLevel(1, PlayerType::Human, PlayerType::AiEasy);
    Click({3, 5}), Click({3, 4});
    const Board afterHuman = view.Shown();
    Tick(), Tick(); // Player 2 thinks and replies
    ASSERT_NE(view.Shown(), afterHuman);
    Command(CommandId::UndoMove);
    EXPECT_EQ(view.Shown(), Level(1));
    EXPECT_EQ(view.cursor, CursorSide::PlayerOne);

    // Undo while Player 2 thinks: the search is abandoned and its move never played.
    Click({3, 5}), Click({3, 4});
    workers.mode = Mode::Held;
    Tick();
    view.ClearRecords();
    Command(CommandId::UndoMove);
    EXPECT_EQ(view.titles, (std::vector<std::string>{"Please Wait...", "Trevallion Level 1"}));
    EXPECT_EQ(view.Shown(), Level(1));
    EXPECT_FALSE(workers.Running());
}

TEST_F(PlayAids, UndoReopensALevelLostToTheComputer) {
    // Player 2, AI Easy, takes Player 1's king whatever Player 1 does.
    const char* const rows = "15 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                             "0 0 0 0 0 0 0\n0 0 0 23 0 0 0\n0 0 0 2 0 0 3\n";
    Play(rows, Side::PlayerOne, 9, PlayerType::Human, PlayerType::AiEasy);
    Click({6, 6}), Click({6, 5});
    Tick(), Tick();
    ASSERT_EQ(view.title, "Game Over");
    ASSERT_EQ(view.messages.size(), 1u); // the retry, answered No
    Command(CommandId::UndoMove);
    EXPECT_EQ(view.Shown(), testing::BoardFromRows(rows));
    EXPECT_EQ(view.title, "Trevallion Level 9");
    EXPECT_EQ(view.cursor, CursorSide::PlayerOne);
    EXPECT_TRUE(view.Enabled(CommandId::Hint)) << "the level plays on";

    // Redone, the loss is the level's end again, without a sound.
    view.ClearRecords();
    Command(CommandId::RedoMove);
    EXPECT_EQ(view.winners, std::vector<Side>{Side::PlayerTwo});
    EXPECT_TRUE(view.sounds.empty());
}

// The hint is AI Expert's choice, given the level's positions so far.
TEST_F(PlayAids, HintShowsWhatAiExpertWouldPlay) {
    StartLevel(1, PlayerType::Human, PlayerType::AiEasy);
    Command(CommandId::Hint);
    ASSERT_FALSE(view.wakes.empty());
    game.OnWake();
    const PositionKey seen[] = {KeyOf(Level(1), Side::PlayerOne)};
    const std::atomic<bool> abort{false};
    EXPECT_EQ(view.hint, ExpertSearch().Choose(Level(1), Side::PlayerOne, seen, {}, abort).move);
    PlayMove(view.hint.value()); // taking the hint moves on: the hint goes
    EXPECT_EQ(view.hint, std::nullopt);
    EXPECT_FALSE(view.Enabled(CommandId::Hint)) << "hints are for a human to move";
}

TEST_F(PlayAids, ChooseLevelSetsTheLevelUpAsTheLevelCommandsDo) {
    StartLevel(3);
    view.chosenLevels = {std::nullopt, 23};
    Command(CommandId::ChooseLevel);
    EXPECT_EQ(view.Shown(), Level(3)) << "cancelled";
    Command(CommandId::ChooseLevel);
    EXPECT_EQ(view.events.front(), "choose level 3");
    EXPECT_EQ(view.sounds, std::vector<std::string>{"sounds/ambient1.wav"});
    EXPECT_EQ(view.title, "Trevallion Level 23");
    EXPECT_EQ(view.Shown(), Level(23));
}

} // namespace
} // namespace trevallion
