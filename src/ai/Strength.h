#pragma once

#include <cstdint>
#include <optional>

namespace trevallion {

// What plays a side. The numbers are the ones the settings and saved games store. AI Expert
// searches in a way of its own (ai/ExpertSearch.h); the other three by depth.
enum class PlayerType : std::int32_t {
    Human = 0,
    AiEasy = 1,
    AiMedium = 2,
    AiDifficult = 3,
    AiExpert = 4
};

// In the order the Player menus list them.
inline constexpr PlayerType AllPlayerTypes[] = {PlayerType::Human, PlayerType::AiEasy,
                                                PlayerType::AiMedium, PlayerType::AiDifficult,
                                                PlayerType::AiExpert};

constexpr std::int32_t PlayerTypeNumber(PlayerType type) {
    return static_cast<std::int32_t>(type);
}

// The type stored as `number`; nothing for a number no type has.
constexpr std::optional<PlayerType> PlayerTypeFromNumber(std::int64_t number) {
    if (number < 0 || number > PlayerTypeNumber(PlayerType::AiExpert)) {
        return std::nullopt;
    }
    return static_cast<PlayerType>(number);
}

// The depth of a computer player's search: 2, 4 or 6; 0 for a human and for AI Expert.
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
