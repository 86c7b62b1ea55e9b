#pragma once

#include "match/Match.h"
#include "play/CommandId.h"
#include "play/GameView.h"

#include <map>
#include <optional>

namespace trevallion {

// What the play aids show of a match: the marks of Show Moves, a hint until the position
// changes, and which of Undo Move, Redo Move and Hint are available. It tells the view only
// what has changed since it last told it.
class AidsOnView {
  public:
    explicit AidsOnView(GameView& view) : m_view(view) {}

    bool ShowMoves() const { return m_showMoves; }
    void SetShowMoves(bool on) { m_showMoves = on; }

    void ShowHint(const Move& hint);
    // The position has changed: a hint still showing is taken away.
    void PositionChanged();

    // Tells the view the marks and the menu items' states of `match`, where they have changed.
    void Refresh(const Match& match);

  private:
    GameView& m_view;
    bool m_showMoves = false;
    bool m_hintMayShow = false;
    std::optional<BoardMarks> m_shownMarks;
    std::map<CommandId, bool> m_enabledItems;
};

} // namespace trevallion
