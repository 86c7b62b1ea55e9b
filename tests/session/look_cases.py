"""The window as a player sizes it: the board grows with it, and the next run opens at the
size the last one closed at."""

import re

import session
from session import fail, wait_for


def measure(game):
    """The window's size, and the width on screen of a cell as screen readers measure it."""
    geometry = game.xdotool("getwindowgeometry", game.window)
    size = tuple(map(int, re.search(r"Geometry: (\d+)x(\d+)", geometry).groups()))
    return size, game.cells()[(1, 1)].queryComponent().getExtents(0).width


def resize_and_restart(build):
    with session.Session(build, screen="1600x1000") as game:
        game.start_game()
        first = measure(game)
        (width, height), _ = first
        game.xdotool("windowsize", game.window, str(width * 2), str(height * 2))
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


CASES = {
    "resize_and_restart": resize_and_restart,
}

if __name__ == "__main__":
    session.run(CASES, timeout=90)
