#include "expert/RepetitionSet.h"

namespace trevallion::expert {

void RepetitionSet::Fill(std::span<const PositionKey> seen) {
    slots_.fill(0);
    if (seen.size() > MostKept) {
        seen = seen.last(MostKept);
    }
    for (const PositionKey key : seen) {
        std::uint64_t slot = key & Mask;
        while (slots_[slot] != 0 && slots_[slot] != key) {
            slot = (slot + 1) & Mask;
        }
        slots_[slot] = key;
    }
}

bool RepetitionSet::Contains(PositionKey key) const {
    for (std::uint64_t slot = key & Mask; slots_[slot] != 0; slot = (slot + 1) & Mask) {
        if (slots_[slot] == key) {
            return true;
        }
    }
    return false;
}

} // namespace trevallion::expert
