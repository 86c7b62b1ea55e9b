#pragma once

#include "fileio/FileError.h"
#include "savegame/SavedGameRecord.h"

#include <cstddef>
#include <string>

namespace trevallion {

struct SavedGameBytes {
    FileError error = FileError::None;
    RecordBytes bytes{}; // zero past `length`
    std::size_t length = 0;
};

// Reads up to one record from the file at `path`; anything after it is ignored. Only a regular
// file is read, so a device or a pipe given as a saved game can neither hang nor flood the game.
SavedGameBytes ReadSavedGameFile(const std::string& path);

// Writes a record to `path` so that the file holds either the old contents or the whole new
// record, never a part (see WriteFileAtomically).
FileError WriteSavedGameFile(const std::string& path, const RecordBytes& bytes);

// Reads and checks a saved game as loading does: a file error, or the record's verdict.
struct SavedGameRead {
    FileError error = FileError::None;
    RecordVerdict verdict = RecordVerdict::Corrupt;
    SavedGameRecord record;
};
SavedGameRead ReadSavedGame(const std::string& path, std::int32_t expectedVersion);

} // namespace trevallion
