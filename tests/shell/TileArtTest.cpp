#include "shell/TileArt.h"
#include "rules/CellCode.h"
#include "rules/Steps.h"
#include "shell/SideContrast.h"

#include <QImage>
#include <QTest>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <numbers>

using namespace trevallion;

namespace {

const QColor PlayerOneBody(255, 0, 255);
const QColor PlayerTwoBody(128, 128, 0);

bool Near(QRgb pixel, const QColor& colour) {
    constexpr int Tolerance = 24;
    return std::abs(qRed(pixel) - colour.red()) <= Tolerance &&
           std::abs(qGreen(pixel) - colour.green()) <= Tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= Tolerance;
}

bool IsWhite(QRgb pixel) {
    return Near(pixel, QColor(Qt::white));
}

bool IsFigureCode(CellCode code) {
    return code >= PlayerOneKing && code <= LastCode;
}

QColor BodyOf(CellCode code) {
    return BelongsTo(code, Side::PlayerOne) ? PlayerOneBody : PlayerTwoBody;
}

// The shadow colours: blue and navy for Player 1, red and black for Player 2.
bool IsShadow(QRgb pixel, CellCode code) {
    if (BelongsTo(code, Side::PlayerOne)) {
        return Near(pixel, QColor(0, 0, 255)) || Near(pixel, QColor(0, 0, 128));
    }
    return Near(pixel, QColor(255, 0, 0)) || Near(pixel, QColor(0, 0, 0));
}

QImage TileImage(CellCode code, qreal ratio = 1.0, const BoardLook& look = {}) {
    return DrawTile(code, TileSize, ratio, look).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The pixel `distance` tile pixels from the figure's centre along `direction`, `across` pixels
// to its side, on a tile drawn `ratio` times the smallest's pixels.
QRgb PixelAlong(const QImage& image, qreal ratio, Direction direction, qreal distance,
                qreal across = 0) {
    const qreal length = std::hypot(direction.dx, direction.dy);
    const qreal x = FigureCentre + (distance * direction.dx - across * direction.dy) / length;
    const qreal y = FigureCentre + (distance * direction.dy + across * direction.dx) / length;
    return image.pixel(static_cast<int>(std::floor(x * ratio)),
                       static_cast<int>(std::floor(y * ratio)));
}

} // namespace

class TileArtTest : public QObject {
    Q_OBJECT

  private slots:
    void armsFollowTheRules_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("side");
        QTest::addColumn<qreal>("ratio");
        for (const auto& [side, ratio] : {std::pair(TileSize, 1.0), std::pair(TileSize, 2.0),
                                          std::pair(TileSize * 5 / 3, 1.0)}) {
            for (int code = 0; code <= LastCode; ++code) {
                QTest::addRow("code %d, %d at %gx", code, side, ratio) << code << side << ratio;
            }
        }
    }

    // At every size the arms are where the rules put them, drawn on the screen's own pixels.
    void armsFollowTheRules() {
        QFETCH(int, code);
        QFETCH(int, side);
        QFETCH(qreal, ratio);
        const QPixmap pixmap = DrawTile(code, side, ratio, {});
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(side, side) * ratio);
        ratio *= qreal(side) / TileSize;

        const QColor body = BodyOf(code);
        for (int i = 0; i < DirectionCount; ++i) {
            const Direction d = Directions[i];
            const bool arm = IsFigureCode(code) && CanStep(code, {3, 3}, {3 + d.dx, 3 + d.dy});
            // Two points on the arm's axis, clear of the hub and of a king's disc.
            for (const qreal distance : {11.0, 14.0}) {
                const bool painted = Near(PixelAlong(image, ratio, d, distance), body);
                if (painted != arm) {
                    QFAIL(qPrintable(QStringLiteral("direction (%1, %2) at %3: arm %4, painted %5")
                                         .arg(d.dx)
                                         .arg(d.dy)
                                         .arg(distance)
                                         .arg(arm)
                                         .arg(painted)));
                }
            }
        }
    }

    void emptyTileIsPlainBackground() {
        for (const bool dark : {false, true}) {
            const QImage image = TileImage(Empty, 1.0, {.dark = dark});
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    QCOMPARE(image.pixel(x, y), BoardBackground(dark).rgb());
                }
            }
        }
    }

    // Greyscale pictures of the light board tell the sides apart by their pixels' mean grey
    // only about 11 of 255 apart, and the dark board keeps them as far apart. High Contrast sets
    // them at least 60 apart, and draws Player 2 hollow: light along an arm's axis, dark at
    // its edge, where Player 1 is solid.
    void highContrastSetsTheSidesApart() {
        const double light = MeasureSideGreys({}).Separation();
        QVERIFY(MeasureSideGreys({.dark = true}).Separation() >= light);
        for (const bool dark : {false, true}) {
            const BoardLook look{.dark = dark, .highContrast = true};
            QVERIFY2(MeasureSideGreys(look).Separation() >= 60, dark ? "dark" : "light");
            for (const CellCode code : {CellCode(PlayerOneKing + 1), CellCode(PlayerTwoKing + 1)}) {
                const QImage image = TileImage(code, 1.0, look);
                const Direction arm = Directions[std::countr_zero(StepMask(code))];
                const int axis = qGray(PixelAlong(image, 1, arm, 12));
                const int edge = qGray(PixelAlong(image, 1, arm, 12, 3));
                const bool hollow = BelongsTo(code, Side::PlayerTwo);
                QVERIFY2((std::abs(axis - edge) > 60) == hollow, qPrintable(QString::number(code)));
            }
        }
    }

    void wallIsARaisedTealBlock() {
        const QImage image = TileImage(Wall);
        QCOMPARE(image.pixel(24, 24), qRgb(0, 128, 128));
        QCOMPARE(image.pixel(6, 40), qRgb(0, 128, 128));
        // White around the 40 x 40 block, which starts at pixel 4.
        for (const int at : {0, 3, 44, 47}) {
            QVERIFY(IsWhite(image.pixel(at, 24)));
            QVERIFY(IsWhite(image.pixel(24, at)));
        }
        // Light top and left edges, dark bottom and right edges.
        const auto brightness = [&](int x, int y) { return qGray(image.pixel(x, y)); };
        const int teal = brightness(24, 24);
        QVERIFY(brightness(24, 4) > teal);
        QVERIFY(brightness(4, 24) > teal);
        QVERIFY(brightness(24, 43) < teal);
        QVERIFY(brightness(43, 24) < teal);
        QCOMPARE(image.pixel(24, 43), qRgb(0, 0, 0));
    }

    void figuresStayInTheirSquare() {
        for (CellCode code = PlayerOneKing; code <= LastCode; ++code) {
            const QImage image = TileImage(code);
            int bodyPixels = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    const bool inside =
                        x >= FigureMin && x <= FigureMax && y >= FigureMin && y <= FigureMax;
                    if (!inside && !IsWhite(pixel)) {
                        QFAIL(qPrintable(
                            QStringLiteral("code %1 paints (%2, %3)").arg(code).arg(x).arg(y)));
                    }
                    bodyPixels += Near(pixel, BodyOf(code));
                }
            }
            QVERIFY(bodyPixels > 100);
        }
    }

    void shadowFallsToTheLowerRight() {
        for (CellCode code = PlayerOneKing; code <= LastCode; ++code) {
            const QImage image = TileImage(code);
            double bodyX = 0, bodyY = 0, shadowX = 0, shadowY = 0;
            int bodyCount = 0, shadowCount = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    if (Near(pixel, BodyOf(code))) {
                        bodyX += x;
                        bodyY += y;
                        ++bodyCount;
                    } else if (IsShadow(pixel, code)) {
                        shadowX += x;
                        shadowY += y;
                        ++shadowCount;
                    }
                }
            }
            QVERIFY2(shadowCount > 20, qPrintable(QString::number(code)));
            QVERIFY2(shadowX / shadowCount > bodyX / bodyCount, qPrintable(QString::number(code)));
            QVERIFY2(shadowY / shadowCount > bodyY / bodyCount, qPrintable(QString::number(code)));
        }
    }

    void kingsAreDiscs() {
        for (const CellCode king : {PlayerOneKing, PlayerTwoKing}) {
            const QImage image = TileImage(king);
            // Solid all round the centre, between the arm directions too.
            for (int step = 0; step < 16; ++step) {
                const double angle = step * std::numbers::pi / 8;
                const int x = static_cast<int>(std::floor(FigureCentre + 7 * std::cos(angle)));
                const int y = static_cast<int>(std::floor(FigureCentre + 7 * std::sin(angle)));
                QVERIFY(Near(image.pixel(x, y), BodyOf(king)));
            }
        }
    }
};

QTEST_MAIN(TileArtTest)
#include "TileArtTest.moc"
