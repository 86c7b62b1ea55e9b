#include "record/MatchRecord.h"

#include "record/RecordReader.h"
#include "version/Version.h"

#include <algorithm>

namespace trevallion {
namespace {

// The record read, when it is one that leads to the kept position.
std::optional<GameRecord> LeadingTo(const KeptPosition& kept,
                                    std::variant<GameRecord, RecordRefusal>&& read) {
    GameRecord* record = std::get_if<GameRecord>(&read);
    if (!record || record->level != kept.level) {
        return std::nullopt;
    }
    const RecordPosition final = FinalPosition(*record);
    if (final.board != kept.board || final.sideToMove != kept.sideToMove) {
        return std::nullopt;
    }
    return std::move(*record);
}

} // namespace

GameRecord RecordOfMatch(const Match& match, std::string date) {
    const std::vector<PlayedTurn>& played = match.History().Played();
    GameRecord record;
    record.version = ProgramVersion;
    record.date = std::move(date);
    record.level = match.Level();
    record.playerOne = match.Player(Side::PlayerOne);
    record.playerTwo = match.Player(Side::PlayerTwo);
    record.start = match.CurrentBoard();
    std::for_each(played.rbegin(), played.rend(),
                  [&](const PlayedTurn& turn) { TakeBack(record.start, turn); });
    record.sideToMove = played.empty() ? match.SideToMove() : played.front().side;
    for (const PlayedTurn& turn : played) {
        record.turns.push_back(turn.move);
    }
    record.result = ResultOnBoard(match.CurrentBoard());
    return record;
}

std::optional<GameRecord> HistoryOfKeptGame(const KeptPosition& kept, std::string_view history) {
    return LeadingTo(kept, ReadRecord(history));
}

std::optional<GameRecord> ReadHistoryOfKeptGame(const KeptPosition& kept, const std::string& path) {
    return LeadingTo(kept, ReadRecordFile(path));
}

} // namespace trevallion
