#pragma once

#include "players/PlayerType.h"

#include <optional>
#include <string_view>

namespace trevallion {

// The names the command-line tools give the computer players: easy, medium, difficult, expert.
// A human and any other name have none.
std::optional<PlayerType> StrengthFromName(std::string_view name);
std::string_view StrengthName(PlayerType type);

} // namespace trevallion
