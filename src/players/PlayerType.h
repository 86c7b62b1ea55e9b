#pragma once

#include <cstdint>
#include <optional>

namespace trevallion {

// What plays a side. The numbers are the ones the settings and saved games store. The match
// knows a side's player by this alone; how a computer player searches is the engine's business
// (ai/Strength.h), so the match needs no engine to hold one.
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

} // namespace trevallion
