#pragma once

#include <QCursor>

namespace trevallion {

// The mouse cursor that names the side to move: 0 the plain arrow, 1 an arrow marked "P1", 2 one
// marked "P2". The hot spot is the arrow's tip, at the top left. Other values give the arrow.
QCursor SideCursor(int cursorSide, qreal devicePixelRatio = 1.0);

} // namespace trevallion
