"""The status line, switched on, as a screen reader hears it on Level 1 against AI Easy."""

import session
from session import fail, wait_for


def status_after_level(build):
    with session.Session(build, settings=[("PlayerOne", 1), ("PlayerTwo", 0)]) as game:
        game.start_game()
        import pyatspi
        from gi.repository import GLib
        heard = []  # the names the status line announced
        pyatspi.Registry.registerEventListener(
            lambda event: event.source.getRoleName() == "label" and heard.append(event.source.name),
            "object:property-change:accessible-name")

        def announced():  # the computer's turn, then its move (which slides meanwhile)
            while GLib.MainContext.default().iteration(False):
                pass
            return len(heard) >= 2
        game.key("alt+o", "t")  # Options, Status Line
        game.key("alt+s", "1")
        wait_for(f"two announcements (heard {heard})", announced, 10)
        if heard != ["Player 1 (AI Easy) is thinking\u2026", "Player 2 to move"]:
            fail(f"the status line announced {heard}")


CASES = {"status_after_level": status_after_level}

if __name__ == "__main__":
    session.run(CASES, timeout=60)
