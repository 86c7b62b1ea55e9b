#include "GamePosition.h"

#include "MessageText.h"

#include "savegame/RefusalMessages.h"
#include "savegame/SavedGameFile.h"

#include <algorithm>

namespace trevallion {

GamePosition ReadGamePosition(const std::string& path) {
    GamePosition position;
    const SavedGameRead read = ReadSavedGame(path, SaveFormatVersion);
    // A file error names the file itself; the record's refusals are told after its name.
    const std::string name = Escaped(path);
    std::string message;
    if (read.error != FileError::None) {
        message = FileErrorMessage(read.error, name);
    } else if (read.verdict == RecordVerdict::OtherVersion) {
        message = OtherVersionMessage;
    } else if (read.verdict == RecordVerdict::Corrupt) {
        message = CorruptGameMessage;
    }
    if (!message.empty()) {
        std::ranges::replace(message, '\n', ' ');
        position.error = read.error != FileError::None ? message : name + ": " + message;
        return position;
    }
    position.board = read.record.board;
    // A sound record names side 1 or 2.
    position.side = SideFromNumber(read.record.sideToMove).value_or(Side::PlayerOne);
    return position;
}

} // namespace trevallion
