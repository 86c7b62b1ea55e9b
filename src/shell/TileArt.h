#pragma once

#include "rules/CellCode.h"

#include <QPixmap>

namespace trevallion {

// Tiles are square, this many device-independent pixels a side.
inline constexpr int TileSize = 48;

// Pieces and kings are drawn around the point (FigureCentre, FigureCentre) of the tile, and
// together with their shadows they stay inside the square from FigureMin to FigureMax
// (inclusive pixel coordinates).
inline constexpr int FigureCentre = 23;
inline constexpr int FigureMin = 8;
inline constexpr int FigureMax = 39;

// Paints the tile of a cell code (0..27) for a screen of the given device pixel ratio: the
// pixmap has TileSize * ratio pixels a side and carries the ratio. Codes outside 0..27 get
// the empty tile.
QPixmap DrawTile(CellCode code, qreal devicePixelRatio = 1.0);

} // namespace trevallion
