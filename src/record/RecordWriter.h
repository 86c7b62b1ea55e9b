#pragma once

#include "record/GameRecord.h"

#include <optional>
#include <string>
#include <string_view>

namespace trevallion {

// A game record is a text a person can read and edit, shaped as chess players keep their games
// (PGN): tag lines, a blank line, then the turns in the game's notation, numbered, with Player
// 1's turn and Player 2's reply under one number:
//
//   [Game "Trevallion"]
//   [Version "2.0"]
//   [Date "2026-12-08"]
//   [Level "12"]
//   [Player1 "Human"]
//   [Player2 "AI Medium"]
//   [Result "Player 1 wins"]
//
//   1. d2-d3 e6xd5 2. c1xd2 pass 3. d2xe3#
//
// A game that did not start at its level's start (a saved game loaded on the way) adds its
// board, [Position "19 0 17 ... / ... "] as the level table shows it, and [ToMove "Player 2"];
// a game Player 2 began numbers its first turn "1...". Comments stand in braces { } or after a
// ";" to the end of the line, and a reader passes over tags it does not know.
inline constexpr std::string_view RecordExtension = ".tvr";

// The text of `record`, whose turns the rules allow from its start and whose date is empty or a
// record date; nothing when it holds more turns than a reader takes (MaxRecordTurns).
std::optional<std::string> WriteRecord(const GameRecord& record);

} // namespace trevallion
