#pragma once

#include "play/CellDescription.h"

#include <QColor>

class QPainter;
class QRect;

namespace trevallion {

// How the play aids look, drawn over a tile so that the tile itself stays as it is.
namespace MarkColours {
inline const QColor Selected(214, 140, 0);    // a gold frame
inline const QColor Target(255, 196, 0, 80);  // a light gold tint
inline const QColor LastMove(70, 70, 70);     // dark corner brackets
inline const QColor Hint(0, 170, 60);         // a green frame
inline const QColor HintTint(0, 200, 80, 50); // and a light green tint
inline const QColor Grid(0, 0, 0, 28);        // a faint line round an empty cell
// On the dark board the brackets and the grid are light instead.
inline const QColor DarkLastMove(200, 200, 200);
inline const QColor DarkGrid(255, 255, 255, 36);
} // namespace MarkColours

// Paints the marks of one cell over its tile, which fills `tile`, drawn for a dark background
// if `dark`; `grid` draws the faint grid line. The frames grow with the tile. With no marks and
// no grid it paints nothing at all.
void PaintCellMarks(QPainter& painter, const QRect& tile, const CellMarks& marks, bool grid,
                    bool dark = false);

} // namespace trevallion
