#pragma once

#include "play/GameView.h"
#include "rules/CellCode.h"

#include <QColor>
#include <QPixmap>

namespace trevallion {

// The tiles' art is laid out on a square this many device-independent pixels a side, which is
// also the smallest tile the board shows; larger tiles are the same art drawn larger.
inline constexpr int TileSize = 48;

// Pieces and kings are drawn around the point (FigureCentre, FigureCentre) of the tile, and
// together with their shadows they stay inside the square from FigureMin to FigureMax
// (inclusive pixel coordinates).
inline constexpr int FigureCentre = 23;
inline constexpr int FigureMin = 8;
inline constexpr int FigureMax = 39;

// The colour of an empty cell, and round a wall.
QColor BoardBackground(bool dark);

// Paints the tile of a cell code (0..27) `side` device-independent pixels a side, for a screen
// of the given device pixel ratio, in `look` (`dark` meaning drawn for a dark background): the
// pixmap has side * ratio pixels a side, rounded, and carries the ratio. Codes outside 0..27
// get the empty tile.
QPixmap DrawTile(CellCode code, int side, qreal devicePixelRatio, const BoardLook& look);

// The tile on the light board at its smallest.
inline QPixmap DrawTile(CellCode code, qreal devicePixelRatio = 1.0) {
    return DrawTile(code, TileSize, devicePixelRatio, BoardLook{});
}

} // namespace trevallion
