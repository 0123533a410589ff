"""What every end-to-end test stands on: a private X display (Xvfb), a
private D-Bus session bus (the accessibility bus starts on it when a player
asks), the real program with its own settings and data folders, and a test
case that sets these up and fails a test that leaves a key or button held
down in the X server."""

import ctypes
import json
import os
import shutil
import struct
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

import testskin

HERE = Path(__file__).resolve().parent
PROGRAM = os.environ["KD_PROGRAM"]
WM_CLOSE = os.environ["KD_WM_CLOSE"]
DRAG_SOURCE = os.environ.get("KD_DRAG_SOURCE", "")
# The accessibility driver runs on the system's Python, which has pyatspi.
SYSTEM_PYTHON = "/usr/bin/python3"


def have_pyatspi():
    if not os.path.exists(SYSTEM_PYTHON):
        return False
    return subprocess.run([SYSTEM_PYTHON, "-c", "import pyatspi"],
                          capture_output=True).returncode == 0


def wav_bytes(seconds=20.0, rate=8000):
    frames = int(seconds * rate)
    data = b"\0\0" * frames
    return (b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVEfmt " +
            struct.pack("<IHHIIHH", 16, 1, 1, rate, rate * 2, 2, 16) + b"data" +
            struct.pack("<I", len(data)) + data)


# Xlib through ctypes, so the held-down check needs no Python package.
X11 = ctypes.CDLL("libX11.so.6")
XTST = ctypes.CDLL("libXtst.so.6")
_PTR, _INT, _UINT, _ULONG = ctypes.c_void_p, ctypes.c_int, ctypes.c_uint, ctypes.c_ulong
for _lib, _name, _result, _args in [
    (X11, "XOpenDisplay", _PTR, [ctypes.c_char_p]),
    (X11, "XCloseDisplay", _INT, [_PTR]),
    (X11, "XSync", _INT, [_PTR, _INT]),
    (X11, "XQueryKeymap", _INT, [_PTR, ctypes.c_char * 32]),
    (X11, "XDefaultRootWindow", _ULONG, [_PTR]),
    (X11, "XQueryPointer", _INT, [_PTR, _ULONG] + [_PTR] * 7),
    (X11, "XkbKeycodeToKeysym", _ULONG, [_PTR, ctypes.c_ubyte, _INT, _INT]),
    (X11, "XKeysymToString", ctypes.c_char_p, [_ULONG]),
    (XTST, "XTestFakeKeyEvent", _INT, [_PTR, _UINT, _INT, _ULONG]),
    (XTST, "XTestFakeButtonEvent", _INT, [_PTR, _UINT, _INT, _ULONG]),
]:
    getattr(_lib, _name).restype, getattr(_lib, _name).argtypes = _result, _args
BUTTON1_MASK = 1 << 8


class Xvfb:
    """The display. It never resets, so a key or button left down stays down
    until it is found, whichever other clients come and go."""

    def __init__(self):
        read_fd, write_fd = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24", "-nolisten",
             "tcp", "-noreset"], pass_fds=[write_fd], stderr=subprocess.DEVNULL)
        os.close(write_fd)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_fd, 16)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
        os.close(read_fd)
        self.display = ":" + number.decode().strip()
        self.connection = X11.XOpenDisplay(self.display.encode())

    def running(self):
        return self.proc.poll() is None

    def stop(self):
        X11.XCloseDisplay(self.connection)
        self.proc.terminate()
        self.proc.wait(10)

    def kill(self):
        """Takes the display away from under its clients."""
        X11.XCloseDisplay(self.connection)
        self.proc.kill()
        self.proc.wait(10)

    def held(self):
        """The keycodes and pointer buttons the server counts as down."""
        keymap = (ctypes.c_char * 32)()
        X11.XQueryKeymap(self.connection, keymap)
        keycodes = [i * 8 + bit for i, byte in enumerate(keymap.raw) for bit in range(8)
                    if byte >> bit & 1]
        window, position, mask = _ULONG(), _INT(), _UINT()
        unused = [ctypes.byref(window)] * 2 + [ctypes.byref(position)] * 4
        X11.XQueryPointer(self.connection, X11.XDefaultRootWindow(self.connection), *unused,
                          ctypes.byref(mask))
        buttons = [b for b in range(1, 6) if mask.value & BUTTON1_MASK << (b - 1)]
        return keycodes, buttons

    def describe_held(self):
        """What is held down, in words; empty when nothing is."""
        keycodes, buttons = self.held()
        names = []
        for code in keycodes:
            name = X11.XKeysymToString(X11.XkbKeycodeToKeysym(self.connection, code, 0, 0))
            names.append(f"key {(name or b'?').decode()} (keycode {code})")
        return ", ".join(names + [f"button {b}" for b in buttons])

    def release_held(self):
        """Lets go of everything held, so the next test starts clean."""
        keycodes, buttons = self.held()
        for code in keycodes:
            XTST.XTestFakeKeyEvent(self.connection, code, False, 0)
        for button in buttons:
            XTST.XTestFakeButtonEvent(self.connection, button, False, 0)
        X11.XSync(self.connection, False)


class SessionBus:
    """A private D-Bus session bus: the players reach neither the machine's
    bus nor one autolaunched for the display, which would outlive them."""

    def __init__(self, env):
        self.proc = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                     env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                     text=True)
        self.address = self.proc.stdout.readline().strip()
        if not self.address:
            raise RuntimeError("dbus-daemon did not start")

    def stop(self):
        self.proc.terminate()
        self.proc.wait(10)
        self.proc.stdout.close()


class Player:
    """One run of the program with its own settings and data folders. An
    accessible player puts its controls on the accessibility bus."""

    def __init__(self, display, home, bus, args=(), settings=None, data_files=None,
                 accessible=False, program=PROGRAM, cwd=None, env=None):
        self.home = Path(home)
        self.config = self.home / "config"
        self.data = self.home / "data"
        (self.config / "kavorodeck").mkdir(parents=True, exist_ok=True)
        (self.data / "kavorodeck").mkdir(parents=True, exist_ok=True)
        if settings is not None:
            lines = ["[config]"] + [f"{k}={v}" for k, v in settings.items()]
            self.settings_path.write_text("\n".join(lines) + "\n")
        for name, text in (data_files or {}).items():
            (self.data / "kavorodeck" / name).write_bytes(text)
        self.env = dict(os.environ)
        self.env.update({
            "DISPLAY": display, "QT_QPA_PLATFORM": "xcb", "XDG_CONFIG_HOME": str(self.config),
            "XDG_DATA_HOME": str(self.data), "KAVORODECK_AUDIO_SINK": "fakesink sync=true",
            "KAVORODECK_VIDEO_SINK": "fakesink", "ASAN_OPTIONS": "detect_leaks=0",
            "XDG_RUNTIME_DIR": str(self.home), "DBUS_SESSION_BUS_ADDRESS": bus,
        })
        self.env.pop("WAYLAND_DISPLAY", None)
        self.accessible = accessible
        if accessible:
            self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.env.update(env or {})
        self.log = open(self.home / "player.log", "w")
        self.proc = subprocess.Popen([program, *args], env=self.env, cwd=cwd, stdout=self.log,
                                     stderr=subprocess.STDOUT)
        self.window = self._wait_for_window()

    @property
    def settings_path(self):
        return self.config / "kavorodeck" / "kavorodeck.ini"

    @property
    def playlist_path(self):
        return self.data / "kavorodeck" / "playlist.m3u"

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, check=True, capture_output=True,
                              text=True).stdout

    def windows(self, *criteria):
        found = subprocess.run(["xdotool", "search", "--all", "--pid", str(self.proc.pid),
                                *criteria], env=self.env, capture_output=True, text=True)
        return found.stdout.split()

    def skinned_windows(self):
        return self.windows("--onlyvisible", "--name", "^kavorodeck$")

    def _wait_for_window(self):
        deadline = time.time() + 30
        while time.time() < deadline:
            if self.proc.poll() is not None:
                raise AssertionError(f"the program ended early: {self.read_log()}")
            ids = self.skinned_windows()
            if ids:
                self.shown_at = time.monotonic()
                time.sleep(0.3)
                return ids[0]
            time.sleep(0.1)
        raise AssertionError("the skinned window never appeared")

    def wait_gone(self, timeout=10):
        """Waits until the process has ended and the server has dropped its
        windows."""
        self.proc.wait(timeout)
        deadline = time.time() + timeout
        while self.windows():
            if time.time() > deadline:
                raise AssertionError(f"windows {self.windows()} outlived the program")
            time.sleep(0.1)

    def read_log(self):
        if not self.log.closed:
            self.log.flush()
        return (self.home / "player.log").read_text(errors="replace")

    def geometry(self, window=None):
        out = self.xdotool("getwindowgeometry", "--shell", window or self.window)
        values = dict(line.split("=") for line in out.split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def move_pointer(self, x, y):
        """Moves the pointer and waits until it is there; xdotool's own wait
        would be for a motion that never comes if it is there already."""
        location = self.xdotool("getmouselocation", "--shell")
        here = dict(line.split("=") for line in location.split())
        if (int(here["X"]), int(here["Y"])) != (x, y):
            self.xdotool("mousemove", "--sync", str(x), str(y))

    def key(self, *keys):
        # Typed at the focus through XTEST rather than sent to the window: a
        # key that ends the program takes the window away before its release,
        # which then reaches the server all the same.
        self.xdotool("windowfocus", "--sync", self.window)
        for k in keys:
            self.xdotool("key", k)
            time.sleep(0.15)
        time.sleep(0.3)

    def click(self, x, y, button=1):
        # Press and release both go through XTEST, so the release arrives
        # even when the press ends the program.
        wx, wy, _, _ = self.geometry()
        self.move_pointer(wx + x, wy + y)
        self.xdotool("click", str(button))
        time.sleep(0.3)

    def exit_from_menu(self):
        """The right-click menu's last entry."""
        self.click(150, 102, button=3)
        self.xdotool("key", "Up")
        time.sleep(0.2)
        self.xdotool("key", "Return")

    def close_by_manager(self):
        subprocess.run([WM_CLOSE, self.window], env=self.env, check=True)

    def screen_region(self, x, y, w, h):
        """The screen's pixels in the rectangle, as PPM bytes."""
        return subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}",
                               "-depth", "8", "ppm:-"], env=self.env, capture_output=True,
                              check=True).stdout

    def region(self, x, y, w, h):
        """The window's pixels in the rectangle, as PPM bytes."""
        wx, wy, _, _ = self.geometry()
        return self.screen_region(wx + x, wy + y, w, h)

    def pixel(self, x, y):
        return tuple(self.region(x, y, 1, 1)[-3:])

    def screenshot(self, path, window=None):
        subprocess.run(["import", "-window", window or self.window, str(path)], env=self.env,
                       check=True)

    def wait_exit(self, timeout=30):
        try:
            code = self.proc.wait(timeout)
        finally:
            self.log.close()
        return code

    def settings(self):
        text = self.settings_path.read_text()
        pairs = [line.split("=", 1) for line in text.splitlines() if "=" in line]
        return pairs

    def setting(self, key):
        for k, v in self.settings():
            if k.lower() == key.lower():
                return v
        return None

    def playlist_lines(self):
        return self.playlist_path.read_bytes().decode().split("\r\n")[:-1]

    def drive(self, title, steps):
        """Runs `steps` (see atspi_drive.py) on the player's windows named
        `title` through the accessibility bus; what the steps print."""
        result = subprocess.run([SYSTEM_PYTHON, str(HERE / "atspi_drive.py"), str(self.proc.pid),
                                 title, json.dumps(steps)],
                                env=self.env, capture_output=True, text=True, timeout=90)
        if result.returncode != 0:
            raise AssertionError(f"{result.stdout}{result.stderr}\n{self.read_log()}")
        return result.stdout


class PlayerSession(unittest.TestCase):
    """A home folder with three WAV files and the test skin, a session bus,
    and at most one player at a time. The tests of a class share one display
    unless each needs its own (a test that takes the display away)."""

    display_per_test = False

    @classmethod
    def setUpClass(cls):
        if not cls.display_per_test:
            cls.xvfb = Xvfb()

    @classmethod
    def tearDownClass(cls):
        if not cls.display_per_test:
            cls.xvfb.stop()

    def setUp(self):
        if self.display_per_test:
            self.xvfb = Xvfb()
            self.addCleanup(lambda: self.xvfb.running() and self.xvfb.stop())
        self.home = Path(tempfile.mkdtemp(prefix="kd-e2e-"))
        self.addCleanup(self.remove_home)
        self.skin = testskin.write_skin(self.home / "skins")
        self.music = self.home / "music"
        self.music.mkdir()
        for name in ("one.wav", "two.wav", "three.wav"):
            (self.music / name).write_bytes(wav_bytes())
        self.bus = SessionBus(dict(os.environ, DISPLAY=self.xvfb.display))
        self.addCleanup(self.bus.stop)
        self.env = dict(os.environ, DISPLAY=self.xvfb.display,
                        DBUS_SESSION_BUS_ADDRESS=self.bus.address)
        self.player = None

    def tearDown(self):
        display = self.xvfb.running()
        if self.player:
            if self.player.proc.poll() is None:
                self.player.proc.kill()
            if display:
                self.player.wait_gone()
            else:
                self.player.proc.wait(10)
        held = self.xvfb.describe_held() if display else ""
        if held:
            self.xvfb.release_held()
            self.fail(f"the test left held down in the X server: {held}")

    def remove_home(self):
        if os.environ.get("KD_E2E_KEEP"):
            print(f"kept {self.home}")
        else:
            shutil.rmtree(self.home, ignore_errors=True)

    def start(self, **kwargs):
        """A new player, once the one before has gone and nothing is held."""
        if self.player:
            self.player.wait_gone()
        held = self.xvfb.describe_held()
        if held:
            self.fail(f"held down in the X server before the start: {held}")
        self.player = Player(self.xvfb.display, self.home, self.bus.address, **kwargs)
        return self.player

    def skin_settings(self, **extra):
        settings = {"Skin": str(self.skin)}
        settings.update(extra)
        return settings

    def wait_for(self, condition, timeout=15.0):
        """Polls until the condition holds (the first play also loads the
        media engine, which takes a moment)."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            if condition():
                return True
            time.sleep(0.1)
        return condition()

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, check=True, capture_output=True,
                              text=True).stdout
