// The Options and Help menus: sound on and off, the manual and the About window.

#include "play/GameDialog.h"
#include "play/SettingNames.h"

namespace trevallion {

// Switching on plays nothing; switching off silences what still plays. Choosing the item
// already checked does it all again.
void GameDialog::SwitchSound(bool on) {
    if (!on) {
        m_view.StopSound();
    }
    m_view.CheckMenuItem(CommandId::SoundOn, on);
    m_view.CheckMenuItem(CommandId::SoundOff, !on);
    m_state.m_soundOn = on;
    m_settings.WriteSetting(SoundSetting, on ? 1 : 0);
}

// The manual's sound plays while the window is open and is cut off when it closes, even if
// sound was switched off meanwhile.
void GameDialog::ShowInstructions() {
    PlayEffect(Effect::Instructions);
    m_view.ShowInstructions();
    m_view.StopSound();
}

// The jingle starts with the window and runs on to its end after the window closes.
void GameDialog::ShowAbout() {
    PlayEffect(Effect::Jingle);
    m_view.ShowAbout();
}

} // namespace trevallion
