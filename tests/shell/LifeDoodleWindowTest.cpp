#include "WindowHarness.h"

#include <QTimer>

#include <set>

using namespace trevallion;
using namespace trevallion::testing;

namespace {

using Cells = std::set<std::pair<int, int>>;

Cells Block() {
    Cells cells;
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            cells.insert({x, y});
        }
    }
    return cells;
}

// The block's still life from its fifth generation on, when clicks are easy to follow.
Cells Still() {
    return {{3, 2}, {2, 3}, {4, 3}, {3, 4}};
}

} // namespace

// The Life Doodle as it shows on the window's buttons: live cells show the wall tile, dead ones
// the empty tile.
class LifeDoodleWindowTest : public QObject {
    Q_OBJECT

  private:
    WindowHarness h;

    // Lets the window's own clock start the doodle, which clears the corners, then stops it so
    // that the test gives the ticks itself.
    void OpenAtTheFirstTick() {
        h.Open({{QStringLiteral("PlayerTwo"), 0}});
        QTRY_COMPARE_WITH_TIMEOUT(IconImage(h.window->CellButton({0, 0})), TileImage(Empty), 5000);
        h.window->findChild<QTimer*>(QStringLiteral("clock"))->stop();
    }

    void Tick() { h.Tick(); }

    // The cells that do not show whether they are in `live`.
    QStringList WrongCells(const Cells& live) const {
        Board shown;
        for (const auto& [x, y] : live) {
            shown.At({x, y}) = Wall;
        }
        return CellsNotShowing(*h.window, shown);
    }

  private slots:
    void cleanup() { h.window.reset(); }

    void firstTickShowsTheBlock() {
        OpenAtTheFirstTick();
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Trevallion"));
        QCOMPARE(WrongCells(Block()), QStringList());
    }

    // Every button reports its own cell: once the doodle has settled, a click on a dead cell
    // brings that cell to life and no other.
    void eachButtonReportsItsOwnCell() {
        OpenAtTheFirstTick();
        for (int generation = 2; generation <= 5; ++generation) {
            Tick();
        }
        Cells live = Still();
        QCOMPARE(WrongCells(live), QStringList());
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                if (live.insert({x, y}).second) {
                    h.Click({x, y});
                    QCOMPARE(WrongCells(live), QStringList());
                }
            }
        }
    }

    void lifeDoodleCommandStartsAfresh() {
        OpenAtTheFirstTick();
        h.Choose(QStringLiteral("Level 1"));
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Trevallion Level 1"));
        h.Choose(QStringLiteral("Life Doodle"));
        Tick();
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Trevallion"));
        QCOMPARE(WrongCells(Block()), QStringList());
    }
};

QTEST_MAIN(LifeDoodleWindowTest)
#include "LifeDoodleWindowTest.moc"
