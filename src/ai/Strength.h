#pragma once

#include "players/PlayerType.h"

#include <cstdint>

namespace trevallion {

// The depth of a computer player's search: 2, 4 or 6; 0 for a human and for AI Expert, which
// searches in a way of its own (ai/ExpertSearch.h).
constexpr std::int32_t SearchDepthFor(PlayerType type) {
    switch (type) {
    case PlayerType::AiEasy:
        return 2;
    case PlayerType::AiMedium:
        return 4;
    case PlayerType::AiDifficult:
        return 6;
    case PlayerType::Human:
    case PlayerType::AiExpert:
        break;
    }
    return 0;
}

} // namespace trevallion
