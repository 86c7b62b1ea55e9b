#include "shell/CellMarksArt.h"

#include <QPainter>
#include <QRect>

namespace trevallion {
namespace {

// The frames keep to the tile's outer two pixels, clear of the focus frame just inside them.
constexpr int FrameWidth = 2;
constexpr int BracketLength = 12;

// A solid frame `FrameWidth` wide along the inside of `tile`'s edges.
void PaintFrame(QPainter& painter, const QRect& tile, const QColor& colour) {
    const int w = FrameWidth;
    const QRect sides[] = {
        {tile.left(), tile.top(), tile.width(), w},
        {tile.left(), tile.bottom() + 1 - w, tile.width(), w},
        {tile.left(), tile.top() + w, w, tile.height() - 2 * w},
        {tile.right() + 1 - w, tile.top() + w, w, tile.height() - 2 * w},
    };
    for (const QRect& side : sides) {
        painter.fillRect(side, colour);
    }
}

// An L-shaped bracket in each corner: the last move, told apart from a selection's full frame
// by its shape as well as its colour.
void PaintCornerBrackets(QPainter& painter, const QRect& tile, const QColor& colour) {
    const int left = tile.left();
    const int top = tile.top();
    const int right = tile.right() + 1;
    const int bottom = tile.bottom() + 1;
    const int w = FrameWidth;
    const int n = BracketLength;
    const QRect bars[] = {
        {left, top, n, w},
        {left, top, w, n},
        {right - n, top, n, w},
        {right - w, top, w, n},
        {left, bottom - w, n, w},
        {left, bottom - n, w, n},
        {right - n, bottom - w, n, w},
        {right - w, bottom - n, w, n},
    };
    for (const QRect& bar : bars) {
        painter.fillRect(bar, colour);
    }
}

// A one-pixel outline along the tile's edges; neighbouring empty cells draw a line of two.
void PaintGridLine(QPainter& painter, const QRect& tile) {
    painter.save();
    painter.setPen(MarkColours::Grid);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(tile.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace

void PaintCellMarks(QPainter& painter, const QRect& tile, const CellMarks& marks, bool grid) {
    if (grid) {
        PaintGridLine(painter, tile);
    }
    if (marks.target || marks.selected) {
        painter.fillRect(tile, MarkColours::Target);
    }
    if (marks.hint) {
        painter.fillRect(tile, MarkColours::HintTint);
    }
    if (marks.lastMove) {
        PaintCornerBrackets(painter, tile, MarkColours::LastMove);
    }
    if (marks.selected) {
        PaintFrame(painter, tile, MarkColours::Selected);
    }
    if (marks.hint) {
        PaintFrame(painter, tile, MarkColours::Hint);
    }
}

} // namespace trevallion
