"""An installed game whose files were damaged: it still starts, says what it left out, and
plays without it."""

import glob
import os
import shutil
import time

import session
from session import fail, wait_for
from lang_cases import GERMAN


def copy_of_install(game):
    """The program and its data laid out as an install lays them out, in the case's folder."""
    root = os.path.join(game.folder, "usr")
    data = os.path.join(root, "share/trevallion")
    os.makedirs(os.path.join(root, "bin"))
    shutil.copy(os.path.join(game.build, "src/shell/trevallion"), os.path.join(root, "bin"))
    shutil.copytree(os.path.join(game.build, "sounds"), os.path.join(data, "sounds"))
    os.makedirs(os.path.join(data, "translations"))
    for pattern, folder in (("Instructions*.rtf", ""), ("translations/*.qm", "translations")):
        for file in glob.glob(os.path.join(game.build, pattern)):
            shutil.copy(file, os.path.join(data, folder))
    return os.path.join(root, "bin/trevallion"), data


def damaged_translation(build):
    """Eight bytes changed in the middle of the German translation."""
    with session.Session(build) as game:
        program, data = copy_of_install(game)
        translation = os.path.join(data, "translations/trevallion_de.qm")
        with open(translation, "r+b") as file:
            file.seek(os.path.getsize(translation) // 2)
            file.write(b"\xa5" * 8)
        game.env.update(GERMAN)
        game.start_game(program=program)
        menus = list(game.menus())
        time.sleep(1)
        said = game.log("trevallion").splitlines()
        print(f"the menus read {menus}; the game said {said}", flush=True)
        if game.game.poll() is not None or menus[:1] != ["Start"]:
            fail("the game did not run on in English")
        if len(said) != 1 or translation not in said[0]:
            fail("the game did not say once which translation it left out")


CASES = {"damaged_translation": damaged_translation}

if __name__ == "__main__":
    session.run(CASES, timeout=60)
