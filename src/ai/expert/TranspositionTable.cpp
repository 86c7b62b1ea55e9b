#include "expert/TranspositionTable.h"

#include <algorithm>

namespace trevallion::expert {

TranspositionTable::TranspositionTable() : slots_(new TableEntry[Mask + 1]) {}

void TranspositionTable::Clear() {
    std::fill(slots_.get(), slots_.get() + Mask + 1, TableEntry{});
}

const TableEntry* TranspositionTable::Find(PositionKey key) const {
    const TableEntry& entry = slots_[key & Mask];
    return entry.bound != Bound::None && entry.key == key ? &entry : nullptr;
}

void TranspositionTable::Store(PositionKey key, int score, int depth, Bound bound,
                               ExpertMove move) {
    TableEntry& entry = slots_[key & Mask];
    if (entry.key == key && depth < entry.depth && entry.bound != Bound::None) {
        return;
    }
    // Keep the best step of a shallower search of the same position when this one found none.
    const bool keepMove = entry.key == key && move.from == move.to;
    entry.key = key;
    entry.score = static_cast<std::int16_t>(score);
    entry.depth = static_cast<std::int8_t>(depth);
    entry.bound = bound;
    if (!keepMove) {
        entry.from = move.from;
        entry.to = move.to;
    }
}

} // namespace trevallion::expert
