#pragma once

#include <string>
#include <string_view>

namespace trevallion {

// The statistics file could not be read as one and was moved to `aside`.
inline std::string StatisticsSetAsideMessage(std::string_view aside) {
    return "The statistics file was damaged.\nIt has been set aside as\n" + std::string(aside) +
           "\nand the statistics start afresh.";
}

// The Statistics box asks this before its Reset button empties the table.
inline constexpr std::string_view ResetStatisticsQuestion =
    "Forget the results of every level played?";

// Under the Statistics box's table: whose results the Won and Lost columns count.
inline constexpr std::string_view StatisticsNote =
    "Won and Lost count for the human against a computer player, and for Player 1 otherwise.";

inline constexpr std::string_view NoStatisticsYet = "No level has been played to the end yet.";

} // namespace trevallion
