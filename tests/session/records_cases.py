"""The level's turns in the window: the move list, the history Continue brings back, game records
exported, imported and refused, and the review of a lost level."""

import os
import shutil
import subprocess
import tempfile
import time

import session
from board_cases import DIRECTIONS
from session import fail, wait_for


def move_lines(game):
    """The move list's lines as a screen reader reads them, the level's start first."""
    for node in session.walk(game.accessible_game()):
        if node.getRoleName() == "list" and node.name == "Move list":
            return [node.getChildAtIndex(i) for i in range(node.childCount)]
    return []


def fresh_move(names, player, played):
    """A step of the player's onto an empty cell that does not undo one already played."""
    for (column, row), name in sorted(names.items()):
        if f"Player {player} piece, arms " not in name:
            continue
        for arm in name.split("arms ")[1].split(", "):
            dx, dy = DIRECTIONS[arm]
            end = (column + dx, row + dy)
            if names.get(end, "").endswith(": empty") and ((end, (column, row)) not in played):
                return (column, row), end
    fail(f"no fresh move for Player {player}")


def click_line(game, line):
    extents = line.queryComponent().getExtents(0)
    x, y = game.on_screen(extents)
    game._click_at(x + extents.width // 2, y + extents.height // 2)


def move_list_continue(build):
    with session.Session(build, screen="1024x768") as game:
        game.start_game()
        game.key("alt+2", "h")  # two humans
        game.key("alt+o", "l")  # Move List
        game.key("alt+s", "1")
        game.wait_title("Trevallion Level 1")
        boards, played = [game.board_names()], set()
        for turn in range(10):
            player = turn % 2 + 1
            start, end = fresh_move(boards[-1], player, played)
            played.add((start, end))
            cells = game.cells()
            game.click_cell(cells[start])
            game.click_cell(cells[end])
            wait_for(f"move {turn + 1}", lambda: f"Player {player}" in game.cells()[end].name, 5)
            boards.append(game.board_names())
        wait_for("eleven lines", lambda: len(move_lines(game)) == 11, 5)
        click_line(game, move_lines(game)[4])
        wait_for("the board after move 4", lambda: game.board_names() == boards[4], 5)
        game.chord("alt", "End")
        wait_for("the board after move 10", lambda: game.board_names() == boards[10], 5)
        game.key("Escape")
        game.game.wait(10)

        game.start_game()
        game.key("alt+s", "n")  # Continue Game
        game.wait_title("Trevallion Level 1")
        wait_for("the list back", lambda: len(move_lines(game)) == 11, 5)
        for _ in range(10):
            game.key("ctrl+z")
            time.sleep(0.1)
        wait_for("the level's start", lambda: game.board_names() == boards[0], 5)


def open_lost_level(game):
    """A lost level given on the command line: its box answered with no new try, and the move
    list shown beside the board that stays as it was lost."""
    wait_for("the winner box", lambda: game.title() == "Level Complete", 10)
    game.key("Return")
    wait_for("the question", lambda: game.title() == "Trevallion", 5)
    game.key("n")
    wait_for("the window", lambda: game.title() == "Game Over", 5)
    game.key("alt+o", "l")


def record_review(build):
    folder = tempfile.mkdtemp(prefix="trevallion-records-")
    try:
        lost = os.path.join(folder, "lost.tvr")
        subprocess.run([os.path.join(build, "tools/record-roundtrip/record-roundtrip"),
                        "--losing-game", lost], check=True, timeout=60)
        with session.Session(build, screen="1024x768") as game:
            game.start_game(wait_window=False, arguments=[lost])
            open_lost_level(game)
            lines = [line.name for line in move_lines(game)]
            board = game.board_names()
            exported = os.path.join(folder, "again.tvr")
            game.key("alt+s", "e")
            wait_for("the export dialog", lambda: game.find_window("^Export|^Save"), 10)
            game.key("ctrl+a")
            game.type_text(exported)
            game.key("Return")
            wait_for("the record written", lambda: os.path.exists(exported), 5)

            started = game.key("alt+h", "r")  # Review Game
            # The review's window opens in front; the player goes back to the board, which
            # answers while AI Expert works.
            game.xdotool("windowactivate", game.find_window("^Game Over"))
            game.chord("alt", "Home")
            wait_for("the level's start", lambda: game.board_names() != board, 2)
            moved = time.monotonic() - started
            wait_for("the review done", lambda: not game.find_window("^Review Game"), 40)
            print(f"FIGURES board moved {moved:.2f} s after Review Game, review done "
                  f"{time.monotonic() - started:.2f} s after", flush=True)
            marked = [line.name for line in move_lines(game) if "better" in line.name]
            if not marked:
                fail("the review marked no move of the lost level")
            print(f"FIGURES review marked {len(marked)}: {marked[0]}", flush=True)

            # A fresh home: nothing kept, no settings.
            game.key("Escape")
            game.game.wait(10)
            for kept in (".local/share/trevallion", ".config/QMV"):
                shutil.rmtree(os.path.join(game.home, kept), ignore_errors=True)
            again = game
            again.start_game(wait_window=False, arguments=[exported])
            open_lost_level(again)
            session.same_board("imported", board, again.board_names())
            if [line.name for line in move_lines(again)] != lines:
                fail("the imported list differs")
            broken = os.path.join(folder, "broken.tvr")
            with open(broken, "w") as file:
                file.write('[Game "Trevallion"]\n[Level "1"]\n[Player1 "Human"]\n[Player2 "Human"]\n'
                           '[Result "unfinished"]\n\n1. d2-d3 d6-d5\n2. d3-d5\n')
            again.key("alt+s", "i")
            wait_for("the import dialog", lambda: again.find_window("^Open"), 10)
            again.key("ctrl+a")
            again.type_text(broken)
            again.key("Return")
            wait_for("the refusal", lambda: any(
                "Line 8: Player 1 may not play d3-d5." in (node.name or "")
                for node in session.walk(again.accessible_game())), 5)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


CASES = {"move_list_continue": move_list_continue, "record_review": record_review}

if __name__ == "__main__":
    session.run(CASES, timeout=110)
