#pragma once

#include "play/GameView.h"
#include "play/ScreenState.h"

#include <functional>
#include <optional>
#include <utility>

namespace trevallion {

// The one place that tells the window the screen's state: it asks `screen` what the screen now
// is, remembers what it told last and tells only what differs, each piece in a fixed order.
// Before the first call it assumes nothing of the window and tells everything.
class ScreenPresenter {
  public:
    ScreenPresenter(GameView& view, std::function<ScreenState()> screen)
        : m_view(view), m_screen(std::move(screen)) {}

    void Present();
    // A title for a moment within one input ("Please Wait..." while a search stops): the
    // screen's own title is told again at the next Present.
    void TellTitleForNow(const ShownText& title);
    // A level set up anew is news even under the title it had: its title is told at once,
    // before its tiles, so that a screen reader speaks it before anything of the new board.
    void TellTitleNow();

  private:
    GameView& m_view;
    std::function<ScreenState()> m_screen;
    std::optional<ScreenState> m_told;
    // The title told last; none after a title of the moment.
    std::optional<ShownText> m_title;
};

} // namespace trevallion
