#pragma once

#include "fileio/FileError.h"

#include <cstdint>
#include <span>
#include <string>

namespace trevallion {

// Writes `bytes` to `path` so that the file holds either the old contents or all the new ones,
// never a part: they go to a new file in the same folder, which then replaces the old one. On
// Linux that file has no name until it is complete, and a new file gets its final name straight
// away, so a write killed half-way leaves nothing behind; a temporary name that a killed write
// did leave beside a replaced file is removed by the next write to its folder. An existing file
// keeps its permissions; a symbolic link keeps pointing where it did, and the file it points at
// is replaced.
FileError WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace trevallion
