#pragma once

#include "play/GameView.h"
#include "play/ScreenState.h"

#include <optional>

namespace trevallion {

// The one place that tells the window the screen's state: it remembers what it told last and
// tells only what differs, each piece in a fixed order. Before the first call it assumes nothing
// of the window and tells everything.
class ScreenPresenter {
  public:
    explicit ScreenPresenter(GameView& view) : m_view(view) {}

    void Present(ScreenState screen);

  private:
    GameView& m_view;
    std::optional<ScreenState> m_told;
};

} // namespace trevallion
