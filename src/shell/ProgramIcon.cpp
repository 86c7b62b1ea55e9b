#include "shell/ProgramIcon.h"

#include "rules/Steps.h"

#include <QImage>
#include <QPainter>
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
// pattern, only bigger.
void PaintFrame(QImage& image, int size, int frame) {
    const int grain = size >= 64 ? size / 32 : 1;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool inside = x >= frame && x < size - frame && y >= frame && y < size - frame;
            image.setPixelColor(x, y, inside ? QColor(Qt::white) : FleckAt(x / grain, y / grain));
        }
    }
}

// One layer of the piece, as the game's tiles draw theirs: flat-capped arms from the centre,
// cut to the figure's square, with a round hub. `unit` is a sixteenth of the icon; the centre
// lies on a pixel boundary and the arms are two units wide, so the upright arm covers whole
// pixels at every size.
void PaintPieceLayer(QPainter& painter, qreal unit, qreal offset, const QColor& colour) {
    constexpr CellCode ThreeArmedPiece = 3; // arms up, down-left and down-right
    const std::uint8_t mask = StepMask(ThreeArmedPiece);
    const QPointF centre(8 * unit + offset, 8 * unit + offset);
    painter.save();
    painter.setClipRect(QRectF(3 * unit + offset, 3 * unit + offset, 10 * unit, 10 * unit));
    painter.setPen(QPen(colour, 2 * unit, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < DirectionCount; ++i) {
        if ((mask >> i) & 1) {
            const QPointF reach(Directions[i].dx * 8 * unit, Directions[i].dy * 8 * unit);
            painter.drawLine(centre, centre + reach);
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, unit, unit);
    painter.restore();
}

QPixmap DrawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    const int frame = size / 8;
    PaintFrame(image, size, frame);

    QPainter painter(&image);
    // At 16 pixels smoothing would only smear the slanted arms into pink; whole pixels read
    // better there.
    painter.setRenderHint(QPainter::Antialiasing, size > 16);
    const qreal unit = size / 16.0;
    // A shadow of at least one whole pixel, down and to the right like the tiles' shadows.
    const qreal shadow = size >= 48 ? size / 32 : 1;
    PaintPieceLayer(painter, unit, shadow, PieceShadow);
    PaintPieceLayer(painter, unit, 0, PieceRed);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : IconSizes) {
        icon.addPixmap(DrawIcon(size));
    }
    return icon;
}

} // namespace trevallion
