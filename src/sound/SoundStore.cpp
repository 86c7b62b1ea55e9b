#include "sound/SoundStore.h"

#include <algorithm>

namespace trevallion {

SoundStore::SoundStore(Loaded loaded)
    : m_loaded(std::move(loaded)), m_loader([this] { LoadQueued(); }) {}

SoundStore::~SoundStore() {
    {
        const std::lock_guard lock(m_mutex);
        m_closing = true;
    }
    m_wake.notify_one();
    m_loader.join();
}

void SoundStore::Request(const std::string& path) {
    {
        const std::lock_guard lock(m_mutex);
        if (m_known.contains(path) ||
            std::find(m_queue.begin(), m_queue.end(), path) != m_queue.end()) {
            return;
        }
        m_queue.push_back(path);
    }
    m_wake.notify_one();
}

SoundStore::Known SoundStore::Find(const std::string& path) const {
    const std::lock_guard lock(m_mutex);
    const auto found = m_known.find(path);
    if (found == m_known.end()) {
        return NotYetKnown{};
    }
    return found->second;
}

void SoundStore::LoadQueued() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_closing || !m_queue.empty(); });
        if (m_closing) {
            return;
        }
        const std::string path = m_queue.front();
        lock.unlock();
        std::optional<DecodedSound> decoded = LoadWave(path);
        Known known = LoadFailed{};
        if (decoded) {
            known = std::make_shared<const DecodedSound>(std::move(*decoded));
        }
        lock.lock();
        // The file leaves the queue only once it is known, so that a request meanwhile does not
        // queue it again.
        m_queue.pop_front();
        m_known.emplace(path, std::move(known));
        lock.unlock();
        m_loaded(path);
        lock.lock();
    }
}

} // namespace trevallion
