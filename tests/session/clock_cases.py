"""The game's clock runs on behind the windows a command opens: a computer player's turn goes
on behind the Instructions window, and the Life Doodle lives on behind the About window."""

import time

import session
from session import fail, wait_for


def computer_behind_instructions(build):
    """Player 1 AI Easy, Level 1 set up and the Instructions opened at once, closed 3.5 s
    later: the computer's move is on the board the moment the window has gone."""
    with session.Session(build, settings=[("PlayerOne", 0), ("PlayerTwo", 0)]) as game:
        game.start_game()
        game.key("alt+s", "1")
        game.wait_title("Trevallion Level 1")
        start = game.board_names()
        game.key("alt+1", "e")  # Player 1 AI Easy, then Level 1 and the Instructions at once
        game.key("alt+s", "1")
        game.key("F1")
        game.wait_title("Instructions", 5)
        time.sleep(3.5)
        if game.title() != "Instructions":
            fail(f'the Instructions window gave way to "{game.title()}"')
        game.key("Escape")
        game.wait_title("Trevallion Level 1", 2)
        closed = time.monotonic()
        after = game.board_names()
        print(f"board read {1000 * (time.monotonic() - closed):.0f} ms after the window went",
              flush=True)
        moved = sorted(place for place in start if after.get(place) != start[place])
        if len(moved) != 2:
            fail(f"{len(moved)} cells changed behind the Instructions window, not the 2 of a move")
        print(f"the computer moved behind the window: {moved}", flush=True)


def doodle_behind_about(build):
    """The About window opened as the doodle begins: its generations go on behind it."""
    with session.Session(build) as game:
        game.start_game()
        game.key("alt+h", "a")
        game.wait_title("About Trevallion", 5)
        seen = [game.board_names()]

        def changed():
            names = game.board_names()
            if names != seen[-1]:
                seen.append(names)
            return len(seen) >= 3
        wait_for("two changes of the doodle behind the About window", changed, 6, step=0.2)
        if game.title() != "About Trevallion":
            fail(f'the About window gave way to "{game.title()}"')


CASES = {
    "computer_behind_instructions": computer_behind_instructions,
    "doodle_behind_about": doodle_behind_about,
}

if __name__ == "__main__":
    session.run(CASES, timeout=60)
