#include "shell/TileSet.h"

#include "shell/TileArt.h"

namespace trevallion {

TileSet::TileSet(qreal devicePixelRatio) : m_ratio(devicePixelRatio) {}

void TileSet::SetLook(const BoardLook& look) {
    if (look != m_look) {
        m_look = look;
        m_drawn.clear();
    }
}

QPixmap TileSet::Tile(CellCode code) const {
    return Tile(code, TileSize, m_ratio);
}

QPixmap TileSet::Tile(CellCode code, int side, qreal ratio) const {
    if (code < 0 || code > LastCode) {
        code = Empty;
    }
    const std::pair key(side, ratio);
    if (!m_drawn.contains(key) && m_drawn.size() >= KeptSizes) {
        m_drawn.clear();
    }
    QPixmap& tile = m_drawn[key][static_cast<std::size_t>(code)];
    if (tile.isNull()) {
        tile = DrawTile(code, side, ratio, m_look);
    }
    return tile;
}

} // namespace trevallion
