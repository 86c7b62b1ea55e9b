"""The game on either lane as the desktop runs it: a move by the keyboard and one by the mouse,
and a settings portal that turns the desktop dark and light again, which the board follows live
with no restart."""

import time

import pyatspi

import session
from board_cases import some_move
from session import fail, wait_for

APPEARANCE = "org.freedesktop.appearance"
STEPS = {(0, -1): "Up", (0, 1): "Down", (-1, 0): "Left", (1, 0): "Right"}


def focused_cell(game):
    cells = game.cells()
    return next((place for place, cell in cells.items()
                 if cell.getState().contains(pyatspi.STATE_FOCUSED)), None)


def walk_focus(game, to):
    """Arrow keys from the focused cell to `to`: along its column, then along the row."""
    here = wait_for("a focused cell", lambda: focused_cell(game), 5)
    for axis in (1, 0):
        step = [0, 0]
        step[axis] = 1 if to[axis] > here[axis] else -1
        for _ in range(abs(to[axis] - here[axis])):
            game.key(STEPS[tuple(step)])
    wait_for(f"the focus on {to}", lambda: focused_cell(game) == to, 5)


def move_by_keys_and_click(build):
    with session.Session(build, settings=[("PlayerOne", 0), ("PlayerTwo", 0)]) as game:
        game.start_game()
        game.key("alt+s", "1")
        game.wait_title("Trevallion Level 1")
        start, end = some_move(game.board_names(), 1)
        for cell in (start, end):
            walk_focus(game, cell)
            game.key("space")
        wait_for("Player 1's move by keys", lambda: "Player 1" in game.cells()[end].name, 5)
        start, end = some_move(game.board_names(), 2)
        for cell in (start, end):
            game.click_cell(game.cells()[cell])
        wait_for("Player 2's move by clicks", lambda: "Player 2" in game.cells()[end].name, 5)


def dark_follows_portal(build):
    """The board's mean grey, read from the screen, as the portal's colour scheme goes from no
    preference to dark and back."""
    with session.Session(build) as game:
        change = game.start_portal((APPEARANCE, "color-scheme", "u:0"))
        game.start_game()
        game.key("alt+s", "1")
        game.wait_title("Trevallion Level 1")
        board = game.board_area()
        greys, delays = [game.grey(board)], []
        for scheme, dark in ((1, True), (0, False)):
            sent = change(APPEARANCE, "color-scheme", f"u:{scheme}")
            wait_for(f"the board {'dark' if dark else 'light'} (its grey {greys[-1]:.0f})",
                     lambda: (game.grey(board) < 128) == dark, 5, step=0.02)
            delays.append((time.monotonic() - sent) * 1000)
            greys.append(game.grey(board))
        print(f"FIGURES {session.LANE} board grey " + " -> ".join(f"{g:.0f}" for g in greys) +
              ", seen after " + ", ".join(f"{d:.0f} ms" for d in delays) +
              (" (the goal is 1000 ms)" if max(delays) > 1000 else ""), flush=True)


CASES = {"move_by_keys_and_click": move_by_keys_and_click,
         "dark_follows_portal": dark_follows_portal}

if __name__ == "__main__":
    session.run(CASES, timeout=60)
