"""The game started with a saved game named on its command line, as the desktop starts it when a
saved game is opened: the game comes up with that board, and a file that cannot be read is
refused in a box without holding the game up."""

import os
import time

import session
from session import fail, wait_for

# Player 2's king top left, Player 1's bottom right, a piece of each side and a wall.
BOARD = {(0, 0): 15, (6, 6): 2, (3, 3): 7, (3, 2): 23, (1, 5): 1}
EXPECTED = {(1, 1): "Player 2 king", (7, 7): "Player 1 king", (4, 4): "Player 1 piece",
            (4, 3): "Player 2 piece", (2, 6): "wall"}


def what_stands(names):
    return {place: name.split(": ", 1)[1] for place, name in names.items()}


def board_differences(names):
    seen = what_stands(names)
    places = [(column, row) for column in range(1, 8) for row in range(1, 8)]
    return [f"{place}: {seen.get(place)!r}" for place in places
            if not seen.get(place, "?").startswith(EXPECTED.get(place, "empty"))]


def given_game(build):
    with session.Session(build) as game:
        path = os.path.join(game.home, "Saved Game.TVX")
        session.saved_game(path, BOARD, side=2, level=7)
        game.start_game(arguments=[path])
        game.wait_title("Trevallion Level 7")
        time.sleep(1.5)  # a tick of the clock, which would have started the Life Doodle
        names = game.board_names()
        if board_differences(names):
            fail("the board is not the saved one: " + "; ".join(board_differences(names)))
        shown = {place: what for place, what in what_stands(names).items() if what != "empty"}
        print(f"SAW title \"{game.title()}\", every other cell empty: {shown}", flush=True)


def message_text(game, start):
    for node in session.walk(game.accessible_game()):
        if (node.name or "").startswith(start):
            return node.name
    return None


def given_pipe(build):
    with session.Session(build) as game:
        path = os.path.join(game.home, "pipe.tvx")
        os.mkfifo(path)  # nothing ever writes to it: a plain read would wait for ever
        game.start_game(arguments=[path])
        expected = f"An unexpected error occurred while accessing {path}."
        text = wait_for("the error box", lambda: message_text(game, "An unexpected"), 10)
        if text != expected:
            fail(f"the box says {text!r}, not {expected!r}")
        print(f"SAW the box \"{text}\"", flush=True)
        game.key("Return")
        wait_for("the box closed", lambda: message_text(game, "An unexpected") is None, 10)
        if game.game.poll() is not None:
            fail(f"the game ended with status {game.game.returncode}")


CASES = {"given_game": given_game, "given_pipe": given_pipe}

if __name__ == "__main__":
    session.run(CASES, timeout=90)
