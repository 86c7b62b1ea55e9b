#include "shell/TileSet.h"

#include "shell/TileArt.h"

namespace trevallion {

TileSet::TileSet(qreal devicePixelRatio) {
    for (CellCode code = 0; code <= LastCode; ++code) {
        m_tiles[static_cast<std::size_t>(code)] = DrawTile(code, devicePixelRatio);
    }
}

const QPixmap& TileSet::Tile(CellCode code) const {
    if (code < 0 || code > LastCode) {
        return m_tiles[Empty];
    }
    return m_tiles[static_cast<std::size_t>(code)];
}

} // namespace trevallion
