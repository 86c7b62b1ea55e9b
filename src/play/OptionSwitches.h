#pragma once

#include "play/CommandId.h"
#include "play/SettingNames.h"

#include <array>
#include <cstddef>
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
    static bool IsSwitch(CommandId item) { return Find(item) < OptionSwitches.size(); }
    // The setting of a switch.
    static std::string_view Setting(CommandId item) {
        return OptionSwitches.at(Find(item)).setting;
    }
    bool On(CommandId item) const { return m_on[Find(item)]; }
    void Set(CommandId item, bool on) { m_on[Find(item)] = on; }

  private:
    static constexpr std::size_t Find(CommandId item) {
        std::size_t i = 0;
        while (i < OptionSwitches.size() && OptionSwitches[i].item != item) {
            ++i;
        }
        return i;
    }

    std::array<bool, OptionSwitches.size() + 1> m_on{}; // the last stands for no switch
};

} // namespace trevallion
