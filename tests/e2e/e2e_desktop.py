"""The player as a citizen of the desktop: a real MPRIS client (playerctl) on
a private session bus drives the real program under Xvfb; a second start hands
its files over; bad calls get errors on the bus; an installed prefix has a
valid menu entry and description and finds its skin from any folder."""

import os
import shutil
import subprocess
import time
import unittest

from playerharness import PROGRAM, Player, PlayerSession

SERVICE = "org.mpris.MediaPlayer2.kavorodeck"
OBJECT = "/org/mpris/MediaPlayer2"
PLAYER = "org.mpris.MediaPlayer2.Player"


class DesktopTest(PlayerSession):
    def start(self, args=(), **kwargs):
        kwargs.setdefault("settings", self.skin_settings())
        super().start(args=[str(a) for a in args], **kwargs)
        self.wait_for(lambda: self.playerctl("status").returncode == 0)
        return self.player

    def run_client(self, *command, cwd=None, timeout=20):
        return subprocess.run(command, env=self.player.env, capture_output=True, text=True,
                              cwd=cwd, timeout=timeout)

    def playerctl(self, *args):
        return self.run_client("playerctl", "--player=kavorodeck", *args)

    def read(self, *args):
        result = self.playerctl(*args)
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stdout.strip()

    def call(self, member, *args, interface=PLAYER):
        return self.run_client("gdbus", "call", "--session", "--dest", SERVICE, "--object-path",
                               OBJECT, "--method", f"{interface}.{member}", *args)

    def quit_and_read_playlist(self):
        self.read("--no-messages", "status")
        self.call("Quit", interface="org.mpris.MediaPlayer2")
        self.assertEqual(self.player.wait_exit(), 0, self.player.read_log())
        return self.player.playlist_lines()

    def test_playerctl_plays_seeks_and_reads_what_plays(self):
        p = self.start([self.music / "one.wav", self.music / "two.wav"])
        self.assertEqual(self.read("status"), "Stopped")
        # Status changes arrive as signals, which a follower prints.
        follower = subprocess.Popen(["playerctl", "--player=kavorodeck", "--follow", "status"],
                                    env=p.env, stdout=subprocess.PIPE, text=True)
        self.addCleanup(follower.kill)
        self.read("play")
        self.assertTrue(self.wait_for(lambda: self.read("status") == "Playing"))
        self.assertEqual(self.read("metadata", "xesam:title"), "one")
        self.assertEqual(self.read("metadata", "mpris:length"), "20000000")
        self.assertEqual(self.read("metadata", "xesam:url"),
                         (self.music / "one.wav").as_uri())

        self.read("position", "12")
        self.assertAlmostEqual(float(self.read("position")), 12.0, delta=1.5)
        self.read("position", "5-")
        self.assertAlmostEqual(float(self.read("position")), 7.0, delta=1.5)

        self.read("volume", "0.3")
        self.assertAlmostEqual(float(self.read("volume")), 0.3, delta=0.01)
        self.read("pause")
        self.assertEqual(self.read("status"), "Paused")
        self.read("play")  # goes on from where it was, not from the start
        self.assertGreater(float(self.read("position")), 5.0)

        self.read("next")
        self.assertTrue(self.wait_for(lambda: self.read("metadata", "xesam:title") == "two"))
        self.read("loop", "Track")
        self.read("shuffle", "On")
        self.assertEqual((self.read("loop"), self.read("shuffle")), ("Track", "On"))
        self.read("stop")
        self.assertEqual(self.read("status"), "Stopped")
        follower.kill()
        seen = follower.communicate()[0].split()
        # The follower may start after the play; from there on it saw every change.
        if seen and seen[0] == "Stopped":
            seen = seen[1:]
        self.assertEqual(seen[:2], ["Playing", "Paused"], seen)
        self.assertEqual(seen[-1], "Stopped")

        # The window carries the program icon for the window manager and task bar.
        icon = subprocess.run(["xprop", "-id", p.window, "_NET_WM_ICON"], env=p.env,
                              capture_output=True, text=True).stdout
        self.assertIn("Icon (16 x 16)", icon)

    def test_a_second_start_hands_its_files_to_the_running_player(self):
        self.start([self.music / "one.wav"])
        # Relative paths are the second start's own; the first of them plays
        # because the player is stopped.
        started = time.monotonic()
        second = self.run_client(PROGRAM, "two.wav", "three.wav", cwd=self.music)
        self.assertEqual(second.returncode, 0, second.stderr)
        self.assertLess(time.monotonic() - started, 10)
        self.assertTrue(self.wait_for(lambda: self.read("metadata", "xesam:title") == "two"))
        self.assertEqual(self.read("status"), "Playing")

        # A path that does not exist is named on stderr and never added; no
        # arguments bring the window forward.
        missing = self.run_client(PROGRAM, str(self.music / "gone.wav"))
        self.assertEqual(missing.returncode, 1)
        self.assertIn("gone.wav", missing.stderr)
        self.assertEqual(self.run_client(PROGRAM).returncode, 0)
        unknown = self.run_client(PROGRAM, "--shuffle-everything")
        self.assertEqual((unknown.returncode, unknown.stdout), (2, ""))
        self.assertIn("unknown option", unknown.stderr)

        # Ten thousand arguments: taken in order while the player plays on.
        many = [str(self.music / "three.wav")] * 10000
        bulk = self.run_client(PROGRAM, *many, timeout=60)
        self.assertEqual(bulk.returncode, 0, bulk.stderr)
        self.assertEqual(self.read("metadata", "xesam:title"), "two")
        lines = self.quit_and_read_playlist()
        self.assertEqual(len(lines), 3 + 10000)
        self.assertEqual(lines[:3], [str(self.music / n) for n in ("one.wav", "two.wav",
                                                                    "three.wav")])
        self.assertNotIn(str(self.music / "gone.wav"), lines)

    def test_bad_calls_get_errors_and_change_nothing(self):
        self.start([self.music / "one.wav"])
        self.read("play")
        self.assertTrue(self.wait_for(lambda: self.read("status") == "Playing"))
        track = self.read("metadata", "mpris:trackid")

        def error_of(result):
            self.assertNotEqual(result.returncode, 0, result.stdout)
            return result.stderr

        self.assertIn("NotSupported", error_of(self.call("OpenUri", "javascript:alert(1)")))
        self.assertIn("NotSupported", error_of(self.call("OpenUri", "gopher://example/a.mp3")))
        self.assertIn("FileNotFound",
                      error_of(self.call("OpenUri", (self.music / "gone.mp3").as_uri())))
        self.assertIn("not the current track",
                      error_of(self.call("SetPosition", "/org/kavorodeck/track/999", "1000000")))
        self.assertIn("outside the track", error_of(self.call("SetPosition", "--", track, "-5")))
        # Wrong argument types, sent as they are (gdbus would check them first).
        wrong = self.run_client("dbus-send", "--session", "--print-reply", f"--dest={SERVICE}",
                                OBJECT, f"{PLAYER}.Seek", "string:ten")
        self.assertNotEqual(wrong.returncode, 0)
        wrong_volume = self.run_client(
            "dbus-send", "--session", "--print-reply", f"--dest={SERVICE}", OBJECT,
            "org.freedesktop.DBus.Properties.Set", f"string:{PLAYER}", "string:Volume",
            "variant:string:loud")
        self.assertNotEqual(wrong_volume.returncode, 0)
        self.call("Seek", "--", "-999999999999")  # far back: to the start
        self.assertLess(float(self.read("position")), 2.0)
        self.read("volume", "0.5")
        self.run_client("gdbus", "call", "--session", "--dest", SERVICE, "--object-path", OBJECT,
                        "--method", "org.freedesktop.DBus.Properties.Set", PLAYER, "Volume",
                        "<nan>")
        self.assertAlmostEqual(float(self.read("volume")), 0.5, delta=0.01)
        handed = self.call("Open", "['relative.wav', '/no/such/file.wav']",
                           interface="org.kavorodeck.Instance")
        self.assertIn("FileNotFound", error_of(handed))
        # Still the same track, still answering; nothing was added.
        self.assertEqual((self.read("status"), self.read("metadata", "mpris:trackid")),
                         ("Playing", track))
        self.assertEqual(self.quit_and_read_playlist(), [str(self.music / "one.wav")])


class InstalledPrefixTest(PlayerSession):
    """cmake --install into a fresh prefix; the program runs from elsewhere."""

    def setUp(self):
        super().setUp()
        self.prefix = self.home / "prefix"
        subprocess.run(["cmake", "--install", os.environ["KD_BUILD_DIR"], "--prefix",
                        str(self.prefix)], check=True, capture_output=True)

    def run_program(self, program):
        """Starts `program` from a folder of its own with a fresh home; the
        window's size tells which skin it found (the default skin is not the
        empty 640x480 window of a missing skin)."""
        home = self.home / f"home-{program.parent.name}"
        home.mkdir()
        player = Player(self.xvfb.display, home, self.bus.address, program=str(program),
                        cwd=home, env={"XDG_CACHE_HOME": str(home / "cache")})
        try:
            _, _, width, height = player.geometry()
            windows = player.windows("--onlyvisible")
        finally:
            player.proc.terminate()
            player.wait_exit()
        self.assertNotEqual((width, height), (640, 480), player.read_log())
        self.assertEqual(len(windows), 1, "a message box came up: " + player.read_log())

    def test_the_prefix_is_valid_and_runs_from_anywhere(self):
        share = self.prefix / "share"
        for size in (16, 22, 24, 32, 48, 64, 128, 256):
            self.assertTrue((share / f"icons/hicolor/{size}x{size}/apps/kavorodeck.png").is_file())
        self.assertTrue((share / "icons/hicolor/scalable/apps/kavorodeck.svg").is_file())
        desktop = share / "applications/kavorodeck.desktop"
        checked = subprocess.run(["desktop-file-validate", str(desktop)], capture_output=True,
                                 text=True)
        self.assertEqual((checked.returncode, checked.stdout), (0, ""))
        self.assertIn("Exec=kavorodeck %F", desktop.read_text())
        metainfo = share / "metainfo/org.kavorodeck.kavorodeck.metainfo.xml"
        checked = subprocess.run(["appstreamcli", "validate", "--no-net", str(metainfo)],
                                 capture_output=True, text=True)
        self.assertEqual(checked.returncode, 0, checked.stdout)
        # The media engine, loaded from there when the first item plays.
        self.assertTrue((self.prefix / "lib/kavorodeck/kavorodeck-gst-engine.so").is_file())

        self.run_program(self.prefix / "bin/kavorodeck")
        # A copy of the executable alone comes up with the skin built into it.
        alone = self.home / "alone"
        alone.mkdir()
        shutil.copy2(self.prefix / "bin/kavorodeck", alone)
        self.run_program(alone / "kavorodeck")


if __name__ == "__main__":
    unittest.main()
