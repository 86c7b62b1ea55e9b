"""Levels that end: a human who cannot move passes, a position that comes up for the third time
is told once or, with Draw by Repetition, draws the level; and AI Expert thinks behind a window
that stays alive."""

import os
import time

import session
from session import fail, wait_for

# Each side's horizontal bar can only slide one cell right and back, the kings out of reach;
# ROUND's four turns, by the cells' (column, row) counted from 1, bring the board back.
SHUFFLE = {(0, 0): 22, (2, 0): 1, (6, 0): 15, (0, 6): 9, (2, 6): 1, (6, 6): 2}
ROUND = [((1, 7), (2, 7)), ((1, 1), (2, 1)), ((2, 7), (1, 7)), ((2, 1), (1, 1))]


def names(game, role):
    return [node.name for node in session.walk(game.accessible_game())
            if node.getRoleName() == role]


def start_on(game, board, players=(0, 0)):
    path = os.path.join(game.home, "shuffle.tvx")
    session.saved_game(path, board, players=players)
    game.start_game(arguments=[path])
    game.wait_title("Trevallion Level 3")


def play(game, turns):
    cells = game.cells()
    for start, end in turns:
        game.click_cell(cells[start])
        game.click_cell(cells[end])
        wait_for(f"the move to {end}", lambda: "piece" in cells[end].name, 5)


def label_says(game, words):
    """Waits for a box's text or the status line to say `words`."""
    return wait_for(f'"{words}" said', lambda: any(
        words in name for name in names(game, "label")), 10)


def blocked_human_passes(build):
    with session.Session(build, settings=[("StatusLine", 1)]) as game:
        start_on(game, {**SHUFFLE, (1, 6): 1}, players=(0, 1))  # Player 1 walled in
        label_says(game, "No legal move for Player 1: the turn passes")
        before = game.board_names()
        wait_for("AI Easy's move", lambda: game.board_names() != before, 10)


def repetition_told_once(build):
    with session.Session(build) as game:
        start_on(game, SHUFFLE)
        play(game, ROUND * 2)
        label_says(game, "three times. Restart the level?")
        game.key("Escape")  # No: play on
        game.wait_title("Trevallion Level 3")
        play(game, ROUND)  # each position for the third time or more
        time.sleep(1)
        if game.title() != "Trevallion Level 3":
            fail(f'a second box: the active window is "{game.title()}"')


def repetition_draws(build):
    with session.Session(build, settings=[("DrawByRepetition", 1)]) as game:
        start_on(game, SHUFFLE)
        play(game, ROUND * 2)
        label_says(game, "three times: the level is a draw.")
        game.key("Escape")  # No: the level stays decided
        game.wait_title("Game Over")
        game.key("alt+h", "s")
        game.wait_title("Statistics")
        row = wait_for("the statistics' row", lambda: names(game, "table cell"), 10)
        if row != ["3", "Human vs Human", "0", "0", "1"]:
            fail(f"the statistics read {row}")


def expert_behind_live_window(build):
    """A click on AI Expert's turn starts its search at once; the Options menu opened right after
    must show without waiting for the search."""
    import pyatspi
    settings = [("PlayerOne", 4), ("PlayerTwo", 0), ("StatusLine", 1)]
    with session.Session(build, settings=settings) as game:
        game.start_game()
        popup = next(node.getChildAtIndex(0) for node in session.walk(game.accessible_game())
                     if node.getRoleName() == "menu item" and node.name == "Options"
                     and node.childCount == 1)
        game.key("alt+s", "1")
        game.wait_title("Trevallion Level 1")
        game.click_cell(game.cells()[(4, 4)])
        sent = game.key("alt+o")
        wait_for("the Options menu", lambda: popup.getState().contains(pyatspi.STATE_SHOWING),
                 5, step=0.01)
        opened = time.monotonic() - sent
        print(f"FIGURES the menu showed {1000 * opened:.0f} ms after its key", flush=True)
        game.key("Escape")
        label_says(game, "Player 2 to move")  # AI Expert has moved
        if opened > 0.5:
            fail(f"the menu took {opened:.2f} s to show while AI Expert thought")


CASES = {
    "blocked_human_passes": blocked_human_passes,
    "repetition_told_once": repetition_told_once,
    "repetition_draws": repetition_draws,
    "expert_behind_live_window": expert_behind_live_window,
}

if __name__ == "__main__":
    session.run(CASES, timeout=100)
