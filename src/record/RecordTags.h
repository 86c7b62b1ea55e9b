#pragma once

#include "record/GameRecord.h"
#include "record/RecordRefusal.h"
#include "record/RecordScanner.h"

#include <optional>
#include <string>
#include <variant>

namespace trevallion {

// A tag's value as written (escapes undone) and the line it stands on.
struct TagLine {
    std::string value;
    int line = 0;
};

// The tags a record's header holds, each present at most once; tags of other names are passed
// over, as PGN readers pass over tags they do not know.
struct RecordTags {
    std::optional<TagLine> version, date, level, playerOne, playerTwo, result, position, toMove;
    // Where the moves begin: the line a missing tag is reported on.
    int movesLine = 0;
};

// Reads the tag lines at the start of the text, the first of which must be [Game "Trevallion"],
// and leaves the scanner where the moves begin.
std::variant<RecordTags, RecordRefusal> ReadTags(RecordScanner& scanner);

// Everything of the record but its turns, from its tags.
std::variant<GameRecord, RecordRefusal> HeaderFromTags(const RecordTags& tags);

} // namespace trevallion
