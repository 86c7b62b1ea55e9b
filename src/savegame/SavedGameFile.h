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
// record, never a part: the record goes to a new file in the same folder, which then replaces
// the old one. On Linux that file has no name until it is complete, and a new game file gets its
// final name straight away, so a save killed half-way leaves nothing behind; a temporary name
// that a killed save did leave beside a replaced file is removed by the next save to its folder.
// An existing file keeps its permissions; a symbolic link keeps pointing where it did, and the
// file it points at is replaced.
FileError WriteSavedGameFile(const std::string& path, const RecordBytes& bytes);

// Reads and checks a saved game as loading does: a file error, or the record's verdict.
struct SavedGameRead {
    FileError error = FileError::None;
    RecordVerdict verdict = RecordVerdict::Corrupt;
    SavedGameRecord record;
};
SavedGameRead ReadSavedGame(const std::string& path, std::int32_t expectedVersion);

} // namespace trevallion
