"""Plays the built game as a player does, on a desktop of its own.

Each case gets a private X server with a window manager, a private D-Bus session with the
accessibility bus, a private PulseAudio server whose null sink is recorded, and a fresh home.
Keys and clicks go in through xdotool; what the player sees comes back through the window titles,
the accessibility tree and the screen, and what the player hears through the sink's monitor. On
the Wayland lane (TREVALLION_SESSION_LANE=wayland) a compositor takes the X server's and the
window manager's place, with hands and eyes of its own (wayland_lane.py). Every process
started here carries a marker in its environment and is killed when the case ends, however it
ends. A case whose tools cannot start exits with 77, which CTest reports as skipped."""

import array
import ctypes
import importlib.util
import os
import re
import shutil
import signal
import statistics
import struct
import subprocess
import sys
import tempfile
import threading
import time
import wave

SKIPPED = 77
RATE = 22050  # the rate of the game's sounds: the sink records them sample for sample
SILENCE = 60  # a sample this loud or louder is sound; the null sink is exactly 0 otherwise
ONSET_GOAL_MS = 150  # how soon a sound should start after its cause: reported, never asserted
MARKER = "TREVALLION_SESSION_CASE"
MAX_LAG = RATE // 20  # samples
# The desktop a case runs on: "x11", the default, or "wayland" (wayland_lane.py).
LANE = os.environ.get("TREVALLION_SESSION_LANE", "x11")


class Skip(Exception):
    """A tool the case needs is missing or cannot start."""


class Timeout(Exception):
    pass


def fail(message):
    raise AssertionError(message)


def wait_for(what, probe, timeout, step=0.05):
    """Polls probe until it answers something true; fails naming what did not happen."""
    end = time.monotonic() + timeout
    while True:
        answer = probe()
        if answer:
            return answer
        if time.monotonic() > end:
            fail(f"{what}: not within {timeout} s")
        time.sleep(step)


class Recorder:
    """Reads the null sink's monitor in small chunks, each stamped with its arrival time."""

    def __init__(self, env):
        self.chunks = []  # (arrival time, samples)
        self.lock = threading.Lock()
        self.process = subprocess.Popen(
            ["parec", "--device=session.monitor", "--raw", "--format=s16le", f"--rate={RATE}",
             "--channels=1", "--latency-msec=5", "--process-time-msec=2"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env, bufsize=0,
            preexec_fn=die_with_parent)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        pending = b""
        while True:
            data = os.read(self.process.stdout.fileno(), 882)
            if not data:
                return
            now = time.monotonic()
            pending += data
            whole = len(pending) - len(pending) % 2
            samples = array.array("h", pending[:whole])
            pending = pending[whole:]
            with self.lock:
                self.chunks.append((now, samples))

    def since(self, start):
        with self.lock:
            return [chunk for chunk in self.chunks if chunk[0] >= start]

    def wait_running(self):
        wait_for("the sink's monitor delivers audio", lambda: self.since(0), 10)

    def wait_silence(self, quiet=0.3, timeout=8.0):
        """Waits until the last `quiet` seconds held no sound."""
        def quiet_now():
            now = time.monotonic()
            recent = self.since(now - quiet)
            return recent and recent[0][0] < now - quiet * 0.7 and all(
                peak(samples) < SILENCE for _, samples in recent)
        wait_for("silence on the sink", quiet_now, timeout, step=0.02)

    def onset(self, cause, timeout=2.0):
        """Milliseconds from cause to the arrival of the first sound after it, or None."""
        end = cause + timeout
        while time.monotonic() < end:
            for arrived, samples in self.since(cause):
                if peak(samples) >= SILENCE:
                    return (arrived - cause) * 1000.0
            time.sleep(0.005)
        return None

    def heard(self, cause, seconds):
        """The samples recorded from the first sound after cause, for `seconds` (once they are
        all there, or two seconds have passed)."""
        end = time.monotonic() + seconds + 2
        while True:
            joined = array.array("h")
            for _, samples in self.since(cause):
                joined.extend(samples)
            start = first_sound(joined)
            if start is None:
                return joined[:0]
            if len(joined) - start >= seconds * RATE or time.monotonic() > end:
                return joined[start:start + int(seconds * RATE)]
            time.sleep(0.02)


def peak(samples):
    return max(map(abs, samples), default=0)


def first_sound(samples):
    return next((i for i, value in enumerate(samples) if abs(value) >= SILENCE), None)


def file_samples(build, name):
    with wave.open(os.path.join(build, "sounds", name + ".wav")) as file:
        return array.array("h", file.readframes(file.getnframes()))


def sound_file(build, name):
    samples = file_samples(build, name)
    return samples[first_sound(samples):]


def lead_in_ms(build, name):
    """How far into the sound file `name` its first sample loud enough to hear lies: the sound
    began that long before it was first heard."""
    return first_sound(file_samples(build, name)) * 1000.0 / RATE


def which_sound(build, heard, candidates):
    """The candidate file whose opening matches what was heard, and how many milliseconds of
    its start were missing; (None, None) when none matches. The audio server may drop the first
    few milliseconds of a stream, so the match is sought a little way into each file."""
    def distance(reference, lag, span, step):
        pairs = zip(heard[:span:step], reference[lag:lag + span:step])
        return sum(abs(a - b) for a, b in pairs) * step / span

    best = (None, None, float("inf"))
    for name in candidates:
        reference = sound_file(build, name)
        span = min(len(heard), len(reference) - MAX_LAG, 2000)
        if span < 200:
            continue
        lag = min(range(MAX_LAG), key=lambda lag: distance(reference, lag, 400, 4))
        score = distance(reference, lag, span, 1)
        if score < best[2]:
            best = (name, lag * 1000 // RATE, score)
    return best[:2] if best[2] < 300 else (None, None)


class Session:
    """One desktop, one audio server and one fresh home for one case. Made on the case's lane:
    a Session on the Wayland lane is a WaylandSession."""

    TOOLS = ("Xvfb", "openbox", "xdotool", "xprop")

    def __new__(cls, *_, **__):
        if cls is Session and LANE == "wayland":
            from wayland_lane import WaylandSession
            cls = WaylandSession
        return super().__new__(cls)

    def __init__(self, build, settings=None, screen="800x600", sound_server=True):
        self.build = build
        self.settings = settings
        self.screen = screen
        self.sound_server = sound_server  # False: the case starts it when it wants it
        self.processes = []
        self.game = None

    # --- Start-up -------------------------------------------------------------------------

    def __enter__(self):
        missing = [tool for tool in self.TOOLS + ("pulseaudio", "parec", "dbus-daemon")
                   if not shutil.which(tool)]
        if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
            missing.append("at-spi-bus-launcher")
        if not importlib.util.find_spec("pyatspi"):
            missing.append("pyatspi")
        if missing:
            raise Skip("missing: " + " ".join(missing))
        self.folder = tempfile.mkdtemp(prefix="trevallion-session-")
        try:
            self._start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _start(self):
        # Kills whatever carries this case's marker once the case is gone, even killed outright:
        # the servers' own children (the accessibility bus) outlive a direct kill of the servers.
        self.watchdog = subprocess.Popen([sys.executable, __file__, "--watch", self.folder],
                                         stdin=subprocess.PIPE, start_new_session=True)
        home = os.path.join(self.folder, "home")
        runtime = os.path.join(self.folder, "runtime")
        for path in (home, runtime):
            os.makedirs(path, mode=0o700)
        self.home = home
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home, MARKER: self.folder,
            "XDG_RUNTIME_DIR": runtime, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local/share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"), "LANG": "C.UTF-8",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
        if self.settings:
            os.makedirs(os.path.join(home, ".config/QMV"))
            with open(os.path.join(home, ".config/QMV/Trevallion.conf"), "w") as file:
                file.write("[Trevallion]\n" + "".join(f"{k}={v}\n" for k, v in self.settings))
        self._start_display()
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._read_from(
            ["dbus-daemon", "--session", "--nofork", "--print-address={fd}",
             "--address=unix:path=" + os.path.join(runtime, "bus")])
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self._start_window_manager()
        self.env["PULSE_SERVER"] = "unix:" + os.path.join(runtime, "pulse-native")
        if self.sound_server:
            try:
                self.start_sound_server()
            except AssertionError as error:
                raise Skip(str(error))
        os.environ.update(self.env)  # for the accessibility bindings, which read it on import

    def start_sound_server(self):
        """Starts the PulseAudio server and the recorder of its null sink."""
        socket = self.env["PULSE_SERVER"][len("unix:"):]
        self.pulseaudio = self._spawn(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
             "-L", f"module-null-sink sink_name=session rate={RATE} channels=1 format=s16le",
             "-L", f"module-native-protocol-unix socket={socket} auth-anonymous=1"])
        wait_for("PulseAudio's socket", lambda: os.path.exists(socket), 10)
        self.recorder = Recorder(self.env)
        self.processes.append(self.recorder.process)
        self.recorder.wait_running()

    def stop_sound_server(self):
        """Kills the server, as a crash would; the socket it leaves is cleared for the next."""
        for process in (self.recorder.process, self.pulseaudio):
            process.kill()
            process.wait()
        os.remove(self.env["PULSE_SERVER"][len("unix:"):])

    def _start_display(self):
        self.env["DISPLAY"] = ":" + self._read_from(
            ["Xvfb", "-displayfd", "{fd}", "-screen", "0", self.screen + "x24", "-nolisten", "tcp"])

    def _root_property(self, name):
        return subprocess.run(["xprop", "-root", name], env=self.env, capture_output=True,
                              text=True).stdout

    def _start_window_manager(self):
        """Starts openbox, again if it could not open the display at first, as happens now and
        then right after the X server has said it is ready."""
        for _ in range(5):
            manager = self._spawn(["openbox", "--sm-disable"])
            def state():
                if "window id" in self._root_property("_NET_SUPPORTING_WM_CHECK"):
                    return "ready"
                return "gone" if manager.poll() is not None else None
            if wait_for("openbox", state, 10) == "ready":
                return
            time.sleep(0.2)
        raise Skip("openbox cannot open the display")

    def _spawn(self, command, env=None, **options):
        log = open(os.path.join(self.folder, os.path.basename(command[0]) + ".log"), "ab")
        process = subprocess.Popen(command, env=env or self.env, stdout=log, stderr=log,
                                   preexec_fn=die_with_parent, **options)
        self.processes.append(process)
        return process

    def _read_from(self, command):
        """Starts a server that writes where it listens to a pipe, and reads that line."""
        reader, writer = os.pipe()
        self._spawn([part.replace("{fd}", str(writer)) for part in command], pass_fds=[writer])
        os.close(writer)
        line = b""
        end = time.monotonic() + 10
        while not line.endswith(b"\n") and time.monotonic() < end:
            chunk = os.read(reader, 256)
            if not chunk:
                break
            line += chunk
        os.close(reader)
        if not line.strip():
            raise Skip(f"{command[0]} did not start")
        return line.decode().strip()

    def start_game(self, wait_window=True, arguments=(), program=None):
        program = program or os.path.join(self.build, "src/shell/trevallion")
        self.game = self._spawn([program, *arguments], cwd=self.build)
        if wait_window:
            self.window = wait_for("the game's window", lambda: self.find_window("^Trevallion"),
                                   10, step=0.01)
            self.shown = time.monotonic()
            wait_for("the game's window active", self._activate, 20, step=0.2)

    def _activate(self):
        """Gives the window the focus, which it may have missed if it came before openbox."""
        if self.title().startswith("Trevallion"):
            return True
        print(f'the active window is "{self.title()}": activating the game', flush=True)
        self.xdotool("windowactivate", self.window)
        return False

    # --- The player's hands and eyes -------------------------------------------------------

    def xdotool(self, *arguments):
        return subprocess.run(["xdotool", *arguments], env=self.env, capture_output=True,
                              text=True, timeout=10).stdout.strip()

    def find_window(self, name):
        found = self.xdotool("search", "--onlyvisible", "--name", name)
        return found.split()[0] if found else None

    def window_geometry(self, window=None):
        """A window's place and size on the screen, (x, y, width, height); the game's at first."""
        found = self.xdotool("getwindowgeometry", window or self.window)
        return tuple(map(int, re.search(r"Position: (-?\d+),(-?\d+).*Geometry: (\d+)x(\d+)",
                                        found, re.S).groups()))

    def title(self):
        return self.xdotool("getactivewindow", "getwindowname")

    def key(self, *keys):
        """Presses the keys one after the other; answers the time the last one was sent."""
        for key in keys[:-1]:
            self.xdotool("key", key)
            time.sleep(0.4)  # a menu opens
        sent = time.monotonic()
        self.xdotool("key", keys[-1])
        return sent

    def chord(self, modifier, key):
        """Presses key with modifier held, as a hand does. With a screen reader listening, each key
        goes round the accessibility bus before the window takes it, and a modifier let go at
        once comes after the key it was held for."""
        self.xdotool("keydown", modifier)
        time.sleep(0.1)
        sent = time.monotonic()
        self.xdotool("key", key)
        time.sleep(0.05)
        self.xdotool("keyup", modifier)
        return sent

    def type_text(self, text):
        self.xdotool("type", "--delay", "15", text)

    def wait_title(self, title, timeout=10):
        return wait_for(f'the title "{title}" (it is "{self.title()}")',
                        lambda: self.title() == title, timeout)

    def click_cell(self, cell):
        """Clicks the middle of a cell; answers the time the click was sent."""
        extents = cell.queryComponent().getExtents(0)
        x, y = self.on_screen(extents)
        return self._click_at(x + extents.width // 2, y + extents.height // 2)

    def _click_at(self, x, y):
        """Moves the pointer there and clicks; answers the time the click was sent."""
        self.xdotool("mousemove", str(x), str(y))
        time.sleep(0.1)
        sent = time.monotonic()
        self.xdotool("click", "1")
        return sent

    def on_screen(self, extents):
        """Where a place the accessibility bus gives is on the screen: there already, on X11."""
        return extents.x, extents.y

    def window_size(self):
        geometry = self.xdotool("getwindowgeometry", self.window)
        return tuple(map(int, re.search(r"Geometry: (\d+)x(\d+)", geometry).groups()))

    def resize_window(self, width, height):
        self.xdotool("windowsize", self.window, str(width), str(height))

    def screenshot(self):
        """The screen as (bytes a line, pixels, bytes a pixel), each pixel's first three bytes
        its colours (in whatever order)."""
        if not shutil.which("xwd"):
            raise Skip("missing: xwd")
        picture = subprocess.run(["xwd", "-root", "-silent"], env=self.env, capture_output=True,
                                 timeout=10).stdout
        fields = struct.unpack_from(">25I", picture)  # the header: 32-bit numbers, name after
        least_first, size, line = fields[7] == 0, fields[11] // 8, fields[12]
        if not least_first or size < 3:
            fail(f"the screen came as {fields[11]} bits a pixel, byte order {fields[7]}")
        return line, picture[fields[0] + 12 * fields[19]:], size  # after the colour map

    def board_area(self):
        """The board's place on the screen: left, top, right, bottom."""
        places = []
        for cell in self.cells().values():
            extents = cell.queryComponent().getExtents(0)
            places.append(self.on_screen(extents) + (extents.width,))
        return (min(p[0] for p in places), min(p[1] for p in places),
                max(p[0] + p[2] for p in places), max(p[1] + p[2] for p in places))

    def grey(self, area):
        """The mean grey of an area of the screen, 0 black to 255 white."""
        left, top, right, bottom = area
        line, pixels, size = self.screenshot()
        total = count = 0
        for y in range(top, bottom, 4):
            for x in range(left, right, 4):
                start = y * line + x * size
                total += sum(pixels[start:start + 3])
                count += 3
        return total / count

    def start_portal(self, *settings):
        """The stand-in settings portal on the case's bus, with settings as NAMESPACE KEY
        VALUE triples; answers a function that changes one live and answers when it was
        announced."""
        portal = subprocess.Popen(
            [sys.executable, os.path.join(os.path.dirname(__file__), "stand_in_portal.py"),
             *[word for setting in settings for word in setting]],
            env=self.env, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
            preexec_fn=die_with_parent)
        self.processes.append(portal)
        if portal.stdout.readline().strip() != "ready":
            fail("the stand-in portal did not start")

        def change(namespace, key, value):
            portal.stdin.write(f"{namespace} {key} {value}\n")
            portal.stdin.flush()
            if portal.stdout.readline().strip() != "changed":
                fail("the stand-in portal did not announce the change")
            return time.monotonic()
        return change

    def accessible_game(self):
        import pyatspi

        def find():
            desktop = pyatspi.Registry.getDesktop(0)
            for app in desktop:
                if app is not None and app.name.lower().startswith("trevallion"):
                    return app
            return None
        return wait_for("the game on the accessibility bus", find, 10, step=0.2)

    def cells(self):
        """The 49 cells by (column, row), counted from 1 as their names count."""
        found = {}
        for node in walk(self.accessible_game()):
            name = node.name or ""
            if name.startswith("column "):
                column, row = name.split(":")[0].replace("column ", "").split(", row ")
                found[(int(column), int(row))] = node
        return found

    def board_names(self):
        return {place: cell.name for place, cell in self.cells().items()}

    def menus(self):
        """Each menu of the menu bar by name, with the names of its items."""
        found = {}
        for node in walk(self.accessible_game()):
            if node.getRoleName() == "menu item" and node.childCount == 1:
                found[node.name] = [item.name for item in node.getChildAtIndex(0)
                                    if item.getRoleName() == "menu item"]
        return found

    def load_game(self, path):
        """Load Game through its dialog: the file's path typed into the name field, Enter."""
        main = self.title()
        self.key("ctrl+o")
        wait_for("the Load Game dialog", lambda: self.title() not in ("", main), 10)
        self.key("ctrl+a")
        self.type_text(path)
        self.key("Return")

    # --- The end ---------------------------------------------------------------------------

    def __exit__(self, kind, *_):
        if kind is not None and kind is not Skip:
            self.print_logs()
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
        end = time.monotonic() + 3
        for process in self.processes:
            try:
                process.wait(max(0.1, end - time.monotonic()))
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        if getattr(self, "watchdog", None):
            self.watchdog.stdin.close()
            self.watchdog.wait(10)
        kill_marked(self.folder)
        shutil.rmtree(self.folder, ignore_errors=True)
        return False


    def log(self, program):
        """What `program` has written on its standard output and error so far."""
        with open(os.path.join(self.folder, program + ".log"), errors="replace") as log:
            return log.read()

    def print_logs(self):
        for name in sorted(os.listdir(self.folder)):
            if name.endswith(".log"):
                with open(os.path.join(self.folder, name), errors="replace") as log:
                    lines = log.readlines()[-8:]
                print(f"--- the end of {name}:\n" + "".join(lines), end="")


def walk(node, depth=0):
    """Every node of the accessibility tree under node."""
    if node is None or depth > 12:
        return
    yield node
    for index in range(node.childCount):
        yield from walk(node.getChildAtIndex(index), depth + 1)


def die_with_parent():
    """Has the kernel kill a server when the case dies, even by SIGKILL."""
    ctypes.CDLL(None).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


def kill_marked(folder):
    """Kills what the servers started on their own (the accessibility bus, say): whatever
    carries this case's marker in its environment."""
    wanted = f"{MARKER}={folder}".encode()
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/environ", "rb") as file:
                if wanted in file.read().split(b"\0") and int(pid) != os.getpid():
                    os.kill(int(pid), signal.SIGKILL)
        except (OSError, ProcessLookupError):
            pass


def same_board(what, before, after):
    """Fails unless the 49 cells' names `after` are those `before` (the board `what`)."""
    differences = [f"{before[place]!r} came back as {after.get(place)!r}"
                   for place in sorted(before) if after.get(place) != before[place]]
    if differences or len(before) != 49:
        fail(f"{len(before)} cells {what}; " + "; ".join(differences))


def saved_game(path, board, side=1, players=(0, 0), level=3):
    """Writes a saved game: six header numbers, the 49 cells column by column, then zeros."""
    cells = [0] * 49
    for (x, y), code in board.items():
        cells[x * 7 + y] = code
    record = struct.pack("<6i49i", 2, side, players[0], players[1], side, level, *cells)
    with open(path, "wb") as file:
        file.write(record + bytes(348 - len(record)))


def report_onsets(label, onsets):
    heard = [value for value in onsets if value is not None]
    silent = len(onsets) - len(heard)
    if heard:
        late = sum(value > ONSET_GOAL_MS for value in heard)
        print(f"FIGURES {label}: median onset {statistics.median(heard):.0f} ms, largest "
              f"{max(heard):.0f} ms, over {ONSET_GOAL_MS} ms {late}, silent {silent} of "
              f"{len(onsets)}", flush=True)
    else:
        print(f"FIGURES {label}: silent {silent} of {len(onsets)}", flush=True)


def run(cases, timeout):
    """Runs the case named on the command line: argv[1] the build folder, argv[2] the case."""
    build, name = os.path.abspath(sys.argv[1]), sys.argv[2]
    try:
        os.setsid()  # so that a test runner's kill of the group takes every server too
    except PermissionError:
        pass  # already leading a group of its own

    def expire(number, _):
        raise Timeout(f"the case took longer than {timeout} s" if number == signal.SIGALRM
                      else f"the case was stopped by signal {number}")
    signal.signal(signal.SIGALRM, expire)
    signal.signal(signal.SIGTERM, expire)
    signal.alarm(timeout)
    try:
        cases[name](build)
    except Skip as skip:
        print(f"SKIPPED: {skip}")
        sys.exit(SKIPPED)
    except (AssertionError, Timeout) as failure:
        print(f"FAILED: {failure}")
        sys.exit(1)
    print("PASSED")


if __name__ == "__main__" and sys.argv[1:2] == ["--watch"]:
    sys.stdin.read()  # the end comes when the case closes the pipe or dies
    kill_marked(sys.argv[2])
    shutil.rmtree(sys.argv[2], ignore_errors=True)
