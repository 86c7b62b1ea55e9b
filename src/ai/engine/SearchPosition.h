#pragma once

#include "engine/CodeTables.h"
#include "engine/MoveTables.h"
#include "rules/Board.h"
#include "rules/CellCode.h"

#include <array>
#include <cstdint>

namespace trevallion::engine {

// The position as the engine keeps it: one byte per cell in reading order (and the sentinel
// wall after them) with each cell's tally word beside it, a bit mask of each side's movable
// pieces for the scan, and the material and king counts kept up to date by MakeMove and UndoMove
// so that a leaf is scored without looking at the cells.
// Tables of the engine are indexed by side number; element 0 is unused.
inline constexpr int One = SideNumber(Side::PlayerOne);
inline constexpr int Two = SideNumber(Side::PlayerTwo);

struct SearchPosition {
    std::array<std::uint8_t, CellCount + 1> cells{};
    std::array<std::uint64_t, CellCount + 1> tallyWords{};
    std::uint64_t movers[3] = {}; // by side; bit i is cell i
    int material = 0;             // Player 2's point of view, without the king terms
    int kings[3] = {};            // kings[One] counts code 2, kings[Two] code 15

    static SearchPosition FromBoard(const Board& board) {
        SearchPosition position;
        position.cells[SentinelCell] = Wall;
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                const CellCode code = board.At({x, y});
                const int cell = CellIndex({x, y});
                position.cells[cell] = static_cast<std::uint8_t>(code);
                position.tallyWords[cell] = TallyWord[code];
                position.material += PieceValue[code];
                for (const int side : {One, Two}) {
                    position.movers[side] |= std::uint64_t{IsMoverOf[side][code] != 0} << cell;
                }
                position.kings[One] += code == PlayerOneKing ? 1 : 0;
                position.kings[Two] += code == PlayerTwoKing ? 1 : 0;
            }
        }
        return position;
    }

    // The evaluation of the position for `side`, from the counts.
    static int Score(Side side, int material, int playerOneKings, int playerTwoKings) {
        int score = material;
        score -= playerTwoKings == 0 ? 1000 : 0;
        score += playerOneKings == 0 ? 1000 : 0;
        return side == Side::PlayerOne ? -score : score;
    }
    int ScoreFor(Side side) const { return Score(side, material, kings[One], kings[Two]); }
    // What ScoreFor(side) would give after `side` took `captured` (0 for a quiet move).
    int ScoreAfterTaking(Side side, std::uint8_t captured) const {
        return Score(side, material - PieceValue[captured],
                     kings[One] - (captured == PlayerOneKing ? 1 : 0),
                     kings[Two] - (captured == PlayerTwoKing ? 1 : 0));
    }

    // Moves the piece of `side` from `from` to `to` and returns what stood on `to`.
    template <Side side> std::uint8_t MakeMove(int from, int to) {
        constexpr int mine = SideNumber(side);
        constexpr int theirs = SideNumber(OtherSide(side));
        const std::uint8_t captured = cells[to];
        cells[to] = cells[from];
        cells[from] = Empty;
        tallyWords[to] = tallyWords[from];
        tallyWords[from] = TallyWord[Empty];
        movers[mine] ^= (std::uint64_t{1} << from) | (std::uint64_t{1} << to);
        movers[theirs] &= ~(std::uint64_t{IsMoverOf[theirs][captured] != 0} << to);
        material -= PieceValue[captured];
        kings[One] -= captured == PlayerOneKing ? 1 : 0;
        kings[Two] -= captured == PlayerTwoKing ? 1 : 0;
        return captured;
    }

    template <Side side> void UndoMove(int from, int to, std::uint8_t captured) {
        constexpr int mine = SideNumber(side);
        constexpr int theirs = SideNumber(OtherSide(side));
        cells[from] = cells[to];
        cells[to] = captured;
        tallyWords[from] = tallyWords[to];
        tallyWords[to] = TallyWord[captured];
        movers[mine] ^= (std::uint64_t{1} << from) | (std::uint64_t{1} << to);
        movers[theirs] |= std::uint64_t{IsMoverOf[theirs][captured] != 0} << to;
        material += PieceValue[captured];
        kings[One] += captured == PlayerOneKing ? 1 : 0;
        kings[Two] += captured == PlayerTwoKing ? 1 : 0;
    }
};

} // namespace trevallion::engine
