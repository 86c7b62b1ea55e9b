#pragma once

#include "play/GameView.h"

namespace trevallion {

// How far apart the two sides' pieces are in a greyscale picture of the board.
struct SideGreys {
    // The mean grey (0 black .. 255 white) of each side's piece pixels.
    double playerOne = 0;
    double playerTwo = 0;

    double Separation() const;
};

// Measures the tiles of `look`: a side's piece pixels are those its pieces, kings and their
// shadows cover on the light board, taken from the look's own tiles and averaged over every
// figure of the side, so that an outline and the fill inside it both count.
SideGreys MeasureSideGreys(const BoardLook& look);

} // namespace trevallion
