#include "shell/BoardWidget.h"

#include <QEvent>

#include <algorithm>

namespace trevallion {

bool IsDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

BoardWidget::BoardWidget(std::shared_ptr<TileSet> tiles, QWidget* parent)
    : QWidget(parent), m_tiles(std::move(tiles)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    ApplyLook();
}

void BoardWidget::Place(TileButton* button, Cell cell) {
    m_cells[static_cast<std::size_t>(CellIndex(cell))] = button;
    LayOut();
}

void BoardWidget::SetChosenLook(const BoardLook& look) {
    m_chosen = look;
    ApplyLook();
}

void BoardWidget::SetDesktopDark(bool dark) {
    m_desktopDark = dark;
    ApplyLook();
}

void BoardWidget::SetSmallestTile(int side) {
    if (side != m_smallestTile) {
        m_smallestTile = side;
        updateGeometry();
        LayOut();
    }
}

QSize BoardWidget::sizeHint() const {
    return QSize(BoardSize, BoardSize) * m_smallestTile;
}

QSize BoardWidget::minimumSizeHint() const {
    return sizeHint();
}

void BoardWidget::resizeEvent(QResizeEvent* event) {
    LayOut();
    QWidget::resizeEvent(event);
}

// A desktop that switches between light and dark takes the board with it.
void BoardWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        ApplyLook();
    }
    QWidget::changeEvent(event);
}

void BoardWidget::LayOut() {
    const int tile = std::max(m_smallestTile, std::min(width(), height()) / BoardSize);
    const int left = std::max(0, (width() - BoardSize * tile) / 2);
    const int top = std::max(0, (height() - BoardSize * tile) / 2);
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            if (TileButton* button = m_cells[static_cast<std::size_t>(CellIndex({x, y}))]) {
                button->setGeometry(left + x * tile, top + y * tile, tile, tile);
            }
        }
    }
}

void BoardWidget::ApplyLook() {
    const BoardLook look{.dark = m_chosen.dark || m_desktopDark || IsDarkPalette(palette()),
                         .highContrast = m_chosen.highContrast};
    if (look == m_tiles->Look()) {
        return;
    }
    m_tiles->SetLook(look);
    for (TileButton* button : m_cells) {
        if (button != nullptr) {
            button->update();
        }
    }
}

} // namespace trevallion
