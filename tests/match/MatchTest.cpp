#include "match/Match.h"
#include "BoardText.h"
#include "levels/LevelLayouts.h"
#include "rules/ApplyMove.h"

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
        match.Decide(RepetitionRule::PlayOn);
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
         {{3, 4}, {3, 2}, {2, 3}, {6, 6}, {50, 50}, {-1, 4}, {2, 4}},
         crossLeft},
        {"the own king takes it and goes nowhere", {{3, 4}, {3, 5}, {3, 6}, {2, 4}}, std::nullopt},
        {"an own piece takes it back from the king", {{3, 4}, {3, 5}, {3, 4}, {2, 4}}, crossLeft},
        {"an enemy piece is not taken", {{3, 2}, {3, 1}}, std::nullopt},
        {"nor an empty cell, a wall or the own king", {{0, 0}, {4, 4}, {3, 5}}, std::nullopt},
    };
    for (const auto& c : cases) {
        Match match;
        match.Load(testing::BoardFromRows(testing::CrossBesideKing), Side::PlayerOne, 7);
        std::optional<Move> moved;
        for (const Cell cell : c.clicks) {
            if (const auto turn = match.HumanClick(cell)) {
                moved = turn->move;
            }
        }
        EXPECT_EQ(moved, c.moved) << c.what;
    }
}

// Undo takes back the last turn and the computer players' turns before it, so that a human is
// to move again; Redo plays them again; a new turn ends what could be redone; a decided level
// opens again; a loaded game starts a history of its own, and a replayed one the history of its
// turns. Ops: U undo, R redo, N a new turn for the side to move, L a game loaded, P the level's
// start replayed with both turns.
TEST(Match, UndoAndRedoWalkTheHistory) {
    const Move turns[] = {{{3, 5}, {3, 4}}, {{3, 1}, {3, 2}}}; // Player 1, then Player 2
    const PlayerType human = PlayerType::Human, computer = PlayerType::AiEasy;
    const struct {
        const char* ops;
        PlayerType one, two;
        int turnsOnBoard; // of the two turns above, after the ops
        bool canUndo, canRedo;
    } cases[] = {
        {"U", human, human, 1, true, true},      {"UU", human, human, 0, false, true},
        {"UUR", human, human, 1, true, true},    {"UURR", human, human, 2, true, false},
        {"UN", human, human, 2, true, false},    {"U", human, computer, 0, false, true},
        {"UR", human, computer, 2, true, false}, {"U", computer, computer, 1, true, true},
        {"L", human, human, 0, false, false},    {"UUP", human, human, 2, true, false},
        {"PUU", human, human, 0, false, true},
    };
    for (const auto& c : cases) {
        Match match;
        match.SetUpLevel(1);
        match.SetPlayer(Side::PlayerOne, c.one);
        match.SetPlayer(Side::PlayerTwo, c.two);
        for (const Move& move : turns) {
            match.PlayTurn(move);
        }
        for (const char op : std::string_view(c.ops)) {
            if (op == 'U') {
                match.Undo();
            } else if (op == 'R') {
                match.Redo();
            } else if (op == 'N') {
                match.PlayTurn(turns[1]);
            } else if (op == 'P') {
                const std::optional<Move> both[] = {turns[0], turns[1]};
                match.Replay(LayoutToBoard(LevelLayout(1)), Side::PlayerOne, 1, both);
            } else {
                match.Load(LayoutToBoard(LevelLayout(1)), Side::PlayerOne, 1);
            }
        }
        Board want = LayoutToBoard(LevelLayout(1));
        for (int i = 0; i < c.turnsOnBoard; ++i) {
            ApplyMove(want, turns[i]);
        }
        EXPECT_EQ(match.CurrentBoard(), want) << c.ops;
        EXPECT_EQ(match.SideToMove(), c.turnsOnBoard == 1 ? Side::PlayerTwo : Side::PlayerOne)
            << c.ops;
        EXPECT_EQ(match.History().CanUndo(), c.canUndo) << c.ops;
        EXPECT_EQ(match.History().CanRedo(), c.canRedo) << c.ops;
    }
}

TEST(Match, UndoOpensADecidedLevelAgain) {
    Match match;
    match.Load(testing::BoardFromRows(testing::CrossBesideKing), Side::PlayerOne, 7);
    match.GameTick();
    match.PlayTurn(Move{{3, 4}, {3, 3}});
    match.PlayTurn(Move{{3, 2}, {3, 3}});
    match.PlayTurn(Move{{1, 5}, {1, 4}});
    match.PlayTurn(Move{{3, 3}, {3, 4}}); // Player 2's bar steps back down
    match.PlayTurn(Move{{1, 4}, {1, 3}});
    match.PlayTurn(Move{{3, 4}, {3, 5}}); // and takes Player 1's king
    const Verdict won{Outcome::Won, Side::PlayerTwo};
    ASSERT_EQ(match.Decide(RepetitionRule::PlayOn), won);
    EXPECT_TRUE(match.TurnsRefused());
    match.Undo();
    EXPECT_EQ(match.CurrentPhase(), Phase::Playing);
    EXPECT_EQ(match.Decide(RepetitionRule::PlayOn).outcome, Outcome::GoesOn);
    match.Redo();
    EXPECT_EQ(match.Decide(RepetitionRule::PlayOn), won);
}

// Ops on two humans' shuffling, each followed by Decide: S the round's next turn, P a pass, U
// Undo. The third coming of a position is told once, or draws the level; Undo takes positions out
// of the count, and a pass back with the turn before it; when neither side can move, it is stuck.
TEST(Match, DecideCountsTheLevelsPositions) {
    using enum Outcome;
    const char* const walledIn = "22 0 1 0 0 0 15\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                 "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n9 1 1 0 0 0 2\n";
    const auto playOn = RepetitionRule::PlayOn, draw = RepetitionRule::Draw;
    const std::tuple<const char*, RepetitionRule, std::string_view, Outcome, int, Side> cases[] = {
        {testing::Shuffle, playOn, "SSSSSSSS", Repeated, 3, Side::PlayerOne},
        {testing::Shuffle, playOn, "SSSSSSSSSSSS", GoesOn, 4, Side::PlayerOne},
        {testing::Shuffle, draw, "SSSSSSSS", Drawn, 3, Side::PlayerOne},
        {testing::Shuffle, draw, "SSSSSSSSU", GoesOn, 2, Side::PlayerTwo},
        {walledIn, playOn, "PSPU", GoesOn, 1, Side::PlayerTwo},
        {testing::ShuffleStuck, playOn, "S", Stuck, 1, Side::PlayerTwo},
    };
    for (const auto& [rows, rule, ops, outcome, timesSeen, toMove] : cases) {
        Match match;
        match.Load(testing::BoardFromRows(rows), Side::PlayerOne, 3);
        Verdict verdict;
        int turn = 0;
        for (const char op : ops) {
            if (op == 'S') {
                match.PlayTurn(testing::ShuffleRound[turn++ % 4]);
            } else if (op == 'P') {
                turn += match.PassIfBlocked() ? 1 : 0;
            } else {
                match.Undo();
            }
            verdict = match.Decide(rule);
        }
        EXPECT_EQ(verdict.outcome, outcome) << ops;
        EXPECT_EQ(match.TimesSeen(), timesSeen) << ops;
        EXPECT_EQ(match.SideToMove(), toMove) << ops;
        EXPECT_EQ(match.SeenKeys().back(), KeyOf(match.CurrentBoard(), toMove)) << ops;
    }
}

TEST(Match, IsAValueThatACopyPlaysOnAlone) {
    Match match;
    match.SetUpLevel(1);
    const PlayedTurn turn = match.PlayTurn(Move{{2, 5}, {1, 4}});
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
