#include "shell/TileArt.h"

#include "rules/Steps.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <cmath>

namespace trevallion {
namespace {

// A side's colours: the figure itself, the rim of its shadow next to it and the shadow's outer
// rim.
struct SideColours {
    QColor body;
    QColor nearShadow;
    QColor farShadow;
};

SideColours ColoursOf(Side side) {
    if (side == Side::PlayerOne) {
        return {QColor(255, 0, 255), QColor(0, 0, 255), QColor(0, 0, 128)};
    }
    return {QColor(128, 128, 0), QColor(255, 0, 0), QColor(0, 0, 0)};
}

// The figure's own square, 30 pixels a side around FigureCentre; the two-pixel shadow takes
// the figure out to FigureMax.
constexpr int FigureSpan = 30;
constexpr int ShadowDepth = 2;
static_assert(FigureCentre - FigureMin == FigureSpan / 2);
static_assert(FigureMin + FigureSpan - 1 + ShadowDepth == FigureMax);

constexpr qreal ArmWidth = 8.0;
// As wide as an arm, so that straight bars stay straight and the joints between arms are round.
constexpr qreal HubRadius = ArmWidth / 2;
// Small enough to leave room for a shadow one pixel deeper than a piece's, which a disc needs
// to show as much of it.
constexpr qreal KingRadius = 10.0;
constexpr int KingShadowDepth = ShadowDepth + 1;
static_assert(FigureCentre + KingRadius + KingShadowDepth <= FigureMax);

void DrawWall(QPainter& painter) {
    constexpr int Low = 4;
    constexpr int High = Low + 40;
    painter.fillRect(QRect(Low, Low, High - Low, High - Low), QColor(0, 128, 128));
    // Lit from the top left: a light band along the top and left edges, and a purple band with a
    // black rim along the bottom and right edges, mitred at the corners.
    const auto band = [](int width, bool lit) {
        if (lit) {
            return QPolygon({QPoint(Low, Low), QPoint(High, Low), QPoint(High - width, Low + width),
                             QPoint(Low + width, Low + width), QPoint(Low + width, High - width),
                             QPoint(Low, High)});
        }
        return QPolygon({QPoint(High, High), QPoint(Low, High), QPoint(Low + width, High - width),
                         QPoint(High - width, High - width), QPoint(High - width, Low + width),
                         QPoint(High, Low)});
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(192, 192, 192));
    painter.drawPolygon(band(2, true));
    painter.setBrush(QColor(64, 0, 64));
    painter.drawPolygon(band(3, false));
    painter.setBrush(QColor(0, 0, 0));
    painter.drawPolygon(band(1, false));
}

// One layer of a piece: its arms and hub in one colour, shifted by `offset` pixels down and
// to the right.
void DrawArms(QPainter& painter, std::uint8_t mask, int offset, const QColor& colour) {
    const QPointF centre(FigureCentre + offset, FigureCentre + offset);
    painter.save();
    painter.setClipRect(QRect(FigureMin + offset, FigureMin + offset, FigureSpan, FigureSpan));
    painter.setPen(QPen(colour, ArmWidth, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < DirectionCount; ++i) {
        if ((mask >> i) & 1) {
            // Long enough to reach past the figure's square; the clip cuts it to length.
            const QPointF reach(Directions[i].dx * FigureSpan, Directions[i].dy * FigureSpan);
            painter.drawLine(centre, centre + reach);
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, HubRadius, HubRadius);
    painter.restore();
}

void DrawKingDisc(QPainter& painter, int offset, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(FigureCentre + offset, FigureCentre + offset), KingRadius,
                        KingRadius);
}

void DrawFigure(QPainter& painter, CellCode code) {
    const SideColours colours = ColoursOf(OwnerOf(code).value_or(Side::PlayerTwo));
    const bool king = IsKing(code);
    const std::uint8_t mask = StepMask(code);
    const auto layer = [&](int offset, const QColor& colour) {
        if (king) {
            DrawKingDisc(painter, offset, colour);
        } else {
            DrawArms(painter, mask, offset, colour);
        }
    };
    const int depth = king ? KingShadowDepth : ShadowDepth;
    layer(depth, colours.farShadow);
    layer(depth - 1, colours.nearShadow);
    layer(0, colours.body);
}

} // namespace

QPixmap DrawTile(CellCode code, qreal devicePixelRatio) {
    const int side = static_cast<int>(std::lround(TileSize * devicePixelRatio));
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::white);

    QPainter painter(&pixmap);
    if (code == Wall) {
        DrawWall(painter);
    } else if (code >= PlayerOneKing && code <= LastCode) {
        painter.setRenderHint(QPainter::Antialiasing);
        DrawFigure(painter, code);
    }
    return pixmap;
}

} // namespace trevallion
