#include "shell/CellMarksArt.h"

#include "shell/TileArt.h"

#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace trevallion {
namespace {

// On the smallest tile the frames keep to the tile's outer two pixels, clear of the focus frame
// just inside them; on a larger tile everything grows in proportion.
constexpr int FrameWidth = 2;
constexpr int BracketLength = 12;

int Scaled(const QRect& tile, int length) {
    return std::max(1, static_cast<int>(std::lround(length * qreal(tile.width()) / TileSize)));
}

// A solid frame `width` wide along the inside of `tile`'s edges.
void PaintFrame(QPainter& painter, const QRect& tile, const QColor& colour, int width) {
    const int w = width;
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
    const int w = Scaled(tile, FrameWidth);
    const int n = Scaled(tile, BracketLength);
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

} // namespace

void PaintCellMarks(QPainter& painter, const QRect& tile, const CellMarks& marks, bool grid,
                    bool dark) {
    // A line along the tile's edges; neighbouring empty cells draw a line of two.
    if (grid) {
        PaintFrame(painter, tile, dark ? MarkColours::DarkGrid : MarkColours::Grid,
                   Scaled(tile, 1));
    }
    if (marks.target || marks.selected) {
        painter.fillRect(tile, MarkColours::Target);
    }
    if (marks.hint) {
        painter.fillRect(tile, MarkColours::HintTint);
    }
    if (marks.lastMove) {
        PaintCornerBrackets(painter, tile,
                            dark ? MarkColours::DarkLastMove : MarkColours::LastMove);
    }
    if (marks.selected) {
        PaintFrame(painter, tile, MarkColours::Selected, Scaled(tile, FrameWidth));
    }
    if (marks.hint) {
        PaintFrame(painter, tile, MarkColours::Hint, Scaled(tile, FrameWidth));
    }
}

} // namespace trevallion
