#pragma once

#include "savegame/RefusalMessages.h"
#include "text/TextCatalog.h"

#include <string>
#include <string_view>

namespace trevallion {

// The program's own texts, shown exactly as they stand here in English, and through Message() in
// the player's language. The game's name stays as it is in every language.
inline constexpr std::string_view ProgramName = "Trevallion";
inline constexpr std::string_view GameOverTitle = QT_TRANSLATE_NOOP("Messages", "Game Over");
inline constexpr std::string_view PleaseWaitTitle = QT_TRANSLATE_NOOP("Messages", "Please Wait...");

inline constexpr std::string_view WinnerBoxTitle = QT_TRANSLATE_NOOP("Messages", "Level Complete");
inline constexpr std::string_view PlayerOneWinsText =
    QT_TRANSLATE_NOOP("Messages", "Player 1 Wins!");
inline constexpr std::string_view PlayerTwoWinsText =
    QT_TRANSLATE_NOOP("Messages", "Player 2  Wins!");

inline constexpr std::string_view TryAgainPlayerOne =
    QT_TRANSLATE_NOOP("Messages", "Would you like to try\nagain Player 1?");
inline constexpr std::string_view TryAgainPlayerTwo =
    QT_TRANSLATE_NOOP("Messages", "Would you like to try\nagain Player 2?");

// A level that ends without a winner; with a human playing, the question follows it.
inline constexpr std::string_view DrawnMessage = QT_TRANSLATE_NOOP(
    "Messages", "The same position has come up\nthree times: the level is a draw.");
inline constexpr std::string_view StuckMessage =
    QT_TRANSLATE_NOOP("Messages", "Neither player can move:\nthe level cannot go on.");
inline constexpr std::string_view PlayAgainQuestion =
    QT_TRANSLATE_NOOP("Messages", "Would you like to play\nthe level again?");
// A position has come up for the third time, and the level goes on unless the player restarts.
inline constexpr std::string_view RepeatedPositionQuestion = QT_TRANSLATE_NOOP(
    "Messages",
    "This position has now come up\nthree times. Restart the level?\n\nChoose No to play on.");

// A Player menu refuses a second computer player.
inline constexpr std::string_view PlayerTwoMustBeHuman =
    QT_TRANSLATE_NOOP("Messages", "Player 2 must be\nset to Human first.");
inline constexpr std::string_view PlayerOneMustBeHuman =
    QT_TRANSLATE_NOOP("Messages", "Player 1 must be\nset to Human first.");
// Saved games.
inline constexpr std::string_view SaveRefusedMessage =
    QT_TRANSLATE_NOOP("Messages", "You must start a game\nbefore saving.");
// Load Game's refusals, OtherVersionMessage and CorruptGameMessage, live with the saved-game
// record (savegame/RefusalMessages.h).
// The manual's full path cannot be formed: the game found no data folder.
inline constexpr std::string_view CannotOpenManualMessage =
    QT_TRANSLATE_NOOP("Messages", "Cannot open instructions file.");

inline constexpr std::string_view PastLastLevelMessage = QT_TRANSLATE_NOOP(
    "Messages",
    "Congratulations! You've made\nit past Level 50.  Thank you\nfor playing Trevallion."
    "\n\nOur next game is already\nin the making; look out for\nnews of it where you "
    "found\nthis one.");

// The Life Doodle's secret: shown when the four corners and the centre come alive together.
inline constexpr std::string_view CreditsMessage = QT_TRANSLATE_NOOP(
    "Messages", "Trevallion was made by\n\nProgramming and design:\n*  The Trevallion "
                "Workshop\n\nSpecial thanks:\n*  The Level Testers' Guild\n*  You, for playing");

// One of the texts above, or of the saved game's refusals, in the player's language.
inline std::string Message(std::string_view text) {
    return Translated("Messages", text);
}

// "Trevallion Level 7" for level 7.
inline std::string LevelTitle(int level) {
    return WithValues(Message(QT_TRANSLATE_NOOP("Messages", "Trevallion Level %1")),
                      {std::to_string(level)});
}

} // namespace trevallion
