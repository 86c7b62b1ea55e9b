#include "WindowHarness.h"
#include "levels/LevelLayouts.h"

#include <QRegularExpression>

using namespace trevallion;
using namespace trevallion::testing;

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    WindowHarness h;

    // Both sides human, so that no computer player moves while a test plays.
    void OpenForTwoHumans() { h.Open({{QStringLiteral("PlayerTwo"), 0}}); }

    static Board Level(int n) { return LayoutToBoard(LevelLayout(n)); }

  private slots:
    void init() { OpenForTwoHumans(); }

    void cleanup() { h.window.reset(); }

    void startsWithWallsEverywhere() {
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Trevallion"));
        const QList<QAbstractButton*> cells = h.window->findChildren<QAbstractButton*>(
            QRegularExpression(QStringLiteral("^cell_\\d_\\d$")));
        QCOMPARE(cells.size(), CellCount);
        const QImage wall = TileImage(Wall);
        QVERIFY(wall != TileImage(Empty));
        for (const QAbstractButton* cell : cells) {
            QVERIFY2(IconImage(cell) == wall, qPrintable(cell->objectName()));
        }
    }

    void buttonsFormTheBoard() {
        for (int y = 0; y < BoardSize; ++y) {
            for (int x = 0; x < BoardSize; ++x) {
                QAbstractButton* button = h.window->CellButton({x, y});
                QVERIFY(button != nullptr);
                QCOMPARE(button->objectName(), QStringLiteral("cell_%1_%2").arg(x).arg(y));
                QCOMPARE(button->size(), QSize(TileSize, TileSize));
                QCOMPARE(button->iconSize(), QSize(TileSize, TileSize));
                QCOMPARE(button->pos(), QPoint(x * TileSize, y * TileSize));
                QCOMPARE(button->focusPolicy(), Qt::StrongFocus);
            }
        }
        QCOMPARE(h.window->CellButton({7, 0}), nullptr);
        QCOMPARE(h.window->CellButton({0, -1}), nullptr);
    }

    void buttonsShowTheirTileEdgeToEdge() {
        h.Choose(QStringLiteral("Level 1"));
        for (const QPoint cell : {QPoint(2, 5), QPoint(3, 0), QPoint(0, 3)}) {
            QCOMPARE(ComparableImage(h.window->CellButton({cell.x(), cell.y()})->grab()),
                     TileImage(Level(1).At({cell.x(), cell.y()})));
        }
    }

    void tabShowsAFrameOnTheNextCell() {
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QAbstractButton* from = h.window->CellButton({6, 2});
        QAbstractButton* to = h.window->CellButton({0, 3});
        from->setFocus(Qt::OtherFocusReason);
        QVERIFY(from->hasFocus());

        QTest::keyClick(from, Qt::Key_Tab);
        QVERIFY(to->hasFocus());
        QVERIFY(ComparableImage(to->grab()) != TileImage(Wall));
        QCOMPARE(ComparableImage(from->grab()), TileImage(Wall));
    }

    void tabWalksRowByRow() {
        for (int i = 0; i + 1 < CellCount; ++i) {
            const int x = i % BoardSize;
            const int y = i / BoardSize;
            const int nextX = (i + 1) % BoardSize;
            const int nextY = (i + 1) / BoardSize;
            QCOMPARE(h.window->CellButton({x, y})->nextInFocusChain(),
                     h.window->CellButton({nextX, nextY}));
        }
    }

    // Screen readers hear each cell's place and what stands there.
    void cellsHaveAccessibleNames() {
        h.Choose(QStringLiteral("Level 1"));
        QCOMPARE(h.window->CellButton({3, 0})->accessibleName(),
                 QStringLiteral("column 4, row 1: Player 2 king"));
        QCOMPARE(h.window->CellButton({2, 5})->accessibleName(),
                 QStringLiteral("column 3, row 6: Player 1 piece, arms up-right, down, up-left"));
        h.Click({2, 5});
        h.Click({1, 4});
        QCOMPARE(h.window->CellButton({2, 5})->accessibleName(),
                 QStringLiteral("column 3, row 6: empty"));
    }

    // The first size is the smallest. Made larger, the board stays square and centred, its
    // tiles drawn for their size; the size comes back in the next window unless damaged or too
    // large for the screen, as the offscreen screen is at twice the pixels (400 x 400).
    void boardGrowsSquareAndCentred() {
        QCOMPARE(h.window->size(), h.window->minimumSize());
        QCOMPARE(h.window->centralWidget()->size(), QSize(7, 7) * TileSize);
        h.Choose(QStringLiteral("Level 1"));
        h.window->resize(h.window->size() + QSize(60, 40));
        const QSize room = h.window->centralWidget()->size();
        const int tile = std::min(room.width(), room.height()) / BoardSize;
        QVERIFY(tile > TileSize);
        const QRect first((room.width() - 7 * tile) / 2, (room.height() - 7 * tile) / 2, tile,
                          tile);
        QCOMPARE(h.window->CellButton({0, 0})->geometry(), first);
        QCOMPARE(h.window->CellButton({6, 6})->geometry(), first.translated(6 * tile, 6 * tile));
        QCOMPARE(
            ComparableImage(h.window->CellButton({3, 0})->grab()),
            ComparableImage(DrawTile(Level(1).At({3, 0}), tile, qApp->devicePixelRatio(), {})));

        const QSize large = h.window->size();
        h.window->close();
        const QVariant kept = h.Stored(QStringLiteral("WindowGeometry"));
        for (const QVariant& stored : {kept, QVariant(QStringLiteral("bm90IGEgd2luZG93"))}) {
            h.Open({{QStringLiteral("PlayerTwo"), 0}, {QStringLiteral("WindowGeometry"), stored}});
            const bool fits = stored == kept && qApp->devicePixelRatio() < 2;
            QCOMPARE(h.window->size(), fits ? large : h.window->minimumSize());
        }
    }

    // The desktop's dark palette darkens the board as it comes and goes. (The window is given
    // the palette itself: Qt hands an application's new palette on only once its loop runs.)
    void followsTheDesktopIntoTheDark() {
        const QPalette light = h.window->palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(30, 30, 30));
        h.window->setPalette(dark);
        const QImage shown = IconImage(h.window->CellButton({3, 3}));
        h.window->setPalette(light);
        QCOMPARE(shown, ComparableImage(
                            DrawTile(Wall, TileSize, qApp->devicePixelRatio(), {.dark = true})));
        QCOMPARE(IconImage(h.window->CellButton({3, 3})), TileImage(Wall));
    }

    // Every menu of the bar, in order; an empty text stands for a separator.
    void menusInOrder() {
        const QString separator;
        const QStringList players = {QStringLiteral("Human"),        separator,
                                     QStringLiteral("AI Easy"),      QStringLiteral("AI Medium"),
                                     QStringLiteral("AI Difficult"), QStringLiteral("AI Expert")};
        const QList<std::pair<QString, QStringList>> expected = {
            {QStringLiteral("Start"),
             {QStringLiteral("Load Game"),
              QStringLiteral("Continue Game"),
              QStringLiteral("Save Game"),
              QStringLiteral("Export Record\u2026"),
              QStringLiteral("Import Record\u2026"),
              separator,
              QStringLiteral("Undo Move"),
              QStringLiteral("Redo Move"),
              separator,
              QStringLiteral("Level 1"),
              QStringLiteral("Level 5"),
              QStringLiteral("Level 10"),
              QStringLiteral("Level 20"),
              QStringLiteral("Level 40"),
              QStringLiteral("Choose Level\u2026"),
              separator,
              QStringLiteral("Restart Level"),
              separator,
              QStringLiteral("Life Doodle"),
              separator,
              QStringLiteral("Exit")}},
            {QStringLiteral("Player 1"), players},
            {QStringLiteral("Player 2"), players},
            {QStringLiteral("Options"),
             {QStringLiteral("Sound ON"), QStringLiteral("Sound OFF"), separator,
              QStringLiteral("Show Moves"), QStringLiteral("Board Colours"),
              QStringLiteral("High Contrast"), QStringLiteral("Animate Moves"),
              QStringLiteral("Status Line"), QStringLiteral("Draw by Repetition"),
              QStringLiteral("Move List")}},
            {QStringLiteral("Help"),
             {QStringLiteral("Hint"), separator, QStringLiteral("Instructions"),
              QStringLiteral("Statistics\u2026"), QStringLiteral("Review Game"),
              QStringLiteral("About Trevallion")}},
        };
        // Before any level there is nothing to take back, play again or hint at, and this window
        // has kept no game to continue, export or review.
        const QStringList disabled = {
            QStringLiteral("Undo Move"),   QStringLiteral("Redo Move"),
            QStringLiteral("Hint"),        QStringLiteral("Continue Game"),
            QStringLiteral("Review Game"), QStringLiteral("Export Record\u2026")};
        const QList<QAction*> bar = h.window->menuBar()->actions();
        QCOMPARE(bar.size(), expected.size());
        for (qsizetype m = 0; m < bar.size(); ++m) {
            QCOMPARE(PlainText(bar[m]), expected[m].first);
            QStringList texts;
            for (const QAction* action : bar[m]->menu()->actions()) {
                QCOMPARE(action->isSeparator(), action->text().isEmpty());
                QCOMPARE(action->isEnabled(), !disabled.contains(PlainText(action)));
                texts << PlainText(action);
            }
            QCOMPARE(texts, expected[m].second);
        }
    }

    void levelItemsLoadTheirLevel_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("level");
        for (const int level : {1, 5, 10, 20, 40}) {
            QTest::addRow("level %d", level) << QStringLiteral("Level %1").arg(level) << level;
        }
    }

    void levelItemsLoadTheirLevel() {
        QFETCH(QString, item);
        QFETCH(int, level);
        h.Choose(item);
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Trevallion Level %1").arg(level));
        QCOMPARE(CellsNotShowing(*h.window, Level(level)), QStringList());
        QVERIFY(h.ShowsCursor(CursorSide::PlayerOne));
    }

    void clickedMoveShowsOnTheBoard() {
        h.Choose(QStringLiteral("Level 1"));
        // Player 1's piece at (2, 5) has arms down, up-left and up-right.
        h.Click({2, 5});
        h.Click({2, 4}); // straight up: not one of its arms
        QCOMPARE(CellsNotShowing(*h.window, Level(1)), QStringList());
        QVERIFY(h.ShowsCursor(CursorSide::PlayerOne));

        h.Click({1, 4});
        Board moved = Level(1);
        moved.At({2, 5}) = Empty;
        moved.At({1, 4}) = 5;
        QCOMPARE(CellsNotShowing(*h.window, moved), QStringList());
        QVERIFY(h.ShowsCursor(CursorSide::PlayerTwo));
        QVERIFY(h.boxes->messages.empty());
        QVERIFY(h.boxes->winners.empty());
    }

    void restartLevelRestoresTheLayout() {
        h.Choose(QStringLiteral("Level 5"));
        h.Click({5, 6}); // Player 1's piece 4 steps up-left
        h.Click({4, 5});
        QCOMPARE(IconImage(h.window->CellButton({4, 5})), TileImage(4));

        h.Choose(QStringLiteral("Restart Level"));
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Trevallion Level 5"));
        QCOMPARE(CellsNotShowing(*h.window, Level(5)), QStringList());
        QVERIFY(h.ShowsCursor(CursorSide::PlayerOne));
    }

    // Level 1 with a bar (arms up and down) of the side to move beside the other side's king.
    void takingTheKingAnnouncesTheWinner_data() {
        QTest::addColumn<int>("winner");
        QTest::addColumn<QPoint>("bar");
        QTest::addColumn<CellCode>("barCode");
        QTest::addColumn<QPoint>("king");
        QTest::newRow("player 1") << 1 << QPoint(3, 1) << 10 << QPoint(3, 0);
        QTest::newRow("player 2") << 2 << QPoint(3, 5) << 23 << QPoint(3, 6);
    }

    // Guards against a cursor that still named the side to move while the winner's box was open.
    void takingTheKingAnnouncesTheWinner() {
        QFETCH(int, winner);
        QFETCH(QPoint, bar);
        QFETCH(CellCode, barCode);
        QFETCH(QPoint, king);
        Board board = Level(1);
        board.At({bar.x(), bar.y()}) = barCode;
        h.Load({SaveFormatVersion, winner, 0, 0, winner, 1, board});
        const Side side = SideFromNumber(winner).value();
        QVERIFY(h.ShowsCursor(CursorOf(side)));

        h.Click({bar.x(), bar.y()});
        h.Click({king.x(), king.y()});
        QCOMPARE(h.boxes->winners, std::vector<Side>{side});
        QCOMPARE(h.boxes->cursorsAtWinnerBox,
                 std::vector<QImage>{SideCursorImage(CursorSide::Neutral)});
        // The winner goes on to the next level.
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Trevallion Level 2"));
        QCOMPARE(CellsNotShowing(*h.window, Level(2)), QStringList());
    }

    void playerMenusHaveOneCheckEach() {
        h.Open({});
        // A first start: Player 2 is the computer, and both choices are stored.
        QCOMPARE(h.Checked(QStringLiteral("Player 1")), QStringList{QStringLiteral("Human")});
        QCOMPARE(h.Checked(QStringLiteral("Player 2")), QStringList{QStringLiteral("AI Medium")});
        QCOMPARE(h.Stored(QStringLiteral("PlayerOne")).toInt(), 0);
        QCOMPARE(h.Stored(QStringLiteral("PlayerTwo")).toInt(), 2);
    }

    void aRefusedPlayerItemKeepsItsCheckMarks() {
        h.Open({});
        h.Choose(QStringLiteral("AI Easy"), QStringLiteral("Player 1"));
        QCOMPARE(h.boxes->messages,
                 std::vector<std::string>{"Player 2 must be\nset to Human first."});
        QCOMPARE(h.Checked(QStringLiteral("Player 1")), QStringList{QStringLiteral("Human")});
        QCOMPARE(h.Stored(QStringLiteral("PlayerOne")).toInt(), 0);

        h.Choose(QStringLiteral("Human"), QStringLiteral("Player 2"));
        h.Choose(QStringLiteral("AI Difficult"), QStringLiteral("Player 1"));
        QCOMPARE(h.Checked(QStringLiteral("Player 1")),
                 QStringList{QStringLiteral("AI Difficult")});
        QCOMPARE(h.Checked(QStringLiteral("Player 2")), QStringList{QStringLiteral("Human")});
        QCOMPARE(h.Stored(QStringLiteral("PlayerOne")).toInt(), 3);
        QCOMPARE(h.Stored(QStringLiteral("PlayerTwo")).toInt(), 0);
    }

    void aComputerPlayerMovesOnTheTimerAndTakesTheFocus() {
        h.Open({{QStringLiteral("PlayerOne"), 1}, {QStringLiteral("PlayerTwo"), 0}});
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.Choose(QStringLiteral("Level 1"));
        QVERIFY(h.ShowsCursor(CursorSide::PlayerOne));
        // Two ticks at most: one starts the worker, the next plays its move.
        QTRY_VERIFY_WITH_TIMEOUT(h.ShowsCursor(CursorSide::PlayerTwo), 10000);
        Board moved = Level(1);
        moved.At({6, 6}) = Empty; // AI Easy's piece 4 steps up-left
        moved.At({5, 5}) = 4;
        QCOMPARE(CellsNotShowing(*h.window, moved), QStringList());
        QVERIFY(h.window->CellButton({5, 5})->hasFocus());
    }

    void exitClosesTheWindow() {
        QVERIFY(h.window->isVisible());
        h.Choose(QStringLiteral("Exit"));
        QVERIFY(!h.window->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
