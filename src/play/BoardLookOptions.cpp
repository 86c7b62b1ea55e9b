// The Options menu's choices of how the board is drawn: Dark Board and High Contrast.

#include "play/GameController.h"
#include "play/SettingNames.h"

namespace trevallion {

void GameController::ShowBoardLook(BoardLook look) {
    m_look = look;
    m_view.CheckMenuItem(CommandId::DarkBoard, look.dark);
    m_view.CheckMenuItem(CommandId::HighContrast, look.highContrast);
    m_view.SetBoardLook(look);
}

// Only the choice the player made is stored: a player who never used the other finds no
// setting for it.
void GameController::SwitchBoardLook(CommandId command) {
    BoardLook look = m_look;
    if (command == CommandId::DarkBoard) {
        look.dark = !look.dark;
        m_settings.WriteSetting(DarkBoardSetting, look.dark ? 1 : 0);
    } else {
        look.highContrast = !look.highContrast;
        m_settings.WriteSetting(HighContrastSetting, look.highContrast ? 1 : 0);
    }
    ShowBoardLook(look);
}

} // namespace trevallion
