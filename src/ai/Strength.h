#pragma once

#include <cstdint>

namespace trevallion {

// What plays a side; also the value stored for each side's setting.
enum PlayerType : std::int32_t { Human = 0, AiEasy = 1, AiMedium = 2, AiDifficult = 3 };

// The depth of a computer player's search: 2, 4 or 6; 0 for a human.
constexpr std::int32_t SearchDepthFor(PlayerType type) {
    switch (type) {
    case AiEasy:
        return 2;
    case AiMedium:
        return 4;
    case AiDifficult:
        return 6;
    default:
        return 0;
    }
}

} // namespace trevallion
