#include "fileio/FileError.h"

#include "text/TextCatalog.h"

#include <cerrno>
#include <string>

#include <sys/stat.h>

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

// What `path` names instead of a plain file, as far as it still names something.
const char* NotPlainFileMessage(std::string_view path) {
    struct stat info {};
    if (::stat(std::string(path).c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            return QT_TRANSLATE_NOOP("FileError", "%1 is a folder, not a file.");
        }
        if (S_ISFIFO(info.st_mode)) {
            return QT_TRANSLATE_NOOP("FileError", "%1 is a pipe, not a file.");
        }
        if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) {
            return QT_TRANSLATE_NOOP("FileError", "%1 is a device, not a file.");
        }
        if (S_ISSOCK(info.st_mode)) {
            return QT_TRANSLATE_NOOP("FileError", "%1 is a socket, not a file.");
        }
    }
    return nullptr;
}

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
    const char* notPlain = error == FileError::NotPlainFile ? NotPlainFileMessage(path) : nullptr;
    return WithValues(Translated("FileError", notPlain ? notPlain : MessageOf(error)), {path});
}

} // namespace trevallion
