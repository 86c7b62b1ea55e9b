#include "shell/AboutPicture.h"

#include "rules/CellCode.h"
#include "rules/Steps.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <cstdint>

namespace trevallion {
namespace {

// The board: 7 cells of 12 pixels, centred across the picture below the crown.
constexpr int Cell = 12;
constexpr int BoardLeft = (AboutPictureWidth - 7 * Cell) / 2;
constexpr int BoardTop = 41;
static_assert(BoardTop + 7 * Cell < AboutPictureHeight - 5, "the board clears the frame");

struct Placed {
    int x;
    int y;
    CellCode code;
};

// A quiet middle game: Player 2 (white on black) at the top, Player 1 (black on white) below.
constexpr Placed Position[] = {
    {3, 0, PlayerTwoKing}, {1, 1, 16}, {3, 2, 23}, {5, 1, 21}, {0, 3, Wall}, {3, 3, Wall},
    {6, 3, Wall},          {1, 4, 9},  {5, 4, 5},  {2, 5, 3},  {4, 5, 7},    {3, 6, PlayerOneKing},
};

void PaintFrame(QPainter& painter) {
    painter.fillRect(QRect(0, 0, AboutPictureWidth, AboutPictureHeight), Qt::black);
    painter.fillRect(QRect(2, 2, AboutPictureWidth - 4, AboutPictureHeight - 4), Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(4, 4, AboutPictureWidth - 9, AboutPictureHeight - 9));
}

// A five-pointed crown with a ball on every point and three white jewels on its band.
void PaintCrown(QPainter& painter) {
    const QPolygon crown({{28, 35},
                          {28, 18},
                          {35, 27},
                          {41, 13},
                          {47, 27},
                          {54, 9},
                          {61, 27},
                          {67, 13},
                          {73, 27},
                          {80, 18},
                          {80, 35}});
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(crown);
    for (const QPoint tip :
         {QPoint(28, 16), QPoint(41, 11), QPoint(54, 7), QPoint(67, 11), QPoint(80, 16)}) {
        painter.drawEllipse(tip, 2, 2);
    }
    painter.fillRect(QRect(30, 29, 49, 1), Qt::white);
    painter.setBrush(Qt::white);
    for (const int x : {41, 54, 67}) {
        painter.drawPolygon(QPolygon({{x, 30}, {x + 2, 32}, {x, 34}, {x - 2, 32}}));
    }
}

QRect CellRect(int x, int y) {
    return QRect(BoardLeft + x * Cell, BoardTop + y * Cell, Cell, Cell);
}

// Player 2's cells are drawn inverted, white on black, so the two sides tell apart at a glance.
bool Inverted(CellCode code) {
    return BelongsTo(code, Side::PlayerTwo);
}

// A piece's arms, read from its steps like the tiles' arms.
void PaintPiece(QPainter& painter, const QRect& cell, CellCode code) {
    const QPoint centre = cell.topLeft() + QPoint(Cell / 2, Cell / 2);
    const std::uint8_t mask = StepMask(code);
    painter.save();
    painter.setClipRect(cell.adjusted(1, 1, 0, 0));
    painter.setPen(QPen(Inverted(code) ? Qt::white : Qt::black, 3, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < DirectionCount; ++i) {
        if ((mask >> i) & 1) {
            painter.drawLine(centre, centre + QPoint(Directions[i].dx, Directions[i].dy) * 4);
        }
    }
    painter.restore();
}

// A disc with a small cross on it marks a king.
void PaintKing(QPainter& painter, const QRect& cell, CellCode code) {
    const QPoint centre = cell.topLeft() + QPoint(Cell / 2, Cell / 2);
    const Qt::GlobalColor body = Inverted(code) ? Qt::white : Qt::black;
    const Qt::GlobalColor mark = Inverted(code) ? Qt::black : Qt::white;
    painter.setPen(QPen(body, 1));
    painter.setBrush(body);
    painter.drawEllipse(centre, 4, 4);
    painter.setPen(QPen(mark, 1));
    painter.drawLine(centre + QPoint(0, -2), centre + QPoint(0, 2));
    painter.drawLine(centre + QPoint(-2, 0), centre + QPoint(2, 0));
}

void PaintBoard(QPainter& painter) {
    CellCode codes[7][7] = {};
    for (const Placed& placed : Position) {
        codes[placed.x][placed.y] = placed.code;
    }
    painter.setPen(Qt::NoPen);
    for (int x = 0; x < 7; ++x) {
        for (int y = 0; y < 7; ++y) {
            const QRect inner = CellRect(x, y).adjusted(1, 1, 0, 0);
            const CellCode code = codes[x][y];
            if (code == Wall) {
                painter.fillRect(inner, QBrush(Qt::black, Qt::DiagCrossPattern));
            } else if (code == Empty && (x + y) % 2 == 1) {
                painter.fillRect(inner, QBrush(Qt::black, Qt::Dense6Pattern));
            } else if (Inverted(code)) {
                painter.fillRect(inner, Qt::black);
            }
            if (IsKing(code)) {
                PaintKing(painter, CellRect(x, y), code);
            } else if (code != Empty && code != Wall) {
                PaintPiece(painter, CellRect(x, y), code);
            }
        }
    }
    painter.setPen(QPen(Qt::black, 1));
    for (int i = 0; i <= 7; ++i) {
        painter.drawLine(BoardLeft + i * Cell, BoardTop, BoardLeft + i * Cell, BoardTop + 7 * Cell);
        painter.drawLine(BoardLeft, BoardTop + i * Cell, BoardLeft + 7 * Cell, BoardTop + i * Cell);
    }
}

} // namespace

QPixmap DrawAboutPicture(qreal devicePixelRatio) {
    QImage image(static_cast<int>(std::lround(AboutPictureWidth * devicePixelRatio)),
                 static_cast<int>(std::lround(AboutPictureHeight * devicePixelRatio)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    // No antialiasing anywhere: the picture is a one-bit bitmap, with no grey at any edge.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    PaintFrame(painter);
    PaintCrown(painter);
    PaintBoard(painter);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace trevallion
