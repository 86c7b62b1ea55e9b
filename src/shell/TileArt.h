#pragma once

#include "play/GameView.h"
#include "rules/CellCode.h"

#include <QColor>
#include <QPixmap>

class QPainter;

namespace trevallion {

// The tiles' art is laid out on a square this many device-independent pixels a side, which is
// also the smallest tile the board shows where the screen has room for it; larger tiles are the
// same art drawn larger, and smaller ones, down to SmallestTileSize, the art drawn smaller.
inline constexpr int TileSize = 48;
inline constexpr int SmallestTileSize = 16;

// Pieces and kings are drawn around the point (FigureCentre, FigureCentre) of the tile, and
// together with their shadows they stay inside the square from FigureMin to FigureMax
// (inclusive pixel coordinates).
inline constexpr int FigureCentre = 23;
inline constexpr int FigureMin = 8;
inline constexpr int FigureMax = 39;

// Qt's painter turns device-independent pixels into a device's pixels only where the device
// pixel ratio is 1 or more: below it (QT_SCALE_FACTOR=0.5, say) it draws them one to one, twice
// too large for the place Qt gave a widget on the screen, and a pixmap of such a ratio as large.
// This scales `painter`, just begun on a device of ratio `devicePixelRatio`, by what is missing.
void ScaleToDevicePixels(QPainter& painter, qreal devicePixelRatio);

// The colour of an empty cell, and round a wall.
QColor BoardBackground(bool dark);

// Whether a tile is drawn on the cell's ground, or as its figure alone, clear round it.
enum class TileGround { Filled, Clear };

// Paints the tile of a cell code (0..27) `side` device-independent pixels a side, for a screen
// of the given device pixel ratio, in `look` (`dark` meaning drawn for a dark background): the
// pixmap has side * ratio pixels a side, rounded, and carries the ratio. Codes outside 0..27
// get the empty tile.
QPixmap DrawTile(CellCode code, int side, qreal devicePixelRatio, const BoardLook& look,
                 TileGround ground = TileGround::Filled);

// The tile on the light board at its smallest.
inline QPixmap DrawTile(CellCode code, qreal devicePixelRatio = 1.0) {
    return DrawTile(code, TileSize, devicePixelRatio, BoardLook{});
}

} // namespace trevallion
