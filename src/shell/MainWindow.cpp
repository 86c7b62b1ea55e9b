#include "shell/MainWindow.h"

#include "play/CommandId.h"
#include "play/Messages.h"
#include "shell/QtText.h"
#include "shell/TileArt.h"
#include "shell/TileButton.h"
#include "shell/WinnerBox.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace trevallion {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_tiles(qApp->devicePixelRatio()), m_controller(*this) {
    setWindowTitle(ToQString(ProgramName));
    BuildBoard();
    BuildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_controller.OnInitDialog();
}

void MainWindow::BuildBoard() {
    auto* board = new QWidget(this);
    auto* grid = new QGridLayout(board);
    grid->setSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    // Created row by row, so Tab walks the board in reading order.
    for (int y = 0; y < BoardSize; ++y) {
        for (int x = 0; x < BoardSize; ++x) {
            auto* button = new TileButton(board);
            button->setObjectName(QStringLiteral("cell_%1_%2").arg(x).arg(y));
            connect(button, &TileButton::clicked, this,
                    [this, x, y] { m_controller.OnCell(x, y); });
            grid->addWidget(button, y, x);
            m_cells[static_cast<std::size_t>(CellIndex(x, y))] = button;
        }
    }
    setCentralWidget(board);
}

void MainWindow::BuildMenus() {
    QMenu* start = menuBar()->addMenu(QStringLiteral("Start"));
    const auto addCommand = [this, start](const QString& text, CommandId command) {
        QAction* action = start->addAction(text);
        connect(action, &QAction::triggered, this,
                [this, command] { m_controller.OnCommand(command); });
    };
    addCommand(QStringLiteral("Level 1"), CommandId::Level1);
    addCommand(QStringLiteral("Level 5"), CommandId::Level5);
    addCommand(QStringLiteral("Level 10"), CommandId::Level10);
    addCommand(QStringLiteral("Level 20"), CommandId::Level20);
    addCommand(QStringLiteral("Level 40"), CommandId::Level40);
    start->addSeparator();
    addCommand(QStringLiteral("Restart Level"), CommandId::RestartLevel);
    start->addSeparator();
    QAction* exit = start->addAction(QStringLiteral("Exit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

QAbstractButton* MainWindow::CellButton(int x, int y) const {
    if (!OnBoard(x, y)) {
        return nullptr;
    }
    return m_cells[static_cast<std::size_t>(CellIndex(x, y))];
}

void MainWindow::ShowTile(int x, int y, CellCode image) {
    if (QAbstractButton* button = CellButton(x, y)) {
        button->setIcon(QIcon(m_tiles.Tile(image)));
    }
}

void MainWindow::SetTitle(std::string_view title) {
    setWindowTitle(ToQString(title));
}

MessageAnswer MainWindow::ShowMessage(std::string_view text, MessageButtons buttons,
                                      MessageIcon icon) {
    const QMessageBox::StandardButtons choices =
        buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(BoxIcon(icon), ToQString(ProgramName), ToQString(text), choices, this);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}

void MainWindow::ShowWinnerBox(int side) {
    WinnerBox box(side, this);
    box.exec();
}

// This window has no sound output yet, so the game plays silently.
void MainWindow::PlaySoundFile(std::string_view /*file*/) {}

void MainWindow::PumpEvents() {
    QCoreApplication::processEvents();
}

} // namespace trevallion
