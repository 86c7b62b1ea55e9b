#pragma once

#include "record/GameRecord.h"
#include "record/RecordRefusal.h"

#include <string>
#include <string_view>
#include <variant>

namespace trevallion {

// Reads a game record (see RecordWriter.h) and plays it from its start by the rules: every move
// must be one the movement rule allows and be marked as what it does ("-", "x", "x...#"), a pass
// is only for a side with no step, nothing may follow the end of the level, and the result must
// be where the moves lead (a draw or unfinished for a level that is not decided). Anything else
// is refused with the line and the reason. Any text, of any size, is answered within bounds:
// no more than MaxRecordBytes is read and no more than MaxRecordTurns turns are played.
std::variant<GameRecord, RecordRefusal> ReadRecord(std::string_view text);

// Reads the file at `path` as a record: a file that cannot be read, or is larger than any record,
// is refused as well.
std::variant<GameRecord, RecordRefusal> ReadRecordFile(const std::string& path);

} // namespace trevallion
