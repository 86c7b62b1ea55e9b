#pragma once

#include "text/TextCatalog.h"

#include <string_view>

namespace trevallion {

// What the game tells a player whose saved game it refuses to load, shown exactly as it stands
// here: beside the record's checks, so that every reader of saved games says the same.
inline constexpr std::string_view OtherVersionMessage = QT_TRANSLATE_NOOP(
    "Messages", "This saved game was\ncreated with a different\nversion of Trevallion.");
inline constexpr std::string_view CorruptGameMessage =
    QT_TRANSLATE_NOOP("Messages", "This saved game file\nis corrupt.");

} // namespace trevallion
