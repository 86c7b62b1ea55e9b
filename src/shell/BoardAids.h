#pragma once

#include "play/GameView.h"
#include "rules/Board.h"
#include "shell/TileButton.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <optional>

namespace trevallion {

// The play aids on the board's cell buttons: the marks of Show Moves, the hint for its two
// seconds, and the words screen readers hear for both, in each cell's accessible description.
class BoardAids : public QObject {
    Q_OBJECT

  public:
    // How long a hint stays marked.
    static constexpr int HintMilliseconds = 2000;

    // `cells` holds the board's buttons, cell (x, y) as element x * 7 + y.
    explicit BoardAids(const std::array<TileButton*, CellCount>& cells, QObject* parent = nullptr);

    // Cell (x, y) now shows `code`: the grid keeps to the empty cells.
    void TileShown(Cell cell, CellCode code);
    void ShowMarks(const BoardMarks& marks);
    // A new hint replaces one showing; nothing takes a hint away at once.
    void ShowHint(const std::optional<Move>& hint);

  private:
    void RefreshCell(Cell cell);
    void RefreshBoard();
    // The button that speaks the hint: the one with the keyboard focus, as screen readers read
    // out a change to the focused button's description, else the hint's starting cell.
    TileButton* HintSpeaker(const Move& hint) const;

    std::array<TileButton*, CellCount> m_cells;
    // What each button shows, so the grid can keep to the empty cells.
    std::array<CellCode, CellCount> m_codes{};
    BoardMarks m_marks;
    std::optional<Move> m_hint;
    TileButton* m_hintSpeaker = nullptr;
    QTimer m_hintTimer;
};

} // namespace trevallion
