#include "NumberText.h"

#include <charconv>

namespace trevallion {

std::optional<std::int64_t> ParseNumberIn(std::string_view text, std::int64_t low,
                                          std::int64_t high) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < low ||
        value > high) {
        return std::nullopt;
    }
    return value;
}

} // namespace trevallion
