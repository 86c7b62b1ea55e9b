#include "record/RecordRefusal.h"

#include "text/TextCatalog.h"

#include <string_view>

namespace trevallion {
namespace {

constexpr std::string_view Context = "Records";

// Each fault's message; %1 is always the line.
std::string_view MessageOf(RecordFault fault) {
    switch (fault) {
    case RecordFault::FileError:
        break;
    case RecordFault::NotARecord:
        return QT_TRANSLATE_NOOP("Records", "This file is not a Trevallion game record.");
    case RecordFault::TooLarge:
        return QT_TRANSLATE_NOOP("Records", "This file is too large to be a game record.");
    case RecordFault::TooManyTurns:
        return QT_TRANSLATE_NOOP("Records", "Line %1: the game is longer than %2 turns.");
    case RecordFault::BadTagLine:
        return QT_TRANSLATE_NOOP("Records", "Line %1: this tag cannot be read.");
    case RecordFault::TagTwice:
        return QT_TRANSLATE_NOOP("Records", "Line %1: the %2 tag is given twice.");
    case RecordFault::MissingTag:
        return QT_TRANSLATE_NOOP("Records", "Line %1: the %2 tag is missing.");
    case RecordFault::BadTagValue:
        return QT_TRANSLATE_NOOP("Records", "Line %1: the %2 tag cannot hold \"%3\".");
    case RecordFault::NotATurn:
        return QT_TRANSLATE_NOOP("Records", "Line %1: \"%2\" is not a move.");
    case RecordFault::OpenComment:
        return QT_TRANSLATE_NOOP("Records", "Line %1: this comment is never closed.");
    case RecordFault::BadTurnNumber:
        return QT_TRANSLATE_NOOP("Records", "Line %1: the move number %2 is out of place.");
    case RecordFault::IllegalMove:
        return QT_TRANSLATE_NOOP("Records", "Line %1: Player %3 may not play %2.");
    case RecordFault::PassWithMove:
        return QT_TRANSLATE_NOOP("Records", "Line %1: Player %3 may not pass while it can move.");
    case RecordFault::AfterDecided:
        return QT_TRANSLATE_NOOP("Records", "Line %1: %2 comes after the level was decided.");
    case RecordFault::WrongMark:
        return QT_TRANSLATE_NOOP("Records", "Line %1: %2 must be written %3.");
    case RecordFault::ResultMismatch:
        return QT_TRANSLATE_NOOP("Records", "Line %1: the moves do not end in the result \"%2\".");
    }
    return {};
}

} // namespace

std::string RefusalMessage(const RecordRefusal& refusal) {
    if (refusal.fault == RecordFault::FileError) {
        return FileErrorMessage(refusal.fileError, refusal.detail);
    }
    const std::string line = std::to_string(refusal.line);
    const std::string third = refusal.side != 0 ? std::to_string(refusal.side) : refusal.value;
    return WithValues(Translated(Context, MessageOf(refusal.fault)), {line, refusal.detail, third});
}

} // namespace trevallion
