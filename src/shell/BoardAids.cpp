#include "shell/BoardAids.h"

#include "play/CellDescription.h"
#include "shell/QtText.h"

namespace trevallion {

BoardAids::BoardAids(const std::array<TileButton*, CellCount>& cells, QObject* parent)
    : QObject(parent), m_cells(cells) {
    m_hintTimer.setObjectName(QStringLiteral("hint"));
    m_hintTimer.setParent(this);
    m_hintTimer.setSingleShot(true);
    m_hintTimer.setInterval(HintMilliseconds);
    connect(&m_hintTimer, &QTimer::timeout, this, [this] { ShowHint(std::nullopt); });
}

void BoardAids::TileShown(Cell cell, CellCode code) {
    m_codes[static_cast<std::size_t>(CellIndex(cell))] = code;
    RefreshCell(cell);
}

void BoardAids::ShowMarks(const BoardMarks& marks) {
    m_marks = marks;
    RefreshBoard();
}

void BoardAids::ShowHint(const std::optional<Move>& hint) {
    m_hint = hint;
    if (hint) {
        m_hintSpeaker = HintSpeaker(*hint);
        m_hintTimer.start();
    } else {
        m_hintTimer.stop();
    }
    RefreshBoard();
}

TileButton* BoardAids::HintSpeaker(const Move& hint) const {
    for (TileButton* cell : m_cells) {
        if (cell->hasFocus()) {
            return cell;
        }
    }
    return OnBoard(hint.from) ? m_cells[static_cast<std::size_t>(CellIndex(hint.from))] : nullptr;
}

void BoardAids::RefreshBoard() {
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            RefreshCell({x, y});
        }
    }
}

void BoardAids::RefreshCell(Cell cell) {
    const auto index = static_cast<std::size_t>(CellIndex(cell));
    TileButton* button = m_cells[index];
    const CellMarks marks = MarksOfCell(m_marks, m_hint, cell);
    button->SetMarks(marks, m_marks.grid && m_codes[index] == Empty);

    std::string words = DescribeMarks(marks);
    if (m_hint && button == m_hintSpeaker) {
        words += (words.empty() ? "" : "; ") + DescribeHint(*m_hint);
    }
    const QString description = ToQString(words);
    // Setting it tells screen readers of the change, so only a real change is set.
    if (button->accessibleDescription() != description) {
        button->setAccessibleDescription(description);
    }
}

} // namespace trevallion
