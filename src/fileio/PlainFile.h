#pragma once

#include "fileio/FileError.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace trevallion {

// What a bounded read of a file gave.
struct PlainFileRead {
    FileError error = FileError::None;
    std::vector<std::uint8_t> bytes; // at most the limit asked for
    bool longer = false;             // the file holds more than the limit
};

// Reads the plain file at `path`, up to `limit` bytes. The file is opened without waiting and
// only then checked to be a plain file, so that a pipe, a device or a folder given in its place
// can neither hang the caller nor flood it: those give FileError::NotPlainFile.
PlainFileRead ReadPlainFile(const std::string& path, std::size_t limit);

// Reads an open descriptor, such as standard input, up to `limit` bytes; it is not closed.
PlainFileRead ReadDescriptor(int fd, std::size_t limit);

} // namespace trevallion
