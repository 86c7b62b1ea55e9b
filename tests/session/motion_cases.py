"""The status line under the board, as a screen reader hears it: switched on from the Options
menu, it names the computer player thinking on its turn, then the side to move after the
computer's move, which slides on the board meanwhile."""

import os

import session
from session import fail, wait_for

THINKING = "Player 1 (AI Easy) is thinking\u2026"


def status_after_level(build):
    with session.Session(build, settings=[("PlayerOne", 1), ("PlayerTwo", 0)]) as game:
        game.start_game()
        import pyatspi
        from gi.repository import GLib
        heard = []  # the names the status line announced, in order

        def listen(event):
            if event.source.getRoleName() == "label":
                heard.append(event.source.name)
        pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-name")

        def heard_move():
            while GLib.MainContext.default().iteration(False):
                pass
            return "Player 2 to move" in heard
        game.key("alt+o", "t")  # Options, Status Line
        game.key("alt+s", "1")
        game.wait_title("Trevallion Level 1")
        wait_for(f'"Player 2 to move" announced (heard {heard})', heard_move, 10)
        if heard != [THINKING, "Player 2 to move"]:
            fail(f"the status line announced {heard}")
        print(f"the status line announced {heard}", flush=True)
        with open(os.path.join(game.home, ".config/QMV/Trevallion.conf")) as file:
            if "StatusLine=1" not in file.read():
                fail("the Status Line choice was not stored")


CASES = {"status_after_level": status_after_level}

if __name__ == "__main__":
    session.run(CASES, timeout=60)
