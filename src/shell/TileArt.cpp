#include "shell/TileArt.h"

#include "rules/Steps.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <cmath>
#include <optional>

namespace trevallion {
namespace {

// A side's colours: the figure itself, the rim of its shadow next to it and the shadow's outer
// rim. A figure with an inside colour is drawn hollow: an outline in the body colour round it.
struct SideColours {
    QColor body;
    QColor nearShadow;
    QColor farShadow;
    std::optional<QColor> inside;
};

// The two sides differ by hue, and under High Contrast also by lightness and shape: Player 1
// solid and dark on the light board (light on the dark one), Player 2 an outline round a fill of
// the opposite lightness. The shadows stay as they are, so the pieces keep their depth.
SideColours ColoursOf(Side side, const BoardLook& look) {
    const QColor near = side == Side::PlayerOne ? QColor(0, 0, 255) : QColor(255, 0, 0);
    const QColor far = side == Side::PlayerOne ? QColor(0, 0, 128) : QColor(0, 0, 0);
    if (!look.highContrast) {
        const QColor body = side == Side::PlayerOne ? QColor(255, 0, 255) : QColor(128, 128, 0);
        return {body, near, far, std::nullopt};
    }
    if (side == Side::PlayerOne) {
        return {look.dark ? QColor(255, 190, 255) : QColor(140, 0, 140), near, far, std::nullopt};
    }
    if (look.dark) {
        return {QColor(230, 230, 60), near, far, QColor(60, 60, 20)};
    }
    return {QColor(100, 100, 0), near, far, QColor(255, 245, 150)};
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
// A hollow figure's outline: half an arm's width is left for the inside.
constexpr int OutlineWidth = 2;

struct WallColours {
    QColor block;
    QColor lit;
    QColor shade;
    QColor rim;
};

WallColours WallColoursOf(bool dark) {
    if (dark) {
        return {QColor(0, 96, 96), QColor(120, 150, 150), QColor(30, 0, 30), QColor(0, 0, 0)};
    }
    return {QColor(0, 128, 128), QColor(192, 192, 192), QColor(64, 0, 64), QColor(0, 0, 0)};
}

void DrawWall(QPainter& painter, const WallColours& colours) {
    constexpr int Low = 4;
    constexpr int High = Low + 40;
    painter.fillRect(QRect(Low, Low, High - Low, High - Low), colours.block);
    // Lit from the top left: a light band along the top and left edges, and a dark band with a
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
    painter.setBrush(colours.lit);
    painter.drawPolygon(band(2, true));
    painter.setBrush(colours.shade);
    painter.drawPolygon(band(3, false));
    painter.setBrush(colours.rim);
    painter.drawPolygon(band(1, false));
}

// One layer of a piece: its arms and hub in one colour, shifted by `offset` pixels down and
// to the right, and drawn `inset` pixels inside the figure's outline.
void DrawArms(QPainter& painter, std::uint8_t mask, int offset, const QColor& colour, int inset) {
    const QPointF centre(FigureCentre + offset, FigureCentre + offset);
    painter.save();
    painter.setClipRect(QRect(FigureMin + offset, FigureMin + offset, FigureSpan, FigureSpan)
                            .adjusted(inset, inset, -inset, -inset));
    painter.setPen(QPen(colour, ArmWidth - 2 * inset, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < DirectionCount; ++i) {
        if ((mask >> i) & 1) {
            // Long enough to reach past the figure's square; the clip cuts it to length.
            const QPointF reach(Directions[i].dx * FigureSpan, Directions[i].dy * FigureSpan);
            painter.drawLine(centre, centre + reach);
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, HubRadius - inset, HubRadius - inset);
    painter.restore();
}

void DrawKingDisc(QPainter& painter, int offset, const QColor& colour, int inset) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(FigureCentre + offset, FigureCentre + offset), KingRadius - inset,
                        KingRadius - inset);
}

void DrawFigure(QPainter& painter, CellCode code, const BoardLook& look) {
    const SideColours colours = ColoursOf(OwnerOf(code).value_or(Side::PlayerTwo), look);
    const bool king = IsKing(code);
    const std::uint8_t mask = StepMask(code);
    const auto layer = [&](int offset, const QColor& colour, int inset = 0) {
        if (king) {
            DrawKingDisc(painter, offset, colour, inset);
        } else {
            DrawArms(painter, mask, offset, colour, inset);
        }
    };
    const int depth = king ? KingShadowDepth : ShadowDepth;
    layer(depth, colours.farShadow);
    layer(depth - 1, colours.nearShadow);
    layer(0, colours.body);
    if (colours.inside) {
        layer(0, *colours.inside, OutlineWidth);
    }
}

} // namespace

void ScaleToDevicePixels(QPainter& painter, qreal devicePixelRatio) {
    const QTransform device = painter.deviceTransform();
    const qreal applied = device.m11();
    if (applied <= 0 || qFuzzyCompare(applied, devicePixelRatio)) {
        return;
    }
    // The place on the device, where a widget begins, is as far off as the size: the scale
    // applies on the device, to the painter's whole mapping.
    const qreal missing = devicePixelRatio / applied;
    painter.setWorldTransform(device * QTransform::fromScale(missing, missing) * device.inverted() *
                              painter.worldTransform());
}

QColor BoardBackground(bool dark) {
    return dark ? QColor(40, 42, 46) : QColor(Qt::white);
}

QPixmap DrawTile(CellCode code, int side, qreal devicePixelRatio, const BoardLook& look,
                 TileGround ground) {
    const int pixels = static_cast<int>(std::lround(side * devicePixelRatio));
    QPixmap pixmap(pixels, pixels);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(ground == TileGround::Filled ? BoardBackground(look.dark) : Qt::transparent);

    QPainter painter(&pixmap);
    ScaleToDevicePixels(painter, devicePixelRatio);
    // The art is laid out on the smallest tile; the painter draws it at the size asked for, on
    // the screen's own pixels, so it stays sharp at any size.
    painter.scale(qreal(side) / TileSize, qreal(side) / TileSize);
    if (code == Wall) {
        DrawWall(painter, WallColoursOf(look.dark));
    } else if (code >= PlayerOneKing && code <= LastCode) {
        painter.setRenderHint(QPainter::Antialiasing);
        DrawFigure(painter, code, look);
    }
    return pixmap;
}

} // namespace trevallion
