"""What a screen reader finds: the cells by name, the menus by name, and a hint's words."""

import re

import session
from session import fail, wait_for

MENUS = {
    "Start": ["Load Game", "Continue Game", "Save Game", "Export Record\u2026",
              "Import Record\u2026", "Undo Move", "Redo Move", "Level 1", "Level 5", "Level 10",
              "Level 20", "Level 40", "Choose Level\u2026", "Restart Level", "Life Doodle", "Exit"],
    "Player 1": ["Human", "AI Easy", "AI Medium", "AI Difficult", "AI Expert"],
    "Player 2": ["Human", "AI Easy", "AI Medium", "AI Difficult", "AI Expert"],
    "Options": ["Sound ON", "Sound OFF", "Show Moves", "Board Colours", "High Contrast",
                "Animate Moves", "Status Line", "Draw by Repetition", "Move List"],
    "Board Colours": ["Light", "Dark", "As the Desktop"],
    "Help": ["Hint", "Instructions", "Statistics\u2026", "Review Game", "About Trevallion"],
}
CELL_NAME = re.compile(r"column (\d), row (\d): (empty|wall|Player [12] king|"
                       r"Player [12] piece, arms [a-z-]+(, [a-z-]+)*)")
HINT = re.compile(r"hint: column (\d), row (\d) to column \d, row \d")


def level_one(game):
    game.start_game()
    game.key("alt+s", "1")
    game.wait_title("Trevallion Level 1")


def cells(build):
    with session.Session(build) as game:
        level_one(game)
        names = game.board_names()
        wrong = [name for (column, row), name in names.items()
                 if not CELL_NAME.fullmatch(name) or CELL_NAME.match(name).group(1, 2) !=
                 (str(column), str(row))]
        if len(names) != 49 or wrong:
            fail(f"{len(names)} cells found; names not understood: {wrong}")


def menus(build):
    with session.Session(build) as game:
        game.start_game()
        found = game.menus()
        if found != MENUS:
            fail(f"the menus read {found}")


def hint(build):
    with session.Session(build) as game:
        level_one(game)
        import pyatspi

        def focused():
            for cell in game.cells().values():
                if cell.getState().contains(pyatspi.STATE_FOCUSED):
                    return cell
            return None
        cell = wait_for("a focused cell", focused, 5)
        game.key("h")
        words = wait_for("the hint in the focused cell's description or name",
                         lambda: HINT.search(f"{cell.description} {cell.name}"), 15, step=0.1)
        start = game.cells()[(int(words.group(1)), int(words.group(2)))].name
        if "Player 1 piece" not in start:
            fail(f'the hint "{words.group(0)}" moves from "{start}"')
        print(f'the focused cell reads "{cell.name}", "{cell.description}"')


CASES = {"cells": cells, "menus": menus, "hint": hint}

if __name__ == "__main__":
    session.run(CASES, timeout=60)
