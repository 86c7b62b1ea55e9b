#pragma once

#include <cstddef>
#include <string>

namespace trevallion {

// A board file is 49 short numbers; anything longer than this is not one.
inline constexpr std::size_t MaxBoardFileBytes = 4096;

struct BoardFileText {
    std::string text;
    std::string error; // not empty: the file cannot be read as a board, and this says why
};

// Reads the board file `file`, or standard input for "-", as Load Game reads a saved game: only a
// plain file is opened, without waiting, so a pipe, a device or a folder is refused at once, and
// no more than MaxBoardFileBytes is read. Errors name the file, escaped to stay on one line.
BoardFileText ReadBoardFile(const std::string& file);

} // namespace trevallion
