#include "match/Match.h"
#include "levels/LevelLayouts.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

// Level 1 with Player 1 to move: its piece at (2, 5) steps up-left to the empty (1, 4).
Match LevelOne() {
    Match match;
    match.SetUpLevel(1);
    return match;
}

// What each step leads to, from the phase before it.
struct PhaseStep {
    const char* step;
    Phase before;
    Phase after;
};

Phase After(Phase before, const std::string& step) {
    Match match;
    if (before != Phase::DoodleStarting) {
        match.SetUpLevel(1);
        match.GameTick();
    }
    if (before == Phase::Decided || before == Phase::DoodleAskedDecided) {
        Board lost = match.CurrentBoard();
        lost.At(3, 6) = Empty; // Player 1's king is gone
        match.Load(lost, Side::PlayerOne, 1);
        match.Decide();
    }
    if (before == Phase::DoodleAskedDecided) {
        match.AskDoodle();
    }
    EXPECT_EQ(match.CurrentPhase(), before) << step;
    if (step == "level") {
        match.SetUpLevel(2);
    } else if (step == "doodle") {
        match.AskDoodle();
    } else if (step == "tick") {
        match.GameTick();
    }
    return match.CurrentPhase();
}

TEST(Match, PhasesFollowTheGame) {
    const PhaseStep steps[] = {
        {"level", Phase::DoodleStarting, Phase::LevelReady},
        {"tick", Phase::Playing, Phase::Playing},
        {"level", Phase::Playing, Phase::Playing},
        {"doodle", Phase::Playing, Phase::DoodleStarting},
        {"doodle", Phase::Decided, Phase::DoodleAskedDecided},
        {"tick", Phase::Decided, Phase::Decided},
        {"level", Phase::Decided, Phase::Playing},
    };
    for (const PhaseStep& s : steps) {
        EXPECT_EQ(After(s.before, s.step), s.after) << s.step;
    }
}

TEST(Match, OnlyAGameATickHasDrivenIsSaveable) {
    Match match = LevelOne();
    EXPECT_FALSE(match.Saveable());
    match.GameTick();
    EXPECT_TRUE(match.Saveable());
    match.AskDoodle();
    EXPECT_FALSE(match.Saveable());
}

TEST(Match, AMoveIsPlayedKeptAndTakenBack) {
    Match match = LevelOne();
    EXPECT_FALSE(match.HumanClick({1, 4})); // an empty cell picks nothing
    EXPECT_FALSE(match.HumanClick({2, 5}));
    EXPECT_EQ(match.Selection(), (Cell{2, 5}));
    const std::optional<PlayedTurn> turn = match.HumanClick({1, 4});
    ASSERT_TRUE(turn);
    EXPECT_EQ(turn->move, (Move{{2, 5}, {1, 4}}));
    EXPECT_EQ(match.SideToMove(), Side::PlayerTwo);
    EXPECT_FALSE(match.Selection());

    // The match is a value: a copy plays on alone.
    Match copy = match;
    copy.Undo();
    EXPECT_EQ(copy.CurrentBoard(), LayoutToBoard(LevelLayout(1)));
    EXPECT_EQ(copy.SideToMove(), Side::PlayerOne);
    EXPECT_NE(match.CurrentBoard(), copy.CurrentBoard());
    EXPECT_NE(match.Position(), copy.Position());
}

} // namespace
} // namespace trevallion
