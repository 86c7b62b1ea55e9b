#include "shell/Cursors.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace trevallion {
namespace {

constexpr int CursorSize = 32;

// A black arrow with a white rim, its tip at (0, 0).
void PaintArrow(QPainter& painter) {
    const QPolygonF arrow({{0.5, 0.5},
                           {0.5, 17.0},
                           {4.5, 13.0},
                           {7.5, 19.5},
                           {10.0, 18.5},
                           {7.0, 12.0},
                           {12.5, 12.0}});
    painter.setPen(QPen(Qt::white, 1.0));
    painter.setBrush(Qt::black);
    painter.drawPolygon(arrow);
}

// The side's mark below and right of the arrow, dark on a light patch so it reads anywhere.
void PaintSideMark(QPainter& painter, int side) {
    const QRectF patch(12.0, 18.0, 19.0, 13.0);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(QColor(255, 255, 210));
    painter.drawRoundedRect(patch, 2.0, 2.0);
    QFont font;
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(patch, Qt::AlignCenter,
                     side == 1 ? QStringLiteral("P1") : QStringLiteral("P2"));
}

} // namespace

QCursor SideCursor(int cursorSide, qreal devicePixelRatio) {
    const int pixels = qRound(CursorSize * devicePixelRatio);
    QPixmap pixmap(pixels, pixels);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintArrow(painter);
    if (cursorSide == 1 || cursorSide == 2) {
        PaintSideMark(painter, cursorSide);
    }
    painter.end();
    return QCursor(pixmap, 0, 0);
}

} // namespace trevallion
