#pragma once

#include <string_view>

namespace trevallion {

// The names of the program's stored settings, all integers.
inline constexpr std::string_view VersionSetting = "VersionNumber"; // always 2, written at start
inline constexpr std::string_view SoundSetting = "SoundFlag";       // 1 sound on, 0 off
inline constexpr std::string_view PlayerOneSetting = "PlayerOne";   // Player 1's PlayerType
inline constexpr std::string_view PlayerTwoSetting = "PlayerTwo";   // Player 2's PlayerType
inline constexpr std::string_view ShowMovesSetting = "ShowMoves";   // 1 the moves are marked
inline constexpr std::string_view DarkBoardSetting = "DarkBoard";   // 1 a dark board chosen
// the board's colours: 0 as the desktop's, 1 light, 2 dark
inline constexpr std::string_view BoardColoursSetting = "BoardColours";
inline constexpr std::string_view HighContrastSetting = "HighContrast"; // 1 sides apart by shape
inline constexpr std::string_view AnimateMovesSetting = "AnimateMoves"; // 0 moves jump, not slide
inline constexpr std::string_view StatusLineSetting = "StatusLine";     // 1 the line shows
// 1 a position that comes up for the third time draws the level
inline constexpr std::string_view DrawByRepetitionSetting = "DrawByRepetition";
inline constexpr std::string_view MoveListSetting = "MoveList"; // 1 the move list shows

// The version of the stored settings this program writes.
inline constexpr int SettingsVersion = 2;

} // namespace trevallion
