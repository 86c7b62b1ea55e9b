#pragma once

#include "rules/PositionKey.h"

#include <algorithm>
#include <cassert>
#include <span>
#include <vector>

namespace trevallion {

// The positions of the level so far, each as its key, oldest first and the current one last:
// the level's start (or the loaded game's position), then one for each turn played. The same
// board with the same side to move is the same position, whatever led to it, so counting keys
// tells how often the current position has come up.
class SeenPositions {
  public:
    void Start(PositionKey key) { m_keys.assign(1, key); }
    void Add(PositionKey key) { m_keys.push_back(key); }
    // The last turn is taken back: its position no longer counts.
    void TakeBackLast() { m_keys.pop_back(); }

    std::span<const PositionKey> Keys() const { return m_keys; }
    // Only once the level has started.
    PositionKey Current() const {
        assert(!m_keys.empty());
        return m_keys.back();
    }
    // How often the current position has come up, this time included; 0 before any level.
    int TimesCurrent() const {
        return m_keys.empty() ? 0 : static_cast<int>(std::ranges::count(m_keys, m_keys.back()));
    }

  private:
    std::vector<PositionKey> m_keys;
};

} // namespace trevallion
