#include "levels/LevelLayouts.h"
#include "shell/CellMarksArt.h"
#include "shell/ChooseLevelDialog.h"
#include "shell/MainWindow.h"
#include "shell/MoveSlide.h"
#include "shell/SettingsFile.h"
#include "shell/TileArt.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>
#include <QTest>

using namespace trevallion;

QImage Image(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// The play aids as the window draws them over level 1, between two human players.
class PlayAidsWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;

    QImage Shown(int x, int y) const { return Image(window->CellButton({x, y})->grab()); }
    QString Description(int x, int y) const {
        return window->CellButton({x, y})->accessibleDescription();
    }
    void Run(CommandId command) { window->CommandAction(command)->trigger(); }
    void Click(Cell cell) { QTest::mouseClick(window->CellButton(cell), Qt::LeftButton); }

    // The cells that show more than their tile of level 1's start, the focused cell aside.
    QList<QPoint> MarkedCells() const {
        const Board start = LayoutToBoard(LevelLayout(1));
        QList<QPoint> marked;
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                if (!window->CellButton({x, y})->hasFocus() &&
                    Shown(x, y) != Image(DrawTile(start.At({x, y}), qApp->devicePixelRatio()))) {
                    marked << QPoint(x, y);
                }
            }
        }
        return marked;
    }

  private slots:
    void init() {
        auto settings = std::make_unique<SettingsFile>(nullptr);
        settings->WriteSetting("PlayerTwo", 0);
        settings->WriteSetting("SoundFlag", 0);
        window = std::make_unique<MainWindow>(std::move(settings));
        window->Start();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        Run(CommandId::Level1);
    }

    void cleanup() { window.reset(); }

    void showMovesMarksTheSelectionAndLeavesNoTraceWhenOff() {
        QCOMPARE(MarkedCells(), QList<QPoint>());
        Run(CommandId::ShowMoves);
        Click({2, 5}); // arms up-left, up-right and down onto its own piece
        QCOMPARE(Shown(2, 5).pixelColor(0, 24), MarkColours::Selected);
        for (const QPoint target : {QPoint(1, 4), QPoint(3, 4)}) {
            const QColor centre = Shown(target.x(), target.y()).pixelColor(24, 24);
            QVERIFY(centre.blue() < 230 && centre.red() > 240); // tinted gold, not white
        }
        QVERIFY(Shown(3, 3).pixelColor(0, 24) != Qt::white); // the grid
        QCOMPARE(Description(2, 5), QStringLiteral("selected"));
        QCOMPARE(Description(1, 4), QStringLiteral("can move here"));

        Run(CommandId::ShowMoves);
        QCOMPARE(MarkedCells(), QList<QPoint>());
        QCOMPARE(Description(2, 5), QString());
        Run(CommandId::ShowMoves);
        Click({1, 4});
        QCOMPARE(Description(2, 5), QStringLiteral("last move"));
    }

    // The slide on its own clock, driven by hand.
    void aMoveSlidesAndEndsOnTheBoardAsShown() {
        const auto onBoard = [this](Cell cell) { // and whatever lies over it
            const QWidget* button = window->CellButton(cell);
            return Image(button->parentWidget()->grab(button->geometry()));
        };
        const Cell from{0, 3}, middle{1, 3}, to{2, 3};
        window->ShowTile(from, 7);
        const QImage piece = onBoard(from), empty = onBoard(middle);
        window->ShowTile(from, Empty);
        window->ShowTile(to, 7);
        window->ShowMoveMade({from, to});
        auto* slide = window->findChild<MoveSlide*>();
        slide->Clock().pause();
        slide->Clock().setCurrentTime(MoveSlide::SlideMilliseconds / 2);
        QCOMPARE(onBoard(middle), piece);
        QCOMPARE(onBoard(to), empty);
        slide->Clock().setCurrentTime(MoveSlide::SlideMilliseconds);
        QCOMPARE(onBoard(middle), empty);
        QCOMPARE(onBoard(to), piece);
        // The piece slides alone: the grid of the cells it passes stays in sight round it.
        Run(CommandId::ShowMoves);
        const QImage gridded = onBoard(middle);
        window->ShowMoveMade({from, to});
        slide->Clock().pause();
        slide->Clock().setCurrentTime(MoveSlide::SlideMilliseconds / 2);
        const QImage passed = onBoard(middle);
        QVERIFY(passed != gridded);
        QCOMPARE(passed.pixel(0, passed.height() / 2), gridded.pixel(0, gridded.height() / 2));
        // A tile shown ends a slide at once; with Animate Moves off none starts.
        window->ShowMoveMade({from, to});
        window->ShowTile(from, Empty);
        QVERIFY(!slide->Running());
        Run(CommandId::AnimateMoves);
        window->ShowMoveMade({from, to});
        QVERIFY(!slide->Running());
    }

    // The style draws it only after keyboard use unless told otherwise.
    void theFocusFrameShowsAfterAMouseClick() {
        Click({3, 4});
        QVERIFY(window->CellButton({3, 4})->hasFocus());
        QVERIFY(Shown(3, 4) != Image(DrawTile(Empty, qApp->devicePixelRatio())));
    }

    void aHintIsMarkedAndSpokenThenGoes() {
        Click({0, 0}); // the focus, far from any move Player 1 can make
        Run(CommandId::Hint);
        QList<QPoint> hinted;
        QTRY_VERIFY_WITH_TIMEOUT((hinted = MarkedCells()).size() == 2, 20000);
        QCOMPARE(Shown(hinted[0].x(), hinted[0].y()).pixelColor(0, 24), MarkColours::Hint);
        QVERIFY(Description(0, 0).startsWith(QStringLiteral("hint: column ")));
        QTRY_VERIFY_WITH_TIMEOUT(MarkedCells().isEmpty(), 5000);

        window->ShowHint(Move{{2, 5}, {1, 4}});
        window->ShowHint(Move{{4, 5}, {5, 4}}); // replaces the first
        QCOMPARE(MarkedCells(), (QList<QPoint>{{4, 5}, {5, 4}}));
        window->ShowHint(std::nullopt);
        QCOMPARE(MarkedCells(), QList<QPoint>());
    }

    void menuItemsHaveTheirKeysAndStates() {
        const std::pair<CommandId, const char*> keys[] = {
            {CommandId::LoadGame, "Ctrl+O"},     {CommandId::SaveGame, "Ctrl+S"},
            {CommandId::UndoMove, "Ctrl+Z"},     {CommandId::RedoMove, "Ctrl+Shift+Z"},
            {CommandId::RestartLevel, "Ctrl+R"}, {CommandId::Hint, "H"},
            {CommandId::Instructions, "F1"},
        };
        for (const auto& [command, key] : keys) {
            QCOMPARE(window->CommandAction(command)->shortcut(), QKeySequence(QLatin1String(key)));
        }

        QVERIFY(!window->CommandAction(CommandId::UndoMove)->isEnabled());
        Click({2, 5});
        Click({1, 4});
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(MarkedCells(), QList<QPoint>()); // the board is level 1's start again
        QVERIFY(window->CommandAction(CommandId::RedoMove)->isEnabled());
    }

    void chooseLevelPreviewsAndReturnsTheLevel() {
        const TileSet tiles(qApp->devicePixelRatio());
        const auto preview = [&tiles](int level) {
            return Image(DrawBoardPreview(LayoutToBoard(LevelLayout(level)), tiles,
                                          ChooseLevelDialog::PreviewCellSide));
        };
        // Level 3's top left cell is a wall.
        QCOMPARE(preview(3).pixelColor(12, 12), QColor(0, 128, 128));

        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<ChooseLevelDialog*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            // 99 stays as typed, refused, also on Enter, until it is mended.
            auto* number = box->findChild<QSpinBox*>();
            number->selectAll();
            QTest::keyClicks(number, QStringLiteral("99"));
            QTest::keyClick(number, Qt::Key_Return);
            const QWidget* refusal = box->findChild<QLabel*>(QStringLiteral("refusal"));
            QCOMPARE(number->text(), QStringLiteral("99"));
            QVERIFY(refusal->isVisible() && box->isVisible());
            number->setValue(23);
            QVERIFY(!refusal->isVisible());
            QCOMPARE(Image(box->findChild<QLabel*>(QStringLiteral("preview"))->pixmap()),
                     preview(23));
            box->accept();
        });
        Run(CommandId::ChooseLevel);
        QTRY_COMPARE(window->windowTitle(), QStringLiteral("Trevallion Level 23"));
    }
};

QTEST_MAIN(PlayAidsWindowTest)
#include "PlayAidsWindowTest.moc"
