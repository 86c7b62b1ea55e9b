#pragma once

#include "rules/Board.h"
#include "shell/TileSet.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

namespace trevallion {

// A picture of a whole board in the game's own tiles, `cellSide` device-independent pixels a
// cell, for a screen of the tiles' device pixel ratio.
QPixmap DrawBoardPreview(const Board& board, const TileSet& tiles, int cellSide);

// The Choose Level box: a level number from 1 to the last, a preview of that level's starting
// board, OK and Cancel. A number typed past the levels stays as typed and is refused in words,
// with OK greyed out, until it is mended.
class ChooseLevelDialog : public QDialog {
    Q_OBJECT

  public:
    // The preview's cells are half a tile a side, small enough to keep the box small.
    static constexpr int PreviewCellSide = 24;

    // Opens at `level`; one outside the levels opens at level 1.
    ChooseLevelDialog(int level, const TileSet& tiles, QWidget* parent = nullptr);

    // The level chosen.
    int Level() const;

  private:
    void ShowPreview(int level);
    // Refuses a number that is no level, or takes the refusal back.
    void CheckNumber();

    const TileSet& m_tiles;
    QSpinBox* m_number;
    QLabel* m_preview;
    QLabel* m_refusal;
    QPushButton* m_ok = nullptr;
};

} // namespace trevallion
