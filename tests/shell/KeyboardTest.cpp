#include "WindowHarness.h"

using namespace trevallion;
using namespace trevallion::testing;

// The board played from the keyboard alone.
class KeyboardTest : public QObject {
    Q_OBJECT

  private:
    WindowHarness h;

    QAbstractButton* Cell(int x, int y) { return h.window->CellButton({x, y}); }

    void Press(int x, int y, Qt::Key key) { QTest::keyClick(Cell(x, y), key); }

  private slots:
    void init() {
        h.Open({{QStringLiteral("PlayerTwo"), 0}});
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
    }

    void cleanup() { h.window.reset(); }

    // Left and Right follow reading order round the board; Up and Down keep to the column.
    void arrowsMoveTheFocus_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("right") << QPoint(2, 3) << int(Qt::Key_Right) << QPoint(3, 3);
        QTest::newRow("right at a row's end") << QPoint(6, 2) << int(Qt::Key_Right) << QPoint(0, 3);
        QTest::newRow("right from the last cell")
            << QPoint(6, 6) << int(Qt::Key_Right) << QPoint(0, 0);
        QTest::newRow("left from the first cell")
            << QPoint(0, 0) << int(Qt::Key_Left) << QPoint(6, 6);
        QTest::newRow("down") << QPoint(4, 1) << int(Qt::Key_Down) << QPoint(4, 2);
        QTest::newRow("up at the top") << QPoint(4, 0) << int(Qt::Key_Up) << QPoint(4, 6);
    }

    void arrowsMoveTheFocus() {
        QFETCH(QPoint, from);
        QFETCH(int, key);
        QFETCH(QPoint, to);
        Cell(from.x(), from.y())->setFocus(Qt::OtherFocusReason);
        Press(from.x(), from.y(), static_cast<Qt::Key>(key));
        QVERIFY(Cell(to.x(), to.y())->hasFocus());
    }

    // Space picks a piece up and Enter puts it down: a whole move without the mouse.
    void spaceAndEnterPlayAMove() {
        h.Choose(QStringLiteral("Level 1"));
        Cell(2, 5)->setFocus(Qt::OtherFocusReason);
        Press(2, 5, Qt::Key_Space);
        Press(2, 5, Qt::Key_Up);
        Press(2, 4, Qt::Key_Left);
        QVERIFY(Cell(1, 4)->hasFocus());
        Press(1, 4, Qt::Key_Return);
        QCOMPARE(IconImage(Cell(2, 5)), TileImage(Empty));
        QCOMPARE(IconImage(Cell(1, 4)), TileImage(5));
        QVERIFY(h.ShowsCursor(CursorSide::PlayerTwo));
    }

    void escapeClosesTheWindow() {
        Cell(3, 3)->setFocus(Qt::OtherFocusReason);
        Press(3, 3, Qt::Key_Escape);
        QVERIFY(!h.window->isVisible());
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
