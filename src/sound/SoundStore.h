#pragma once

#include "sound/WaveFile.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <variant>

namespace trevallion {

// The game's sounds, each read and decoded once on a thread of its own and then kept, so that
// playing one never waits for a disk or a decoder. A file that cannot be loaded is remembered as
// such too: it is not read again.
class SoundStore {
  public:
    using Sound = std::shared_ptr<const DecodedSound>;
    // What is known of a file: nothing yet (it waits, or was never asked for), that it could not
    // be loaded, or its sound, which is never empty.
    struct NotYetKnown {};
    struct LoadFailed {};
    using Known = std::variant<NotYetKnown, LoadFailed, Sound>;
    // Told, on the loading thread, that a file asked for is now known (loaded or not).
    using Loaded = std::function<void(const std::string& path)>;

    explicit SoundStore(Loaded loaded);
    // Waits for the file being read, if any; those still waiting are dropped.
    ~SoundStore();
    SoundStore(const SoundStore&) = delete;
    SoundStore& operator=(const SoundStore&) = delete;

    // Queues the file for loading, unless it is known or queued already.
    void Request(const std::string& path);

    Known Find(const std::string& path) const;

  private:
    void LoadQueued();

    Loaded m_loaded;
    mutable std::mutex m_mutex; // guards everything below
    std::condition_variable m_wake;
    std::map<std::string, Known> m_known; // each loaded or failed
    std::deque<std::string> m_queue;
    bool m_closing = false;
    std::thread m_loader; // last, so that it starts when the rest is ready
};

} // namespace trevallion
