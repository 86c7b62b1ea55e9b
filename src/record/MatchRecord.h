#pragma once

#include "match/Match.h"
#include "record/GameRecord.h"

#include <optional>
#include <string>
#include <string_view>

namespace trevallion {

// The record of the level in play: its start (the position before the first turn played), the
// turns played since (not those taken back), the players, the result the board shows, this
// program's version and `date` ("YYYY-MM-DD", or empty).
GameRecord RecordOfMatch(const Match& match, std::string date);

// The level's history kept beside the game in play. The kept game itself stays the saved game
// it always was (game-in-play.tvx); beside it, a record of the whole level holds the turns that
// led there, so that Continue Game can bring back Undo and the last move as well.
inline constexpr std::string_view KeptHistoryName = "game-in-play.tvr";

// The position the kept game holds.
struct KeptPosition {
    Board board;
    Side sideToMove = Side::PlayerOne;
    std::int32_t level = 1;
};

// The record whose turns lead from its start exactly to `kept`, on the same level, for
// Match::Replay; nothing when the history's text is no record or leads elsewhere, and then only
// the position comes back.
std::optional<GameRecord> HistoryOfKeptGame(const KeptPosition& kept, std::string_view history);

// The same for the history file at `path`; nothing also when it is missing or cannot be read.
std::optional<GameRecord> ReadHistoryOfKeptGame(const KeptPosition& kept, const std::string& path);

} // namespace trevallion
