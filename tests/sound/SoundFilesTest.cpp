// The sound files that the build composes, read back as the game's sound service would see
// them, under the names the game asks for.

#include "sound/SoundEffects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace trevallion {
namespace {

// Every file name the game can ask for, collected by driving the chooser through all effects
// on levels from each band of the capture order.
std::set<std::string> AllGameFiles() {
    std::set<std::string> files;
    for (const int level : {1, 20, 30}) {
        SoundChooser chooser;
        for (const Effect effect : AllEffects) {
            for (int i = 0; i < 6; ++i) {
                files.emplace(chooser.NextFile(effect, level));
            }
        }
    }
    return files;
}

std::uint32_t Little(const std::vector<unsigned char>& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = value << 8 | bytes.at(at + i);
    }
    return value;
}

struct Wave {
    std::uint32_t format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    std::vector<std::int16_t> samples;
};

// Reads a RIFF WAVE file, failing the test on any structural fault: every chunk must fit, and
// the chunks must fill the file exactly as the RIFF size says.
Wave ReadWave(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    Wave wave;
    EXPECT_GE(bytes.size(), 44u);
    if (bytes.size() < 44) {
        return wave;
    }
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 12), "WAVE");
    EXPECT_EQ(Little(bytes, 4, 4), bytes.size() - 8);
    std::size_t at = 12;
    bool haveFormat = false, haveData = false;
    while (at + 8 <= bytes.size()) {
        const std::string tag(bytes.begin() + at, bytes.begin() + at + 4);
        const std::size_t size = Little(bytes, at + 4, 4);
        at += 8;
        EXPECT_LE(at + size, bytes.size()) << "chunk " << tag << " runs past the end";
        if (at + size > bytes.size()) {
            return wave;
        }
        if (tag == "fmt ") {
            haveFormat = size >= 16;
            wave.format = Little(bytes, at, 2);
            wave.channels = Little(bytes, at + 2, 2);
            wave.rate = Little(bytes, at + 4, 4);
            wave.byteRate = Little(bytes, at + 8, 4);
            wave.blockAlign = Little(bytes, at + 12, 2);
            wave.bits = Little(bytes, at + 14, 2);
        } else if (tag == "data") {
            haveData = true;
            EXPECT_EQ(size % 2, 0u);
            for (std::size_t i = 0; i + 1 < size; i += 2) {
                wave.samples.push_back(static_cast<std::int16_t>(Little(bytes, at + i, 2)));
            }
        }
        at += size + size % 2;
    }
    EXPECT_EQ(at, bytes.size());
    EXPECT_TRUE(haveFormat);
    EXPECT_TRUE(haveData);
    return wave;
}

// How long each kind of sound should last, in seconds: captures are short knocks, the
// ambient phrases the longest.
std::pair<double, double> DurationRange(const std::string& file) {
    const std::string name = file.substr(file.find('/') + 1);
    if (name.starts_with("capture")) {
        return {0.15, 0.4};
    }
    if (name.starts_with("ambient")) {
        return {2.0, 3.0};
    }
    if (name.starts_with("instructions")) {
        return {1.7, 2.5};
    }
    return {1.3, 2.1}; // the fanfares, the falling phrases, the jingle, the start-up chime
}

// A file of the game, by the name the game gives it.
std::string GameFile(const std::string& name) {
    std::string path = TREVALLION_GAME_DIR;
    path += '/';
    path += name;
    return path;
}

TEST(SoundFiles, EveryFileTheGameNamesIsAQuietCleanMonoWave) {
    const std::set<std::string> files = AllGameFiles();
    EXPECT_EQ(files.size(), 17u);
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const Wave wave = ReadWave(GameFile(file));
        EXPECT_EQ(wave.format, 1u); // PCM
        EXPECT_EQ(wave.channels, 1u);
        EXPECT_EQ(wave.bits, 16u);
        EXPECT_EQ(wave.blockAlign, 2u);
        EXPECT_EQ(wave.byteRate, wave.rate * 2);
        ASSERT_GE(wave.rate, 8000u);
        ASSERT_FALSE(wave.samples.empty());

        const double seconds = static_cast<double>(wave.samples.size()) / wave.rate;
        const auto [shortest, longest] = DurationRange(file);
        EXPECT_GE(seconds, shortest);
        EXPECT_LE(seconds, longest);

        // Starting and ending at silence means no click at either end.
        EXPECT_LE(std::abs(wave.samples.front()), 16);
        EXPECT_LE(std::abs(wave.samples.back()), 16);

        int peak = 0;
        for (const std::int16_t sample : wave.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        }
        EXPECT_LT(peak, 32767 * 9 / 10) << "too loud, or clipped";
        EXPECT_GT(peak, 32767 / 10) << "too quiet to hear";
    }
}

TEST(SoundFiles, TheSixCapturesAllSoundDifferent) {
    std::vector<std::vector<std::int16_t>> captures;
    for (int i = 1; i <= 6; ++i) {
        captures.push_back(
            ReadWave(GameFile("sounds/capture" + std::to_string(i) + ".wav")).samples);
    }
    for (std::size_t a = 0; a < captures.size(); ++a) {
        for (std::size_t b = a + 1; b < captures.size(); ++b) {
            EXPECT_NE(captures[a], captures[b]) << "capture" << a + 1 << " and capture" << b + 1;
        }
    }
}

} // namespace
} // namespace trevallion
