#pragma once

#include <cstddef>
#include <cstdint>

namespace trevallion::fuzz {

// The saved-game fuzzer reads each input as a saved game file. The bytes after the record are
// actions on the game, one a byte, taken modulo ActionCount: 0..48 click the cell with that
// board index (x * 7 + y), and the values below do what they say. Every other value is a tick.
inline constexpr int ActionCount = 64;
inline constexpr std::size_t MaxActions = 64; // the bytes past these are ignored

enum Action : std::uint8_t {
    Tick = 49,
    PlayerOneHuman = 56,
    PlayerOneEasy = 57,
    PlayerTwoHuman = 58,
    PlayerTwoEasy = 59,
    SaveAndLoadBack = 60, // Save Game to a file of its own, then Load Game from it
    LoadAgain = 61,       // Load Game from the input once more
    Restart = 62,         // Restart Level
};

} // namespace trevallion::fuzz
