#pragma once

#include <array>

namespace trevallion::expert {

// The weights of AI Expert's evaluation, in hundredths of an ordinary piece.

inline constexpr int PieceWorth = 100;
// A cross has four arms and reaches every cell around it.
inline constexpr int CrossWorth = 150;

// A piece's worth for how many of its own steps it stands from taking the enemy king: a piece
// next to the king threatens it, one two steps away can threaten it next turn. Index 0 is
// unused; a piece farther than the table reaches, or with no way there, gets the last entry.
inline constexpr std::array<int, 13> KingDistanceBonus = {0, 60, 42, 32, 24, 18, 13,
                                                          9, 6,  4,  2,  1,  0};

// Pieces within this many steps of taking the enemy king count as its attackers, and the more
// of them, the more each is worth: several can take turns where one alone is simply taken.
inline constexpr int AttackerSteps = 2;
inline constexpr std::array<int, 8> AttackersBonus = {0, 0, 20, 50, 90, 140, 200, 260};

// Each step a side could make.
inline constexpr int StepWorth = 3;

// What a draw costs the side that searches: it takes a draw only when it stands worse than this,
// and otherwise plays on for a win.
inline constexpr int DrawContempt = 25;

// Having the move.
inline constexpr int TempoWorth = 10;

} // namespace trevallion::expert
