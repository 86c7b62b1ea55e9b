#include "doodle/LifeDoodle.h"

namespace trevallion {
namespace {

bool Alive(const DoodleGrid& cells, Cell cell) {
    return cells[static_cast<std::size_t>(CellIndex(cell))] == 1;
}

} // namespace

int LiveNeighbours(const DoodleGrid& cells, Cell cell) {
    int count = 0;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const Cell neighbour{cell.x + dx, cell.y + dy};
            if ((dx != 0 || dy != 0) && OnBoard(neighbour) && Alive(cells, neighbour)) {
                ++count;
            }
        }
    }
    return count;
}

void ComputeNextGeneration(const DoodleGrid& cells, DoodleGrid& next) {
    for (int i = 0; i < CellCount; ++i) {
        const int neighbours = LiveNeighbours(cells, CellAt(i));
        const bool born = neighbours == 3;
        const bool survives = Alive(cells, CellAt(i)) && neighbours == 2;
        next[static_cast<std::size_t>(i)] = born || survives ? 1 : 0;
    }
}

bool CreditsPatternLives(const DoodleGrid& cells) {
    constexpr int Last = BoardSize - 1;
    return Alive(cells, {0, 0}) && Alive(cells, {Last, 0}) && Alive(cells, {0, Last}) &&
           Alive(cells, {Last, Last}) && Alive(cells, {Last / 2, Last / 2});
}

} // namespace trevallion
