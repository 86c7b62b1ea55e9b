#include "GameFixture.h"

namespace trevallion {
namespace {

using testing::GameTable;

// Anything stored but 0 means on, and is stored back as 1; a first start has sound on.
TEST(SoundAtStartUp, TheStoredSoundFlagIsApplied) {
    struct Case {
        std::map<std::string, std::int32_t> stored;
        bool on;
    };
    for (const Case& c :
         {Case{{}, true}, Case{{{"SoundFlag", 5}}, true}, Case{{{"SoundFlag", 0}}, false}}) {
        GameTable table;
        table.StartWith(c.stored);
        EXPECT_EQ(table.view.Checked(CommandId::SoundOn), c.on);
        EXPECT_EQ(table.view.Checked(CommandId::SoundOff), !c.on);
        EXPECT_EQ(table.settings.values["SoundFlag"], c.on ? 1 : 0);
        EXPECT_EQ(table.view.sounds, c.on ? std::vector<std::string>{"sounds/startup.wav"}
                                          : std::vector<std::string>{});
    }
}

// The board is drawn as the player's colours and the desktop's make it, and the menu checks the
// choice, whatever the desktop says. A Dark Board switched on before the colours had their menu
// still gives the dark board; start-up stores nothing.
TEST(BoardColoursOptions, TheDrawnLookFollowsTheChoiceAndTheDesktop) {
    const CommandId light = CommandId::BoardLight, dark = CommandId::DarkBoard,
                    desktop = CommandId::BoardAsDesktop;
    struct Case {
        std::map<std::string, std::int32_t> stored;
        std::optional<CommandId> chosen;
        bool desktopDark;
        CommandId checked;
        bool drawnDark;
    };
    const Case cases[] = {
        {{}, std::nullopt, false, desktop, false},
        {{}, std::nullopt, true, desktop, true},
        {{{"DarkBoard", 1}}, std::nullopt, false, dark, true},
        {{{"DarkBoard", 1}, {"BoardColours", 1}}, std::nullopt, true, light, false},
        {{{"BoardColours", 9}}, std::nullopt, true, desktop, true},
        {{}, light, true, light, false},
        {{}, dark, false, dark, true},
        {{{"BoardColours", 2}}, desktop, false, desktop, false},
    };
    for (const Case& c : cases) {
        GameTable table;
        table.game.OnDesktopChanged({.dark = c.desktopDark, .reducedMotion = false});
        table.StartWith(c.stored);
        EXPECT_FALSE(table.settings.values.contains("BoardColours") &&
                     !c.stored.contains("BoardColours"));
        if (c.chosen) {
            table.Command(*c.chosen);
            EXPECT_EQ(table.settings.values["DarkBoard"], *c.chosen == dark ? 1 : 0);
        }
        for (const CommandId item : {light, dark, desktop}) {
            EXPECT_EQ(table.view.Checked(item), item == c.checked) << static_cast<int>(item);
        }
        EXPECT_EQ(table.view.look, (BoardLook{.dark = c.drawnDark, .highContrast = false}));
    }
    // The desktop turning dark redraws a board that follows it, with High Contrast kept.
    GameTable table;
    table.StartWith({{"HighContrast", 1}});
    table.game.OnDesktopChanged({.dark = true, .reducedMotion = false});
    EXPECT_EQ(table.view.look, (BoardLook{.dark = true, .highContrast = true}));
}

// While the desktop asks for less motion, Animate Moves shows neither a check mark nor a way to
// choose it, the moves jump, and the player's choice comes back with the desktop's motion.
TEST(AnimateMovesOption, ClaimsOnlyWhatTheWindowDoes) {
    GameTable table;
    table.StartWith({});
    EXPECT_EQ(table.view.motion, MoveMotion::Slide);
    for (const bool reduced : {true, false}) {
        table.game.OnDesktopChanged({.dark = false, .reducedMotion = reduced});
        EXPECT_EQ(table.view.Checked(CommandId::AnimateMoves), !reduced);
        EXPECT_EQ(table.view.Enabled(CommandId::AnimateMoves), !reduced);
        EXPECT_EQ(table.view.motion, reduced ? MoveMotion::Jump : MoveMotion::Slide);
    }
    table.Command(CommandId::AnimateMoves);
    EXPECT_EQ(table.view.motion, MoveMotion::Jump);
    EXPECT_EQ(table.settings.values["AnimateMoves"], 0);
}

class OptionsAndHelp : public testing::GameFixture {};

// With sound off nothing plays and no rotation moves: switched on again, the ambient phrases
// go on from the one heard last.
TEST_F(OptionsAndHelp, SoundOffSilencesAndFreezesTheRotation) {
    StartWith({{"PlayerOne", 0}, {"PlayerTwo", 0}});
    Command(CommandId::Level1);
    Command(CommandId::SoundOff);
    EXPECT_EQ(view.soundStops, 1);
    EXPECT_EQ(settings.values["SoundFlag"], 0);

    // A capture, and the win on level 50 that goes past the last level; then the menus.
    Play("0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 16 15 0 0 0\n0 0 0 7 0 0 0\n"
         "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 2 0 0 0\n",
         Side::PlayerOne, 50);
    PlayMove({{3, 3}, {2, 3}});
    PlayMove({{2, 2}, {1, 3}});
    PlayMove({{2, 3}, {1, 3}});
    ASSERT_EQ(view.winners.size(), 1u);
    Command(CommandId::Level5);
    Command(CommandId::About);
    Command(CommandId::Instructions);
    EXPECT_TRUE(view.sounds.empty());

    view.ClearRecords();
    Command(CommandId::SoundOn);
    EXPECT_EQ(view.soundStops, 0) << "switching on plays and stops nothing";
    EXPECT_TRUE(view.sounds.empty());
    Command(CommandId::Level10);
    EXPECT_EQ(view.sounds, std::vector<std::string>{"sounds/ambient2.wav"});
}

// The manual's sound plays while its window is open and stops when it closes, even with sound
// off; the jingle of the About window is left to run on.
TEST_F(OptionsAndHelp, HelpWindowsPlayTheirSounds) {
    StartWith({});
    view.ClearRecords();
    Command(CommandId::Instructions);
    Command(CommandId::About);
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"sound sounds/instructions.wav", "instructions",
                                        "stop sound", "sound sounds/qmv.wav", "about"}));

    Command(CommandId::SoundOff);
    view.ClearRecords();
    Command(CommandId::Instructions);
    EXPECT_EQ(view.events, (std::vector<std::string>{"instructions", "stop sound"}));
}

// Animate Moves starts on, Status Line and Draw by Repetition off; a choice is stored and comes
// back.
TEST(ViewOptions, AreCheckedAsStoredAndStoredOnceChosen) {
    for (const auto& [item, setting, byDefault] :
         {std::tuple{CommandId::AnimateMoves, "AnimateMoves", true},
          std::tuple{CommandId::StatusLine, "StatusLine", false},
          std::tuple{CommandId::DrawByRepetition, "DrawByRepetition", false}}) {
        GameTable table, again;
        table.StartWith({});
        EXPECT_EQ(table.view.Checked(item), byDefault) << setting;
        EXPECT_FALSE(table.settings.values.contains(setting)) << setting;
        table.Command(item);
        EXPECT_EQ(table.view.Checked(item), !byDefault) << setting;
        again.StartWith(table.settings.values);
        EXPECT_EQ(again.view.Checked(item), !byDefault) << setting;
    }
}

TEST(StatusLine, TellsTheTurnWhoPlaysItAStallAndTheOutcome) {
    using enum PlayerType;
    const std::tuple<Side, PlayerType, PlayerType, const char*> cases[] = {
        {Side::PlayerTwo, Human, Human, "Player 2 to move"},
        {Side::PlayerOne, AiEasy, Human, "Player 1 (AI Easy) is thinking\u2026"},
        {Side::PlayerTwo, Human, AiMedium, "Player 2 (AI Medium) is thinking\u2026"},
        {Side::PlayerTwo, Human, AiDifficult, "Player 2 (AI Difficult) is thinking\u2026"},
        {Side::PlayerTwo, Human, AiExpert, "Player 2 (AI Expert) is thinking\u2026"},
    };
    for (const auto& [side, one, two, text] : cases) {
        GameTable table;
        table.Play(testing::ThreeStrengths, side, 7, one, two);
        EXPECT_EQ(table.view.statuses.back(), text);
    }
    // From the empty line of start-up: Player 1 walled in; then taking the king, on to level 8
    // and the doodle. Each text once.
    GameTable table;
    table.Play("7 1 0 0 0 0 15\n1 1 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 16 0 0 0\n"
               "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 2\n");
    table.Play("0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 16 15 0 0 0\n0 0 0 7 0 0 0\n"
               "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 2 0 0 0\n");
    table.PlayMove({{3, 3}, {3, 2}});
    table.Command(CommandId::LifeDoodle);
    table.Tick();
    EXPECT_EQ(
        table.view.statuses,
        (std::vector<std::string>{"", "No legal move for Player 1: the turn passes",
                                  "Player 1 to move", "Player 1 wins", "Player 1 to move", ""}));
}

} // namespace
} // namespace trevallion
