#include "players/StrengthNames.h"

#include <array>
#include <utility>

namespace trevallion {
namespace {

constexpr std::array<std::pair<PlayerType, std::string_view>, 4> Names = {{
    {PlayerType::AiEasy, "easy"},
    {PlayerType::AiMedium, "medium"},
    {PlayerType::AiDifficult, "difficult"},
    {PlayerType::AiExpert, "expert"},
}};

} // namespace

std::optional<PlayerType> StrengthFromName(std::string_view name) {
    for (const auto& [type, text] : Names) {
        if (text == name) {
            return type;
        }
    }
    return std::nullopt;
}

std::string_view StrengthName(PlayerType type) {
    for (const auto& [known, text] : Names) {
        if (known == type) {
            return text;
        }
    }
    return "";
}

} // namespace trevallion
