#pragma once

#include "engine/MoveTables.h"
#include "engine/SearchPosition.h"
#include "expert/PieceSquares.h"
#include "rules/PositionKey.h"

#include <bit>
#include <cstdint>

namespace trevallion::expert {

using engine::One;
using engine::Two;

// A step as AI Expert lists it: reading-order cells.
struct ExpertMove {
    std::uint8_t from = 0;
    std::uint8_t to = 0;

    friend constexpr bool operator==(const ExpertMove&, const ExpertMove&) = default;
};

// Room for every step of a side: at most four arms on each of the 49 cells.
inline constexpr int MaxExpertMoves = 4 * CellCount;

// What a side may step onto, by code: an empty cell or an enemy's code.
inline constexpr auto MayEnterCode = [] {
    std::array<engine::CodeTable, 3> enter{};
    for (CellCode code = 0; code <= LastCode; ++code) {
        for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
            enter[SideNumber(side)][code] = code == Empty || BelongsTo(code, OtherSide(side));
        }
    }
    return enter;
}();

// The compact engine's position with what AI Expert keeps beside it: the position's key and the
// sum of the piece-square values, both kept up to date move by move.
class ExpertPosition {
  public:
    ExpertPosition(const Board& board, Side side, const PieceSquares& squares)
        : tables_(engine::GetMoveTables()), squares_(squares),
          position_(engine::SearchPosition::FromBoard(board)), key_(KeyOf(board, side)) {
        for (int cell = 0; cell < CellCount; ++cell) {
            placed_ += squares_.value[position_.cells[cell]][cell];
        }
    }

    PositionKey Key() const { return key_; }
    const engine::SearchPosition& Cells() const { return position_; }
    int Placed() const { return placed_; }

    // Whether `side` has lost: its king is gone or it has no piece left that could move.
    bool HasLost(int side) const {
        return position_.kings[side] == 0 || position_.movers[side] == 0;
    }

    // Whether `side` can take the enemy king with its next step.
    bool ThreatensKing(int side) const { return KingTaker(side) >= 0; }

    // The cell of a piece of `side` that can take the enemy king, or -1.
    int KingTaker(int side) const {
        const KingNeighbours& around = squares_.aroundEnemyKing[side];
        for (int i = 0; i < around.count; ++i) {
            if ((around.takers[i] >> position_.cells[around.cells[i]]) & 1u) {
                return around.cells[i];
            }
        }
        return -1;
    }

    // Calls visit(from, to) for each step of `side`, in the compact engine's scan order.
    template <typename Visit> void ForEachStep(int side, Visit visit) const {
        const auto& targetsOf = tables_.targets[side];
        const auto& enter = MayEnterCode[side];
        std::uint64_t pieces = position_.movers[side];
        while (pieces != 0) {
            const int from = std::countr_zero(pieces);
            pieces &= pieces - 1;
            for (const std::uint8_t to : targetsOf[position_.cells[from]][from].cells) {
                if (enter[position_.cells[to]] != 0) {
                    visit(from, static_cast<int>(to));
                }
            }
        }
    }

    bool HasStep(int side) const {
        bool any = false;
        const auto& targetsOf = tables_.targets[side];
        const auto& enter = MayEnterCode[side];
        std::uint64_t pieces = position_.movers[side];
        while (pieces != 0 && !any) {
            const int from = std::countr_zero(pieces);
            pieces &= pieces - 1;
            for (const std::uint8_t to : targetsOf[position_.cells[from]][from].cells) {
                any = any || enter[position_.cells[to]] != 0;
            }
        }
        return any;
    }

    // Plays the step of `side` and returns what stood on its target.
    template <Side side> std::uint8_t Make(ExpertMove move) {
        const std::uint8_t piece = position_.cells[move.from];
        const std::uint8_t captured = position_.MakeMove<side>(move.from, move.to);
        key_ ^= PlayerTwoToMoveKey ^ CellKeys[move.from][piece] ^ CellKeys[move.to][captured] ^
                CellKeys[move.to][piece];
        placed_ += squares_.value[piece][move.to] - squares_.value[piece][move.from] -
                   squares_.value[captured][move.to];
        return captured;
    }

    template <Side side> void Unmake(ExpertMove move, std::uint8_t captured) {
        position_.UndoMove<side>(move.from, move.to, captured);
        const std::uint8_t piece = position_.cells[move.from];
        key_ ^= PlayerTwoToMoveKey ^ CellKeys[move.from][piece] ^ CellKeys[move.to][captured] ^
                CellKeys[move.to][piece];
        placed_ -= squares_.value[piece][move.to] - squares_.value[piece][move.from] -
                   squares_.value[captured][move.to];
    }

    // A side with no step hands the turn over.
    void Pass() { key_ = KeyAfterPass(key_); }

  private:
    const engine::MoveTables& tables_;
    const PieceSquares& squares_;
    engine::SearchPosition position_;
    PositionKey key_;
    int placed_ = 0; // Player 2's point of view
};

} // namespace trevallion::expert
