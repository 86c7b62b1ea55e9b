#include "shell/SideContrast.h"

#include "rules/Steps.h"
#include "shell/TileArt.h"

#include <QImage>

#include <cmath>

namespace trevallion {
namespace {

QImage TileImage(CellCode code, const BoardLook& look) {
    return DrawTile(code, TileSize, 1.0, look).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

double SideGreys::Separation() const {
    return std::abs(playerOne - playerTwo);
}

SideGreys MeasureSideGreys(const BoardLook& look) {
    const QImage empty = TileImage(Empty, BoardLook{});
    double sums[2] = {0, 0};
    long counts[2] = {0, 0};
    for (CellCode code = PlayerOneKing; code <= LastCode; ++code) {
        const int side = BelongsTo(code, Side::PlayerOne) ? 0 : 1;
        const QImage footprint = TileImage(code, BoardLook{});
        const QImage tile = TileImage(code, look);
        for (int y = 0; y < tile.height(); ++y) {
            for (int x = 0; x < tile.width(); ++x) {
                if (footprint.pixel(x, y) != empty.pixel(x, y)) {
                    sums[side] += qGray(tile.pixel(x, y));
                    ++counts[side];
                }
            }
        }
    }
    return {sums[0] / double(counts[0]), sums[1] / double(counts[1])};
}

} // namespace trevallion
