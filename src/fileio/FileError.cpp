#include "fileio/FileError.h"

#include "text/TextCatalog.h"

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

namespace {

const char* MessageOf(FileError error) {
    switch (error) {
    case FileError::None:
        return "";
    case FileError::NotFound:
        return QT_TRANSLATE_NOOP("FileError", "%1 was not found.");
    case FileError::AccessDenied:
        return QT_TRANSLATE_NOOP("FileError", "Access to %1 was denied.");
    case FileError::DiskFull:
        return QT_TRANSLATE_NOOP("FileError", "Disk full while accessing %1.");
    case FileError::TooManyOpenFiles:
        return QT_TRANSLATE_NOOP("FileError",
                                 "%1 could not be opened because there are too many open files.");
    case FileError::NotPlainFile:
    case FileError::Other:
        break;
    }
    return QT_TRANSLATE_NOOP("FileError", "An unexpected error occurred while accessing %1.");
}

} // namespace

std::string FileErrorMessage(FileError error, std::string_view path) {
    if (error == FileError::None) {
        return {};
    }
    return WithValues(Translated("FileError", MessageOf(error)), {path});
}

} // namespace trevallion
