// The Player 1 and Player 2 menus: what plays each side, and the settings that remember it.

#include "play/GameController.h"
#include "play/Messages.h"
#include "play/SettingNames.h"

namespace trevallion {
namespace {

constexpr std::string_view SettingOf(Side side) {
    return side == Side::PlayerOne ? PlayerOneSetting : PlayerTwoSetting;
}

} // namespace

// A command changes no search under way: a thinking worker has its strength already, and the
// side's next turn thinks at the new one.
std::optional<std::string_view> GameController::ChoosePlayer(Side side, PlayerType type,
                                                             bool fromSettings) {
    // At most one computer player, unless both come back from the stored settings.
    if (type != PlayerType::Human && m_match.Player(OtherSide(side)) != PlayerType::Human &&
        !fromSettings) {
        return side == Side::PlayerOne ? PlayerTwoMustBeHuman : PlayerOneMustBeHuman;
    }
    for (const PlayerType item : AllPlayerTypes) {
        m_view.CheckMenuItem(PlayerCommand(side, item), item == type);
    }
    m_match.SetPlayer(side, type);
    m_settings.WriteSetting(SettingOf(side), PlayerTypeNumber(type));
    return std::nullopt;
}

// Start-up runs the commands the stored values name; a value out of range names the default
// (Player 1 human, Player 2 AI Medium), which is then stored in its place.
void GameController::ApplyStoredPlayers() {
    const auto stored = [this](Side side, PlayerType fallback) {
        const std::optional<std::int32_t> value = m_settings.ReadSetting(SettingOf(side));
        return PlayerTypeFromNumber(value.value_or(-1)).value_or(fallback);
    };
    ChoosePlayer(Side::PlayerOne, stored(Side::PlayerOne, PlayerType::Human), true);
    ChoosePlayer(Side::PlayerTwo, stored(Side::PlayerTwo, PlayerType::AiMedium), true);
}

} // namespace trevallion
