#pragma once

#include "expert/ExpertPosition.h"
#include "rules/PositionKey.h"

#include <cstdint>
#include <memory>

namespace trevallion::expert {

// What a stored score says about the position's true score.
enum class Bound : std::uint8_t { None = 0, Exact, Lower, Upper };

// One position remembered: its key, the best step found (from == to: none), the score, the
// depth searched and what the score bounds.
struct TableEntry {
    PositionKey key = 0;
    std::int16_t score = 0;
    std::uint8_t from = 0;
    std::uint8_t to = 0;
    std::int8_t depth = 0;
    Bound bound = Bound::None;
};

// A table of positions searched, indexed by the low bits of the key. A slot keeps the position
// stored last, except that a shallower search of the same position leaves a deeper one in place.
// Made once, at its full size, and cleared before each move, so that a search depends on its
// position alone.
class TranspositionTable {
  public:
    static constexpr int SlotBits = 18; // 4 MB of 16-byte entries

    TranspositionTable();

    void Clear();
    const TableEntry* Find(PositionKey key) const;
    // Asks the memory for the slot of `key` ahead of its Find, while the caller goes on.
    void Prefetch(PositionKey key) const { __builtin_prefetch(&slots_[key & Mask]); }
    void Store(PositionKey key, int score, int depth, Bound bound, ExpertMove move);

  private:
    static constexpr std::uint64_t Mask = (std::uint64_t{1} << SlotBits) - 1;
    std::unique_ptr<TableEntry[]> slots_;
};

} // namespace trevallion::expert
