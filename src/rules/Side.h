#pragma once

#include <cstdint>
#include <optional>

namespace trevallion {

// The two sides of the game. Their numbers, 1 and 2, are what saved games and the settings
// store, so they stay fixed.
enum class Side : std::int32_t { PlayerOne = 1, PlayerTwo = 2 };

constexpr Side OtherSide(Side side) {
    return side == Side::PlayerOne ? Side::PlayerTwo : Side::PlayerOne;
}

// 1 or 2: the side's number in a file, a table index, a message.
constexpr int SideNumber(Side side) {
    return static_cast<int>(side);
}

// The side numbered 1 or 2; nothing for any other number.
constexpr std::optional<Side> SideFromNumber(std::int64_t number) {
    if (number == 1) {
        return Side::PlayerOne;
    }
    if (number == 2) {
        return Side::PlayerTwo;
    }
    return std::nullopt;
}

} // namespace trevallion
