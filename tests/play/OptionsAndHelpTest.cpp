#include "GameFixture.h"

namespace trevallion {
namespace {

class OptionsAndHelp : public testing::GameFixture {};

TEST_F(OptionsAndHelp, FirstStartSwitchesSoundOnAndPlaysTheStartupSound) {
    StartWith({});
    EXPECT_TRUE(window.Checked(CommandId::SoundOn));
    EXPECT_FALSE(window.Checked(CommandId::SoundOff));
    EXPECT_EQ(window.settings["SoundFlag"], 1);
    EXPECT_EQ(window.sounds, std::vector<std::string>{"sounds/startup.wav"});
}

// Anything but 0 means on, and is stored back as 1.
TEST_F(OptionsAndHelp, StoredSoundFlagIsAppliedAndCorrected) {
    StartWith({{"SoundFlag", 5}});
    EXPECT_EQ(window.settings["SoundFlag"], 1);
    EXPECT_EQ(State().m_soundOn, 1);

    StartWith({{"SoundFlag", 0}});
    EXPECT_TRUE(window.Checked(CommandId::SoundOff));
    EXPECT_FALSE(window.Checked(CommandId::SoundOn));
    EXPECT_EQ(State().m_soundOn, 0);
    EXPECT_EQ(window.sounds, std::vector<std::string>{"sounds/startup.wav"}); // the first start
}

// With sound off nothing plays and no rotation moves: switched on again, the ambient phrases
// go on from the one heard last.
TEST_F(OptionsAndHelp, SoundOffSilencesAndFreezesTheRotation) {
    StartWith({{"PlayerTwo", PlayerType::Human}});
    game.OnCommand(CommandId::Level1);
    game.OnCommand(CommandId::SoundOff);
    EXPECT_EQ(window.soundStops, 1);
    EXPECT_EQ(window.settings["SoundFlag"], 0);
    window.sounds.clear();
    game.OnCommand(CommandId::Level5);
    game.OnCommand(CommandId::About);
    for (int effect = Effect::Ambient; effect <= Effect::Instructions; ++effect) {
        game.PlayEffect(effect);
    }
    EXPECT_TRUE(window.sounds.empty());

    game.OnCommand(CommandId::SoundOn);
    EXPECT_EQ(window.soundStops, 1); // switching on plays and stops nothing
    EXPECT_TRUE(window.sounds.empty());
    game.OnCommand(CommandId::Level10);
    EXPECT_EQ(window.sounds, std::vector<std::string>{"sounds/ambient2.wav"});
}

// The manual's sound plays while its window is open and stops when it closes, even with sound
// off; the jingle of the About window is left to run on.
TEST_F(OptionsAndHelp, HelpWindowsPlayTheirSounds) {
    StartWith({});
    window.events.clear();
    game.OnCommand(CommandId::Instructions);
    game.OnCommand(CommandId::About);
    EXPECT_EQ(window.events,
              (std::vector<std::string>{"sound sounds/instructions.wav", "instructions",
                                        "stop sound", "sound sounds/qmv.wav", "about"}));

    game.OnCommand(CommandId::SoundOff);
    window.events.clear();
    game.OnCommand(CommandId::Instructions);
    EXPECT_EQ(window.events, (std::vector<std::string>{"instructions", "stop sound"}));
}

} // namespace
} // namespace trevallion
