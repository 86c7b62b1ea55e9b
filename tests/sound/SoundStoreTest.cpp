#include "sound/SoundStore.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace trevallion {
namespace {

// A WAVE file of two 16-bit mono frames at 8 kHz: half scale up, then half scale down.
constexpr unsigned char TinyWave[] = {'R',  'I',  'F', 'F', 40,   0,    0, 0, 'W', 'A',  'V', 'E',
                                      'f',  'm',  't', ' ', 16,   0,    0, 0, 1,   0,    1,   0,
                                      0x40, 0x1F, 0,   0,   0x80, 0x3E, 0, 0, 2,   0,    16,  0,
                                      'd',  'a',  't', 'a', 4,    0,    0, 0, 0,   0x40, 0,   0xC0};

// The files a store reported loaded, in order; Await blocks until there are `count`.
struct Reports {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::string> paths;

    void Add(const std::string& path) {
        const std::lock_guard lock(mutex);
        paths.push_back(path);
        changed.notify_all();
    }
    std::vector<std::string> Await(std::size_t count) {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return paths.size() >= count; });
        return paths;
    }
};

TEST(SoundStore, LoadsEachFileOnceAndRemembersTheOnesThatFail) {
    testing::ScratchFolder folder;
    const std::string good = folder.File("good.wav");
    const std::string missing = folder.File("missing.wav");
    const std::string alsoMissing = folder.File("also-missing.wav");
    testing::WriteBytes(good, std::span(TinyWave));
    Reports reports;
    SoundStore store([&](const std::string& path) { reports.Add(path); });

    EXPECT_TRUE(std::holds_alternative<SoundStore::NotYetKnown>(store.Find(good))); // not asked
    store.Request(good);
    store.Request(missing);
    store.Request(good); // still queued or known: not queued again
    EXPECT_EQ(reports.Await(2), (std::vector<std::string>{good, missing}));

    // Known files are not read again: the next file asked for is the next one reported.
    store.Request(good);
    store.Request(missing);
    store.Request(alsoMissing);
    EXPECT_EQ(reports.Await(3), (std::vector<std::string>{good, missing, alsoMissing}));

    const SoundStore::Known loaded = store.Find(good);
    ASSERT_TRUE(std::holds_alternative<SoundStore::Sound>(loaded));
    EXPECT_EQ(std::get<SoundStore::Sound>(loaded)->samples, (std::vector<float>{0.5f, -0.5f}));
    EXPECT_TRUE(std::holds_alternative<SoundStore::LoadFailed>(store.Find(missing)));
}

} // namespace
} // namespace trevallion
