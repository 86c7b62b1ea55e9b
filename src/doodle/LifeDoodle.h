#pragma once

#include "rules/Board.h"

#include <array>
#include <cstdint>

namespace trevallion {

// The Life Doodle, a pastime on the board's buttons while no game runs: Conway's game of life
// on the 7 x 7 grid with nothing beyond its edges. A grid holds one int per cell, indexed like
// the board (CellIndex); a cell is alive only when it holds exactly 1.
using DoodleGrid = std::array<std::int32_t, CellCount>;

// Whether a cell is alive when the doodle starts: the full 5 x 5 block in the middle.
constexpr bool AliveAtDoodleStart(Cell cell) {
    return cell.x >= 1 && cell.x <= 5 && cell.y >= 1 && cell.y <= 5;
}

// The number of live cells among the (up to eight) neighbours of `cell` that lie on the board.
int LiveNeighbours(const DoodleGrid& cells, Cell cell);

// Writes the generation after `cells` into `next`: a live cell with two or three live
// neighbours survives, a dead cell with exactly three is born, every other cell is dead.
void ComputeNextGeneration(const DoodleGrid& cells, DoodleGrid& next);

// Whether the four corners and the centre are all alive: the secret that shows the credits.
bool CreditsPatternLives(const DoodleGrid& cells);

} // namespace trevallion
