"""What the window shows agrees with what it does, whatever the desktop says: the board's colours
as chosen on a dark desktop, Animate Moves under reduced motion, a refusal box in German, and the
keyboard after the Statistics box has reset."""

import os

import session
from session import fail, wait_for

APPEARANCE = "org.freedesktop.appearance"
GNOME = "org.gnome.desktop.interface"


def menu_item(game, name):
    return next(node for node in session.walk(game.accessible_game())
                if node.getRoleName() == "menu item" and node.name == name)


def item_states(game, name):
    """Whether the menu item is checked, and whether it can be chosen."""
    import pyatspi
    state = menu_item(game, name).getState()
    return state.contains(pyatspi.STATE_CHECKED), state.contains(pyatspi.STATE_ENABLED)


def labels(game):
    return [node.name for node in session.walk(game.accessible_game())
            if node.getRoleName() == "label"]


def board_dark(game, dark, why):
    board = game.board_area()
    wait_for(f"the board {'dark' if dark else 'light'} {why}",
             lambda: (game.grey(board) < 128) == dark, 5, step=0.05)


def light_board_on_dark_desktop(build):
    with session.Session(build) as game:
        change = game.start_portal((APPEARANCE, "color-scheme", "u:1"))
        game.start_game()
        game.key("alt+s", "1")
        game.wait_title("Trevallion Level 1")
        board_dark(game, True, "on the dark desktop")
        game.key("alt+o", "b", "l")  # Options, Board Colours, Light
        board_dark(game, False, "chosen light")
        change(APPEARANCE, "color-scheme", "u:0")
        change(APPEARANCE, "color-scheme", "u:1")
        board_dark(game, False, "still, after the desktop changed")
        if item_states(game, "Light") != (True, True) or item_states(game, "As the Desktop")[0]:
            fail("the menu does not show Light as the choice")
        game.key("alt+o", "b", "a")  # As the Desktop
        board_dark(game, True, "following the desktop again")
        if not item_states(game, "As the Desktop")[0] or item_states(game, "Light")[0]:
            fail("the menu does not show As the Desktop as the choice")


def reduced_motion_menu(build):
    with session.Session(build) as game:
        change = game.start_portal((GNOME, "enable-animations", "b:false"))
        game.start_game()
        wait_for("Animate Moves unchecked and unavailable",
                 lambda: item_states(game, "Animate Moves") == (False, False), 5)
        change(GNOME, "enable-animations", "b:true")
        wait_for("Animate Moves checked and available again",
                 lambda: item_states(game, "Animate Moves") == (True, True), 5)


def german_load_refusal(build):
    with session.Session(build, settings=[("PlayerOne", 0), ("PlayerTwo", 1)]) as game:
        game.env.update({"LANG": "de_DE.UTF-8", "LANGUAGE": "de"})
        path = os.path.join(game.home, "zwei.tvx")
        session.saved_game(path, {(0, 0): 15, (6, 6): 2, (3, 3): 7}, players=(2, 0))
        game.start_game()
        game.load_game(path)
        refusal = "Spieler 2 muss zuerst\nauf Mensch stehen."
        wait_for("the German refusal", lambda: refusal in labels(game), 10)


def keys_after_statistics_reset(build):
    with session.Session(build) as game:
        folder = os.path.join(game.home, ".local/share/trevallion")
        os.makedirs(folder)
        with open(os.path.join(folder, "statistics"), "w") as file:
            file.write("trevallion-statistics 2\n1 humans 1 0 0\n")
        game.start_game()
        main = game.title()
        game.key("alt+h", "s")
        game.wait_title("Statistics")
        game.key("alt+r")
        question = "Forget the results of every level played?"
        wait_for("the question", lambda: question in labels(game), 5)
        game.key("alt+y")
        wait_for("the boxes gone", lambda: question not in labels(game), 5)
        game.wait_title(main, 5)
        game.key("alt+s", "1")
        game.wait_title("Trevallion Level 1", 5)


CASES = {"light_board_on_dark_desktop": light_board_on_dark_desktop,
         "reduced_motion_menu": reduced_motion_menu,
         "german_load_refusal": german_load_refusal,
         "keys_after_statistics_reset": keys_after_statistics_reset}

if __name__ == "__main__":
    session.run(CASES, timeout=60)
