#include "shell/Cursors.h"

#include "shell/TileArt.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace trevallion {
namespace {

constexpr int CursorSize = 32;

// A white arrow with a black outline, its tip at (0, 0).
void PaintArrow(QPainter& painter) {
    // Whole pixels: drawn without smoothing, the outline of the point (0, 0) is pixel (0, 0),
    // where the hot spot is.
    const QPolygon arrow({{0, 0}, {0, 16}, {4, 12}, {7, 18}, {9, 17}, {6, 11}, {11, 11}});
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
}

// The side's mark below and right of the arrow, black on a white patch so it reads anywhere and
// the cursor stays black and white.
void PaintSideMark(QPainter& painter, CursorSide side) {
    const QRectF patch(12.0, 18.0, 19.0, 13.0);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(patch, 2.0, 2.0);
    QFont font;
    font.setPixelSize(10);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.drawText(patch, Qt::AlignCenter,
                     side == CursorSide::PlayerOne ? QStringLiteral("P1") : QStringLiteral("P2"));
}

} // namespace

QCursor SideCursor(CursorSide cursor, qreal devicePixelRatio) {
    const int pixels = qRound(CursorSize * devicePixelRatio);
    QPixmap pixmap(pixels, pixels);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    // A monochrome cursor: every pixel black, white or clear, with no smoothed edges.
    QPainter painter(&pixmap);
    ScaleToDevicePixels(painter, devicePixelRatio);
    PaintArrow(painter);
    if (cursor != CursorSide::Neutral) {
        PaintSideMark(painter, cursor);
    }
    painter.end();
    return QCursor(pixmap, 0, 0);
}

} // namespace trevallion
