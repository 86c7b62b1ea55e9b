#pragma once

#include "record/GameRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trevallion {

// The values of a record's tags, written and read by the same tables so that they always
// agree. Reading is forgiving about case and about spaces around a value, never about meaning.

// `text` without the spaces and tabs around it.
std::string_view Trimmed(std::string_view text);
// Whether two words are the same but for the case of their letters.
bool SameWords(std::string_view a, std::string_view b);
// A piece of a record as a message may quote it: printable ASCII only, at most a few words.
std::string Quoted(std::string_view text);

// The players as the menus name them: "Human", "AI Easy", ... "AI Expert".
std::string_view PlayerName(PlayerType type);
std::optional<PlayerType> PlayerFromName(std::string_view name);

// "Player 1 wins", "Player 2 wins", "draw", "unfinished".
std::string_view ResultName(RecordResult result);
std::optional<RecordResult> ResultFromName(std::string_view name);

// "Player 1", "Player 2".
std::string_view SideName(Side side);
std::optional<Side> SideFromName(std::string_view name);

// A level number, 1 to 255 as saved games hold them, written in decimal.
std::optional<std::int32_t> LevelFromText(std::string_view text);

// A date written "YYYY-MM-DD".
bool IsRecordDate(std::string_view text);

// A board as the level table shows it: the codes of each screen row, top row first, separated
// by spaces, and the rows by " / ".
std::string PositionText(const Board& board);
// The board of such a text: seven rows of seven codes from 0 to 27.
std::optional<Board> PositionFromText(std::string_view text);

} // namespace trevallion
