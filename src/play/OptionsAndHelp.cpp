// The Options and Help menus: sound on and off, the manual and the About window.

#include "play/GameController.h"
#include "play/SettingNames.h"

namespace trevallion {

// Switching on plays nothing; switching off silences what still plays. Choosing the item
// already checked does it all again.
void GameController::SwitchSound(bool on) {
    if (!on) {
        m_view.StopSound();
    }
    m_view.CheckMenuItem(CommandId::SoundOn, on);
    m_view.CheckMenuItem(CommandId::SoundOff, !on);
    m_effects.SetOn(on);
    m_settings.WriteSetting(SoundSetting, on ? 1 : 0);
}

// The manual's sound plays while the window is open (OnWindowClosed cuts it off).
void GameController::ShowInstructions() {
    PlayEffect(Effect::Instructions);
    m_awaiting.window = Window::Instructions;
    m_view.OpenInstructions();
}

// The jingle starts with the window and runs on to its end after the window closes.
void GameController::ShowAbout() {
    PlayEffect(Effect::Jingle);
    m_awaiting.window = Window::About;
    m_view.OpenAbout();
}

} // namespace trevallion
