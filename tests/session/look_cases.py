"""The window as a player sizes it: the board grows with it, and the next run opens at the
size the last one closed at."""

import re

import session
from session import fail, wait_for


def window_size(game):
    geometry = game.xdotool("getwindowgeometry", game.window)
    width, height = re.search(r"Geometry: (\d+)x(\d+)", geometry).groups()
    return int(width), int(height)


def tile_width(game):
    """The width on screen of the top left cell, as screen readers measure it."""
    return game.cells()[(1, 1)].queryComponent().getExtents(0).width


def resize_and_restart(build):
    with session.Session(build, screen="1600x1000") as game:
        game.start_game()
        first_size, first_tile = window_size(game), tile_width(game)
        if first_tile != 48:
            fail(f"the first tiles are {first_tile} pixels wide, not 48")
        game.xdotool("windowsize", game.window, str(first_size[0] * 2), str(first_size[1] * 2))
        large = wait_for("the window twice as large", lambda: (
            window_size(game) if window_size(game)[0] >= 2 * first_size[0] else None), 10)
        large_tile = wait_for("the tiles grown", lambda: tile_width(game) > 48 and
                              tile_width(game), 10)
        if large_tile < 90:
            fail(f"in a window of {large} the tiles are {large_tile} pixels wide")

        game.key("ctrl+q")
        wait_for("the game's end", lambda: game.game.poll() is not None, 10)
        game.start_game()
        again = window_size(game)
        again_tile = tile_width(game)
        print(f"FIGURES tile width: {first_tile} px in {first_size[0]}x{first_size[1]}, "
              f"{large_tile} px in {large[0]}x{large[1]}, after a restart {again_tile} px in "
              f"{again[0]}x{again[1]}", flush=True)
        if (again, again_tile) != (large, large_tile):
            fail(f"the game came back at {again} with {again_tile} pixel tiles")


CASES = {
    "resize_and_restart": resize_and_restart,
}

if __name__ == "__main__":
    session.run(CASES, timeout=90)
