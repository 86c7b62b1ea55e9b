#pragma once

#include "match/Match.h"
#include "play/ShownText.h"

#include <string>

namespace trevallion {

// The line under the board that says in words what the board shows only by its cursor: whose
// turn it is and who plays it, a side that cannot move or has just passed, a position come up
// for the third time, the outcome. Empty while no level is in play (the Life Doodle, and before
// the first level).
ShownText StatusText(const Match& match);

// What plays a side, as the Player menus name it, in the player's language.
std::string PlayerTypeName(PlayerType type);

} // namespace trevallion
