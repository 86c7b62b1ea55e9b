"""What a blind player hears: the screen reader Orca runs on the case's desktop and speaks through
a speech server whose one voice writes each utterance, with its time, to a file. Each case plays
from the keyboard and checks what is said. How soon each utterance followed its cause is printed
as a figure, marked where it took longer than GOAL_MS, and never fails a case: a loaded machine
is slower, and speed is measured, not asserted."""

import json
import os
import re
import shutil
import time

import session
from session import fail, wait_for

GOAL_MS = 300
GERMAN = {"LANG": "de_DE.UTF-8", "LANGUAGE": "de"}
KING1, KING2, CROSS1, HBAR2, VBAR2, WALL = 2, 15, 7, 22, 23, 1
# Player 1's cross at column 1, row 2 takes Player 2's bar above it, and Player 2's other bar,
# which has no other step, takes it back.
REPLY = {(0, 1): CROSS1, (0, 0): VBAR2, (1, 0): HBAR2, (2, 0): WALL, (4, 5): CROSS1,
         (6, 6): KING1, (6, 0): KING2}
# Player 2's bar is walled in: once Player 1's cross has stepped up, Player 2 cannot move, and
# after that turn the cross takes Player 2's king.
BLOCKED = {(0, 2): CROSS1, (0, 0): KING2, (5, 5): VBAR2, (5, 4): WALL, (5, 6): WALL,
           (6, 6): KING1}
HINT = {"en": re.compile(r"hint: column \d, row \d to column \d, row \d"),
        "de": re.compile(r"Tipp: Spalte \d, Zeile \d nach Spalte \d, Zeile \d")}
WORDS = {
    "en": {
        "menu": "Start menu",
        "replying cell": "column 2, row 1:",
        "selected": "column 1, row 2 selected, can move to column 1, row 1 or column 2, row 2 or "
                    "column 1, row 3",
        "takes": "Player 1 moves from column 1, row 2 to column 1, row 1 and takes Player 2 piece, "
                 "arms up, down",
        "taken back": "Player 2 moves from column 2, row 1 to column 1, row 1 and takes Player 1 "
                      "piece, arms up, right, down, left",
        "steps": "Player 1 moves from column 1, row 3 to column 1, row 2",
        "takes king": "Player 1 moves from column 1, row 2 to column 1, row 1 and takes Player 2 "
                      "king"},
    "de": {
        "menu": "Menü Start",
        "replying cell": "Spalte 2, Zeile 1:",
        "selected": "Spalte 1, Zeile 2 ausgewählt, kann ziehen nach Spalte 1, Zeile 1 oder Spalte "
                    "2, Zeile 2 oder Spalte 1, Zeile 3",
        "takes": "Spieler 1 zieht von Spalte 1, Zeile 2 nach Spalte 1, Zeile 1 und schlägt Stein "
                 "von Spieler 2, Arme oben, unten",
        "taken back": "Spieler 2 zieht von Spalte 2, Zeile 1 nach Spalte 1, Zeile 1 und schlägt "
                      "Stein von Spieler 1, Arme oben, rechts, unten, links",
        "steps": "Spieler 1 zieht von Spalte 1, Zeile 3 nach Spalte 1, Zeile 2",
        "takes king": "Spieler 1 zieht von Spalte 1, Zeile 2 nach Spalte 1, Zeile 1 und schlägt "
                      "König von Spieler 2"},
}


class Listener:
    """Orca and its speech server, started on the case's desktop before the game."""

    def __init__(self, game):
        if not (shutil.which("orca") and shutil.which("speech-dispatcher")):
            raise session.Skip("missing: orca or speech-dispatcher")
        self.game, self.said, self.offset = game, os.path.join(game.folder, "said"), 0
        speech = os.path.join(game.home, ".config/speech-dispatcher")
        os.makedirs(os.path.join(speech, "modules"))
        with open(os.path.join(speech, "speechd.conf"), "w") as conf:
            conf.write('AddModule "file" "sd_generic" "file.conf"\nDefaultModule file\n')
        with open(os.path.join(speech, "modules/file.conf"), "w") as conf:
            conf.write(f'GenericExecuteSynth "echo $(date +%s%N) \\\'$DATA\\\' >> {self.said}"\n'
                       'AddVoice "en" "MALE1" "any"\nGenericLanguage "en" "en" "utf-8"\n')
        socket = os.path.join(game.env["XDG_RUNTIME_DIR"], "speech-dispatcher/speechd.sock")
        game._spawn(["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir",
                     speech, "--socket-path", socket])
        wait_for("the speech server", lambda: os.path.exists(socket), 10)
        orca = os.path.join(game.home, ".local/share/orca")
        os.makedirs(orca)
        with open(os.path.join(orca, "user-settings.conf"), "w") as conf:
            general = {"enableTutorialMessages": False, "enableKeyEcho": False,
                       "enableSound": False, "enableBraille": False}
            json.dump({"general": general, "pronunciations": {}, "keybindings": {},
                       "profiles": {"default": {"profile": ["Default", "default"]}}}, conf)
        game._spawn(["orca", "--user-prefs", orca])
        wait_for("Orca's first words (or is another Orca running?)", self.utterances, 30)
        self.offset = time.time() - time.monotonic()

    def utterances(self):
        """Each utterance so far: the monotonic time it was spoken, and its text."""
        if not os.path.exists(self.said):
            return []
        with open(self.said) as said:
            lines = [line.rstrip("\n").partition(" ") for line in said]
        return [(int(stamp) / 1e9 - self.offset, text) for stamp, _, text in lines]

    def quiet(self, seconds=0.7):
        """Waits until Orca has said nothing for a while: it has read what it found."""
        wait_for("Orca quiet", lambda: time.monotonic() - max(
            [at for at, _ in self.utterances()], default=0) > seconds, 20)

    def heard(self, words, cause):
        """Waits for `words` (a text, or a pattern) to be spoken after cause, alone or with what
        else the same input said. Orca speaks an ellipsis as three dots."""
        pattern = words if isinstance(words, re.Pattern) else re.compile(
            re.escape(words.replace("\u2026", "...")))
        try:
            said = wait_for(f'"{words}" spoken', lambda: [
                (at, text) for at, text in self.utterances()
                if at >= cause and pattern.search(text)], 10, step=0.01)[0]
        except AssertionError as error:
            fail(f"{error}; spoken since: {[text for at, text in self.utterances() if at >= cause]}")
        delay = (said[0] - cause) * 1000
        late = f" (over {GOAL_MS} ms)" if delay > GOAL_MS else ""
        print(f"FIGURES spoken {delay:4.0f} ms{late}: {said[1]}", flush=True)


def status_line(game):
    """The status line's text, as a screen reader reads it from the line."""
    if not hasattr(game, "status_label"):
        game.status_label = next(
            node for node in session.walk(game.accessible_game())
            if node.getRoleName() == "label" and node.parent.getRoleName() == "status bar")
    return game.status_label.name


def changed(probe, before):
    """The time probe is seen to answer other than `before`, and its answer."""
    now = wait_for("a change", lambda: probe() != before and probe(), 10, step=0.005)
    return time.monotonic(), now


def reply(game, listener, words):
    listener.heard(HINT[game.language], game.key("Down", "h"))
    listener.heard(words["selected"], game.key("space"))
    status = status_line(game)
    cell = next(node for node in session.walk(game.accessible_game())
                if (node.name or "").startswith(words["replying cell"]))
    sent = game.key("Up", "space")
    listener.heard(words["takes"], sent)
    listener.heard(changed(lambda: status_line(game), status)[1], sent)
    moved, _ = changed(lambda: cell.name, cell.name)
    listener.heard(words["taken back"], moved)
    listener.heard(status_line(game), moved)
    # A level started from a menu: its title, and who is to move, though the line reads as before.
    listener.heard(words["menu"], game.chord("alt", "s"))
    sent = game.key("1")
    listener.heard("Trevallion Level 1", sent)
    listener.heard(status_line(game), sent)


def blocked_then_win(game, listener, words):
    status = status_line(game)
    sent = game.key("Down", "Down", "space", "Up", "space")
    listener.heard(words["steps"], sent)
    blocked = changed(lambda: status_line(game), status)[1]
    listener.heard(blocked, sent)
    passed, status = changed(lambda: status_line(game), blocked)
    listener.heard(status, passed)
    sent = game.key("space", "Up", "space")
    listener.heard(words["takes king"], sent)
    listener.heard(changed(lambda: status_line(game), status)[1], sent)


def case(moves, language, position):
    def play(build):
        with session.Session(build, settings=[("ShowMoves", 1), ("PlayerTwo", 1)]) as game:
            listener = Listener(game)
            game.language = language
            game.env.update(GERMAN if language == "de" else {})
            path = os.path.join(game.home, "position.tvx")
            session.saved_game(path, position, players=(0, 1))
            game.start_game(arguments=[path])
            listener.quiet()
            moves(game, listener, WORDS[language])
    return play


CASES = {}
for language in WORDS:
    CASES[f"orca_reply_{language}"] = case(reply, language, REPLY)
    CASES[f"orca_blocked_win_{language}"] = case(blocked_then_win, language, BLOCKED)

if __name__ == "__main__":
    session.run(CASES, timeout=100)
