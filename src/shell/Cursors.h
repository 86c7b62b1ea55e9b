#pragma once

#include "play/GameView.h"

#include <QCursor>

namespace trevallion {

// The mouse cursor that names the side to move: the plain arrow, or an arrow marked "P1" or
// "P2". The hot spot is the arrow's tip, at the top left.
QCursor SideCursor(CursorSide cursor, qreal devicePixelRatio = 1.0);

} // namespace trevallion
