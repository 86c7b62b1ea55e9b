#include "sound/SoundEffects.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace trevallion {
namespace {

std::vector<std::string> Play(SoundChooser& chooser, Effect effect, int level, int times) {
    std::vector<std::string> files;
    for (int i = 0; i < times; ++i) {
        files.emplace_back(chooser.NextFile(effect, level));
    }
    return files;
}

TEST(SoundChooser, EffectsRotateThroughTheirVariants) {
    SoundChooser chooser;
    EXPECT_EQ(Play(chooser, Effect::Ambient, 1, 4),
              (std::vector<std::string>{"sounds/ambient1.wav", "sounds/ambient2.wav",
                                        "sounds/ambient3.wav", "sounds/ambient1.wav"}));
    EXPECT_EQ(Play(chooser, Effect::Win, 1, 4),
              (std::vector<std::string>{"sounds/win1.wav", "sounds/win2.wav", "sounds/win3.wav",
                                        "sounds/win1.wav"}));
    EXPECT_EQ(
        Play(chooser, Effect::Lose, 1, 3),
        (std::vector<std::string>{"sounds/lose1.wav", "sounds/lose2.wav", "sounds/lose1.wav"}));
    EXPECT_EQ(Play(chooser, Effect::Jingle, 1, 2),
              (std::vector<std::string>{"sounds/qmv.wav", "sounds/qmv.wav"}));
    EXPECT_EQ(chooser.NextFile(Effect::Startup, 1), "sounds/startup.wav");
    EXPECT_EQ(chooser.NextFile(Effect::Instructions, 1), "sounds/instructions.wav");
    // Each effect goes on from its own place in its rotation.
    EXPECT_EQ(chooser.NextFile(Effect::Ambient, 1), "sounds/ambient2.wav");
    EXPECT_EQ(chooser.NextFile(Effect::Win, 1), "sounds/win2.wav");
    EXPECT_EQ(chooser.NextFile(Effect::Lose, 1), "sounds/lose2.wav");
    EXPECT_EQ(chooser.NextFile(Effect::Capture, 1), "sounds/capture1.wav");
}

TEST(SoundChooser, CaptureOrderDependsOnTheLevel) {
    const std::vector<std::vector<int>> orders = {
        {1, 2, 3, 4, 5, 6}, {5, 6, 4, 3, 2, 1}, {3, 2, 1, 6, 5, 4}};
    const int firstLevelOfBand[] = {1, 15, 25};
    const int lastLevelOfBand[] = {14, 24, 255};
    for (int band = 0; band < 3; ++band) {
        for (const int level : {firstLevelOfBand[band], lastLevelOfBand[band]}) {
            SoundChooser chooser;
            std::vector<std::string> expected;
            for (const int n : orders[band]) {
                expected.push_back("sounds/capture" + std::to_string(n) + ".wav");
            }
            expected.push_back(expected.front()); // and round again
            EXPECT_EQ(Play(chooser, Effect::Capture, level, 7), expected) << "level " << level;
        }
    }
    // Levels below 1 (before any level) take the first band.
    SoundChooser beforeAnyLevel;
    EXPECT_EQ(beforeAnyLevel.NextFile(Effect::Capture, 0), "sounds/capture1.wav");
}

TEST(SoundChooser, OneCaptureCounterAcrossLevels) {
    SoundChooser chooser;
    Play(chooser, Effect::Capture, 1, 3);
    EXPECT_EQ(chooser.NextFile(Effect::Capture, 30), "sounds/capture6.wav");
}

} // namespace
} // namespace trevallion
