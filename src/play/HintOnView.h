#pragma once

#include "play/GameView.h"

namespace trevallion {

// The hint on the board: shown when it is found, and taken away as soon as the position changes
// while it may still show. A hint is an event, not state: asked again for the same position it
// shows again.
class HintOnView {
  public:
    explicit HintOnView(GameView& view) : m_view(view) {}

    void Show(const Move& hint) {
        m_mayShow = true;
        m_view.ShowHint(hint);
    }

    void PositionChanged() {
        if (m_mayShow) {
            m_mayShow = false;
            m_view.ShowHint(std::nullopt);
        }
    }

  private:
    GameView& m_view;
    bool m_mayShow = false;
};

} // namespace trevallion
