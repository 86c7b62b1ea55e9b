#pragma once

#include "fileio/FileError.h"

#include <string>
#include <utility>

namespace trevallion {

// Why a game record was refused. Each names what the player must look at, on the line given.
enum class RecordFault {
    FileError,      // the file could not be read (`fileError`, the path in `detail`)
    NotARecord,     // it does not begin as a game record does
    TooLarge,       // over MaxRecordBytes
    TooManyTurns,   // over MaxRecordTurns (the limit in `detail`)
    BadTagLine,     // a line that starts as a tag but is none
    TagTwice,       // `detail` names the tag
    MissingTag,     // `detail` names the tag; the line is where it was needed
    BadTagValue,    // tag `detail`, value `value`
    NotATurn,       // `detail` is the word that is no turn
    OpenComment,    // a "{" comment that no "}" closes
    BadTurnNumber,  // `detail` is the number
    IllegalMove,    // `side` may not play `detail`
    PassWithMove,   // `side` passed though it can move
    AfterDecided,   // `detail` comes after the level was decided
    WrongMark,      // `detail` is written as `value` must be
    ResultMismatch, // the result `detail` is not where the moves lead
};

struct RecordRefusal {
    explicit RecordRefusal(RecordFault fault, int line = 0, std::string detail = {},
                           std::string value = {})
        : fault(fault), line(line), detail(std::move(detail)), value(std::move(value)) {}

    RecordFault fault;
    int line = 0; // from 1; 0 for the file as a whole
    std::string detail;
    std::string value;
    int side = 0;
    FileError fileError = FileError::None;

    friend bool operator==(const RecordRefusal&, const RecordRefusal&) = default;
};

// What the player is told, in the player's language: "Line 12: Player 1 may not play b2-c3."
std::string RefusalMessage(const RecordRefusal& refusal);

} // namespace trevallion
