#include "fileio/FileError.h"

#include <cerrno>

namespace trevallion {

FileError FileErrorFromErrno(int error) {
    switch (error) {
    case 0:
        return FileError::None;
    case ENOENT:
    case ENOTDIR:
        return FileError::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileError::AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FileError::DiskFull;
    case EMFILE:
    case ENFILE:
        return FileError::TooManyOpenFiles;
    default:
        return FileError::Other;
    }
}

std::string FileErrorMessage(FileError error, std::string_view path) {
    const std::string p(path);
    switch (error) {
    case FileError::None:
        return {};
    case FileError::NotFound:
        return p + " was not found.";
    case FileError::AccessDenied:
        return "Access to " + p + " was denied.";
    case FileError::DiskFull:
        return "Disk full while accessing " + p + ".";
    case FileError::TooManyOpenFiles:
        return p + " could not be opened because there are too many open files.";
    case FileError::NotPlainFile:
    case FileError::Other:
        break;
    }
    return "An unexpected error occurred while accessing " + p + ".";
}

} // namespace trevallion
