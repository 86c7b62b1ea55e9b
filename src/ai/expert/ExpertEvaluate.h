#pragma once

#include "expert/ExpertPosition.h"
#include "expert/ExpertTerms.h"
#include "expert/PieceSquares.h"

#include <algorithm>
#include <bit>

namespace trevallion::expert {

// What one side has on the board beyond the piece-square values: its steps, and how many of its
// pieces stand within reach of the enemy king.
struct SideActivity {
    int steps = 0;
    int attackers = 0;
};

inline SideActivity ActivityOf(const ExpertPosition& position, const PieceSquares& squares,
                               int side) {
    const auto& cells = position.Cells().cells;
    const auto& targetsOf = engine::GetMoveTables().targets[side];
    const auto& enter = MayEnterCode[side];
    SideActivity activity;
    std::uint64_t pieces = position.Cells().movers[side];
    while (pieces != 0) {
        const int from = std::countr_zero(pieces);
        pieces &= pieces - 1;
        const std::uint8_t code = cells[from];
        for (const std::uint8_t to : targetsOf[code][from].cells) {
            activity.steps += enter[cells[to]];
        }
        activity.attackers += squares.attacker[code][from];
    }
    return activity;
}

// Several pieces at the enemy king at once can do what one alone cannot.
inline int AttackWorth(int attackers) {
    return AttackersBonus[std::min<int>(attackers, AttackersBonus.size() - 1)];
}

// The evaluation of the position for `side`, which is to move.
template <Side side> int Evaluate(const ExpertPosition& position, const PieceSquares& squares) {
    const SideActivity one = ActivityOf(position, squares, SideNumber(Side::PlayerOne));
    const SideActivity two = ActivityOf(position, squares, SideNumber(Side::PlayerTwo));
    const int forTwo = position.Placed() + StepWorth * (two.steps - one.steps) +
                       AttackWorth(two.attackers) - AttackWorth(one.attackers);
    return (side == Side::PlayerTwo ? forTwo : -forTwo) + TempoWorth;
}

} // namespace trevallion::expert
