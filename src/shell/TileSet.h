#pragma once

#include "rules/CellCode.h"

#include <QPixmap>

#include <array>

namespace trevallion {

// The 28 tiles, drawn once for one device pixel ratio.
class TileSet {
  public:
    explicit TileSet(qreal devicePixelRatio);

    // The tile of a code; codes outside 0..27 get the empty tile.
    const QPixmap& Tile(CellCode code) const;

  private:
    std::array<QPixmap, LastCode + 1> m_tiles;
};

} // namespace trevallion
