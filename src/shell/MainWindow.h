#pragma once

#include "play/GameDialog.h"
#include "play/GameWindow.h"
#include "rules/Board.h"
#include "shell/TileSet.h"

#include <QMainWindow>

#include <array>

class QAbstractButton;

namespace trevallion {

// The game's window: the 7 x 7 board of cell buttons and the menu bar. It owns the controller,
// forwards clicks and menu commands to it, and shows what the controller asks for.
class MainWindow : public QMainWindow, public GameWindow {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);

    GameDialog& Controller() { return m_controller; }

    // The button of cell (x, y), or nullptr off the board.
    QAbstractButton* CellButton(int x, int y) const;

    void ShowTile(int x, int y, CellCode image) override;
    void SetTitle(std::string_view title) override;
    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons,
                              MessageIcon icon) override;
    void ShowWinnerBox(int side) override;
    void PlaySoundFile(std::string_view file) override;
    void PumpEvents() override;

  private:
    void BuildBoard();
    void BuildMenus();

    TileSet m_tiles;
    // Indexed like the board: cell (x, y) is element x * 7 + y.
    std::array<QAbstractButton*, CellCount> m_cells{};
    GameDialog m_controller;
};

} // namespace trevallion
