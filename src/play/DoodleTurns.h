#pragma once

#include "match/Match.h"
#include "play/EffectPlayer.h"
#include "play/GameView.h"
#include "play/OpenBoxes.h"

#include <vector>

namespace trevallion {

// The Life Doodle on the board between games: its start from the middle block, a generation a
// tick, the credits when their pattern lives, and a click that brings a cell to life. Its grid
// lives in the match, apart from the game's board, level and players.
class DoodleTurns {
  public:
    DoodleTurns(GameView& view, Match& match, OpenBoxes& boxes, EffectPlayer& effects)
        : m_view(view), m_match(match), m_boxes(boxes), m_effects(effects) {}

    void Start();
    void Generation();
    // The credits have been answered: the generation they held up is shown.
    void AfterCredits();
    void Click(Cell cell);

  private:
    void ShowTiles(const std::vector<DoodleTile>& tiles);

    GameView& m_view;
    Match& m_match;
    OpenBoxes& m_boxes;
    EffectPlayer& m_effects;
};

} // namespace trevallion
