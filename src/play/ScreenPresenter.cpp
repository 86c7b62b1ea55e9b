#include "play/ScreenPresenter.h"

#include <utility>

namespace trevallion {

// The cursor first, then the menus and the board's look as the choices set them, then the marks
// and the items that follow the position, and the lines of text last.
void ScreenPresenter::Present() {
    ScreenState screen = m_screen();
    const ScreenState* told = m_told ? &*m_told : nullptr;
    const auto changed = [&](auto ScreenState::*piece) {
        return told == nullptr || told->*piece != screen.*piece;
    };
    if (changed(&ScreenState::cursor)) {
        m_view.SetCursor(screen.cursor);
    }
    for (std::size_t i = 0; i < CheckedItems.size(); ++i) {
        if (told == nullptr || told->checked.At(i) != screen.checked.At(i)) {
            m_view.CheckMenuItem(CheckedItems[i], screen.checked.At(i));
        }
    }
    if (changed(&ScreenState::look)) {
        m_view.SetBoardLook(screen.look);
    }
    if (changed(&ScreenState::motion)) {
        m_view.SetMoveMotion(screen.motion);
    }
    if (changed(&ScreenState::panes)) {
        m_view.ShowPanes(screen.panes);
    }
    if (changed(&ScreenState::marks)) {
        m_view.ShowMarks(screen.marks);
    }
    for (std::size_t i = 0; i < EnabledItems.size(); ++i) {
        if (told == nullptr || told->enabled.At(i) != screen.enabled.At(i)) {
            m_view.EnableMenuItem(EnabledItems[i], screen.enabled.At(i));
        }
    }
    if (changed(&ScreenState::listing)) {
        m_view.ShowMoveList(screen.listing);
    }
    if (m_title != screen.title) {
        m_view.SetTitle(screen.title);
        m_title = screen.title;
    }
    if (changed(&ScreenState::status)) {
        m_view.ShowStatus(screen.status);
    }
    m_told = std::move(screen);
}

void ScreenPresenter::TellTitleForNow(const ShownText& title) {
    m_view.SetTitle(title);
    m_title.reset();
}

void ScreenPresenter::TellTitleNow() {
    m_title = m_screen().title;
    m_view.SetTitle(*m_title);
}

} // namespace trevallion
