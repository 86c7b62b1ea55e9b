#include "play/DoodleTurns.h"

#include "play/Messages.h"

namespace trevallion {

void DoodleTurns::Start() {
    ShowTiles(m_match.StartDoodle());
}

void DoodleTurns::Generation() {
    const DoodleGeneration generation = m_match.NextGeneration();
    if (generation.credits) {
        m_boxes.OpenGameBox(CreditsBox{}, Message(CreditsMessage), MessageButtons::Ok,
                            MessageIcon::Information);
    }
    ShowTiles(generation.changed);
}

void DoodleTurns::AfterCredits() {
    ShowTiles(m_match.GenerationAfterCredits().changed);
}

// A click never kills a cell: a live one stays as it is, silently.
void DoodleTurns::Click(Cell cell) {
    if (!OnBoard(cell)) {
        return;
    }
    m_view.ShowTile(cell, Wall);
    if (m_match.DoodleClick(cell)) {
        m_effects.Play(Effect::Capture);
    }
}

// A live cell shows the wall's tile, a dead one the empty cell's.
void DoodleTurns::ShowTiles(const std::vector<DoodleTile>& tiles) {
    for (const DoodleTile& tile : tiles) {
        m_view.ShowTile(tile.cell, tile.alive ? Wall : Empty);
    }
}

} // namespace trevallion
