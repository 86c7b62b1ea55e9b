#include "fileio/DamagedFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace trevallion {

SetAsideResult SetDamagedFileAside(const std::string& path) {
    const std::string stem = std::filesystem::path(path).replace_extension().string();
    std::string aside = stem + ".damaged";
    std::error_code ignored;
    for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(aside, ignored)); ++n) {
        aside = stem + ".damaged-" + std::to_string(n);
    }
    if (std::rename(path.c_str(), aside.c_str()) != 0) {
        return {FileErrorFromErrno(errno), {}};
    }
    return {FileError::None, aside};
}

} // namespace trevallion
