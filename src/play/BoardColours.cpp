#include "play/BoardColours.h"

#include "play/SettingNames.h"

#include <array>
#include <utility>

namespace trevallion {
namespace {

constexpr std::array<std::pair<BoardColours, CommandId>, 3> ColourItems = {{
    {BoardColours::Light, CommandId::BoardLight},
    {BoardColours::Dark, CommandId::DarkBoard},
    {BoardColours::AsDesktop, CommandId::BoardAsDesktop},
}};

} // namespace

CommandId ColoursCommand(BoardColours colours) {
    for (const auto& [item, command] : ColourItems) {
        if (item == colours) {
            return command;
        }
    }
    return CommandId::BoardAsDesktop;
}

std::optional<BoardColours> ColoursOfCommand(CommandId command) {
    for (const auto& [item, itemCommand] : ColourItems) {
        if (itemCommand == command) {
            return item;
        }
    }
    return std::nullopt;
}

bool DrawnDark(BoardColours colours, const DesktopFacts& desktop) {
    return colours == BoardColours::Dark || (colours == BoardColours::AsDesktop && desktop.dark);
}

BoardColours StoredColours(SettingsStore& settings) {
    if (const std::optional<std::int32_t> stored = settings.ReadSetting(BoardColoursSetting)) {
        switch (*stored) {
        case static_cast<std::int32_t>(BoardColours::AsDesktop):
            return BoardColours::AsDesktop;
        case static_cast<std::int32_t>(BoardColours::Light):
            return BoardColours::Light;
        case static_cast<std::int32_t>(BoardColours::Dark):
            return BoardColours::Dark;
        default:
            break;
        }
    }
    return settings.ReadSetting(DarkBoardSetting).value_or(0) != 0 ? BoardColours::Dark
                                                                   : BoardColours::AsDesktop;
}

// Dark Board's own setting follows too, for a program of an earlier version on the same settings.
void StoreColours(SettingsStore& settings, BoardColours colours) {
    settings.WriteSetting(BoardColoursSetting, static_cast<std::int32_t>(colours));
    settings.WriteSetting(DarkBoardSetting, colours == BoardColours::Dark ? 1 : 0);
}

} // namespace trevallion
