#pragma once

#include "expert/ExpertPosition.h"

#include <array>
#include <cstdint>

namespace trevallion::expert {

// The deepest ply a search reaches, extensions and captures included.
inline constexpr int MaxPly = 96;

// Which steps a node lists: all of them, or (past the horizon) the captures, with or without the
// quiet steps that threaten the enemy king.
enum class StepKinds { All, Captures, CapturesAndThreats };

// The steps of each ply of the search with the order to try them in: the table's step first,
// then captures, the most valuable victim first, then the two steps that last refuted a sibling
// (killers), then quiet steps by how often they refuted anything (history) and by how much
// closer they bring the piece to the enemy king.
class MoveOrder {
  public:
    void Clear() {
        for (auto& pair : killers_) {
            pair = {};
        }
        for (auto& side : history_) {
            for (auto& row : side) {
                row.fill(0);
            }
        }
    }

    // Lists the steps of `side` at `ply` of the kinds asked for; returns how many.
    template <Side side>
    int Generate(const ExpertPosition& position, const PieceSquares& squares, int ply,
                 StepKinds kinds, ExpertMove tableMove) {
        constexpr int me = SideNumber(side);
        constexpr int sign = side == Side::PlayerTwo ? 1 : -1;
        const auto& cells = position.Cells().cells;
        ExpertMove* moves = moves_[ply].data();
        int* ranks = ranks_[ply].data();
        int count = 0;
        position.ForEachStep(me, [&](int from, int to) {
            const std::uint8_t victim = cells[to];
            const bool threat = (squares.kingTakers[me][to] >> cells[from]) & 1u;
            if (victim == Empty && kinds != StepKinds::All &&
                (kinds == StepKinds::Captures || !threat)) {
                return;
            }
            const ExpertMove move{static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)};
            int rank;
            if (move == tableMove) {
                rank = TableRank;
            } else if (victim != Empty) {
                rank = CaptureRank + 16 * MaterialValue(victim) - MaterialValue(cells[from]);
            } else if (move == killers_[ply][0]) {
                rank = KillerRank + 1;
            } else if (move == killers_[ply][1]) {
                rank = KillerRank;
            } else {
                const auto& value = squares.value[cells[from]];
                rank = history_[me][from][to] + sign * (value[to] - value[from]);
            }
            moves[count] = move;
            ranks[count] = rank;
            ++count;
        });
        return count;
    }

    // The best of the steps from `i` on, moved to place `i`.
    ExpertMove Pick(int ply, int i, int count) {
        ExpertMove* moves = moves_[ply].data();
        int* ranks = ranks_[ply].data();
        int best = i;
        for (int j = i + 1; j < count; ++j) {
            best = ranks[j] > ranks[best] ? j : best;
        }
        std::swap(moves[i], moves[best]);
        std::swap(ranks[i], ranks[best]);
        return moves[i];
    }

    bool IsKiller(int ply, ExpertMove move) const {
        return move == killers_[ply][0] || move == killers_[ply][1];
    }

    // A quiet step of `side` that refuted its position at `depth`.
    void Refuted(int side, int ply, ExpertMove move, int depth) {
        if (move != killers_[ply][0]) {
            killers_[ply][1] = killers_[ply][0];
            killers_[ply][0] = move;
        }
        int& score = history_[side][move.from][move.to];
        score += depth * depth;
        if (score > HistoryCeiling) {
            for (auto& row : history_[side]) {
                for (int& entry : row) {
                    entry /= 2;
                }
            }
        }
    }

  private:
    static constexpr int TableRank = 1 << 30;
    static constexpr int CaptureRank = 1 << 29;
    static constexpr int KillerRank = 1 << 28;
    static constexpr int HistoryCeiling = 1 << 26;

    std::array<std::array<ExpertMove, MaxExpertMoves>, MaxPly> moves_{};
    std::array<std::array<int, MaxExpertMoves>, MaxPly> ranks_{};
    std::array<std::array<ExpertMove, 2>, MaxPly> killers_{};
    std::array<std::array<std::array<int, CellCount>, CellCount>, 3> history_{};
};

} // namespace trevallion::expert
