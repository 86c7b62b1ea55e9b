"""The game in the desktop's language: started with German asked for, it shows German menus,
German message boxes and the German manual, as a screen reader finds them."""

import os

import session
from session import fail, wait_for

GERMAN = {"LANG": "de_DE.UTF-8", "LANGUAGE": "de"}
MENUS = {
    "Start": ["Spiel laden", "Spiel fortsetzen", "Spiel speichern", "Partie exportieren\u2026",
              "Partie importieren\u2026", "Zug zurücknehmen", "Zug wiederholen",
              "Level 1", "Level 5", "Level 10", "Level 20", "Level 40", "Level auswählen\u2026",
              "Level neu starten", "Life-Doodle", "Beenden"],
    "Spieler 1": ["Mensch", "KI leicht", "KI mittel", "KI schwer", "KI Experte"],
    "Spieler 2": ["Mensch", "KI leicht", "KI mittel", "KI schwer", "KI Experte"],
    "Optionen": ["Ton an", "Ton aus", "Züge zeigen", "Brettfarben", "Hoher Kontrast",
                 "Züge animieren", "Statuszeile", "Remis bei Wiederholung", "Zugliste"],
    "Brettfarben": ["Hell", "Dunkel", "Wie der Desktop"],
    "Hilfe": ["Tipp", "Anleitung", "Statistik\u2026", "Partie prüfen", "Über Trevallion"],
}


def names(game, role):
    return [node.name for node in session.walk(game.accessible_game())
            if node.getRoleName() == role]


def german(build):
    with session.Session(build) as game:
        game.env.update(GERMAN)
        game.start_game()
        found = game.menus()
        if found != MENUS:
            fail(f"the menus read {found}")

        # Save Game before any level is refused, in German, with Qt's own button in German.
        game.key("ctrl+s")
        refusal = "Sie müssen ein Spiel beginnen,\nbevor Sie speichern."
        wait_for("the German refusal to save", lambda: refusal in names(game, "label"), 10)
        buttons = [name for name in names(game, "push button") if not name.startswith("Spalte")]
        print(f"the box says {refusal!r} with the buttons {buttons}")
        game.key("Return")
        wait_for("the box gone", lambda: refusal not in names(game, "label"), 10)

        game.key("F1")
        game.wait_title("Anleitung", 10)
        buttons = names(game, "push button")
        if not {"Einführung", "Bedienung", "Spielablauf", "Weitere Infos"} <= set(buttons):
            fail(f"the Instructions window's buttons read {buttons}")

        def manual():
            for node in session.walk(game.accessible_game()):
                if node.getRoleName() == "text":
                    text = node.queryText()
                    return text.getText(0, text.characterCount)
            return None
        text = wait_for("the manual's text", manual, 10)
        if "EINFÜHRUNG" not in text or "INTRODUCTION" in text:
            fail(f"the manual is not the German one: {text[:200]!r}")
        print(f"the manual begins {text[:60]!r}")


def german_warnings(build):
    """What the game says on standard error before its window opens is German too; a HOME that
    is no full path is told in one line, and nothing lands in the current folder in its name."""
    with session.Session(build) as game:
        game.env.update(GERMAN, HOME="relative-home")
        for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME"):
            del game.env[name]
        game.start_game()
        game.key("alt+s", "1")
        game.wait_title("Trevallion Level 1")
        said = game.log("trevallion").splitlines()
        print(f"the game said {said}", flush=True)
        if said != ["trevallion: HOME ist kein vollständiger Pfad; die Einstellungen, das "
                    "laufende Spiel und die Statistik werden nicht aufbewahrt."]:
            fail("the game did not say it in one German line")
        if os.path.exists(os.path.join(build, "relative-home")):
            fail("something was written under the relative HOME")


CASES = {"german": german, "german_warnings": german_warnings}

if __name__ == "__main__":
    session.run(CASES, timeout=80)
