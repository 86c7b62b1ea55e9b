#pragma once

#include "play/MoveListing.h"

#include <QListWidget>

#include <cstddef>

namespace trevallion {

// The level's turns beside the board, one line each in the game's notation, numbered, with the
// side and who plays it; the first line is the level's start. The line of the position on the
// board is marked, and the turns a review found wanting say what they gave away and the move that
// would have kept it. A click on a line, or the list's own keys, asks for the board at that turn.
// A screen reader reads each line as it is written.
class MoveListPanel : public QListWidget {
    Q_OBJECT

  public:
    explicit MoveListPanel(QWidget* parent = nullptr);

    void Show(const MoveListing& listing);
    // The line `step` lines from the marked one, held to the list; the line number is the count
    // of turns on the board there.
    std::size_t Relative(int step) const;
    std::size_t LastLine() const { return m_entries; }

  signals:
    void moveChosen(std::size_t turns);

  private:
    std::size_t m_entries = 0;
    std::size_t m_current = 0;
    bool m_showing = false;
};

// The line of `entry`, as the list shows it and a screen reader reads it.
QString MoveLineText(const MoveListEntry& entry);

} // namespace trevallion
