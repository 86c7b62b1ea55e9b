#include "doodle/LifeDoodle.h"

namespace trevallion {
namespace {

bool Alive(const DoodleGrid& cells, int x, int y) {
    return cells[static_cast<std::size_t>(CellIndex({x, y}))] == 1;
}

} // namespace

int LiveNeighbours(const DoodleGrid& cells, int x, int y) {
    int count = 0;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if ((dx != 0 || dy != 0) && OnBoard({x + dx, y + dy}) && Alive(cells, x + dx, y + dy)) {
                ++count;
            }
        }
    }
    return count;
}

void ComputeNextGeneration(const DoodleGrid& cells, DoodleGrid& next) {
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            const int neighbours = LiveNeighbours(cells, x, y);
            const bool born = neighbours == 3;
            const bool survives = Alive(cells, x, y) && neighbours == 2;
            next[static_cast<std::size_t>(CellIndex({x, y}))] = born || survives ? 1 : 0;
        }
    }
}

bool CreditsPatternLives(const DoodleGrid& cells) {
    constexpr int Last = BoardSize - 1;
    return Alive(cells, 0, 0) && Alive(cells, Last, 0) && Alive(cells, 0, Last) &&
           Alive(cells, Last, Last) && Alive(cells, Last / 2, Last / 2);
}

} // namespace trevallion
