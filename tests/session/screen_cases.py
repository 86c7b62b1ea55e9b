"""The window on screens it does not expect: a remembered size and place no screen can show, and
screens scaled down and up. Each time the whole board shows, with its pieces, on the screen."""

import base64
import collections
import re
import struct
import subprocess
import time

import session
from session import fail, wait_for

INT_MAX = 2**31 - 1
P1, P2 = "ff00ff", "808000"  # the two sides' pieces on the light board


def geometry_setting(left, top, right, bottom):
    """A window's size and place as Qt keeps them (version 3), the frame, the normal geometry
    and the geometry all the rectangle given, in Base64."""
    rect = (left, top, right, bottom)
    saved = struct.pack(">IHH4i4iiBBi4i", 0x1D9D0CB, 3, 0, *rect, *rect, 0, 0, 0, 800, *rect)
    return base64.b64encode(saved).decode()


def on_screen(game, rect):
    width, height = map(int, game.screen.split("x"))
    x, y, w, h = rect
    return x >= 0 and y >= 0 and x + w <= width and y + h <= height


def colours(game):
    """How many pixels of each colour the game's window shows (xwd's 24- or 32-bit image)."""
    image = subprocess.run(["xwd", "-silent", "-id", game.window], env=game.env,
                           capture_output=True, timeout=10).stdout
    header = struct.unpack(">25I", image[:100])
    start, width, height = header[0] + header[19] * 12, header[4], header[5]
    per_line, per_pixel = header[12], header[11] // 8
    counted = collections.Counter()
    for y in range(height):
        line = image[start + y * per_line:start + y * per_line + width * per_pixel]
        counted.update(line[i:i + 3][::-1].hex() for i in range(0, len(line), per_pixel))
    return counted


def whole_board(game, label):
    """Level 1 shows both sides' pieces, two rows each, alike: a side cut off shows less."""
    game.key("alt+s", "1")
    game.wait_title("Trevallion Level 1")
    time.sleep(0.5)
    rect = game.window_geometry()
    seen = colours(game)
    print(f"FIGURES {label}: window {rect[2]}x{rect[3]} at {rect[0]},{rect[1]}, Player 1's "
          f"pieces {seen[P1]} pixels, Player 2's {seen[P2]}", flush=True)
    if not on_screen(game, rect):
        fail(f"the window {rect} is not on the {game.screen} screen")
    if min(seen[P1], seen[P2]) < 100 or not 0.8 < seen[P1] / seen[P2] < 1.25:
        fail("the board does not show both sides' pieces alike")


def remembered(name, rect):
    def play(build):
        setting = geometry_setting(*rect)
        with session.Session(build, settings=[("WindowGeometry", setting)]) as game:
            game.start_game()
            whole_board(game, f"remembered {name}")
            game.key("ctrl+q")
            wait_for("the game's end", lambda: game.game.poll() is not None, 10)
            with open(f"{game.home}/.config/QMV/Trevallion.conf") as file:
                kept = re.search(r"^WindowGeometry=\"?([^\"\n]*)", file.read(), re.M)
            left, top, right, bottom = struct.unpack(">4i", base64.b64decode(kept[1])[8:24])
            print(f"stored back: {left},{top} to {right},{bottom}", flush=True)
            if not on_screen(game, (left, top, right - left + 1, bottom - top + 1)):
                fail("a size and place no screen can show was stored back")
    return play


def scaled(factor, screen):
    def play(build):
        with session.Session(build, screen=screen) as game:
            game.env["QT_SCALE_FACTOR"] = str(factor)
            game.start_game()
            whole_board(game, f"QT_SCALE_FACTOR={factor} on {screen}")
    return play


CASES = {
    "remembered_huge": remembered("10^9 pixels", (0, 0, 10**9, 10**9)),
    "remembered_at_the_limits": remembered("at the integer limits",
                                           (INT_MAX - 400, INT_MAX - 400, INT_MAX, INT_MAX)),
    "scaled_half": scaled(0.5, "800x600"),
    "scaled_three": scaled(3, "1280x1024"),
}

if __name__ == "__main__":
    session.run(CASES, timeout=80)
