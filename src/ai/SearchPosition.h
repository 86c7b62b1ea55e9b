#pragma once

#include "ai/CodeTables.h"
#include "ai/MoveTables.h"
#include "rules/Board.h"
#include "rules/CellCode.h"

#include <array>
#include <cstdint>

namespace trevallion::engine {

// The position as the engine keeps it: one byte per cell in reading order (and the sentinel
// wall after them) with each cell's tally word beside it, a bit mask of each side's movable
// pieces for the scan, and the material and king counts kept up to date by MakeMove and UndoMove
// so that a leaf is scored without looking at the cells.
struct SearchPosition {
    std::array<std::uint8_t, CellCount + 1> cells{};
    std::array<std::uint64_t, CellCount + 1> tallyWords{};
    std::uint64_t movers[3] = {}; // by side; bit i is reading-order cell i
    int material = 0;             // Player 2's point of view, without the king terms
    int kings[3] = {};            // kings[1] counts code 2, kings[2] code 15

    static SearchPosition FromBoard(const Board& board) {
        SearchPosition position;
        position.cells[SentinelCell] = Wall;
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                const CellCode code = board.At(x, y);
                const int cell = ReadingIndex(x, y);
                position.cells[cell] = static_cast<std::uint8_t>(code);
                position.tallyWords[cell] = TallyWord[code];
                position.material += PieceValue[code];
                for (int side = PlayerOne; side <= PlayerTwo; ++side) {
                    position.movers[side] |= std::uint64_t{IsMoverOf[side][code] != 0} << cell;
                }
                position.kings[PlayerOne] += code == PlayerOneKing ? 1 : 0;
                position.kings[PlayerTwo] += code == PlayerTwoKing ? 1 : 0;
            }
        }
        return position;
    }

    // The evaluation of the position for `side`, from the counts.
    static int Score(int side, int material, int playerOneKings, int playerTwoKings) {
        int score = material;
        score -= playerTwoKings == 0 ? 1000 : 0;
        score += playerOneKings == 0 ? 1000 : 0;
        return side == PlayerOne ? -score : score;
    }
    int ScoreFor(int side) const {
        return Score(side, material, kings[PlayerOne], kings[PlayerTwo]);
    }
    // What ScoreFor(side) would give after `side` took `captured` (0 for a quiet move).
    int ScoreAfterTaking(int side, std::uint8_t captured) const {
        return Score(side, material - PieceValue[captured],
                     kings[PlayerOne] - (captured == PlayerOneKing ? 1 : 0),
                     kings[PlayerTwo] - (captured == PlayerTwoKing ? 1 : 0));
    }

    // Moves the piece of `side` from `from` to `to` and returns what stood on `to`.
    std::uint8_t MakeMove(int side, int from, int to) {
        const std::uint8_t captured = cells[to];
        cells[to] = cells[from];
        cells[from] = Empty;
        tallyWords[to] = tallyWords[from];
        tallyWords[from] = TallyWord[Empty];
        movers[side] ^= (std::uint64_t{1} << from) | (std::uint64_t{1} << to);
        movers[OtherSide(side)] &=
            ~(std::uint64_t{IsMoverOf[OtherSide(side)][captured] != 0} << to);
        material -= PieceValue[captured];
        kings[PlayerOne] -= captured == PlayerOneKing ? 1 : 0;
        kings[PlayerTwo] -= captured == PlayerTwoKing ? 1 : 0;
        return captured;
    }

    void UndoMove(int side, int from, int to, std::uint8_t captured) {
        cells[from] = cells[to];
        cells[to] = captured;
        tallyWords[from] = tallyWords[to];
        tallyWords[to] = TallyWord[captured];
        movers[side] ^= (std::uint64_t{1} << from) | (std::uint64_t{1} << to);
        movers[OtherSide(side)] |= std::uint64_t{IsMoverOf[OtherSide(side)][captured] != 0} << to;
        material += PieceValue[captured];
        kings[PlayerOne] += captured == PlayerOneKing ? 1 : 0;
        kings[PlayerTwo] += captured == PlayerTwoKing ? 1 : 0;
    }
};

} // namespace trevallion::engine
