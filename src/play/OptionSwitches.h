#pragma once

#include "play/CommandId.h"
#include "play/SettingNames.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace trevallion {

// One of the Options menu's on/off items: its check mark, the setting that remembers the
// player's choice, and its state before the player has ever chosen.
struct OptionSwitch {
    CommandId item;
    std::string_view setting;
    bool byDefault;
};

// Moves slide unless the player has switched it off; the others wait to be chosen.
inline constexpr std::array<OptionSwitch, 6> OptionSwitches = {{
    {CommandId::ShowMoves, ShowMovesSetting, false},
    {CommandId::HighContrast, HighContrastSetting, false},
    {CommandId::AnimateMoves, AnimateMovesSetting, true},
    {CommandId::StatusLine, StatusLineSetting, false},
    {CommandId::DrawByRepetition, DrawByRepetitionSetting, false},
    {CommandId::MoveList, MoveListSetting, false},
}};

// The switches' states, in the order above.
class OptionStates {
  public:
    // Whether `item` is one of the switches.
    static bool IsSwitch(CommandId item) { return Find(item).has_value(); }
    // The setting of a switch.
    static std::string_view Setting(CommandId item) {
        return OptionSwitches.at(Find(item).value()).setting;
    }
    // An item that is no switch is never on, and setting it changes nothing.
    bool On(CommandId item) const {
        const std::optional<std::size_t> i = Find(item);
        return i && m_on[*i];
    }
    void Set(CommandId item, bool on) {
        if (const std::optional<std::size_t> i = Find(item)) {
            m_on[*i] = on;
        }
    }

  private:
    static constexpr std::optional<std::size_t> Find(CommandId item) {
        for (std::size_t i = 0; i < OptionSwitches.size(); ++i) {
            if (OptionSwitches[i].item == item) {
                return i;
            }
        }
        return std::nullopt;
    }

    std::array<bool, OptionSwitches.size()> m_on{};
};

} // namespace trevallion
