#include "shell/MainWindow.h"

#include "play/CellDescription.h"
#include "play/CommandId.h"
#include "play/Messages.h"
#include "play/SettingNames.h"
#include "shell/BoardAids.h"
#include "shell/BoardWidget.h"
#include "shell/Cursors.h"
#include "shell/DialogBoxes.h"
#include "shell/GameFileDialogs.h"
#include "shell/GameNarrator.h"
#include "shell/MoveSlide.h"
#include "shell/NotificationAnnouncer.h"
#include "shell/PortalAppearance.h"
#include "shell/ProgramIcon.h"
#include "shell/QtText.h"
#include "shell/ReviewDialog.h"
#include "shell/StatusLine.h"
#include "shell/TileArt.h"
#include "shell/TileButton.h"
#include "shell/TurnsPane.h"
#include "shell/WindowPlace.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>

namespace trevallion {

MainWindow::MainWindow(std::unique_ptr<SettingsFile> settings, std::unique_ptr<KeepingPlace> place,
                       std::unique_ptr<DesktopAppearance> desktop,
                       std::unique_ptr<WindowBoxes> boxes, std::unique_ptr<SoundOutput> sound,
                       QWidget* parent)
    : QMainWindow(parent), m_settings(std::move(settings)),
      m_tiles(std::make_shared<TileSet>(qApp->devicePixelRatio())),
      m_desktop(desktop ? std::move(desktop)
                        : std::make_unique<PortalAppearance>(QDBusConnection(QString()))),
      m_boxes(boxes ? std::move(boxes) : std::make_unique<DialogBoxes>()),
      m_sound(sound ? std::move(sound) : std::make_unique<DataFolderSounds>()),
      m_place(place ? std::move(place) : std::make_unique<NowhereToKeep>()),
      m_controller(*this, *m_settings, m_workers, m_hintWorkers, *m_place, m_keepWriter) {
    m_settings->WriteSetting(VersionSetting, SettingsVersion);
    for (const CursorSide cursor :
         {CursorSide::Neutral, CursorSide::PlayerOne, CursorSide::PlayerTwo}) {
        m_cursors[static_cast<std::size_t>(cursor)] = SideCursor(cursor, qApp->devicePixelRatio());
    }
    setWindowTitle(ToQString(ProgramName));
    setWindowIcon(ProgramIcon());
    m_boxes->Attach(*this, [this](const WindowBoxes::BoxAnswer& answer) {
        HandToController(m_controller, answer);
    });
    BuildBoard();
    BuildMenus();
    BuildMotionAndStatus();
    m_board->SetSmallestTile(SmallestTileFor(*this));
    RestoreSizeAndPlace(*this, *m_settings);
    connect(m_desktop.get(), &DesktopAppearance::Changed, this, &MainWindow::TellDesktop);
    TellDesktop();
    // The game's clock: once a second it lets a computer player think or move, or the Life
    // Doodle live a generation.
    m_timer.setObjectName(QStringLiteral("clock"));
    m_timer.setParent(this);
    connect(&m_timer, &QTimer::timeout, this, [this] { m_controller.OnTimer(); });
}

void MainWindow::Start() {
    m_controller.Start();
    m_timer.start(1000);
}

void MainWindow::LoadGivenGame(const std::string& path) {
    RunOnceShown(*this, [this, path] { m_controller.OnFileGiven(path); });
}

MainWindow::~MainWindow() {
    m_timer.stop();
    // A box still open goes before the controller it would answer.
    qDeleteAll(findChildren<QDialog*>(Qt::FindDirectChildrenOnly));
    m_controller.Shutdown();
}

void MainWindow::BuildBoard() {
    m_board = new BoardWidget(m_tiles, this);
    // Created row by row, so Tab walks the board in reading order.
    for (int y = 0; y < BoardSize; ++y) {
        for (int x = 0; x < BoardSize; ++x) {
            auto* button = new TileButton(m_tiles, m_board);
            button->setObjectName(QStringLiteral("cell_%1_%2").arg(x).arg(y));
            connect(button, &TileButton::clicked, this, [this, x, y] {
                m_controller.OnCell({x, y});
            });
            connect(button, &TileButton::focusStepAsked, this, [this, x, y](int dx, int dy) {
                StepFocus({x, y}, dx, dy);
            });
            m_board->Place(button, {x, y});
            m_cells[static_cast<std::size_t>(CellIndex({x, y}))] = button;
        }
    }
    // The move list stands beside the board, shown while Options › Move List is checked.
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_board, 1);
    m_turns = new TurnsPane(this, central);
    m_turns->hide();
    layout->addWidget(m_turns);
    connect(m_turns, &TurnsPane::moveChosen, this,
            [this](std::size_t turns) { m_controller.OnMoveChosen(turns); });
    setCentralWidget(central);
    m_aids = new BoardAids(m_cells, this);
}

// The desktop's dark is its stated preference or its palette's, whichever says dark.
void MainWindow::TellDesktop() {
    m_controller.OnDesktopChanged({.dark = m_desktop->PrefersDark() || IsDarkPalette(palette()),
                                   .reducedMotion = m_desktop->PrefersReducedMotion()});
}

// A desktop that switches between light and dark colours tells it by a new palette.
void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        TellDesktop();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    KeepSizeAndPlace(*this, *m_settings);
    QMainWindow::closeEvent(event);
}

QAction* MainWindow::AddCommand(QMenu* menu, const QString& text, CommandId command, bool checkable,
                                const QList<QKeySequence>& keys) {
    QAction* action = menu->addAction(text);
    action->setCheckable(checkable);
    action->setShortcuts(keys);
    m_actions[command] = action;
    connect(action, &QAction::triggered, this, [this, action, command](bool checked) {
        // The controller alone sets check marks, and a refused command sets none: undo the
        // toggle Qt has already made.
        if (action->isCheckable()) {
            action->setChecked(!checked);
        }
        m_controller.OnCommand(command);
    });
    return action;
}

// Every title of the bar and every item of a menu has a mnemonic of its own.
void MainWindow::BuildMenus() {
    QMenu* start = menuBar()->addMenu(tr("&Start"));
    AddCommand(start, tr("&Load Game"), CommandId::LoadGame, false,
               {QKeySequence(Qt::CTRL | Qt::Key_O)});
    AddCommand(start, tr("Co&ntinue Game"), CommandId::ContinueGame, false);
    AddCommand(start, tr("&Save Game"), CommandId::SaveGame, false,
               {QKeySequence(Qt::CTRL | Qt::Key_S)});
    AddCommand(start, tr("&Export Record\u2026"), CommandId::ExportRecord, false);
    AddCommand(start, tr("&Import Record\u2026"), CommandId::ImportRecord, false);
    start->addSeparator();
    AddCommand(start, tr("&Undo Move"), CommandId::UndoMove, false,
               {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    AddCommand(start, tr("&Redo Move"), CommandId::RedoMove, false,
               {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    start->addSeparator();
    AddCommand(start, tr("Level &1"), CommandId::Level1, false);
    AddCommand(start, tr("Level &5"), CommandId::Level5, false);
    AddCommand(start, tr("Level 1&0"), CommandId::Level10, false);
    AddCommand(start, tr("Level &20"), CommandId::Level20, false);
    AddCommand(start, tr("Level &40"), CommandId::Level40, false);
    AddCommand(start, tr("&Choose Level\u2026"), CommandId::ChooseLevel, false);
    start->addSeparator();
    AddCommand(start, tr("Res&tart Level"), CommandId::RestartLevel, false,
               {QKeySequence(Qt::CTRL | Qt::Key_R), QKeySequence(Qt::Key_F5)});
    start->addSeparator();
    AddCommand(start, tr("Life &Doodle"), CommandId::LifeDoodle, false);
    start->addSeparator();
    QAction* exit = start->addAction(tr("E&xit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
        QMenu* player = menuBar()->addMenu(tr("Player &%1").arg(SideNumber(side)));
        const QString items[] = {tr("&Human"), tr("AI &Easy"), tr("AI &Medium"),
                                 tr("AI &Difficult"), tr("AI E&xpert")};
        for (const PlayerType type : AllPlayerTypes) {
            AddCommand(player, items[PlayerTypeNumber(type)], PlayerCommand(side, type), true);
            if (type == PlayerType::Human) {
                player->addSeparator();
            }
        }
    }

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    AddCommand(options, tr("Sound O&N"), CommandId::SoundOn, true);
    AddCommand(options, tr("Sound O&FF"), CommandId::SoundOff, true);
    options->addSeparator();
    AddCommand(options, tr("Show &Moves"), CommandId::ShowMoves, true);
    // The board's colours are one choice of three, shown as radio items.
    QMenu* colours = options->addMenu(tr("&Board Colours"));
    auto* colourChoice = new QActionGroup(colours);
    colourChoice->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    colourChoice->addAction(AddCommand(colours, tr("&Light"), CommandId::BoardLight, true));
    colourChoice->addAction(AddCommand(colours, tr("&Dark"), CommandId::DarkBoard, true));
    colourChoice->addAction(
        AddCommand(colours, tr("&As the Desktop"), CommandId::BoardAsDesktop, true));
    AddCommand(options, tr("&High Contrast"), CommandId::HighContrast, true);
    AddCommand(options, tr("&Animate Moves"), CommandId::AnimateMoves, true);
    AddCommand(options, tr("S&tatus Line"), CommandId::StatusLine, true);
    AddCommand(options, tr("Draw by &Repetition"), CommandId::DrawByRepetition, true);
    AddCommand(options, tr("Move &List"), CommandId::MoveList, true);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    AddCommand(help, tr("&Hint"), CommandId::Hint, false, {QKeySequence(Qt::Key_H)});
    help->addSeparator();
    AddCommand(help, tr("&Instructions"), CommandId::Instructions, false,
               {QKeySequence(Qt::Key_F1)});
    AddCommand(help, tr("&Statistics\u2026"), CommandId::Statistics, false);
    AddCommand(help, tr("&Review Game"), CommandId::ReviewGame, false);
    AddCommand(help, tr("&About Trevallion"), CommandId::About, false);

    // Escape leaves the game like Exit, as it closes a dialog.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void MainWindow::BuildMotionAndStatus() {
    m_slide = new MoveSlide(m_cells[0]->parentWidget());
    m_statusLine = new StatusLine(this);
    statusBar()->addWidget(m_statusLine, 1);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->hide();
    // What a screen reader hears beyond the focused cell comes as notices in the status bar.
    auto* announcer = new NotificationAnnouncer(statusBar());
    // The narrator goes with the announcer it speaks through.
    m_narrator = new GameNarrator(*announcer, windowTitle(), announcer);
    m_narrator->NameMenus(*menuBar());
}

// Left and Right walk the board in reading order, as Tab does, from the last cell round to the
// first; Up and Down keep to the column and wrap round at its ends.
void MainWindow::StepFocus(Cell from, int dx, int dy) {
    if (dx != 0) {
        SetFocus(CellAt((CellIndex(from) + dx + CellCount) % CellCount));
    } else {
        SetFocus({from.x, (from.y + dy + BoardSize) % BoardSize});
    }
}

QAction* MainWindow::CommandAction(CommandId command) const {
    const auto found = m_actions.find(command);
    return found == m_actions.end() ? nullptr : found->second;
}

QAbstractButton* MainWindow::CellButton(Cell cell) const {
    return TileAt(cell);
}

TileButton* MainWindow::TileAt(Cell cell) const {
    return OnBoard(cell) ? m_cells[static_cast<std::size_t>(CellIndex(cell))] : nullptr;
}

void MainWindow::ShowTile(Cell cell, CellCode image) {
    // Any change of the board ends a slide at once: what it drew is no longer the board.
    m_slide->Finish();
    if (TileButton* button = TileAt(cell)) {
        button->ShowTile(image);
        // Each change of name is an event that a screen reader must look at before what follows
        // it, a move's words among them: a name that stays is not set again.
        if (const QString name = ToQString(DescribeCell(cell, image));
            name != button->accessibleName()) {
            button->setAccessibleName(name);
        }
        m_aids->TileShown(cell, image);
    }
}

void MainWindow::SetTitle(const ShownText& title) {
    const QString shown = ToQString(title);
    setWindowTitle(shown);
    m_narrator->TitleShown(shown);
}

void MainWindow::OpenMessage(const ShownText& text, MessageButtons buttons, MessageIcon icon) {
    m_boxes->OpenMessage(text, buttons, icon);
}

void MainWindow::OpenWinnerBox(Side winner) {
    m_boxes->OpenWinnerBox(winner);
}

void MainWindow::OpenGameFileDialog(GameFileDialog dialog) {
    m_boxes->OpenGameFileDialog(dialog, GameFolderToOpen(*m_settings));
}

void MainWindow::OpenChooseLevel(int level) {
    m_boxes->OpenChooseLevel(level, *m_tiles);
}

void MainWindow::OpenInstructions() {
    m_boxes->OpenInstructions();
}

void MainWindow::OpenAbout() {
    m_boxes->OpenAbout();
}

void MainWindow::OpenStatistics(const StatisticsTable& table) {
    m_boxes->OpenStatistics(table);
}

void MainWindow::PlaySoundFile(std::string_view file) {
    m_sound->Play(file);
}

void MainWindow::StopSound() {
    m_sound->Stop();
}

void MainWindow::ShowMoveList(const MoveListing& listing) {
    m_turns->Show(listing);
}

// The review's window leaves the main window to the player; Cancel or its close box stop the
// review, and a review done closes it without a word back.
void MainWindow::OpenReviewProgress(std::size_t positions) {
    auto* box = new ReviewDialog(positions, this);
    connect(box, &QDialog::rejected, this, [this] { m_controller.OnReviewCancelled(); });
    m_review = box;
    OpenDialogOver(*this, box, Qt::NonModal);
}

void MainWindow::ShowReviewProgress(std::size_t done) {
    if (m_review) {
        m_review->ShowProgress(done);
    }
}

void MainWindow::CloseReviewProgress() {
    if (m_review) {
        m_review->disconnect(this);
        m_review->close();
    }
}

void MainWindow::SetCursor(CursorSide cursor) {
    setCursor(m_cursors[static_cast<std::size_t>(cursor)]);
}

void MainWindow::SetFocus(Cell cell) {
    if (QAbstractButton* button = CellButton(cell)) {
        button->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::CheckMenuItem(CommandId item, bool checked) {
    if (QAction* action = CommandAction(item)) {
        action->setChecked(checked);
    }
}

void MainWindow::EnableMenuItem(CommandId item, bool enabled) {
    if (QAction* action = CommandAction(item)) {
        action->setEnabled(enabled);
    }
}

void MainWindow::ShowMarks(const BoardMarks& marks) {
    m_aids->ShowMarks(marks);
    m_narrator->MarksShown(marks);
}

void MainWindow::ShowHint(const std::optional<Move>& hint) {
    m_aids->ShowHint(hint);
    m_narrator->HintShown(hint);
}

void MainWindow::SetBoardLook(const BoardLook& look) {
    m_board->SetLook(look);
}

void MainWindow::SetMoveMotion(MoveMotion motion) {
    m_motion = motion;
}

void MainWindow::ShowPanes(const Panes& panes) {
    m_turns->setVisible(panes.moveList);
    if (statusBar()->isVisibleTo(this) != panes.statusLine) {
        statusBar()->setVisible(panes.statusLine);
        // On a screen too small for both, the status line takes its room from the board.
        m_board->SetSmallestTile(SmallestTileFor(*this));
    }
}

void MainWindow::ShowMoveMade(const Move& move) {
    if (m_motion == MoveMotion::Slide) {
        m_slide->Start(TileAt(move.from), TileAt(move.to));
    }
}

void MainWindow::TellMovePlayed(const PlayedTurn& turn) {
    m_narrator->MovePlayed(turn);
}

void MainWindow::ShowStatus(const ShownText& text) {
    m_statusLine->Show(text.Str());
    m_narrator->StatusShown(ToQString(text));
}

void MainWindow::RequestWake(int milliseconds) {
    QTimer::singleShot(milliseconds, this, [this] { m_controller.OnWake(); });
}

void MainWindow::GameFileUsed(std::string_view file) {
    RememberGameFolder(*m_settings, std::string(file));
}

} // namespace trevallion
