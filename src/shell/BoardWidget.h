#pragma once

#include "play/GameView.h"
#include "rules/Board.h"
#include "shell/TileArt.h"
#include "shell/TileButton.h"
#include "shell/TileSet.h"

#include <QWidget>

#include <array>
#include <memory>

namespace trevallion {

// The board's 7 x 7 cell buttons, kept square and centred in whatever room the window gives:
// the tiles grow in whole pixels from their smallest size, TileSize unless the screen is too
// small for that. It also decides the look the tiles are drawn in: dark when the player chose
// it, when the desktop's palette is dark, or when the desktop says it prefers dark.
class BoardWidget : public QWidget {
    Q_OBJECT

  public:
    explicit BoardWidget(std::shared_ptr<TileSet> tiles, QWidget* parent = nullptr);

    // Puts the button of `cell` on the board.
    void Place(TileButton* button, Cell cell);

    // The look the player chose in the menus.
    void SetChosenLook(const BoardLook& look);
    // Whether the desktop prefers dark, as it says so beside its palette.
    void SetDesktopDark(bool dark);

    // The side of the smallest tiles, which make the board's smallest size.
    void SetSmallestTile(int side);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void LayOut();
    // Draws the tiles in the look the choice and the palette make, if that has changed.
    void ApplyLook();

    std::shared_ptr<TileSet> m_tiles;
    // Indexed like the board: cell (x, y) is element x * 7 + y.
    std::array<TileButton*, CellCount> m_cells{};
    BoardLook m_chosen;
    int m_smallestTile = TileSize;
    bool m_desktopDark = false;
};

// Whether a palette is a dark one: its window colour is darker than middle grey.
bool IsDarkPalette(const QPalette& palette);

} // namespace trevallion
