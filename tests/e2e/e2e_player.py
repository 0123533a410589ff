"""The real program under Xvfb: started with temporary settings and data
folders and a private session bus, driven by key letters, clicks and drags
through xdotool, ended in each of the ways a user ends it; then its files and a
screenshot are checked."""

import ctypes
import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import unittest
from datetime import datetime, timedelta
from pathlib import Path

import testskin

PROGRAM = os.environ["KD_PROGRAM"]
WM_CLOSE = os.environ["KD_WM_CLOSE"]
DRAG_SOURCE = os.environ.get("KD_DRAG_SOURCE", "")
SHUTDOWN_ORDER = [
    "Skin", "SkinPath", "SkinImport", "WinOnTop", "WinSnap", "WinSavePos", "Auto", "Snooze",
    "SnoozeMode", "SnoozeTime", "SnoozeHide", "ExitMode", "StartMd", "StartMin", "StartMute",
    "StartFile", "TimeFmt", "VisPLPath", "ClearPlFirst", "AutoPlay", "ValidExt", "PBOverlap",
    "ScrollName", "UseTagCover", "FriendlyNames",
]


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

    def stop(self):
        X11.XCloseDisplay(self.connection)
        self.proc.terminate()
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
    """One run of the program with its own settings and data folders."""

    def __init__(self, test, display, home, bus, args=(), settings=None, data_files=None):
        self.test = test
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
        env = dict(os.environ)
        env.update({
            "DISPLAY": display, "QT_QPA_PLATFORM": "xcb", "XDG_CONFIG_HOME": str(self.config),
            "XDG_DATA_HOME": str(self.data), "KAVORODECK_AUDIO_SINK": "fakesink sync=true",
            "KAVORODECK_VIDEO_SINK": "fakesink", "ASAN_OPTIONS": "detect_leaks=0",
            "XDG_RUNTIME_DIR": str(self.home), "DBUS_SESSION_BUS_ADDRESS": bus,
        })
        env.pop("WAYLAND_DISPLAY", None)
        self.env = env
        self.log = open(self.home / "player.log", "w")
        self.proc = subprocess.Popen([PROGRAM, *args], env=env, stdout=self.log,
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

    def geometry(self):
        out = self.xdotool("getwindowgeometry", "--shell", self.window)
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

    def region(self, x, y, w, h):
        """The window's pixels in the rectangle, as PPM bytes."""
        wx, wy, _, _ = self.geometry()
        return subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{wx + x}+{wy + y}",
                               "-depth", "8", "ppm:-"], env=self.env, capture_output=True,
                              check=True).stdout

    def pixel(self, x, y):
        return tuple(self.region(x, y, 1, 1)[-3:])

    def screenshot(self, path):
        subprocess.run(["import", "-window", self.window, str(path)], env=self.env, check=True)

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


class PlayerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.xvfb = Xvfb()

    @classmethod
    def tearDownClass(cls):
        cls.xvfb.stop()

    def setUp(self):
        self.home = Path(tempfile.mkdtemp(prefix="kd-e2e-"))
        self.addCleanup(self.remove_home)
        self.skin = testskin.write_skin(self.home / "skins")
        self.music = self.home / "music"
        self.music.mkdir()
        for name in ("one.wav", "two.wav", "three.wav"):
            (self.music / name).write_bytes(wav_bytes())
        self.bus = SessionBus(dict(os.environ, DISPLAY=self.xvfb.display))
        self.addCleanup(self.bus.stop)
        self.player = None

    def tearDown(self):
        if self.player:
            if self.player.proc.poll() is None:
                self.player.proc.kill()
            self.player.wait_gone()
        held = self.xvfb.describe_held()
        if held:
            self.xvfb.release_held()
            self.fail(f"the test left held down in the X server: {held}")

    def remove_home(self):
        if os.environ.get("KD_E2E_KEEP"):
            print(f"kept {self.home}")
        else:
            shutil.rmtree(self.home, ignore_errors=True)

    def start(self, **kwargs):
        if self.player:
            self.player.wait_gone()
        held = self.xvfb.describe_held()
        if held:
            self.fail(f"held down in the X server before the start: {held}")
        self.player = Player(self, self.xvfb.display, self.home, self.bus.address, **kwargs)
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

    def light_on(self, index):
        (x, y, w, h), colour = testskin.LIGHTS[index]
        return self.player.pixel(x + w // 2, y + h // 2) == colour

    # --- the tests -----------------------------------------------------------

    def test_first_run_writes_every_setting_in_order(self):
        p = self.start()
        x, y, w, h = p.geometry()
        self.assertGreater(w, 100)
        p.proc.send_signal(signal.SIGTERM)
        self.assertEqual(p.wait_exit(), 0, p.read_log())
        keys = [k for k, _ in p.settings()]
        self.assertEqual(keys[:len(SHUTDOWN_ORDER)], SHUTDOWN_ORDER)
        self.assertIn("LastTrack", keys)
        self.assertEqual(p.setting("FriendlyNames"), "1")
        self.assertEqual(p.setting("WinOnTop"), " 0")
        self.assertEqual(p.setting("ClearPlFirst"), "0")
        self.assertTrue(p.setting("Skin").endswith("default.skin"))
        self.assertEqual(p.playlist_path.read_bytes(), b"")

    def test_restores_the_last_playlist_and_track(self):
        playlist = "\r\n".join(str(self.music / n) for n in ("one.wav", "two.wav", "three.wav"))
        p = self.start(settings=self.skin_settings(StartMd="1", LastTrack=" 2"),
                       data_files={"playlist.m3u": (playlist + "\r\n").encode()})
        p.key("b")  # next: from track 2 to 3
        p.key("q")
        self.assertEqual(p.wait_exit(), 0, p.read_log())
        self.assertEqual(p.setting("LastTrack"), " 3")
        self.assertEqual(len(p.playlist_lines()), 3)

    def test_command_line_file_replaces_the_restored_playlist(self):
        playlist = "\r\n".join(str(self.music / n) for n in ("one.wav", "two.wav"))
        p = self.start(args=[str(self.music / "three.wav")],
                       settings=self.skin_settings(StartMd="1", LastTrack=" 2"),
                       data_files={"playlist.m3u": (playlist + "\r\n").encode()})
        p.proc.send_signal(signal.SIGTERM)
        self.assertEqual(p.wait_exit(), 0, p.read_log())
        self.assertEqual(p.playlist_lines(), [str(self.music / "three.wav")])

    def test_transport_keys_and_mode_lights(self):
        playlist = "\r\n".join(str(self.music / n) for n in ("one.wav", "two.wav", "three.wav"))
        p = self.start(settings=self.skin_settings(StartMd="1", LastTrack=" 1"),
                       data_files={"playlist.m3u": (playlist + "\r\n").encode()})
        self.assertFalse(self.light_on(2))
        p.key("x")
        if not self.wait_for(lambda: self.light_on(2)):
            p.screenshot(self.home / "no-playing-light.png")
            self.fail(f"the playing light did not show: {p.read_log()}")
        p.key("b", "b", "z")  # tracks 2, 3, then back to 2
        p.key("t", "r", "u", "y")
        for index in (5, 7, 10, 6):
            self.assertTrue(self.light_on(index), f"light {index}")
        p.screenshot(self.home / "modes.png")
        p.key("t", "r", "u", "y", "v")
        for index in (2, 5, 7, 10, 6):
            self.assertFalse(self.light_on(index), f"light {index}")
        p.key("q")
        self.assertEqual(p.wait_exit(), 0, p.read_log())
        self.assertEqual(p.setting("LastTrack"), " 2")

    def test_skin_buttons_and_three_window_sizes(self):
        p = self.start(settings=self.skin_settings())
        self.assertEqual(p.geometry()[2:], (300, 200))
        p.click(245, 10)  # button 3: the size without the playlist
        self.assertEqual(p.geometry()[2:], (300, 100))
        p.key("n")  # the small strip
        self.assertEqual(p.geometry()[2:], (300, 40))
        p.key("l")  # the other size changes only the variable while small
        self.assertEqual(p.geometry()[2:], (300, 40))
        p.key("n")
        self.assertEqual(p.geometry()[2:], (300, 200))
        p.click(275, 10, button=3)  # the right button runs a skin button too
        self.assertEqual(p.wait_exit(), 0, p.read_log())

    def test_window_drag_is_saved_and_the_manager_close_quits(self):
        p = self.start(settings=self.skin_settings(WinSavePos=" 1", X="1500", Y="1500"))
        x, y, _, _ = p.geometry()
        self.assertEqual((x, y), (100, 100))
        p.xdotool("mousemove", "--sync", str(x + 150), str(y + 102))
        p.xdotool("mousedown", "1")
        for step in range(1, 6):
            p.xdotool("mousemove", "--sync", str(x + 150 + 20 * step), str(y + 102 + 10 * step))
            time.sleep(0.05)
        p.xdotool("mouseup", "1")
        time.sleep(0.3)
        nx, ny, _, _ = p.geometry()
        self.assertEqual((nx, ny), (x + 100, y + 50))
        p.close_by_manager()
        self.assertEqual(p.wait_exit(), 0, p.read_log())
        self.assertEqual(p.setting("X"), str((x + 100) * 15))
        self.assertEqual(p.setting("Y"), str((y + 50) * 15))

    def test_right_click_menu_exits(self):
        p = self.start(settings=self.skin_settings())
        p.exit_from_menu()
        self.assertEqual(p.wait_exit(), 0, p.read_log())
        self.assertIsNotNone(p.setting("FriendlyNames"))

    def test_starts_and_quits_ten_times_in_a_row(self):
        quits = [("the q key", lambda p: p.key("q")),
                 ("the menu", Player.exit_from_menu),
                 ("the manager's close", Player.close_by_manager),
                 ("SIGTERM", lambda p: p.proc.send_signal(signal.SIGTERM))]
        for run in range(10):
            how, end = quits[run % len(quits)]
            p = self.start(settings=self.skin_settings())
            time.sleep(max(0.0, p.shown_at + 1.0 - time.monotonic()))
            self.assertIsNone(p.proc.poll(), f"run {run} ended by itself: {p.read_log()}")
            self.assertEqual(p.skinned_windows(), [p.window], f"run {run}")
            end(p)
            self.assertEqual(p.wait_exit(), 0, f"run {run}, quit by {how}: {p.read_log()}")

    @unittest.skipUnless(DRAG_SOURCE, "no drag source tool")
    def test_folder_drop_adds_its_files(self):
        p = self.start(settings=self.skin_settings())
        x, y, _, _ = p.geometry()
        env = dict(p.env)
        source = subprocess.Popen([DRAG_SOURCE, str(self.music), "600", "600"], env=env)
        try:
            time.sleep(1.5)
            p.xdotool("mousemove", "--sync", "620", "620")
            p.xdotool("mousedown", "1")
            for step in range(1, 11):
                p.xdotool("mousemove", "--sync", str(620 + (x + 150 - 620) * step // 10),
                          str(620 + (y + 150 - 620) * step // 10))
                time.sleep(0.05)
            time.sleep(0.3)
            p.xdotool("mouseup", "1")
            time.sleep(1.0)
        finally:
            source.terminate()
            source.wait(10)
        p.proc.send_signal(signal.SIGTERM)
        self.assertEqual(p.wait_exit(), 0, p.read_log())
        names = sorted(Path(line).name for line in p.playlist_lines())
        self.assertEqual(names, ["one.wav", "three.wav", "two.wav"])


    def test_playlist_browser_pages_covers_and_plays_the_one_picked(self):
        lists = self.home / "lists"
        lists.mkdir()
        songs = ["one.wav", "two.wav", "three.wav"]
        page_one, page_two = (200, 40, 40), (40, 200, 40)
        for i in range(1, 21):
            entries = [str(self.music / songs[i % 3]), str(self.music / songs[(i + 1) % 3])]
            (lists / f"list{i:02}.m3u").write_text("\r\n".join(entries) + "\r\n")
            colour = page_one if i <= 16 else page_two
            (lists / f"list{i:02}.bmp").write_bytes(
                testskin.bmp_bytes(16, 16, lambda x, y, c=colour: c))
        p = self.start(settings=self.skin_settings(VisPLPath=f"{lists}/"))
        p.click(150, 102, button=3)  # the right-click menu: its ninth entry
        for _ in range(4):
            p.xdotool("key", "Up")
            time.sleep(0.1)
        p.xdotool("key", "Return")
        self.assertTrue(self.wait_for(lambda: p.windows("--onlyvisible", "--name", "^Vexo ")),
                        p.read_log())
        browser = p.windows("--onlyvisible", "--name", "^Vexo ")[0]
        values = dict(line.split("=") for line in
                      p.xdotool("getwindowgeometry", "--shell", browser).split())
        bx, by, height = int(values["X"]), int(values["Y"]), int(values["HEIGHT"])
        pitch = (height - 95) // 4

        def cell_centre(i):
            return (bx + 5 + (i % 4) * pitch + pitch // 2, by + 35 + (i // 4) * pitch + pitch // 2)

        def cell_colour(i):
            x, y = cell_centre(i)
            ppm = subprocess.run(["import", "-window", "root", "-crop", f"1x1+{x}+{y}", "-depth",
                                  "8", "ppm:-"], env=p.env, capture_output=True, check=True).stdout
            return tuple(ppm[-3:])

        self.assertTrue(self.wait_for(lambda: all(cell_colour(i) == page_one for i in (0, 15))),
                        f"page one shows {cell_colour(0)}")
        p.xdotool("windowfocus", "--sync", browser)
        p.xdotool("key", "alt+d")  # "下页 &D"
        self.assertTrue(self.wait_for(lambda: cell_colour(3) == page_two),
                        f"page two shows {cell_colour(3)}")
        self.assertEqual(cell_colour(4), (0, 0, 0))  # four cells on the last page
        subprocess.run(["import", "-window", browser, str(self.home / "browser-page-two.png")],
                       env=p.env, check=True)
        p.move_pointer(*cell_centre(1))
        p.xdotool("click", "--repeat", "2", "--delay", "80", "1")
        self.assertTrue(self.wait_for(lambda: not p.windows("--onlyvisible", "--name", "^Vexo ")),
                        "the browser stayed open")
        self.assertTrue(self.wait_for(lambda: self.light_on(2)), p.read_log())
        p.key("q")
        self.assertEqual(p.wait_exit(), 0, p.read_log())
        self.assertEqual(p.playlist_lines(),
                         [str(self.music / songs[18 % 3]), str(self.music / songs[19 % 3])])

    def test_an_on_time_starts_playback_and_the_clock_and_title_move(self):
        # The default skin: its clock display, title display and playing light.
        clock, title, playing_light = (330, 106, 100, 26), (86, 10, 190, 16), (289, 39)
        now = datetime.now()
        on_time = (now + timedelta(minutes=1 if now.second < 45 else 2)).replace(second=0,
                                                                                microsecond=0)
        song = self.music / "a title much longer than the title display shows.wav"
        song.write_bytes(wav_bytes(seconds=90))
        autolist = f"E {on_time:%H:%M} 00:00 00\r\nD 06:30 07:00 01\r\n".encode()
        p = self.start(settings={"StartMd": "1", "LastTrack": " 1", "Auto": " 1",
                                 "ScrollName": "1"},
                       data_files={"playlist.m3u": f"{song}\r\n".encode(),
                                   "autolist.txt": b"\r\n" + autolist})
        light_off = p.pixel(*playing_light)
        clock_before = p.region(*clock)
        started = self.wait_for(lambda: p.pixel(*playing_light) != light_off,
                                timeout=(on_time - datetime.now()).total_seconds() + 15)
        if not started:
            p.screenshot(self.home / "alarm-did-not-start.png")
            self.fail(f"the on time {on_time:%H:%M} did not start playback: {p.read_log()}")
        self.assertGreaterEqual(datetime.now(), on_time)
        self.assertNotEqual(p.region(*clock), clock_before, "the clock display did not move")
        title_now = p.region(*title)
        time.sleep(0.7)
        self.assertNotEqual(p.region(*title), title_now, "the long title does not scroll")
        p.screenshot(self.home / "alarm-playing.png")
        p.key("q")
        self.assertEqual(p.wait_exit(), 0, p.read_log())
        # Written back as read, without the blank line.
        self.assertEqual((p.data / "kavorodeck" / "autolist.txt").read_bytes(), autolist)

    def test_an_id3v2_only_mp3_shows_its_tag_title_and_the_folder_cover(self):
        # The default skin: its title display and the middle of its cover image.
        title, cover_middle = (86, 10, 150, 13), (66, 106)
        album = self.home / "album"
        album.mkdir()
        song = album / "track01.mp3"
        subprocess.run(["gst-launch-1.0", "-q", "audiotestsrc", "num-buffers=400", "!",
                        "audioconvert", "!", "lamemp3enc", "!", "taginject",
                        'tags="title=\\"Modern Title\\""', "!", "id3v2mux", "!", "filesink",
                        f"location={song}"], check=True)
        self.assertNotEqual(song.read_bytes()[-128:-125], b"TAG")  # no ID3v1 tag
        subprocess.run(["convert", "-size", "64x64", "xc:rgb(200,30,160)", str(album / "cover.jpg")],
                       check=True)
        # An untagged file whose own name reads the same, and one that does not.
        (self.music / "Modern Title.wav").write_bytes(wav_bytes())
        playlist = "\r\n".join([str(song), str(self.music / "Modern Title.wav"),
                                 str(self.music / "one.wav")])
        p = self.start(settings={"StartMd": "1", "LastTrack": " 1", "ScrollName": "0",
                                 "UseTagCover": "1"},
                       data_files={"playlist.m3u": (playlist + "\r\n").encode()})

        def near(colour, wanted):
            return all(abs(a - b) < 24 for a, b in zip(colour, wanted))

        p.key("x")
        shown = self.wait_for(lambda: near(p.pixel(*cover_middle), (200, 30, 160)))
        p.screenshot(self.home / "tagged-mp3.png")
        self.assertTrue(shown, f"the cover shows {p.pixel(*cover_middle)}: {p.read_log()}")
        tagged = p.region(*title)
        p.key("b")
        time.sleep(0.5)
        self.assertEqual(p.region(*title), tagged, "the tag title is not what the display shows")
        p.key("b")
        time.sleep(0.5)
        self.assertNotEqual(p.region(*title), tagged)
        p.key("q")
        self.assertEqual(p.wait_exit(), 0, p.read_log())


class StateOnDiskTest(unittest.TestCase):
    """What a player that ends without its shut-down leaves when its display
    goes away: the test has a display of its own to take away. (A killed
    player's autosaved state is tested in-process by AutosaveTest.)"""

    remove_home = PlayerTest.remove_home

    def setUp(self):
        self.xvfb = Xvfb()
        PlayerTest.setUp(self)

    def start(self, **kwargs):
        if self.player:
            self.player.wait_gone()
        self.player = Player(self, self.xvfb.display, self.home, self.bus.address, **kwargs)
        return self.player

    def tearDown(self):
        if self.player:
            if self.player.proc.poll() is None:
                self.player.proc.kill()
            self.player.proc.wait(10)
        if self.xvfb.proc.poll() is None:
            self.xvfb.stop()

    def test_a_broken_display_connection_still_runs_the_shut_down(self):
        p = self.start()
        self.assertFalse(p.settings_path.exists())
        X11.XCloseDisplay(self.xvfb.connection)
        self.xvfb.proc.kill()
        self.xvfb.proc.wait(10)
        p.wait_exit()
        log = p.read_log()
        keys = [k for k, _ in p.settings()]
        self.assertEqual(keys[:len(SHUTDOWN_ORDER)], SHUTDOWN_ORDER, log)
        self.assertIn("LastTrack", keys)
        self.assertEqual(p.playlist_path.read_bytes(), b"")


if __name__ == "__main__":
    unittest.main()
