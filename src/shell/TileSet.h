#pragma once

#include "play/GameView.h"
#include "rules/CellCode.h"

#include <QPixmap>

#include <array>
#include <map>
#include <utility>

namespace trevallion {

// The 28 tiles in the board's current look, drawn when first asked for at a size and device
// pixel ratio and kept for the next time: a resize draws them afresh once, not at every paint.
class TileSet {
  public:
    // `devicePixelRatio` is the one of the smallest tiles, Tile(code) below.
    explicit TileSet(qreal devicePixelRatio);

    // The look the tiles are drawn in, `dark` meaning drawn for a dark background.
    const BoardLook& Look() const { return m_look; }
    void SetLook(const BoardLook& look);

    // The tile of a code at its smallest; codes outside 0..27 get the empty tile.
    QPixmap Tile(CellCode code) const;
    // The tile of a code `side` device-independent pixels a side, for a screen of `ratio`.
    QPixmap Tile(CellCode code, int side, qreal ratio) const;

  private:
    // A window being resized asks for many sizes; only the last few are kept.
    static constexpr std::size_t KeptSizes = 4;

    qreal m_ratio;
    BoardLook m_look;
    mutable std::map<std::pair<int, qreal>, std::array<QPixmap, LastCode + 1>> m_drawn;
};

} // namespace trevallion
