#include "play/MenuChoices.h"

#include "play/Messages.h"
#include "play/SettingNames.h"

namespace trevallion {
namespace {

constexpr std::string_view SettingOf(Side side) {
    return side == Side::PlayerOne ? PlayerOneSetting : PlayerTwoSetting;
}

} // namespace

void MenuChoices::ApplyStored() {
    // Anything stored but 0 means sound on, and is stored back as 1.
    SwitchSound(m_settings.ReadSetting(SoundSetting).value_or(1) != 0);
    // A value out of range names the default (Player 1 human, Player 2 AI Medium), which is then
    // stored in its place. The stored settings may bring back two computer players.
    const auto stored = [this](Side side, PlayerType fallback) {
        const std::optional<std::int32_t> value = m_settings.ReadSetting(SettingOf(side));
        const std::optional<PlayerType> type = value ? PlayerTypeFromNumber(*value) : std::nullopt;
        return type.value_or(fallback);
    };
    ChoosePlayer(Side::PlayerOne, stored(Side::PlayerOne, PlayerType::Human),
                 ChoiceBy::StoredSettings);
    ChoosePlayer(Side::PlayerTwo, stored(Side::PlayerTwo, PlayerType::AiMedium),
                 ChoiceBy::StoredSettings);
    for (const OptionSwitch& option : OptionSwitches) {
        const int byDefault = option.byDefault ? 1 : 0;
        SwitchOption(option.item, m_settings.ReadSetting(option.setting).value_or(byDefault) != 0,
                     ChoiceBy::StoredSettings);
    }
    m_colours = StoredColours(m_settings);
}

// A command changes no search under way: a thinking worker has its strength already, and the
// side's next turn thinks at the new one.
std::optional<std::string_view> MenuChoices::ChoosePlayer(Side side, PlayerType type, ChoiceBy by) {
    // At most one computer player, unless both come back from the stored settings.
    if (type != PlayerType::Human && m_match.Player(OtherSide(side)) != PlayerType::Human &&
        by == ChoiceBy::Player) {
        return side == Side::PlayerOne ? PlayerTwoMustBeHuman : PlayerOneMustBeHuman;
    }
    m_match.SetPlayer(side, type);
    m_settings.WriteSetting(SettingOf(side), PlayerTypeNumber(type));
    return std::nullopt;
}

std::optional<std::string_view> MenuChoices::ChooseSavedPlayer(Side side, std::int32_t type) {
    if (const std::optional<PlayerType> known = PlayerTypeFromNumber(type)) {
        return ChoosePlayer(side, *known);
    }
    return std::nullopt;
}

// Switching on plays nothing; switching off silences what still plays. Choosing the item
// already checked does it all again.
void MenuChoices::SwitchSound(bool on) {
    if (!on) {
        m_view.StopSound();
    }
    m_effects.SetOn(on);
    m_settings.WriteSetting(SoundSetting, on ? 1 : 0);
}

void MenuChoices::TurnOver(CommandId item) {
    SwitchOption(item, !m_options.On(item), ChoiceBy::Player);
}

void MenuChoices::SwitchOption(CommandId item, bool on, ChoiceBy by) {
    m_options.Set(item, on);
    if (by == ChoiceBy::Player) {
        m_settings.WriteSetting(OptionStates::Setting(item), on ? 1 : 0);
    }
}

void MenuChoices::ChooseColours(BoardColours colours) {
    m_colours = colours;
    StoreColours(m_settings, colours);
}

} // namespace trevallion
