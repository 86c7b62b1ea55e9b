// The Player 1 and Player 2 menus: what plays each side, and the settings that remember it.

#include "play/GameDialog.h"
#include "play/Messages.h"
#include "play/SettingNames.h"

namespace trevallion {
namespace {

constexpr std::string_view SettingOf(int side) {
    return side == PlayerOne ? PlayerOneSetting : PlayerTwoSetting;
}

} // namespace

void GameDialog::ChoosePlayer(int side, PlayerType type) {
    GameState& s = m_state;
    // At most one computer player, unless both come back from the stored settings.
    if (type != Human && s.TypeOf(OtherSide(side)) != Human && s.m_initialising == 0) {
        m_window.ShowMessage(side == PlayerOne ? PlayerTwoMustBeHuman : PlayerOneMustBeHuman,
                             MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    for (int item = Human; item <= AiDifficult; ++item) {
        m_window.CheckMenuItem(PlayerCommand(side, item), item == type);
    }
    (side == PlayerOne ? s.m_playerOneType : s.m_playerTwoType) = type;
    m_window.WriteSetting(SettingOf(side), type);
}

// Start-up runs the commands the stored values name; a value out of range names the default
// (Player 1 human, Player 2 AI Medium), which is then stored in its place.
void GameDialog::ApplyStoredPlayers() {
    const auto stored = [this](int side, PlayerType fallback) {
        const int value = m_window.ReadSetting(SettingOf(side), fallback);
        return value >= Human && value <= AiDifficult ? static_cast<PlayerType>(value) : fallback;
    };
    ChoosePlayer(PlayerOne, stored(PlayerOne, Human));
    ChoosePlayer(PlayerTwo, stored(PlayerTwo, AiMedium));
}

} // namespace trevallion
