#include "expert/PieceSquares.h"

#include "engine/MoveTables.h"
#include "expert/ExpertTerms.h"
#include "rules/Steps.h"

#include <algorithm>

namespace trevallion::expert {
namespace {

constexpr std::uint8_t Unreached = 0xff;

using Distances = std::array<std::uint8_t, CellCount>;

int FindCode(const Board& board, CellCode code) {
    const auto found = std::find(board.cells.begin(), board.cells.end(), code);
    return found == board.cells.end() ? -1 : static_cast<int>(found - board.cells.begin());
}

// The steps a piece of `code` needs from each cell to reach `target`, walls and kings in the way
// and every other piece taken off. The lists are few and short, so the distances are relaxed
// sweep by sweep until none shortens.
void FillDistances(const Board& board, Side side, CellCode code, int target, Distances& steps) {
    const auto& targetsOf = engine::GetMoveTables().targets[SideNumber(side)][code];
    const auto passable = [&](int cell) { return board[cell] != Wall && !IsKing(board[cell]); };
    steps.fill(Unreached);
    steps[target] = 0;
    bool changed = true;
    while (changed) {
        changed = false;
        for (int cell = 0; cell < CellCount; ++cell) {
            if (!passable(cell)) {
                continue;
            }
            for (const std::uint8_t to : targetsOf[cell].cells) {
                if (to < CellCount && steps[to] != Unreached && steps[to] + 1 < steps[cell]) {
                    steps[cell] = static_cast<std::uint8_t>(steps[to] + 1);
                    changed = true;
                }
            }
        }
    }
}

int KingBonus(std::uint8_t steps) {
    const int last = static_cast<int>(KingDistanceBonus.size()) - 1;
    return KingDistanceBonus[std::min<int>(steps, last)];
}

void FillNeighbours(Side side, int king, KingNeighbours& around,
                    std::array<std::uint32_t, CellCount + 1>& takersByCell) {
    around = KingNeighbours{};
    takersByCell.fill(0);
    if (king < 0) {
        return;
    }
    const Cell kingCell = CellAt(king);
    for (const Direction direction : Directions) {
        const Cell from{kingCell.x - direction.dx, kingCell.y - direction.dy};
        if (!OnBoard(from)) {
            continue;
        }
        std::uint32_t takers = 0;
        for (CellCode code = 0; code <= LastCode; ++code) {
            if (IsMovablePieceOf(code, side) && HasArm(code, direction)) {
                takers |= std::uint32_t{1} << code;
            }
        }
        around.cells[around.count] = static_cast<std::uint8_t>(CellIndex(from));
        around.takers[around.count] = takers;
        ++around.count;
        takersByCell[CellIndex(from)] = takers;
    }
}

} // namespace

void PreparePieceSquares(const Board& board, PieceSquares& squares) {
    for (auto& row : squares.value) {
        row.fill(0);
    }
    for (auto& row : squares.attacker) {
        row.fill(0);
    }
    for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
        const int enemyKing = FindCode(board, KingOf(OtherSide(side)));
        FillNeighbours(side, enemyKing, squares.aroundEnemyKing[SideNumber(side)],
                       squares.kingTakers[SideNumber(side)]);
        const int sign = side == Side::PlayerTwo ? 1 : -1;
        for (CellCode code = 0; code <= LastCode; ++code) {
            if (!IsMovablePieceOf(code, side)) {
                continue;
            }
            Distances steps;
            if (enemyKing >= 0) {
                FillDistances(board, side, code, enemyKing, steps);
            } else {
                steps.fill(Unreached);
            }
            const int worth = IsCross(code) ? CrossWorth : PieceWorth;
            for (int cell = 0; cell < CellCount; ++cell) {
                squares.value[code][cell] = sign * (worth + KingBonus(steps[cell]));
                squares.attacker[code][cell] = steps[cell] <= AttackerSteps ? 1 : 0;
            }
        }
    }
}

} // namespace trevallion::expert
