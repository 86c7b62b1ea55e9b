#pragma once

#include "rules/PositionKey.h"

#include <array>
#include <cstdint>
#include <span>

namespace trevallion::expert {

// The positions of the level before the search's root, to tell at once whether the search has
// come back to one of them. Open addressing in a fixed table; the most recent positions are kept
// when a level has more than it holds, as a capture makes every earlier position unreachable.
class RepetitionSet {
  public:
    static constexpr int MostKept = 2048;

    void Fill(std::span<const PositionKey> seen);
    bool Contains(PositionKey key) const;

  private:
    static constexpr std::uint64_t Mask = 2 * MostKept - 1;
    // A key of 0 marks a free slot; a position whose key is 0 is simply not remembered.
    std::array<PositionKey, 2 * MostKept> slots_{};
};

} // namespace trevallion::expert
