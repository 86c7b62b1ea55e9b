#include "engine/MoveTables.h"

#include "rules/CellCode.h"
#include "rules/Steps.h"

namespace trevallion::engine {
namespace {

void FillTargets(MoveTables& tables, Side side, CellCode code) {
    // Player 1 looks at the row above first, Player 2 at the row below.
    const int firstRowStep = side == Side::PlayerOne ? 1 : -1;
    for (int y = 0; y < BoardSize; ++y) {
        for (int x = 0; x < BoardSize; ++x) {
            TargetList& list = tables.targets[SideNumber(side)][code][CellIndex({x, y})];
            int count = 0;
            for (int row = 0; row < 3; ++row) {
                const int ty = y - firstRowStep + row * firstRowStep;
                for (int tx = x - 1; tx <= x + 1; ++tx) {
                    if (OnBoard({tx, ty}) && CanStep(code, {x, y}, {tx, ty})) {
                        list.cells[count++] = static_cast<std::uint8_t>(CellIndex({tx, ty}));
                    }
                }
            }
        }
    }
}

MoveTables BuildMoveTables() {
    MoveTables tables{};
    for (CellCode code = 0; code <= LastCode; ++code) {
        if (const auto owner = OwnerOf(code); owner && IsMovablePieceOf(code, *owner)) {
            FillTargets(tables, *owner, code);
        }
    }
    return tables;
}

} // namespace

const MoveTables& GetMoveTables() {
    static const MoveTables tables = BuildMoveTables();
    return tables;
}

} // namespace trevallion::engine
