#include "shell/Cursors.h"

#include <QImage>
#include <QTest>

using namespace trevallion;

namespace {

QImage CursorImage(int side, qreal ratio) {
    return SideCursor(static_cast<CursorSide>(side), ratio)
        .pixmap()
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

// Opaque pixels inside the given rectangle of device-independent pixels.
int OpaqueIn(const QImage& image, qreal ratio, const QRect& area) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) != 0 && area.contains(QPoint(x, y) / ratio);
        }
    }
    return count;
}

} // namespace

class CursorsTest : public QObject {
    Q_OBJECT

  private slots:
    void whiteArrowWithBlackOutline_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<qreal>("ratio");
        for (const qreal ratio : {1.0, 2.0}) {
            for (const int side : {0, 1, 2}) {
                QTest::addRow("side %d at %gx", side, ratio) << side << ratio;
            }
        }
    }

    void whiteArrowWithBlackOutline() {
        QFETCH(int, side);
        QFETCH(qreal, ratio);
        const QCursor cursor = SideCursor(static_cast<CursorSide>(side), ratio);
        QCOMPARE(cursor.hotSpot(), QPoint(0, 0));
        QCOMPARE(cursor.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        const QImage image = CursorImage(side, ratio);
        // The outline's tip is the hot spot; the arrow's inside is white.
        QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(QPoint(2, 8) * ratio), qRgb(255, 255, 255));
        // Black, white or clear, nothing between.
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                QVERIFY2(qAlpha(p) == 0 || p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255),
                         qPrintable(QStringLiteral("pixel %1, %2").arg(x).arg(y)));
            }
        }
        // The arrow stays small, in the top-left corner; a mark stands below and right of it.
        const QRect arrowCorner(0, 0, 14, 20);
        const QRect markCorner(12, 18, 20, 14);
        QCOMPARE(OpaqueIn(image, ratio, QRect(0, 0, 32, 32)),
                 OpaqueIn(image, ratio, arrowCorner) + OpaqueIn(image, ratio, markCorner) -
                     OpaqueIn(image, ratio, arrowCorner.intersected(markCorner)));
        QCOMPARE(OpaqueIn(image, ratio, markCorner) > 0, side != 0);
    }

    void marksTellTheSidesApart() { QVERIFY(CursorImage(1, 1.0) != CursorImage(2, 1.0)); }
};

QTEST_MAIN(CursorsTest)
#include "CursorsTest.moc"
