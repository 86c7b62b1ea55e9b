#pragma once

#include "savegame/RefusalMessages.h"

#include <string>
#include <string_view>

namespace trevallion {

// The program's own texts, shown exactly as they stand here.
inline constexpr std::string_view ProgramName = "Trevallion";
inline constexpr std::string_view GameOverTitle = "Game Over";
inline constexpr std::string_view PleaseWaitTitle = "Please Wait...";

inline constexpr std::string_view WinnerBoxTitle = "Level Complete";
inline constexpr std::string_view PlayerOneWinsText = "Player 1 Wins!";
inline constexpr std::string_view PlayerTwoWinsText = "Player 2  Wins!";

inline constexpr std::string_view TryAgainPlayerOne = "Would you like to try\nagain Player 1?";
inline constexpr std::string_view TryAgainPlayerTwo = "Would you like to try\nagain Player 2?";

// A Player menu refuses a second computer player.
inline constexpr std::string_view PlayerTwoMustBeHuman = "Player 2 must be\nset to Human first.";
inline constexpr std::string_view PlayerOneMustBeHuman = "Player 1 must be\nset to Human first.";
// Saved games.
inline constexpr std::string_view SaveRefusedMessage = "You must start a game\nbefore saving.";
// Load Game's refusals, OtherVersionMessage and CorruptGameMessage, live with the saved-game
// record (savegame/RefusalMessages.h).
// The manual's full path cannot be formed: the game found no data folder.
inline constexpr std::string_view CannotOpenManualMessage = "Cannot open instructions file.";

inline constexpr std::string_view PastLastLevelMessage =
    "Congratulations! You've made\nit past Level 50.  Thank you\nfor playing Trevallion."
    "\n\nOur next game is already\nin the making; look out for\nnews of it where you found\n"
    "this one.";

// The Life Doodle's secret: shown when the four corners and the centre come alive together.
inline constexpr std::string_view CreditsMessage =
    "Trevallion was made by\n\nProgramming and design:\n*  The Trevallion Workshop\n\n"
    "Special thanks:\n*  The Level Testers' Guild\n*  You, for playing";

// "Trevallion Level 7" for level 7.
inline std::string LevelTitle(int level) {
    std::string title(ProgramName);
    title += " Level ";
    title += std::to_string(level);
    return title;
}

} // namespace trevallion
