#pragma once

#include "play/CellDescription.h"
#include "rules/CellCode.h"
#include "shell/TileSet.h"

#include <QToolButton>

#include <memory>

namespace trevallion {

// One cell of the board: a tool button that is nothing but its tile, edge to edge, with the
// play aids' marks and the style's focus frame drawn over the tile, all for the size the button
// has. Space, Enter and Return click it; the arrow keys ask for the focus to move to a
// neighbouring cell.
class TileButton : public QToolButton {
    Q_OBJECT

  public:
    // The tiles come from `tiles`, in its look.
    explicit TileButton(std::shared_ptr<const TileSet> tiles, QWidget* parent = nullptr);

    // Shows the tile of `code`. The button's icon draws it from the tile set at whatever size
    // and device pixel ratio it is asked for.
    void ShowTile(CellCode code);

    // The marks drawn over the tile; `grid` draws the faint grid line round it.
    void SetMarks(const CellMarks& marks, bool grid);

    // The figure on the tile shown, without the tile's ground, so that what lies under it shows
    // round it; drawn, as the tile is, for the size and screen it is painted at.
    QIcon Figure() const;
    // Shows `standIn` in place of the tile (with the cell's marks over it as ever), while a
    // piece slides here; a null icon shows the tile again.
    void ShowStandIn(const QIcon& standIn);

  signals:
    // An arrow key: the focus should move by (dx, dy) cells.
    void focusStepAsked(int dx, int dy);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    std::shared_ptr<const TileSet> m_tiles;
    CellCode m_code = Empty;
    QIcon m_standIn;
    CellMarks m_marks;
    bool m_grid = false;
};

} // namespace trevallion
