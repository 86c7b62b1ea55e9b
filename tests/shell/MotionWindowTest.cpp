#include "shell/MainWindow.h"
#include "shell/MoveSlide.h"
#include "shell/SettingsFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSettings>
#include <QTest>

using namespace trevallion;

// The slide of a move over the board, driven by hand on the slide's own clock, and the status
// line under the board.
class MotionWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;

    // A cell as the board shows it, with whatever lies over its button.
    QImage Shown(Cell cell) const {
        const QAbstractButton* button = window->CellButton(cell);
        return button->parentWidget()->grab(button->geometry()).toImage();
    }
    void Run(CommandId command) { window->CommandAction(command)->trigger(); }

  private slots:
    void init() {
        auto settings = std::make_unique<SettingsFile>(nullptr);
        settings->WriteSetting("PlayerTwo", 0);
        settings->WriteSetting("SoundFlag", 0);
        window = std::make_unique<MainWindow>(std::move(settings));
        window->Start();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        Run(CommandId::Level1);
        if (QWidget* focused = QApplication::focusWidget()) {
            focused->clearFocus(); // so that no focus frame tells the cells apart
        }
    }

    void slideCarriesThePieceAndEndsOnTheBoardAsShown() {
        const Cell from{0, 3}, middle{1, 3}, to{2, 3};
        window->ShowTile(from, 7);
        window->ShowTile(middle, Wall);
        window->ShowTile(to, Empty);
        const QImage piece = Shown(from), wall = Shown(middle), empty = Shown(to);
        window->ShowTile(from, Empty);
        window->ShowTile(to, 7);
        window->ShowMoveMade({from, to});
        auto* slide = window->findChild<MoveSlide*>();
        QVERIFY(slide->Running());

        slide->Clock().pause();
        slide->Clock().setCurrentTime(MoveSlide::SlideMilliseconds / 2);
        QCOMPARE(Shown(middle), piece);
        QCOMPARE(Shown(to), empty);
        slide->Clock().setCurrentTime(MoveSlide::SlideMilliseconds);
        QVERIFY(!slide->isVisible());
        QCOMPARE(Shown(middle), wall);
        QCOMPARE(Shown(to), piece);

        // Any tile shown ends a slide at once; with Animate Moves off none starts.
        window->ShowMoveMade({from, to});
        window->ShowTile(middle, Empty);
        QVERIFY(!slide->Running() && !slide->isVisible());
        Run(CommandId::AnimateMoves);
        window->ShowMoveMade({from, to});
        QVERIFY(!slide->Running());
    }

    void statusLineShowsOnceChosen() {
        auto* line = window->findChild<QLabel*>(QStringLiteral("statusLine"));
        QVERIFY(!line->isVisible());
        Run(CommandId::StatusLine);
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), QStringLiteral("Player 1 to move"));
        QCOMPARE(line->accessibleName(), line->text());
        Run(CommandId::StatusLine);
        QVERIFY(!line->isVisible());
    }
};

QTEST_MAIN(MotionWindowTest)
#include "MotionWindowTest.moc"
