// Setting up a level from its layout, and stopping a computer player before the position
// changes under it.

#include "levels/LevelLayouts.h"
#include "play/GameController.h"
#include "play/Messages.h"

namespace trevallion {

void GameController::LoadLevel(int n) {
    if (n > LevelCount) {
        PlayEffect(Effect::Startup);
        OpenBox(BoxStep::PastLastLevel, PastLastLevelMessage, MessageButtons::Ok,
                MessageIcon::Exclamation);
        return;
    }
    SetUpLevel(n);
}

void GameController::SetUpLevel(int n) {
    AbortComputerSearch();
    m_match.SetUpLevel(n);
    m_aids.PositionChanged();
    SetCursorSide(CursorSide::PlayerOne);
    m_view.SetTitle(LevelTitle(m_match.Level()));
    ShowBoard();
}

// The title says why the window waits, for the moment the search takes to notice the flag.
// A move the search leaves, or one already waiting, is dropped.
void GameController::AbortComputerSearch() {
    if (m_computer.State() == ComputerState::Thinking) {
        m_view.SetTitle(PleaseWaitTitle);
    }
    m_computer.Stop();
}

} // namespace trevallion
