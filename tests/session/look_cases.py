"""The window as a player sizes it: the board grows with it, and the next run opens at the
size the last one closed at."""

import session
from session import fail, wait_for


def measure(game):
    """The window's size, and the width on screen of a cell as screen readers measure it."""
    return game.window_size(), game.cells()[(1, 1)].queryComponent().getExtents(0).width


# The place an X11 run kept (damaged, so that it opens no window anywhere), which a run on
# Wayland, where a window has no place of its own, must leave as it was.
X11_PLACE = ("WindowGeometry", "bm90IGEgd2luZG93")


def resize_and_restart(build):
    on_wayland = session.LANE == "wayland"
    with session.Session(build, screen="1600x1000",
                         settings=[X11_PLACE] if on_wayland else None) as game:
        game.start_game()
        first = measure(game)
        (width, height), _ = first
        game.resize_window(width * 2, height * 2)
        large = wait_for("the board twice as large", lambda: (
            measure(game) if measure(game)[1] >= 90 else None), 10)
        game.key("ctrl+q")
        wait_for("the game's end", lambda: game.game.poll() is not None, 10)
        game.start_game()
        again = measure(game)
        print("FIGURES window size and cell width: " + ", ".join(
            f"{when} {w}x{h}, {cell} px" for when, ((w, h), cell) in
            (("first", first), ("resized", large), ("after a restart", again))), flush=True)
        if first[1] != 48 or again != large:
            fail("the cells were not 48 pixels wide at first, or the size did not come back")
        with open(f"{game.home}/.config/QMV/Trevallion.conf") as settings:
            if on_wayland and "=".join(X11_PLACE) not in settings.read().split():
                fail("the place an X11 run kept was overwritten")


CASES = {
    "resize_and_restart": resize_and_restart,
}

if __name__ == "__main__":
    session.run(CASES, timeout=90)
