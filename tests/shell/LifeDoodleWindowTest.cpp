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

} // namespace

// The Life Doodle as it shows on the window's buttons: live cells show the wall tile, dead ones
// the empty tile.
class LifeDoodleWindowTest : public QObject {
    Q_OBJECT

  private:
    WindowHarness h;

    // Lets the window's own clock start the doodle, then stops it so that the test gives the
    // ticks itself.
    void OpenAtTheFirstTick() {
        h.Open({{QStringLiteral("PlayerTwo"), 0}});
        QTRY_COMPARE_WITH_TIMEOUT(h.State().m_timerMode, DoodleRunning, 5000);
        h.window->findChild<QTimer*>(QStringLiteral("clock"))->stop();
    }

    void Tick() { h.window->Controller().OnTimer(); }

    void ExpectLiveCells(const Cells& live) {
        const QImage wall = TileImage(Wall);
        const QImage empty = TileImage(Empty);
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                const bool alive = live.count({x, y}) == 1;
                QVERIFY2(IconImage(h.window->CellButton(x, y)) == (alive ? wall : empty),
                         qPrintable(QStringLiteral("cell (%1, %2)").arg(x).arg(y)));
                QCOMPARE(h.State().m_doodleCells[CellIndex(x, y)], alive ? 1 : 0);
            }
        }
    }

  private slots:
    void cleanup() { h.window.reset(); }

    void firstTickShowsTheBlock() {
        OpenAtTheFirstTick();
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Trevallion"));
        ExpectLiveCells(Block());
    }

    void blockBecomesARingThenAStillLife() {
        OpenAtTheFirstTick();
        Tick();
        ExpectLiveCells({{2, 0},
                         {3, 0},
                         {4, 0},
                         {2, 6},
                         {3, 6},
                         {4, 6},
                         {0, 2},
                         {0, 3},
                         {0, 4},
                         {6, 2},
                         {6, 3},
                         {6, 4},
                         {1, 1},
                         {5, 1},
                         {1, 5},
                         {5, 5}});
        Tick();
        Tick();
        const Cells still = {{3, 2}, {2, 3}, {4, 3}, {3, 4}};
        for (int generation = 4; generation <= 8; ++generation) {
            Tick();
            ExpectLiveCells(still);
        }
    }

    void blinkerTurnsBackAndForth() {
        OpenAtTheFirstTick();
        const Cells upright = {{3, 2}, {3, 3}, {3, 4}};
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                const bool alive = upright.count({x, y}) == 1;
                h.State().m_doodleCells[CellIndex(x, y)] = alive ? 1 : 0;
                h.window->ShowTile(x, y, alive ? Wall : Empty);
            }
        }
        Tick();
        ExpectLiveCells({{2, 3}, {3, 3}, {4, 3}});
        Tick();
        ExpectLiveCells(upright);
    }

    // A click brings a dead cell to life at once with the capture sound; a live cell stays
    // alive, silently.
    void clicksBringCellsToLife() {
        OpenAtTheFirstTick();
        h.window->sounds.clear();
        h.Click(0, 0);
        QCOMPARE(IconImage(h.window->CellButton(0, 0)), TileImage(Wall));
        QCOMPARE(h.window->sounds, std::vector<std::string>{"sounds/capture1.wav"});
        h.Click(2, 2);
        QCOMPARE(h.window->sounds.size(), std::size_t{1});
        Cells live = Block();
        live.insert({0, 0});
        ExpectLiveCells(live);
    }

    void lifeDoodleCommandStartsAfresh() {
        OpenAtTheFirstTick();
        h.Choose(QStringLiteral("Level 1"));
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Trevallion Level 1"));
        h.Choose(QStringLiteral("Life Doodle"));
        Tick();
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Trevallion"));
        ExpectLiveCells(Block());
    }
};

QTEST_MAIN(LifeDoodleWindowTest)
#include "LifeDoodleWindowTest.moc"
