#pragma once

#include "rules/Board.h"
#include "rules/CellCode.h"
#include "rules/MoveList.h"
#include "rules/Side.h"

#include <array>
#include <cstdint>

namespace trevallion {

// A position's key: the board and the side to move in one number, so that the game can tell a
// position it has seen before and the search can find one in its tables. Zobrist hashing: a
// fixed random number for each code on each cell and one for Player 2 to move, combined by
// exclusive or. A move changes the key by the numbers of the two cells it changes and the side,
// so the search keeps the key up to date without looking at the whole board. Two different
// positions share a key with a chance of about one in 2^64.
using PositionKey = std::uint64_t;

namespace position_key_detail {

// SplitMix64: a small generator whose numbers are fixed by its seed, so every build of the game
// computes the same keys.
constexpr std::uint64_t Next(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace position_key_detail

// The number of `code` on cell number `cell` (reading order): CellKeys[cell][code]. An empty
// cell adds nothing, so a move's change is the number of what left and what arrived.
inline constexpr auto CellKeys = [] {
    std::array<std::array<PositionKey, LastCode + 1>, CellCount> keys{};
    std::uint64_t state = 0x74726576616c6c69ULL;
    for (auto& cell : keys) {
        for (CellCode code = Wall; code <= LastCode; ++code) {
            cell[code] = position_key_detail::Next(state);
        }
    }
    return keys;
}();

inline constexpr PositionKey PlayerTwoToMoveKey = 0x5d6a1c3f9e8b2471ULL;

// Every code must lie in 0..27.
constexpr PositionKey KeyOf(const Board& board, Side sideToMove) {
    PositionKey key = sideToMove == Side::PlayerTwo ? PlayerTwoToMoveKey : 0;
    for (int cell = 0; cell < CellCount; ++cell) {
        key ^= CellKeys[cell][board[cell]];
    }
    return key;
}

// The key after `move`, played on `board` (the board before it), hands the turn on.
constexpr PositionKey KeyAfter(PositionKey key, const Board& board, const Move& move) {
    const int from = CellIndex(move.from);
    const int to = CellIndex(move.to);
    const CellCode piece = board[from];
    return key ^ PlayerTwoToMoveKey ^ CellKeys[from][piece] ^ CellKeys[to][board[to]] ^
           CellKeys[to][piece];
}

// The key of the same board with the turn passed to the other side.
constexpr PositionKey KeyAfterPass(PositionKey key) {
    return key ^ PlayerTwoToMoveKey;
}

} // namespace trevallion
