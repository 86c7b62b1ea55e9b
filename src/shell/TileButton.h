#pragma once

#include "play/CellDescription.h"

#include <QToolButton>

namespace trevallion {

// One cell of the board: a tool button that is nothing but its tile, edge to edge, with the
// play aids' marks and the style's focus frame drawn over the tile. Space, Enter and Return
// click it; the arrow keys ask for the focus to move to a neighbouring cell.
class TileButton : public QToolButton {
    Q_OBJECT

  public:
    explicit TileButton(QWidget* parent = nullptr);

    // The marks drawn over the tile; `grid` draws the faint grid line round it.
    void SetMarks(const CellMarks& marks, bool grid);

  signals:
    // An arrow key: the focus should move by (dx, dy) cells.
    void focusStepAsked(int dx, int dy);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    CellMarks m_marks;
    bool m_grid = false;
};

} // namespace trevallion
