#pragma once

#include <array>

namespace trevallion::expert {

// The weights of AI Expert's evaluation, in hundredths of an ordinary piece.

inline constexpr int PieceWorth = 100;
// A cross has four arms and reaches every cell around it.
inline constexpr int CrossWorth = 150;

// A piece's worth for how many of its own steps it stands from taking the enemy king: a piece
// next to the king threatens it, one two steps away can threaten it next turn. Every step closer
// is worth something, even far away, so that a piece with a long way round sets out on it.
// Index 0 is unused; a piece farther than the table reaches, or with no way there at all, gets
// the last entry.
inline constexpr std::array<int, 13> KingDistanceBonus = {0,  148, 122, 104, 88, 74, 61,
                                                          49, 38,  28,  18,  9,  0};

// Pieces within this many steps of taking the enemy king count as its attackers, and the more
// of them, the more each is worth: several can take turns where one alone is simply taken.
inline constexpr int AttackerSteps = 3;
inline constexpr std::array<int, 8> AttackersBonus = {0, 0, 20, 50, 90, 140, 200, 260};

// Each step a side could make.
inline constexpr int StepWorth = 3;

// What a draw costs the side that searches, a piece: it takes a draw by repetition when it stands
// a piece or more worse, and otherwise plays on for a win.
inline constexpr int DrawContempt = 100;

// Having the move.
inline constexpr int TempoWorth = 10;

} // namespace trevallion::expert
