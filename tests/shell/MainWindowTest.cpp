#include "shell/MainWindow.h"
#include "levels/LevelLayouts.h"
#include "shell/Cursors.h"
#include "shell/TileArt.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

using namespace trevallion;

namespace {

// Settings in a file of the test's own, never the user's.
std::unique_ptr<QSettings> TestSettings(const QTemporaryDir& dir) {
    return std::make_unique<QSettings>(dir.filePath(QStringLiteral("settings.ini")),
                                       QSettings::IniFormat);
}

// The real window with its modal boxes replaced by records, so that no test ever waits on one.
class RecordingWindow : public MainWindow {
  public:
    explicit RecordingWindow(std::unique_ptr<QSettings> settings)
        : MainWindow(std::move(settings)) {}

    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons, MessageIcon) override {
        messages.emplace_back(text);
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    void ShowWinnerBox(int side) override { winners.push_back(side); }

    std::vector<std::string> messages;
    std::vector<int> winners;
};

QImage ComparableImage(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage IconImage(const QAbstractButton* button) {
    return ComparableImage(button->icon().pixmap(QSize(TileSize, TileSize)));
}

QImage TileImage(CellCode code) {
    return ComparableImage(DrawTile(code, qApp->devicePixelRatio()));
}

QMenu* Menu(const QMainWindow& window, const QString& title) {
    for (QAction* action : window.menuBar()->actions()) {
        if (action->menu() != nullptr && action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

QMenu* StartMenu(const QMainWindow& window) {
    return Menu(window, QStringLiteral("Start"));
}

QAction* MenuAction(const QMainWindow& window, const QString& title, const QString& text) {
    QMenu* menu = Menu(window, title);
    if (menu == nullptr) {
        return nullptr;
    }
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

QAction* StartAction(const QMainWindow& window, const QString& text) {
    return MenuAction(window, QStringLiteral("Start"), text);
}

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_settingsDir;
    std::unique_ptr<RecordingWindow> m_window;

    // A window started from stored settings; unless a test says otherwise both sides are human,
    // so that no computer player moves while a test plays.
    void Open(const QList<std::pair<QString, QVariant>>& stored = {
                  {QStringLiteral("PlayerTwo"), 0}}) {
        m_window.reset();
        QFile::remove(m_settingsDir.filePath(QStringLiteral("settings.ini")));
        {
            const std::unique_ptr<QSettings> settings = TestSettings(m_settingsDir);
            for (const auto& [name, value] : stored) {
                settings->setValue(QStringLiteral("Trevallion/") + name, value);
            }
        }
        m_window = std::make_unique<RecordingWindow>(TestSettings(m_settingsDir));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    // The stored value of a setting, read back from the file.
    QVariant Stored(const QString& name) {
        return TestSettings(m_settingsDir)->value(QStringLiteral("Trevallion/") + name);
    }

    // The checked items of a menu, by their texts.
    QStringList Checked(const QString& title) {
        QStringList checked;
        for (QAction* action : Menu(*m_window, title)->actions()) {
            if (action->isChecked()) {
                checked << action->text();
            }
        }
        return checked;
    }

    void Choose(const QString& text, const QString& menu = QStringLiteral("Start")) {
        QAction* action = MenuAction(*m_window, menu, text);
        QVERIFY2(action != nullptr, qPrintable(text));
        action->trigger();
    }

    void Click(int x, int y) {
        QAbstractButton* button =
            m_window->findChild<QAbstractButton*>(QStringLiteral("cell_%1_%2").arg(x).arg(y));
        QVERIFY(button != nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Every button shows the tile of its cell's code on the controller's board.
    void ExpectBoardOnScreen() {
        const Board& board = m_window->Controller().State().board;
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                QVERIFY2(IconImage(m_window->CellButton(x, y)) == TileImage(board.At(x, y)),
                         qPrintable(QStringLiteral("cell (%1, %2)").arg(x).arg(y)));
            }
        }
    }

  private slots:
    void initTestCase() { QVERIFY(m_settingsDir.isValid()); }

    void init() { Open(); }

    void cleanup() { m_window.reset(); }

    void startsWithWallsEverywhere() {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Trevallion"));
        const QList<QAbstractButton*> cells = m_window->findChildren<QAbstractButton*>(
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
                QAbstractButton* button = m_window->CellButton(x, y);
                QVERIFY(button != nullptr);
                QCOMPARE(button->objectName(), QStringLiteral("cell_%1_%2").arg(x).arg(y));
                QCOMPARE(button->size(), QSize(TileSize, TileSize));
                QCOMPARE(button->iconSize(), QSize(TileSize, TileSize));
                QCOMPARE(button->pos(), QPoint(x * TileSize, y * TileSize));
                QCOMPARE(button->focusPolicy(), Qt::StrongFocus);
            }
        }
        QCOMPARE(m_window->CellButton(7, 0), nullptr);
        QCOMPARE(m_window->CellButton(0, -1), nullptr);
    }

    void buttonsShowTheirTileEdgeToEdge() {
        Choose(QStringLiteral("Level 1"));
        for (const QPoint cell : {QPoint(2, 5), QPoint(3, 0), QPoint(0, 3)}) {
            const CellCode code = m_window->Controller().State().board.At(cell.x(), cell.y());
            QCOMPARE(ComparableImage(m_window->CellButton(cell.x(), cell.y())->grab()),
                     TileImage(code));
        }
    }

    void tabShowsAFrameOnTheNextCell() {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QAbstractButton* from = m_window->CellButton(6, 2);
        QAbstractButton* to = m_window->CellButton(0, 3);
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
            QCOMPARE(m_window->CellButton(x, y)->nextInFocusChain(),
                     m_window->CellButton(nextX, nextY));
        }
    }

    void windowHasAFixedSize() {
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QVERIFY(m_window->width() >= BoardSize * TileSize);
        QVERIFY(m_window->centralWidget()->size() == QSize(7, 7) * TileSize);
    }

    void eachButtonReportsItsOwnCell() {
        const GameState& state = m_window->Controller().State();
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                Click(x, y);
                QCOMPARE(state.m_lastClickX, x);
                QCOMPARE(state.m_lastClickY, y);
            }
        }
    }

    void startMenuItemsInOrder() {
        QMenu* menu = StartMenu(*m_window);
        QVERIFY(menu != nullptr);
        const QStringList expected = {QStringLiteral("Level 1"),       QStringLiteral("Level 5"),
                                      QStringLiteral("Level 10"),      QStringLiteral("Level 20"),
                                      QStringLiteral("Level 40"),      QString(),
                                      QStringLiteral("Restart Level"), QString(),
                                      QStringLiteral("Exit")};
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), expected.size());
        for (qsizetype i = 0; i < actions.size(); ++i) {
            QCOMPARE(actions[i]->isSeparator(), expected[i].isEmpty());
            if (!expected[i].isEmpty()) {
                QCOMPARE(actions[i]->text(), expected[i]);
            }
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
        Choose(item);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Trevallion Level %1").arg(level));
        QCOMPARE(m_window->Controller().State().m_level, level);
        QVERIFY(m_window->Controller().State().board == LayoutToBoard(LevelLayout(level)));
        ExpectBoardOnScreen();
    }

    void clickedMoveShowsOnTheBoard() {
        Choose(QStringLiteral("Level 1"));
        const GameState& state = m_window->Controller().State();
        QCOMPARE(state.board.At(2, 5), 5); // arms down, up-left and up-right
        QCOMPARE(state.board.At(1, 4), Empty);
        const Board before = state.board;

        Click(2, 5);
        Click(2, 4); // straight up: not one of its arms
        QVERIFY(state.board == before);
        QCOMPARE(state.m_sideToMove, PlayerOne);

        Click(1, 4);
        QCOMPARE(state.board.At(2, 5), Empty);
        QCOMPARE(state.board.At(1, 4), 5);
        QCOMPARE(state.m_sideToMove, PlayerTwo);
        QCOMPARE(IconImage(m_window->CellButton(2, 5)), TileImage(Empty));
        QCOMPARE(IconImage(m_window->CellButton(1, 4)), TileImage(5));
        ExpectBoardOnScreen();
        QVERIFY(m_window->messages.empty());
        QVERIFY(m_window->winners.empty());
    }

    void restartLevelRestoresTheLayout() {
        Choose(QStringLiteral("Level 5"));
        Click(5, 6); // Player 1's piece 4 steps up-left
        Click(4, 5);
        const Board layout = LayoutToBoard(LevelLayout(5));
        QVERIFY(m_window->Controller().State().board != layout);

        Choose(QStringLiteral("Restart Level"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Trevallion Level 5"));
        QVERIFY(m_window->Controller().State().board == layout);
        ExpectBoardOnScreen();
    }

    void takingTheKingAnnouncesTheWinner() {
        Choose(QStringLiteral("Level 1"));
        GameState& state = m_window->Controller().State();
        QCOMPARE(state.board.At(3, 0), PlayerTwoKing);
        state.board.At(3, 1) = 10; // a Player 1 bar, arms up and down, under the king

        Click(3, 1);
        Click(3, 0);
        QCOMPARE(m_window->winners, std::vector<int>{PlayerOne});
        // The winner goes on to the next level.
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Trevallion Level 2"));
        ExpectBoardOnScreen();
    }

    void playerMenusHaveOneCheckEach() {
        Open({});
        QCOMPARE(m_window->menuBar()->actions().size(), 3);
        const QStringList items = {QStringLiteral("Human"), QStringLiteral("AI Easy"),
                                   QStringLiteral("AI Medium"), QStringLiteral("AI Difficult")};
        for (const QString& title : {QStringLiteral("Player 1"), QStringLiteral("Player 2")}) {
            QStringList texts;
            for (QAction* action : Menu(*m_window, title)->actions()) {
                texts << action->text();
            }
            QCOMPARE(texts, items);
        }
        // A first start: Player 2 is the computer, and both choices are stored.
        QCOMPARE(Checked(QStringLiteral("Player 1")), QStringList{QStringLiteral("Human")});
        QCOMPARE(Checked(QStringLiteral("Player 2")), QStringList{QStringLiteral("AI Medium")});
        QCOMPARE(Stored(QStringLiteral("PlayerOne")).toInt(), 0);
        QCOMPARE(Stored(QStringLiteral("PlayerTwo")).toInt(), 2);
    }

    void aRefusedPlayerItemKeepsItsCheckMarks() {
        Open({});
        Choose(QStringLiteral("AI Easy"), QStringLiteral("Player 1"));
        QCOMPARE(m_window->messages,
                 std::vector<std::string>{"Player 2 must be\nset to Human first."});
        QCOMPARE(Checked(QStringLiteral("Player 1")), QStringList{QStringLiteral("Human")});
        QCOMPARE(Stored(QStringLiteral("PlayerOne")).toInt(), 0);

        Choose(QStringLiteral("Human"), QStringLiteral("Player 2"));
        Choose(QStringLiteral("AI Difficult"), QStringLiteral("Player 1"));
        QCOMPARE(Checked(QStringLiteral("Player 1")), QStringList{QStringLiteral("AI Difficult")});
        QCOMPARE(Checked(QStringLiteral("Player 2")), QStringList{QStringLiteral("Human")});
        QCOMPARE(Stored(QStringLiteral("PlayerOne")).toInt(), 3);
        QCOMPARE(Stored(QStringLiteral("PlayerTwo")).toInt(), 0);
    }

    void unreadableStoredValuesGiveTheDefaults() {
        Open({{QStringLiteral("PlayerOne"), QStringLiteral("three")},
              {QStringLiteral("PlayerTwo"), 1}});
        QCOMPARE(m_window->Controller().State().m_playerOneType, Human);
        QCOMPARE(m_window->Controller().State().m_playerTwoType, AiEasy);
        QCOMPARE(Stored(QStringLiteral("PlayerOne")).toInt(), 0);
    }

    void aComputerPlayerMovesOnTheTimerAndTakesTheFocus() {
        Open({{QStringLiteral("PlayerOne"), 1}, {QStringLiteral("PlayerTwo"), 0}});
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        Choose(QStringLiteral("Level 1"));
        QCOMPARE(m_window->cursor().pixmap().toImage(),
                 SideCursor(PlayerOne, qApp->devicePixelRatio()).pixmap().toImage());
        const GameState& state = m_window->Controller().State();
        // Two ticks at most: one starts the worker, the next plays its move.
        QTRY_COMPARE_WITH_TIMEOUT(state.m_sideToMove, PlayerTwo, 10000);
        QCOMPARE(state.board.At(5, 5), 4);
        QVERIFY(m_window->CellButton(5, 5)->hasFocus());
        QCOMPARE(m_window->cursor().pixmap().toImage(),
                 SideCursor(PlayerTwo, qApp->devicePixelRatio()).pixmap().toImage());
        ExpectBoardOnScreen();
    }

    void exitClosesTheWindow() {
        QVERIFY(m_window->isVisible());
        Choose(QStringLiteral("Exit"));
        QVERIFY(!m_window->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
