#include "shell/ProgramIcon.h"

#include "rules/Steps.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>
#include <QPixmap>

#include <cstdint>

namespace trevallion {
namespace {

constexpr int IconSizes[] = {16, 32, 48, 64, 128};

const QColor FrameBlack(0, 0, 0);
const QColor FleckPurple(144, 48, 192);
const QColor FleckYellow(255, 224, 0);
const QColor PieceRed(128, 0, 0);
const QColor PieceShadow(0, 0, 0);

// A fixed integer hash of a grain's position: the same flecks on every run and every machine.
std::uint32_t GrainHash(int gx, int gy) {
    std::uint32_t h = static_cast<std::uint32_t>(gx) * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(gy) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

QColor FleckAt(int gx, int gy) {
    const std::uint32_t roll = GrainHash(gx, gy) % 16;
    if (roll < 4) {
        return FleckPurple;
    }
    if (roll < 7) {
        return FleckYellow;
    }
    return FrameBlack;
}

// The frame takes an eighth of the icon on each side. Its flecks are single pixels up to 48
// pixels; from 64 on they grow with the icon, so the 64- and 128-pixel sizes show the 32-pixel
// pattern, only bigger. At every size the frame is a whole number of flecks wide.
void PaintFrame(QPainter& painter, int size, int frame) {
    const int grain = size >= 64 ? size / 32 : 1;
    const QRect inside(frame, frame, size - 2 * frame, size - 2 * frame);
    painter.fillRect(QRect(0, 0, size, size), FrameBlack);
    painter.fillRect(inside, Qt::white);
    for (int gy = 0; gy * grain < size; ++gy) {
        for (int gx = 0; gx * grain < size; ++gx) {
            const QRect fleck(gx * grain, gy * grain, grain, grain);
            const QColor colour = FleckAt(gx, gy);
            if (colour != FrameBlack && !inside.contains(fleck)) {
                painter.fillRect(fleck, colour);
            }
        }
    }
}

// One layer of the piece, as the game's tiles draw theirs: flat-capped arms from the centre,
// cut to the figure's square, with a round hub. `unit` is a sixteenth of the icon; the centre
// lies on a pixel boundary and the arms are two units wide, so the upright arm covers whole
// pixels at every size that is a multiple of 16. The outline is cut as a path rather than by
// clipping, so that a vector drawing of it comes out the same.
void PaintPieceLayer(QPainter& painter, qreal unit, qreal offset, const QColor& colour) {
    constexpr CellCode ThreeArmedPiece = 3; // arms up, down-left and down-right
    const std::uint8_t mask = StepMask(ThreeArmedPiece);
    const QPointF centre(8 * unit + offset, 8 * unit + offset);
    QPainterPathStroker arm(QPen(colour, 2 * unit, Qt::SolidLine, Qt::FlatCap));
    QPainterPath arms;
    for (int i = 0; i < DirectionCount; ++i) {
        if ((mask >> i) & 1) {
            QPainterPath line(centre);
            line.lineTo(centre + QPointF(Directions[i].dx * 8 * unit, Directions[i].dy * 8 * unit));
            arms = arms.united(arm.createStroke(line));
        }
    }
    QPainterPath square;
    square.addRect(QRectF(3 * unit + offset, 3 * unit + offset, 10 * unit, 10 * unit));
    QPainterPath hub;
    hub.addEllipse(centre, unit, unit);
    painter.fillPath(arms.intersected(square).united(hub), colour);
}

} // namespace

void PaintProgramIcon(QPainter& painter, int size) {
    PaintFrame(painter, size, size / 8);
    painter.save();
    // At 16 pixels smoothing would only smear the slanted arms into pink; whole pixels read
    // better there.
    painter.setRenderHint(QPainter::Antialiasing, size > 16);
    const qreal unit = size / 16.0;
    // A shadow of at least one whole pixel, down and to the right like the tiles' shadows.
    const qreal shadow = size >= 48 ? size / 32 : 1;
    PaintPieceLayer(painter, unit, shadow, PieceShadow);
    PaintPieceLayer(painter, unit, 0, PieceRed);
    painter.restore();
}

QImage DrawProgramIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    QPainter painter(&image);
    PaintProgramIcon(painter, size);
    return image;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : IconSizes) {
        icon.addPixmap(QPixmap::fromImage(DrawProgramIcon(size)));
    }
    return icon;
}

} // namespace trevallion
