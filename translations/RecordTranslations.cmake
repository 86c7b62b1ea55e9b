# Writes OUTPUT, a C++ source that tells the game each translation the build made (QM_FILES): its
# file name, its size and its SHA-256, so that the game loads no file but these. The file is
# rewritten only when its text changes.
set(entries "")
list(LENGTH QM_FILES count)
foreach(qm IN LISTS QM_FILES)
    get_filename_component(name ${qm} NAME)
    file(SIZE ${qm} size)
    file(SHA256 ${qm} sum)
    string(APPEND entries "    BuiltTranslation{\"${name}\", ${size}, \"${sum}\"},\n")
endforeach()
file(CONFIGURE OUTPUT ${OUTPUT} @ONLY CONTENT [[
// Made by the build from the translations it made; not to be edited.
#include "shell/BuiltTranslations.h"

#include <array>

namespace trevallion {

std::span<const BuiltTranslation> BuiltTranslations() {
    static constexpr std::array<BuiltTranslation, @count@> built{{
@entries@    }};
    return built;
}

} // namespace trevallion
]])
