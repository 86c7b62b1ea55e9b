#pragma once

#include "match/Match.h"
#include "play/GameView.h"
#include "play/Keeping.h"
#include "play/LevelTurns.h"
#include "play/MenuChoices.h"
#include "play/OpenBoxes.h"

#include <string>

namespace trevallion {

// Where a saved game being loaded comes from: Load Game's dialog, whose next opening starts in its
// folder, or the game kept for Continue Game.
enum class LoadSource { Dialog, Kept };

// The Start menu's Save Game, Load Game and Continue Game: a game kept in a file and brought
// back to play, its players through the Player menus' rule.
class SavedGames {
  public:
    SavedGames(GameView& view, Match& match, OpenBoxes& boxes, MenuChoices& choices,
               LevelTurns& turns, Keeping& keeping)
        : m_view(view), m_match(match), m_boxes(boxes), m_choices(choices), m_turns(turns),
          m_keeping(keeping) {}

    // Save Game and Load Game open their dialogs; the file chosen comes back later.
    void AskSave();
    void AskLoad();
    void SaveTo(const std::string& path);
    void LoadFrom(const std::string& path, LoadSource source = LoadSource::Dialog);
    void Continue();
    // A Player menu's refusal met by a load has been answered: the load goes on.
    void AfterRefusal(LoadRefusedBox refusal);

  private:
    // The load of a checked record from `side`'s player on.
    void LoadPlayers(PendingLoad load, Side side);
    void FinishLoad(const PendingLoad& load);

    GameView& m_view;
    Match& m_match;
    OpenBoxes& m_boxes;
    MenuChoices& m_choices;
    LevelTurns& m_turns;
    Keeping& m_keeping;
};

} // namespace trevallion
