#include "match/Match.h"
#include "levels/LevelLayouts.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

enum class Step { Level, Tick, Doodle, LoseKing };

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
    case Step::LoseKing: {
        Board lost = match.CurrentBoard();
        lost.At(3, 6) = Empty; // Player 1's king
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
        {{Step::Level, Step::Tick, Step::Doodle}, Phase::DoodleStarting, false},
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

TEST(Match, IsAValueThatACopyPlaysOnAlone) {
    Match match;
    match.SetUpLevel(1);
    const PlayedTurn turn = match.PlayTurn({{2, 5}, {1, 4}});
    EXPECT_EQ(turn.side, Side::PlayerOne);
    Match copy = match;
    const std::vector<ShownTurn> undone = copy.Undo();
    ASSERT_EQ(undone.size(), 1u);
    EXPECT_EQ(undone[0].atFrom, LayoutToBoard(LevelLayout(1)).At(2, 5));
    EXPECT_EQ(copy.CurrentBoard(), LayoutToBoard(LevelLayout(1)));
    EXPECT_EQ(copy.SideToMove(), Side::PlayerOne);
    EXPECT_EQ(match.SideToMove(), Side::PlayerTwo);
    EXPECT_NE(match.CurrentBoard(), copy.CurrentBoard());
}

} // namespace
} // namespace trevallion
