#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace trevallion {

// A whole decimal number from low to high and nothing else: no sign but '-', no space, no
// fraction. Shared by the command-line tools.
std::optional<std::int64_t> ParseNumberIn(std::string_view text, std::int64_t low,
                                          std::int64_t high);

} // namespace trevallion
