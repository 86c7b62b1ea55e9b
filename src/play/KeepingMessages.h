#pragma once

#include "text/TextCatalog.h"

#include <string>
#include <string_view>

namespace trevallion {

// Shown through Message() (play/Messages.h), in the player's language.

// The statistics file could not be read as one and was moved to `aside`.
inline std::string StatisticsSetAsideMessage(std::string_view aside) {
    return WithValues(
        Translated("Messages", QT_TRANSLATE_NOOP("Messages", "The statistics file was damaged."
                                                             "\nIt has been set aside as\n%1\n"
                                                             "and the statistics start afresh.")),
        {aside});
}

// The Statistics box asks this before its Reset button empties the table.
inline constexpr std::string_view ResetStatisticsQuestion =
    QT_TRANSLATE_NOOP("Messages", "Forget the results of every level played?");

// Under the Statistics box's table: whose results the Won and Lost columns count.
inline constexpr std::string_view StatisticsNote = QT_TRANSLATE_NOOP(
    "Messages",
    "Won and Lost count for the human against a computer player, and for Player 1 otherwise.");

inline constexpr std::string_view NoStatisticsYet =
    QT_TRANSLATE_NOOP("Messages", "No level has been played to the end yet.");

} // namespace trevallion
