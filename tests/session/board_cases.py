"""Saved games through the real file dialogs: what is saved comes back, and the dialog opens
and answers wherever the remembered folder points. And a saved game given on the command line,
as the desktop gives it."""

import os
import time

import session
from session import fail, wait_for

DIRECTIONS = {"up": (0, -1), "down": (0, 1), "left": (-1, 0), "right": (1, 0),
              "up-left": (-1, -1), "up-right": (1, -1), "down-left": (-1, 1),
              "down-right": (1, 1)}


def some_move(names, player):
    """A step of one of the player's pieces onto an empty cell, read from the cells' names."""
    for (column, row), name in sorted(names.items()):
        if f"Player {player} piece, arms " not in name:
            continue
        for arm in name.split("arms ")[1].split(", "):
            dx, dy = DIRECTIONS[arm]
            if names.get((column + dx, row + dy), "").endswith(": empty"):
                return (column, row), (column + dx, row + dy)
    fail(f"no move for Player {player} on the board")


def save_and_load(build):
    with session.Session(build) as game:
        game.start_game()
        game.key("alt+2", "h")  # Player 2 Human: the position waits for the save
        game.key("alt+s", "1")
        game.wait_title("Trevallion Level 1")
        start, end = some_move(game.board_names(), 1)
        cells = game.cells()
        game.click_cell(cells[start])
        game.click_cell(cells[end])
        wait_for("Player 1's move", lambda: "Player 1" in game.cells()[end].name, 5)
        saved = game.board_names()
        time.sleep(1.5)  # a tick of the game's clock: only then has a game begun to be saved

        game.key("ctrl+s")
        game.wait_title("Save As")
        game.key("ctrl+a")
        game.type_text("my game")
        game.key("Return")
        path = os.path.join(game.home, "my game.tvx")
        wait_for("the saved file", lambda: os.path.exists(path), 10)
        if os.path.getsize(path) != 348:
            fail(f"the saved game holds {os.path.getsize(path)} bytes, not 348")

        game.key("alt+s", "5")
        game.wait_title("Trevallion Level 5")
        game.load_game(path)
        game.wait_title("Trevallion Level 1")
        session.same_board("saved", saved, game.board_names())


def load_from_folder(folder):
    """Load Game with `folder` remembered as the last one used ({home} is the case's home)."""
    def play(build):
        with session.Session(build, settings=[("GameFolder", folder)]) as game:
            game.start_game()
            path = os.path.join(game.home, "kept.tvx")
            session.saved_game(path, {(0, 0): 15, (6, 6): 2, (3, 3): 7, (3, 2): 23}, level=7)
            game.load_game(path)
            game.wait_title("Trevallion Level 7")
    return play


def given_game(build):
    """Started with a saved game: its board, and no Life Doodle after a tick of the clock."""
    with session.Session(build) as game:
        path = os.path.join(game.home, "Kept.TVX")
        session.saved_game(path, {(0, 0): 15, (6, 6): 2}, level=9)
        game.start_game(arguments=[path])
        game.wait_title("Trevallion Level 9")
        time.sleep(1.5)
        seen = [name for name in game.board_names().values() if not name.endswith(": empty")]
        print(f"SAW {game.title()!r}, every cell empty but {seen}", flush=True)
        if sorted(seen) != ["column 1, row 1: Player 2 king", "column 7, row 7: Player 1 king"]:
            fail("the board is not the saved one")


def given_no_file(make, what):
    """Started with something that is no saved game's file: Load Game's box at once, which says
    what it is and opens over the window."""
    def play(build):
        with session.Session(build) as game:
            path = os.path.join(game.home, "given.tvx")
            make(path)
            game.start_game(arguments=[path])
            text = f"{path} is {what}, not a file."
            wait_for(text, lambda: text in [n.name for n in
                                             session.walk(game.accessible_game())], 10)
            box = centre(game.window_geometry(game.xdotool("getactivewindow")))
            window = centre(game.window_geometry())
            print(f"SAW the box {text!r} centred at {box}, the window at {window}", flush=True)
            if max(abs(box[0] - window[0]), abs(box[1] - window[1])) > 40:
                fail("the box is not over the window's middle")
    return play


def centre(geometry):
    x, y, width, height = geometry
    return x + width // 2, y + height // 2


CASES = {
    "save_load": save_and_load,
    "load_folder_gone": load_from_folder("/tmp/trevallion-no-such-folder/gone"),
    "load_folder_proc": load_from_folder("/proc"),
    "given_game": given_game,
    "given_pipe": given_no_file(os.mkfifo, "a pipe"),
    "given_folder": given_no_file(os.mkdir, "a folder"),
}

if __name__ == "__main__":
    session.run(CASES, timeout=90)
