#pragma once

#include "fileio/FileError.h"

#include <string>

namespace trevallion {

struct SetAsideResult {
    FileError error = FileError::None;
    std::string aside; // where the file went
};

// Moves a file that cannot be read as what it should be out of the way, keeping it for a look:
// "statistics" becomes "statistics.damaged", "game-in-play.tvx" "game-in-play.damaged", or
// ".damaged-2" and on where an earlier damaged file has taken that name.
SetAsideResult SetDamagedFileAside(const std::string& path);

} // namespace trevallion
