"""Every sound effect is heard, and starts soon enough after what caused it to feel part of it."""

import itertools
import os
import time

import session
from session import fail, wait_for

# The level commands by their mnemonics in the Start menu, used in turn.
LEVEL_KEYS = ["1", "5", "0", "2", "4"]
AMBIENT = ["ambient1", "ambient2", "ambient3"]

# Positions for the capture and the ends of a level: Player 1's upright cross at column 4, row 5
# (x 3, y 4) faces, one step up, a Player 2 piece or Player 2's king.
P1_KING, P2_KING, P1_CROSS, P2_BAR = 2, 15, 7, 23
CAPTURE = {(0, 6): P1_KING, (0, 0): P2_KING, (3, 4): P1_CROSS, (3, 3): P2_BAR, (6, 0): P2_BAR}
WIN = {(0, 6): P1_KING, (3, 3): P2_KING, (3, 4): P1_CROSS, (6, 0): P2_BAR}
# Player 2's vertical bar can only step down, onto Player 1's king: AI Easy has one move.
LOSS = {(3, 3): P1_KING, (0, 0): P2_KING, (6, 6): P1_CROSS, (3, 2): P2_BAR, (3, 1): 1}


def check(label, onsets, heard, expected):
    session.report_onsets(label, onsets)
    problems = [f"command {i + 1} silent" for i, onset in enumerate(onsets) if onset is None]
    problems += [f"command {i + 1} played {got or 'an unknown sound'}, not {want}"
                 for i, (got, want) in enumerate(zip(heard, expected))
                 if onsets[i] is not None and got != want]
    if problems:
        fail(f"{label}: " + "; ".join(problems))


def listen(game, sent, candidates, quiet_since=None):
    """The onset from `sent`, and the sound heard first after `quiet_since` (by default `sent`):
    a move seen through the accessibility bus may be seen after its sound has begun. The onset is
    when the sound began: a sound that opens softly is first heard as far into it as its file
    holds nothing loud enough to hear."""
    audible = game.recorder.onset(sent)
    if audible is None:
        return None, None
    start = sent if quiet_since is None else quiet_since
    heard, clipped = session.which_sound(game.build, game.recorder.heard(start, 0.1), candidates)
    if not heard:
        print(f"heard none of {', '.join(candidates)}, after {audible:.0f} ms", flush=True)
        return audible, None
    onset = audible - session.lead_in_ms(game.build, heard)
    print(f"heard {heard}, its first {clipped} ms missing, begun after {onset:.0f} ms (first "
          f"heard after {audible:.0f} ms)", flush=True)
    return onset, heard


def level_commands(count):
    def play(build):
        with session.Session(build) as game:
            game.start_game()
            onsets, heard = [], []
            for key in itertools.islice(itertools.cycle(LEVEL_KEYS), count):
                game.recorder.wait_silence()
                onset, name = listen(game, game.key("alt+s", key), AMBIENT)
                onsets.append(onset)
                heard.append(name)
            expected = [AMBIENT[i % 3] for i in range(count)]
            check(f"{count} level commands", onsets, heard, expected)
    return play


def startup(build):
    """Timed from the window's showing, even if the window takes a while to get the focus (the
    sound may be over by then); the time from the program's launch is shown too, but that holds
    the toolkit's own start-up. A sound that began before the window showed counts as 0 ms."""
    with session.Session(build) as game:
        launched = time.monotonic()
        game.start_game()
        from_launch, name = listen(game, launched, ["startup"])
        session.report_onsets("start-up sound from the launch", [from_launch])
        from_shown = None if from_launch is None else max(
            0.0, (launched - game.shown) * 1000.0 + from_launch)
        check("start-up sound from the window's showing", [from_shown], [name], ["startup"])


def dialog_sound(keys, effect, closing_stops):
    def play(build):
        with session.Session(build) as game:
            game.start_game()
            game.recorder.wait_silence()
            onset, name = listen(game, game.key(*keys), [effect])
            check(f"{effect} sound", [onset], [name], [effect])
            game.key("Escape")
            if closing_stops:
                game.recorder.wait_silence(quiet=0.1, timeout=0.5)
    return play


def from_saved_game(board, players, effect, candidates, move, ends_level):
    def play(build):
        with session.Session(build) as game:
            game.start_game()
            path = os.path.join(game.home, "position.tvx")
            session.saved_game(path, board, side=2 if players[1] else 1, players=players)
            game.load_game(path)
            game.wait_title("Trevallion Level 3")
            game.recorder.wait_silence()
            quiet_since = time.monotonic()
            onset, name = listen(game, move(game), candidates, quiet_since)
            check(f"{effect} sound", [onset], [name], [effect])
            if ends_level:
                game.wait_title("Level Complete", 5)
    return play


def human_captures(game):
    cells = game.cells()
    game.click_cell(cells[(4, 5)])
    return game.click_cell(cells[(4, 4)])


def computer_captures_king(game):
    """The time the computer's piece is seen on Player 1's king's cell."""
    king = game.cells()[(4, 4)]
    wait_for("the computer's move", lambda: "Player 2 piece" in king.name, 10, step=0.005)
    return time.monotonic()


CASES = {
    "startup": startup,
    "level_phrases": level_commands(3),
    "level_commands_20": level_commands(20),
    "about": dialog_sound(["alt+h", "a"], "qmv", closing_stops=False),
    "instructions": dialog_sound(["F1"], "instructions", closing_stops=True),
    "capture": from_saved_game(CAPTURE, (0, 0), "capture1",
                               [f"capture{i}" for i in range(1, 7)], human_captures, False),
    "win": from_saved_game(WIN, (0, 0), "win1", ["win1", "win2", "win3"], human_captures, True),
    "loss": from_saved_game(LOSS, (0, 1), "lose1", ["lose1", "lose2"],
                            computer_captures_king, True),
}

if __name__ == "__main__":
    session.run(CASES, timeout=150)
