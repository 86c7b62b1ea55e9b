#pragma once

#include "play/CommandId.h"
#include "play/SettingsStore.h"

#include <cstdint>
#include <optional>

namespace trevallion {

// What the desktop says of itself that changes what the window shows: whether its colours are
// dark (a dark palette, or a stated preference for dark), and whether it asks programs to keep
// motion down. The window learns them from the desktop and hands them on as they change.
struct DesktopFacts {
    bool dark = false;
    bool reducedMotion = false;

    friend bool operator==(const DesktopFacts&, const DesktopFacts&) = default;
};

// The board's colours as the player chose them in Options › Board Colours; the numbers are the
// ones the setting stores.
enum class BoardColours : std::int32_t { AsDesktop = 0, Light = 1, Dark = 2 };

// The radio item of a choice, and the choice of a command; nothing for other commands.
CommandId ColoursCommand(BoardColours colours);
std::optional<BoardColours> ColoursOfCommand(CommandId command);

// Whether the board is drawn dark: as chosen, or as the desktop's colours are.
bool DrawnDark(BoardColours colours, const DesktopFacts& desktop);

// The stored choice. A player who switched Dark Board on before the board's colours had a menu
// of their own keeps the dark board; anything else unknown follows the desktop.
BoardColours StoredColours(SettingsStore& settings);
void StoreColours(SettingsStore& settings, BoardColours colours);

} // namespace trevallion
