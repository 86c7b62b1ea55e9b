#pragma once

#include <QToolButton>

namespace trevallion {

// One cell of the board: a tool button that is nothing but its tile, edge to edge, with the
// style's focus frame drawn over the tile while it has the keyboard focus.
class TileButton : public QToolButton {
    Q_OBJECT

  public:
    explicit TileButton(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace trevallion
