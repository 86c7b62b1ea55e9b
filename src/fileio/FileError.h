#pragma once

#include <string>
#include <string_view>

namespace trevallion {

// Why reading or writing a file failed, in the terms the user is told.
enum class FileError {
    None,
    NotFound,
    AccessDenied,
    DiskFull,
    TooManyOpenFiles,
    NotPlainFile,
    Other
};

// The kind of failure an errno value stands for.
FileError FileErrorFromErrno(int error);

// The message for a failure on the file at `path`, such as "/home/ann/a.tvx was not found.". A
// path that names no plain file is told by what it names (a folder, a pipe, a device), as far as
// it still names one.
std::string FileErrorMessage(FileError error, std::string_view path);

} // namespace trevallion
