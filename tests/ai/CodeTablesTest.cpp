#include "engine/CodeTables.h"
#include "engine/MoveTables.h"
#include "rules/Steps.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace trevallion::engine {
namespace {

// Every side, mover code, target code, start cell and direction: the engine's compact tables
// (movers, target lists, both ordering modes' class tables, the depth-1 tally) must allow a step
// exactly when the movement rule does.
TEST(CodeTables, AgreeWithTheMovementRuleEverywhere) {
    for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
        const int s = SideNumber(side);
        for (CellCode mover = 0; mover <= LastCode; ++mover) {
            for (CellCode target = 0; target <= LastCode; ++target) {
                const bool tallied = (TallyWord[target] >> (32 * (s - 1)) & 0xffffffff) != 0;
                for (int from = 0; from < CellCount; ++from) {
                    const Cell start = CellAt(from);
                    const auto& listed = GetMoveTables().targets[s][mover][from].cells;
                    for (const Direction d : Directions) {
                        const Cell to{start.x + d.dx, start.y + d.dy};
                        Board board;
                        board[from] = mover;
                        const bool onBoard = OnBoard(to);
                        if (onBoard) {
                            board.At(to) = target;
                        }
                        const bool moves = IsMoverOf[s][mover] == 1 && onBoard &&
                                           std::ranges::count(listed, CellIndex(to));
                        const bool rule = MayStep(board, side, start, to);
                        ASSERT_TRUE((moves && TargetClass[s][0][target] >= 0) == rule &&
                                    (moves && TargetClass[s][1][target] >= 0) == rule &&
                                    (moves && tallied) == rule)
                            << "side " << s << " code " << mover << " onto " << target
                            << " from cell " << from << " by (" << d.dx << ", " << d.dy << ")";
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace trevallion::engine
