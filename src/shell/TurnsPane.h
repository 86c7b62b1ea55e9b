#pragma once

#include "play/MoveListing.h"

#include <QWidget>

#include <cstddef>

namespace trevallion {

class EvaluationGraph;
class MoveListPanel;

// The column beside the board that Options › Move List shows: the move list, and under it the
// graph of a review. It grows with the window's height; the board keeps the rest, square. Alt
// with Home, End, Left or Right goes to the level's start, its last turn, or one turn back or on,
// wherever the focus is in the window, while the pane shows: the arrows alone move the board's
// focus.
class TurnsPane : public QWidget {
    Q_OBJECT

  public:
    explicit TurnsPane(QWidget* window, QWidget* parent = nullptr);

    void Show(const MoveListing& listing);

  signals:
    // The board after the first `turns` turns of the list is asked for.
    void moveChosen(std::size_t turns);

  private:
    MoveListPanel* m_list = nullptr;
    EvaluationGraph* m_graph = nullptr;
};

} // namespace trevallion
