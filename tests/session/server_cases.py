"""The sound server as a desktop runs it: one that starts after the game, or starts again, is
heard from the next sound on, and the game's stream names the game to the volume mixer."""

import subprocess
import time

import session
from session import fail, wait_for
from sound_cases import AMBIENT, check, listen

NAMES = {"application.name": "Trevallion", "application.id": "org.trevallion.Trevallion",
         "application.icon_name": "org.trevallion.Trevallion", "media.role": "game"}


def level_sound(game, key):
    game.recorder.wait_silence()
    return listen(game, game.key("alt+s", key), AMBIENT)


def late_server(build):
    """Started before the server; then the server is stopped and started again."""
    with session.Session(build, sound_server=False) as game:
        game.start_game()
        game.key("alt+s", "1")  # nobody to hear it
        time.sleep(1)
        heard = []
        for key in ("5", "0"):
            game.start_sound_server()
            heard.append(level_sound(game, key))
            game.stop_sound_server()
        onsets, names = zip(*heard)
        check("a sound server that comes late, and again", list(onsets), list(names),
              [AMBIENT[1], AMBIENT[2]])


def stream_names(build):
    with session.Session(build) as game:
        game.start_game()
        level_sound(game, "1")
        listed = subprocess.run(["pactl", "list", "sink-inputs"], env=game.env,
                                capture_output=True, text=True, timeout=10).stdout
        found = {name: value for name, value in
                 (line.strip().split(" = ", 1) for line in listed.splitlines() if " = " in line)}
        print(f"the stream's properties: {found}", flush=True)
        wrong = [name for name, value in NAMES.items() if found.get(name) != f'"{value}"']
        if wrong:
            fail(f"the stream does not carry {wrong}")


CASES = {"late_server": late_server, "stream_names": stream_names}

if __name__ == "__main__":
    session.run(CASES, timeout=80)
