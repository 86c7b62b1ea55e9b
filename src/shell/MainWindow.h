#pragma once

#include "play/GameController.h"
#include "play/GameView.h"
#include "play/KeepingPlace.h"
#include "play/WorkerRunner.h"
#include "rules/Board.h"
#include "shell/DesktopAppearance.h"
#include "shell/SettingsFile.h"
#include "shell/SoundOutput.h"
#include "shell/TileSet.h"
#include "shell/WindowBoxes.h"

#include <QCursor>
#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <memory>
#include <unordered_map>

class QAbstractButton;
class QAction;
class QMenu;

namespace trevallion {

class BoardAids;
class BoardWidget;
class GameNarrator;
class MoveSlide;
class ReviewDialog;
class TurnsPane;
class StatusLine;
class TileButton;

// The game's window: the 7 x 7 board of cell buttons and the menu bar. It owns the controller,
// forwards clicks, ticks and menu commands to it, and shows what the controller tells it.
class MainWindow final : public QMainWindow, public GameView {
    Q_OBJECT

  public:
    // `settings` keeps the program's settings from one run to the next, `place` the game in
    // play and the statistics; with no place, they are not kept. `desktop` tells what the
    // desktop asks of looks and motion; with none, only gsettings and kdeglobals are asked.
    // `boxes` opens the game's boxes and windows, and `sound` plays its effects; with none, the
    // window's own dialogs and the sounds of the data folder.
    explicit MainWindow(std::unique_ptr<SettingsFile> settings,
                        std::unique_ptr<KeepingPlace> place = nullptr,
                        std::unique_ptr<DesktopAppearance> desktop = nullptr,
                        std::unique_ptr<WindowBoxes> boxes = nullptr,
                        std::unique_ptr<SoundOutput> sound = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The game's start-up: applies the stored settings and starts the clock, whose first tick
    // starts the Life Doodle. Until then every cell shows the wall. It runs once the window is
    // fully built.
    void Start();

    // Loads the saved game at `path` as Load Game loads a file chosen in its dialog, once the
    // events already waiting, the window's showing among them, have been handled.
    void LoadGivenGame(const std::string& path);

    // The button of cell (x, y), or nullptr off the board.
    QAbstractButton* CellButton(Cell cell) const;

    void ShowTile(Cell cell, CellCode image) override;
    void SetTitle(const ShownText& title) override;
    void SetCursor(CursorSide cursor) override;
    void SetFocus(Cell cell) override;
    void CheckMenuItem(CommandId item, bool checked) override;
    void EnableMenuItem(CommandId item, bool enabled) override;
    void ShowMarks(const BoardMarks& marks) override;
    void ShowHint(const std::optional<Move>& hint) override;
    void SetBoardLook(const BoardLook& look) override;
    void SetMoveMotion(MoveMotion motion) override;
    void ShowPanes(const Panes& panes) override;
    void ShowMoveMade(const Move& move) override;
    void TellMovePlayed(const PlayedTurn& turn) override;
    void ShowStatus(const ShownText& text) override;
    void RequestWake(int milliseconds) override;
    void PlaySoundFile(std::string_view file) override;
    void StopSound() override;
    void OpenMessage(const ShownText& text, MessageButtons buttons, MessageIcon icon) override;
    void OpenWinnerBox(Side winner) override;
    void OpenGameFileDialog(GameFileDialog dialog) override;
    void GameFileUsed(std::string_view file) override;
    void OpenChooseLevel(int level) override;
    void OpenInstructions() override;
    void OpenAbout() override;
    void OpenStatistics(const StatisticsTable& table) override;
    void ShowMoveList(const MoveListing& listing) override;
    void OpenReviewProgress(std::size_t positions) override;
    void ShowReviewProgress(std::size_t done) override;
    void CloseReviewProgress() override;

    // The menu item of a command, or nullptr.
    QAction* CommandAction(CommandId command) const;

  protected:
    // The window's size and place are kept for the next run.
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Tells the controller the desktop's colours and motion as they are now.
    void TellDesktop();

    void BuildBoard();
    void BuildMenus();
    // The slide of a move over the board and the status line under it.
    void BuildMotionAndStatus();
    QAction* AddCommand(QMenu* menu, const QString& text, CommandId command, bool checkable,
                        const QList<QKeySequence>& keys = {});
    // An arrow key on cell (x, y): the focus moves to a neighbouring cell.
    void StepFocus(Cell from, int dx, int dy);
    // The button of cell (x, y), or nullptr off the board.
    TileButton* TileAt(Cell cell) const;

    std::unique_ptr<SettingsFile> m_settings;
    std::shared_ptr<TileSet> m_tiles;
    std::array<QCursor, 3> m_cursors;
    // Indexed like the board: cell (x, y) is element x * 7 + y.
    std::array<TileButton*, CellCount> m_cells{};
    BoardWidget* m_board = nullptr;
    BoardAids* m_aids = nullptr;
    MoveSlide* m_slide = nullptr;
    StatusLine* m_statusLine = nullptr;
    TurnsPane* m_turns = nullptr;
    QPointer<ReviewDialog> m_review;
    std::unique_ptr<DesktopAppearance> m_desktop;
    GameNarrator* m_narrator = nullptr;
    std::unordered_map<CommandId, QAction*> m_actions;
    MoveMotion m_motion = MoveMotion::Slide;
    QTimer m_timer;
    std::unique_ptr<WindowBoxes> m_boxes;
    std::unique_ptr<SoundOutput> m_sound;
    // The computer players' and the hints' threads; the controller joins them before either
    // goes.
    ThreadRunner m_workers;
    ThreadRunner m_hintWorkers;
    std::unique_ptr<KeepingPlace> m_place;
    // Writes what the game keeps, so that no move waits for the disk.
    ThreadRunner m_keepWriter;
    GameController m_controller;
};

} // namespace trevallion
