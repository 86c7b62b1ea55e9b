#include "match/Match.h"
#include "BoardText.h"
#include "levels/LevelLayouts.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

enum class Step { Level, Tick, Doodle, DoodleStart, LoseKing };

void Apply(Match& match, Step step) {
    switch (step) {
    case Step::Level:
        match.SetUpLevel(1);
        return;
    case Step::Tick:
        match.GameTick();
        return;
    case Step::Doodle:
        match.AskDoodle();
        return;
    case Step::DoodleStart:
        match.StartDoodle();
        return;
    case Step::LoseKing: {
        Board lost = match.CurrentBoard();
        lost.At({3, 6}) = Empty; // Player 1's king
        match.Load(lost, Side::PlayerOne, 1);
        match.Decide();
        return;
    }
    }
}

// The phase after each step from start-up, and whether there is a game to save then.
TEST(Match, PhasesFollowTheGame) {
    const struct {
        std::vector<Step> steps;
        Phase phase;
        bool saveable;
    } cases[] = {
        {{}, Phase::DoodleStarting, false},
        {{Step::Level}, Phase::LevelReady, false},
        {{Step::Level, Step::Tick}, Phase::Playing, true},
        {{Step::Level, Step::Tick, Step::Level}, Phase::Playing, true},
        {{Step::Level, Step::Doodle}, Phase::DoodleStarting, false},
        {{Step::Level, Step::Tick, Step::Doodle}, Phase::DoodleAskedPlaying, true},
        {{Step::Level, Step::Tick, Step::Doodle, Step::Level}, Phase::Playing, true},
        {{Step::Level, Step::Tick, Step::Doodle, Step::DoodleStart, Step::Level},
         Phase::LevelReady,
         false},
        {{Step::Level, Step::Tick, Step::LoseKing}, Phase::Decided, false},
        {{Step::Level, Step::Tick, Step::LoseKing, Step::Tick}, Phase::Decided, false},
        {{Step::Level, Step::Tick, Step::LoseKing, Step::Doodle}, Phase::DoodleAskedDecided, false},
        {{Step::Level, Step::Tick, Step::LoseKing, Step::Level}, Phase::Playing, true},
    };
    for (const auto& c : cases) {
        Match match;
        for (const Step step : c.steps) {
            Apply(match, step);
        }
        EXPECT_EQ(match.CurrentPhase(), c.phase) << c.steps.size() << " steps";
        EXPECT_EQ(match.Saveable(), c.saveable) << c.steps.size() << " steps";
    }
}

// Player 1's pieces: an upright cross at (3, 4) beside its king at (3, 5), a vertical bar at
// (1, 5); walls at (4, 4) and (2, 2); Player 2's bar at (3, 2), a piece at (2, 3) and its king.
const char* const Position = "0 0 0 15 0 0 0\n"
                             "0 0 0 0  0 0 0\n"
                             "0 0 1 23 0 0 0\n"
                             "0 0 16 0 0 0 0\n"
                             "0 0 0 7  1 0 0\n"
                             "0 10 0 2 0 0 0\n"
                             "0 0 0 0  0 0 0\n";

TEST(Match, TheSelectionDecidesWhatALaterClickMoves) {
    const Move crossLeft{{3, 4}, {2, 4}};
    const struct {
        const char* what;
        std::vector<Cell> clicks;
        std::optional<Move> moved;
    } cases[] = {
        {"an own piece, then its target", {{3, 4}, {2, 4}}, crossLeft},
        {"the selected piece again keeps it", {{3, 4}, {3, 4}, {2, 4}}, crossLeft},
        {"another own piece takes it", {{3, 4}, {1, 5}, {1, 4}}, Move{{1, 5}, {1, 4}}},
        {"a wall clears it", {{3, 4}, {4, 4}, {2, 4}}, std::nullopt},
        // Two cells up, a diagonal without an arm, far away, off the board.
        {"refused targets keep it",
         {{3, 4}, {3, 2}, {2, 3}, {6, 6}, {NoCell, NoCell}, {-1, 4}, {2, 4}},
         crossLeft},
        {"the own king takes it and goes nowhere", {{3, 4}, {3, 5}, {3, 6}, {2, 4}}, std::nullopt},
        {"an own piece takes it back from the king", {{3, 4}, {3, 5}, {3, 4}, {2, 4}}, crossLeft},
        {"an enemy piece is not taken", {{3, 2}, {3, 1}}, std::nullopt},
        {"nor an empty cell, a wall or the own king", {{0, 0}, {4, 4}, {3, 5}}, std::nullopt},
    };
    for (const auto& c : cases) {
        Match match;
        match.Load(testing::BoardFromRows(Position), Side::PlayerOne, 7);
        std::optional<Move> moved;
        for (const Cell cell : c.clicks) {
            if (const auto turn = match.HumanClick(cell)) {
                moved = turn->move;
            }
        }
        EXPECT_EQ(moved, c.moved) << c.what;
    }
}

TEST(Match, IsAValueThatACopyPlaysOnAlone) {
    Match match;
    match.SetUpLevel(1);
    const PlayedTurn turn = match.PlayTurn({{2, 5}, {1, 4}});
    EXPECT_EQ(turn.side, Side::PlayerOne);
    Match copy = match;
    const std::vector<ShownTurn> undone = copy.Undo();
    ASSERT_EQ(undone.size(), 1u);
    EXPECT_EQ(undone[0].atFrom, LayoutToBoard(LevelLayout(1)).At({2, 5}));
    EXPECT_EQ(copy.CurrentBoard(), LayoutToBoard(LevelLayout(1)));
    EXPECT_EQ(copy.SideToMove(), Side::PlayerOne);
    EXPECT_EQ(match.SideToMove(), Side::PlayerTwo);
    EXPECT_NE(match.CurrentBoard(), copy.CurrentBoard());
}

} // namespace
} // namespace trevallion
