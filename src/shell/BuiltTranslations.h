#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace trevallion {

// A translation as the build made it: the game loads a translation's file only when it is this
// one to the byte, for Qt trusts what it reads there, and a damaged file could bring it down.
struct BuiltTranslation {
    std::string_view file;   // "trevallion_de.qm"
    std::int64_t size;       // bytes
    std::string_view sha256; // in lower-case hexadecimal
};

// Every translation the build made, recorded by the build in the program itself.
std::span<const BuiltTranslation> BuiltTranslations();

} // namespace trevallion
