// The Life Doodle on the board's buttons: started by the first tick after the window opens or
// after the Life Doodle command, one generation a tick, and clicks that bring cells to life.
// The match keeps its grid apart from the game's board, level and players.

#include "play/GameController.h"
#include "play/Messages.h"

namespace trevallion {
namespace {

CellCode DoodleTileCode(bool alive) {
    return alive ? Wall : Empty;
}

} // namespace

void GameController::StartDoodle() {
    SetCursorSide(CursorSide::Neutral);
    m_view.SetTitle(ProgramName);
    for (const DoodleTile& tile : m_match.StartDoodle()) {
        m_view.ShowTile(tile.cell, DoodleTileCode(tile.alive));
    }
}

void GameController::DoodleGeneration() {
    const trevallion::DoodleGeneration generation = m_match.NextGeneration();
    if (generation.credits) {
        OpenBox(BoxStep::Credits, CreditsMessage, MessageButtons::Ok, MessageIcon::Information);
    }
    for (const DoodleTile& tile : generation.changed) {
        m_view.ShowTile(tile.cell, DoodleTileCode(tile.alive));
    }
}

// A click never kills a cell: a live one stays as it is, silently.
void GameController::DoodleClick(Cell cell) {
    if (!OnBoard(cell)) {
        return;
    }
    m_view.ShowTile(cell, Wall);
    if (m_match.DoodleClick(cell)) {
        PlayEffect(Effect::Capture);
    }
}

} // namespace trevallion
