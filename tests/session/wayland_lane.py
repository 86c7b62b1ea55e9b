"""The Wayland lane: the same cases on sway's headless backend instead of Xvfb and openbox.

Every window floats, without borders, so that a case can size it as on X11. Keys go in through
wtype's virtual keyboard; clicks through a virtual pointer of the case's own, and the windows'
titles, places and sizes come from sway's tree. sway refuses to run as root, so there it runs as
nobody, in a runtime folder of its own that root's clients reach all the same."""

import glob
import json
import os
import re
import socket
import struct
import subprocess
import time

import session
from session import Skip, fail, wait_for

APP_ID = "org.trevallion.Trevallion"
NOBODY = 65534
CONFIG = """xwayland disable
output HEADLESS-1 resolution {screen}
default_border none
default_floating_border none
for_window [app_id=".*"] floating enable
"""
MODIFIERS = {"alt": "alt", "ctrl": "ctrl", "shift": "shift", "super": "logo"}
BUTTON_LEFT = 0x110  # the kernel's code of the left button


def wire_string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + bytes(-len(data) % 4)


class VirtualPointer:
    """A mouse of the case's own, through wlroots' virtual pointer protocol, spoken over the
    compositor's socket as it is (Debian has no tool for it)."""

    def __init__(self, path, width, height):
        self.extent = (width, height)
        self.socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.socket.connect(path)
        self._send(1, 1, struct.pack("<I", 2))  # wl_display.get_registry: the registry is 2
        found = {}
        for sender, opcode, body in self._roundtrip(3):
            if sender == 2 and opcode == 0:  # wl_registry.global: name, interface, version
                length, = struct.unpack_from("<I", body, 4)
                found[body[8:7 + length].decode()] = struct.unpack_from("<I", body)[0]
        interface = "zwlr_virtual_pointer_manager_v1"
        if interface not in found:
            raise Skip(f"the compositor offers no {interface}")
        self._send(2, 0, struct.pack("<I", found[interface]) + wire_string(interface) +
                   struct.pack("<II", 1, 4))  # wl_registry.bind: the manager is 4
        self._send(4, 0, struct.pack("<II", 0, 5))  # create_virtual_pointer on any seat: 5
        list(self._roundtrip(6))

    def _send(self, target, opcode, body):
        self.socket.sendall(struct.pack("<IHH", target, opcode, 8 + len(body)) + body)

    def _roundtrip(self, callback):
        """The events that come before the compositor answers a wl_display.sync."""
        self._send(1, 0, struct.pack("<I", callback))
        pending = b""
        while True:
            while len(pending) < 8 or len(pending) < struct.unpack_from("<IHH", pending)[2]:
                chunk = self.socket.recv(65536)
                if not chunk:
                    fail("the compositor closed the virtual pointer's connection")
                pending += chunk
            sender, opcode, size = struct.unpack_from("<IHH", pending)
            body, pending = pending[8:size], pending[size:]
            if sender == 1 and opcode == 0:  # wl_display.error
                fail(f"the compositor refused the virtual pointer: {body[12:]!r}")
            if sender == callback:
                return
            yield sender, opcode, body

    def click(self, x, y):
        """Moves there and clicks; answers the time the button went down."""
        stamp = int(time.monotonic() * 1000) & 0xFFFFFFFF
        self._send(5, 1, struct.pack("<IIIII", stamp, x, y, *self.extent))  # motion_absolute
        self._send(5, 4, b"")  # frame
        time.sleep(0.1)
        sent = time.monotonic()
        for state in (1, 0):  # pressed, released
            self._send(5, 2, struct.pack("<III", stamp, BUTTON_LEFT, state))
            self._send(5, 4, b"")
        return sent


class WaylandSession(session.Session):
    TOOLS = ("sway", "swaymsg", "wtype", "grim")

    def _start_display(self):
        pass  # the compositor is the window manager too: it starts in its place

    def _start_window_manager(self):
        folder = os.path.join(self.folder, "sway")
        os.makedirs(folder, mode=0o700)
        with open(os.path.join(folder, "config"), "w") as config:
            config.write(CONFIG.format(screen=self.screen))
        command = ["sway", "--config", os.path.join(folder, "config")]
        if os.getuid() == 0:
            os.chmod(self.folder, 0o711)  # nobody passes through to its own folder, no further
            os.chown(folder, NOBODY, NOBODY)
            command = ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups",
                       "--pdeathsig=KILL", *command]
        self._spawn(command, env={**self.env, "XDG_RUNTIME_DIR": folder,
                                  "WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1",
                                  "WLR_RENDERER": "pixman"})
        display = os.path.join(folder, "wayland-1")
        try:
            wait_for("sway's sockets", lambda: os.path.exists(display) and glob.glob(
                os.path.join(folder, "sway-ipc.*")), 10)
        except AssertionError as error:
            raise Skip(str(error))
        self.env["WAYLAND_DISPLAY"] = display
        self.env.pop("DISPLAY", None)
        self.swaysock = glob.glob(os.path.join(folder, "sway-ipc.*"))[0]
        self.pointer = VirtualPointer(display, *map(int, self.screen.split("x")))
        # A keyboard that stays, as a player's does, for an hour (longer than any case): each
        # wtype below brings one of its own, and the window would lose its focus with it.
        self._spawn(["wtype", "-s", str(3600 * 1000)])

    # --- The compositor's view of the windows ---------------------------------------------

    def swaymsg(self, *arguments):
        return subprocess.run(["swaymsg", "--socket", self.swaysock, *arguments],
                              env=self.env, capture_output=True, text=True, timeout=10).stdout

    def _windows(self):
        def walk(node):
            if node.get("pid"):
                yield node
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                yield from walk(child)
        return list(walk(json.loads(self.swaymsg("--raw", "--type", "get_tree"))))

    def _window(self, window=None):
        for node in self._windows():
            if node["id"] == int(window or self.window):
                return node
        fail(f"no window {window or self.window}")

    def find_window(self, name):
        found = [node for node in self._windows()
                 if node.get("app_id") == APP_ID and re.search(name, node.get("name") or "")]
        return str(found[0]["id"]) if found else None

    def title(self):
        return next((node.get("name") or "" for node in self._windows() if node["focused"]), "")

    def _activate(self):
        if self.title().startswith("Trevallion"):
            return True
        self.swaymsg(f"[con_id={self.window}]", "focus")
        return False

    def window_size(self):
        rect = self._window()["rect"]
        return rect["width"], rect["height"]

    def resize_window(self, width, height):
        self.swaymsg(f"[con_id={self.window}]", "resize", "set", "width", f"{width} px",
                     "height", f"{height} px")

    # --- The player's hands ----------------------------------------------------------------

    def key(self, *keys):
        """As on X11: the keys one after the other, 400 ms apart, from one wtype."""
        command = ["wtype"]
        for index, key in enumerate(keys):
            if index:
                command += ["-s", "400"]  # a menu opens
            *held, name = key.split("+")
            held = [MODIFIERS[modifier] for modifier in held]
            command += [word for modifier in held for word in ("-M", modifier)]
            command += ["-k", name]
            command += [word for modifier in reversed(held) for word in ("-m", modifier)]
        started = time.monotonic()
        subprocess.run(command, env=self.env, timeout=10, check=True)
        return started + 0.4 * (len(keys) - 1)

    def type_text(self, text):
        subprocess.run(["wtype", "-d", "15", text], env=self.env, timeout=30, check=True)

    def _click_at(self, x, y):
        return self.pointer.click(x, y)

    def on_screen(self, extents):
        """Qt on Wayland knows no place on the screen: its accessible places are the window's."""
        rect = self._window()["rect"]
        return rect["x"] + extents.x, rect["y"] + extents.y

    def screenshot(self):
        picture = subprocess.run(["grim", "-t", "ppm", "-"], env=self.env, capture_output=True,
                                 timeout=10).stdout
        header = picture.split(b"\n", 3)
        if header[0] != b"P6":
            fail("grim gave no picture")
        return int(header[1].split()[0]) * 3, header[3], 3
