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

// The kept game could not be read as a game and was moved to `aside`.
inline std::string KeptGameSetAsideMessage(std::string_view aside) {
    return WithValues(
        Translated("Messages",
                   QT_TRANSLATE_NOOP("Messages", "The game kept from the last run was damaged."
                                                 "\nIt has been set aside as\n%1\n"
                                                 "and cannot be continued.")),
        {aside});
}

// What the game keeps for the next start could not be written, for the reason `why` (a file
// error's message). Told once, until a write succeeds again.
inline std::string KeepingFailedMessage(std::string_view why) {
    return WithValues(
        Translated("Messages",
                   QT_TRANSLATE_NOOP("Messages", "The game in play and the statistics could not "
                                                 "be kept for the next start.\n%1\nThe game "
                                                 "goes on, and they are kept again as soon as "
                                                 "the disk allows.")),
        {why});
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
