#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

namespace trevallion {

// The program's icon: a dark red three-armed piece (arms up, down-left and down-right) on white
// inside a square frame flecked purple and yellow on black. Each size it holds (16, 32, 48, 64
// and 128 pixels) is drawn for that size, so none is a blurred copy of another, and the flecks
// are the same on every run.
QIcon ProgramIcon();

// The icon drawn for a square of `size` pixels.
QImage DrawProgramIcon(int size);

// Paints the icon of `size` pixels on whatever `painter` paints on, such as a vector drawing.
void PaintProgramIcon(QPainter& painter, int size);

} // namespace trevallion
