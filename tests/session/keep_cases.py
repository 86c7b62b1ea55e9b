"""What the game keeps from one run to the next: the game in play comes back with Continue, and
two games played at once both count in the statistics."""

import os

import session
from board_cases import some_move
from play_cases import names
from sound_cases import LOSS
from session import fail, wait_for


def player_two_is(game, wanted):
    """Whether the Player 2 menu's check mark stands on `wanted`, as a screen reader finds it."""
    import pyatspi
    for node in session.walk(game.accessible_game()):
        if node.getRoleName() == "menu item" and node.name == "Player 2" and node.childCount:
            checked = [item.name for item in node.getChildAtIndex(0)
                       if item.getState().contains(pyatspi.STATE_CHECKED)]
            return checked == [wanted]
    return False


def play_move(game, player):
    start, end = some_move(game.board_names(), player)
    cells = game.cells()
    game.click_cell(cells[start])
    game.click_cell(cells[end])
    wait_for(f"Player {player}'s move", lambda: f"Player {player}" in game.cells()[end].name, 5)


def continue_after_close(build):
    with session.Session(build) as game:
        game.start_game()
        game.key("alt+2", "h")  # two humans: the position waits for the window to close
        game.key("alt+s", "5")
        game.wait_title("Trevallion Level 5")
        play_move(game, 1)
        play_move(game, 2)
        play_move(game, 1)  # Player 2 to move
        kept = game.board_names()
        game.key("Escape")
        game.game.wait(10)
        path = os.path.join(game.home, ".local/share/trevallion/game-in-play.tvx")
        if not os.path.exists(path):
            fail(f"nothing kept at {path}")

        game.start_game()
        game.key("alt+2", "d")  # Continue must bring the human Player 2 back
        wait_for("Player 2 as AI Difficult", lambda: player_two_is(game, "AI Difficult"), 5)
        game.key("alt+s", "n")  # Continue Game
        game.wait_title("Trevallion Level 5")
        session.same_board("kept", kept, game.board_names())
        wait_for("Player 2 as Human again", lambda: player_two_is(game, "Human"), 5)
        play_move(game, 2)  # only the side to move can


def two_games_count_both(build):
    """Two games in one home, each started before the other's level is decided, where AI Easy
    takes the human's king at its first move: Statistics then counts both."""
    with session.Session(build) as game:
        path = os.path.join(game.home, "loss.tvx")
        session.saved_game(path, LOSS, side=2, players=(0, 1))
        game.start_game(arguments=[path], wait_window=False)
        first = game.game
        game.start_game(arguments=[path], wait_window=False)
        kept = os.path.join(game.home, ".local/share/trevallion/statistics")
        wait_for("both results written", lambda: os.path.exists(kept) and
                 "3 easy 0 2 0" in open(kept).read(), 20)
        for process in (first, game.game):
            process.terminate()
            process.wait(10)

        game.start_game()
        game.key("alt+h", "s")
        game.wait_title("Statistics")
        row = wait_for("the statistics' row", lambda: names(game, "table cell"), 10)
        if row != ["3", "Human vs AI Easy", "0", "2", "0"]:
            fail(f"the statistics read {row}")


CASES = {"continue_after_close": continue_after_close, "two_games_count_both": two_games_count_both}

if __name__ == "__main__":
    session.run(CASES, timeout=110)
