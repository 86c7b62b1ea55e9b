#include "savegame/SavedGameFile.h"

#include "fileio/AtomicFile.h"
#include "fileio/PlainFile.h"

#include <algorithm>
#include <string>

namespace trevallion {

SavedGameBytes ReadSavedGameFile(const std::string& path) {
    SavedGameBytes result;
    const PlainFileRead read = ReadPlainFile(path, result.bytes.size());
    result.error = read.error;
    std::copy(read.bytes.begin(), read.bytes.end(), result.bytes.begin());
    result.length = read.bytes.size();
    return result;
}

FileError WriteSavedGameFile(const std::string& path, const RecordBytes& bytes) {
    return WriteFileAtomically(path, bytes);
}

SavedGameRead ReadSavedGame(const std::string& path, std::int32_t expectedVersion) {
    SavedGameRead read;
    const SavedGameBytes file = ReadSavedGameFile(path);
    read.error = file.error;
    if (file.error == FileError::None) {
        read.record = DecodeRecord(file.bytes);
        read.verdict = CheckRecord(read.record, file.length, expectedVersion);
    }
    return read;
}

} // namespace trevallion
