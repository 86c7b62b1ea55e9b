#include "WindowHarness.h"
#include "levels/LevelLayouts.h"
#include "shell/Cursors.h"

#include <QRegularExpression>

using namespace trevallion;
using namespace trevallion::testing;

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    WindowHarness h;

    // Both sides human, so that no computer player moves while a test plays.
    void OpenForTwoHumans() { h.Open({{QStringLiteral("PlayerTwo"), 0}}); }

    // Every button shows the tile of its cell's code on the controller's board.
    void ExpectBoardOnScreen() {
        const Board& board = h.window->Controller().State().board;
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                QVERIFY2(IconImage(h.window->CellButton(x, y)) == TileImage(board.At(x, y)),
                         qPrintable(QStringLiteral("cell (%1, %2)").arg(x).arg(y)));
            }
        }
    }

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
                QAbstractButton* button = h.window->CellButton(x, y);
                QVERIFY(button != nullptr);
                QCOMPARE(button->objectName(), QStringLiteral("cell_%1_%2").arg(x).arg(y));
                QCOMPARE(button->size(), QSize(TileSize, TileSize));
                QCOMPARE(button->iconSize(), QSize(TileSize, TileSize));
                QCOMPARE(button->pos(), QPoint(x * TileSize, y * TileSize));
                QCOMPARE(button->focusPolicy(), Qt::StrongFocus);
            }
        }
        QCOMPARE(h.window->CellButton(7, 0), nullptr);
        QCOMPARE(h.window->CellButton(0, -1), nullptr);
    }

    void buttonsShowTheirTileEdgeToEdge() {
        h.Choose(QStringLiteral("Level 1"));
        for (const QPoint cell : {QPoint(2, 5), QPoint(3, 0), QPoint(0, 3)}) {
            const CellCode code = h.window->Controller().State().board.At(cell.x(), cell.y());
            QCOMPARE(ComparableImage(h.window->CellButton(cell.x(), cell.y())->grab()),
                     TileImage(code));
        }
    }

    void tabShowsAFrameOnTheNextCell() {
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QAbstractButton* from = h.window->CellButton(6, 2);
        QAbstractButton* to = h.window->CellButton(0, 3);
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
            QCOMPARE(h.window->CellButton(x, y)->nextInFocusChain(),
                     h.window->CellButton(nextX, nextY));
        }
    }

    // Screen readers hear each cell's place and what stands there.
    void cellsHaveAccessibleNames() {
        h.Choose(QStringLiteral("Level 1"));
        QCOMPARE(h.window->CellButton(3, 0)->accessibleName(),
                 QStringLiteral("column 4, row 1: Player 2 king"));
        QCOMPARE(h.window->CellButton(2, 5)->accessibleName(),
                 QStringLiteral("column 3, row 6: Player 1 piece, arms up-right, down, up-left"));
        h.Click(2, 5);
        h.Click(1, 4);
        QCOMPARE(h.window->CellButton(2, 5)->accessibleName(),
                 QStringLiteral("column 3, row 6: empty"));
    }

    void windowHasAFixedSize() {
        QCOMPARE(h.window->minimumSize(), h.window->maximumSize());
        QVERIFY(h.window->width() >= BoardSize * TileSize);
        QVERIFY(h.window->centralWidget()->size() == QSize(7, 7) * TileSize);
    }

    void eachButtonReportsItsOwnCell() {
        const GameState& state = h.window->Controller().State();
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                h.Click(x, y);
                QCOMPARE(state.m_lastClickX, x);
                QCOMPARE(state.m_lastClickY, y);
            }
        }
    }

    // Every menu of the bar, in order; an empty text stands for a separator.
    void menusInOrder() {
        const QString separator;
        const QStringList players = {QStringLiteral("Human"), separator, QStringLiteral("AI Easy"),
                                     QStringLiteral("AI Medium"), QStringLiteral("AI Difficult")};
        const QList<std::pair<QString, QStringList>> expected = {
            {QStringLiteral("Start"),
             {QStringLiteral("Load Game"), QStringLiteral("Save Game"), separator,
              QStringLiteral("Undo Move"), QStringLiteral("Redo Move"), separator,
              QStringLiteral("Level 1"), QStringLiteral("Level 5"), QStringLiteral("Level 10"),
              QStringLiteral("Level 20"), QStringLiteral("Level 40"),
              QStringLiteral("Choose Level\u2026"), separator, QStringLiteral("Restart Level"),
              separator, QStringLiteral("Life Doodle"), separator, QStringLiteral("Exit")}},
            {QStringLiteral("Player 1"), players},
            {QStringLiteral("Player 2"), players},
            {QStringLiteral("Options"),
             {QStringLiteral("Sound ON"), QStringLiteral("Sound OFF"), separator,
              QStringLiteral("Show Moves")}},
            {QStringLiteral("Help"),
             {QStringLiteral("Hint"), separator, QStringLiteral("Instructions"),
              QStringLiteral("About Trevallion")}},
        };
        // Before any level there is nothing to take back, play again or hint at.
        const QStringList disabled = {QStringLiteral("Undo Move"), QStringLiteral("Redo Move"),
                                      QStringLiteral("Hint")};
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
        QCOMPARE(h.window->Controller().State().m_level, level);
        QVERIFY(h.window->Controller().State().board == LayoutToBoard(LevelLayout(level)));
        ExpectBoardOnScreen();
    }

    void clickedMoveShowsOnTheBoard() {
        h.Choose(QStringLiteral("Level 1"));
        const GameState& state = h.window->Controller().State();
        QCOMPARE(state.board.At(2, 5), 5); // arms down, up-left and up-right
        QCOMPARE(state.board.At(1, 4), Empty);
        const Board before = state.board;

        h.Click(2, 5);
        h.Click(2, 4); // straight up: not one of its arms
        QVERIFY(state.board == before);
        QCOMPARE(state.m_sideToMove, Side::PlayerOne);

        h.Click(1, 4);
        QCOMPARE(state.board.At(2, 5), Empty);
        QCOMPARE(state.board.At(1, 4), 5);
        QCOMPARE(state.m_sideToMove, Side::PlayerTwo);
        QCOMPARE(IconImage(h.window->CellButton(2, 5)), TileImage(Empty));
        QCOMPARE(IconImage(h.window->CellButton(1, 4)), TileImage(5));
        ExpectBoardOnScreen();
        QVERIFY(h.window->messages.empty());
        QVERIFY(h.window->winners.empty());
    }

    void restartLevelRestoresTheLayout() {
        h.Choose(QStringLiteral("Level 5"));
        h.Click(5, 6); // Player 1's piece 4 steps up-left
        h.Click(4, 5);
        const Board layout = LayoutToBoard(LevelLayout(5));
        QVERIFY(h.window->Controller().State().board != layout);

        h.Choose(QStringLiteral("Restart Level"));
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Trevallion Level 5"));
        QVERIFY(h.window->Controller().State().board == layout);
        ExpectBoardOnScreen();
    }

    void takingTheKingAnnouncesTheWinner() {
        h.Choose(QStringLiteral("Level 1"));
        GameState& state = h.window->Controller().State();
        QCOMPARE(state.board.At(3, 0), PlayerTwoKing);
        state.board.At(3, 1) = 10; // a Player 1 bar, arms up and down, under the king

        h.Click(3, 1);
        h.Click(3, 0);
        QCOMPARE(h.window->winners, std::vector<int>{Side::PlayerOne});
        // The winner goes on to the next level.
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Trevallion Level 2"));
        ExpectBoardOnScreen();
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
        QCOMPARE(h.window->messages,
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

    void unreadableStoredValuesGiveTheDefaults() {
        h.Open({{QStringLiteral("PlayerOne"), QStringLiteral("three")},
                {QStringLiteral("PlayerTwo"), 1}});
        QCOMPARE(h.window->Controller().State().m_playerOneType, PlayerType::Human);
        QCOMPARE(h.window->Controller().State().m_playerTwoType, PlayerType::AiEasy);
        QCOMPARE(h.Stored(QStringLiteral("PlayerOne")).toInt(), 0);
    }

    void aComputerPlayerMovesOnTheTimerAndTakesTheFocus() {
        h.Open({{QStringLiteral("PlayerOne"), 1}, {QStringLiteral("PlayerTwo"), 0}});
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.Choose(QStringLiteral("Level 1"));
        QCOMPARE(h.window->cursor().pixmap().toImage(),
                 SideCursor(Side::PlayerOne, qApp->devicePixelRatio()).pixmap().toImage());
        const GameState& state = h.window->Controller().State();
        // Two ticks at most: one starts the worker, the next plays its move.
        QTRY_COMPARE_WITH_TIMEOUT(state.m_sideToMove, Side::PlayerTwo, 10000);
        QCOMPARE(state.board.At(5, 5), 4);
        QVERIFY(h.window->CellButton(5, 5)->hasFocus());
        QCOMPARE(h.window->cursor().pixmap().toImage(),
                 SideCursor(Side::PlayerTwo, qApp->devicePixelRatio()).pixmap().toImage());
        ExpectBoardOnScreen();
    }

    void exitClosesTheWindow() {
        QVERIFY(h.window->isVisible());
        h.Choose(QStringLiteral("Exit"));
        QVERIFY(!h.window->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
