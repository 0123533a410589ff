"""The real program under Xvfb: started with temporary settings and data
folders and a private session bus, driven by key letters, clicks and drags
through xdotool, ended in each of the ways a user ends it; then its files and a
screenshot are checked. The playlist browser and the track window are also
driven through the accessibility bus, as a screen reader would."""

import signal
import subprocess
import time
import unittest
from datetime import datetime, timedelta
from pathlib import Path

import testskin
from playerharness import DRAG_SOURCE, Player, PlayerSession, have_pyatspi, wav_bytes

SHUTDOWN_ORDER = [
    "Skin", "SkinPath", "SkinImport", "WinOnTop", "WinSnap", "WinSavePos", "Auto", "Snooze",
    "SnoozeMode", "SnoozeTime", "SnoozeHide", "ExitMode", "StartMd", "StartMin", "StartMute",
    "StartFile", "TimeFmt", "VisPLPath", "ClearPlFirst", "AutoPlay", "ValidExt", "PBOverlap",
    "ScrollName", "UseTagCover", "FriendlyNames",
]
BROWSER_TITLE = "Vexo 可视化播放列表选择器"
TRACK_TITLE = "曲目 信息"


def shown_names(names, prefix):
    """The names starting with `prefix` of the controls that show, from the
    lines of atspi_drive.py's "names" step."""
    rows = [line.split("\t") for line in names.splitlines()]
    return [row[1] for row in rows if row[1].startswith(prefix) and row[3] == "showing"]


def id3v1_tag(title, artist=""):
    """A version 1.0 tag: its text fields padded with blanks, no genre."""
    def field(text, size):
        return text.encode("latin-1").ljust(size, b" ")
    return (b"TAG" + field(title, 30) + field(artist, 30) + field("", 30) + field("", 4) +
            field("", 30) + b"\xff")


class PlayerTest(PlayerSession):
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
        p = self.start(settings=self.skin_settings(VisPLPath=f"{lists}/"),
                       accessible=have_pyatspi())
        p.click(150, 102, button=3)  # the right-click menu: its ninth entry
        for _ in range(4):
            p.xdotool("key", "Up")
            time.sleep(0.1)
        p.xdotool("key", "Return")
        self.assertTrue(self.wait_for(lambda: p.windows("--onlyvisible", "--name", "^Vexo ")),
                        p.read_log())
        browser = p.windows("--onlyvisible", "--name", "^Vexo ")[0]
        bx, by, _, height = p.geometry(browser)
        pitch = (height - 95) // 4

        def cell_centre(i):
            return (bx + 5 + (i % 4) * pitch + pitch // 2, by + 35 + (i // 4) * pitch + pitch // 2)

        def cell_colour(i):
            return tuple(p.screen_region(*cell_centre(i), 1, 1)[-3:])

        self.assertTrue(self.wait_for(lambda: all(cell_colour(i) == page_one for i in (0, 15))),
                        f"page one shows {cell_colour(0)}")
        if p.accessible:
            # A screen reader finds each cover by its playlist and every
            # control by its caption; the next-page button it presses turns
            # the page, and only the last page's four covers show.
            names = p.drive(BROWSER_TITLE, [["names"]])
            self.assertEqual(shown_names(names, "list"), [f"list{i:02}" for i in range(1, 17)],
                             names)
            for caption in ("加载 &L", "&C 取消", "上页 &U", "下页 &D", "&选择 Dir"):
                self.assertIn(f"push button\t{caption}\t", names)
            self.assertIn("check box\t设为缺省置\t", names)
            p.drive(BROWSER_TITLE, [["press", "下页 &D"]])
            self.assertTrue(self.wait_for(lambda: cell_colour(3) == page_two),
                            f"page two shows {cell_colour(3)}")
            names = p.drive(BROWSER_TITLE, [["names"]])
            self.assertEqual(shown_names(names, "list"), [f"list{i:02}" for i in range(17, 21)],
                             names)
            p.drive(BROWSER_TITLE, [["press", "上页 &U"]])
            self.assertTrue(self.wait_for(lambda: cell_colour(3) == page_one),
                            f"page one shows {cell_colour(3)}")
            # Printing loads its module on demand: the system print dialog
            # opens under the caption's title, and cancelling it prints nothing.
            p.drive(BROWSER_TITLE, [["press", "打印"]])
            print_dialog = p.drive("打印", [["names"]])
            self.assertIn("push button\tCancel\t", print_dialog, p.read_log())
            p.drive("打印", [["press", "Cancel"]])
            self.assertTrue(self.wait_for(lambda: not p.windows("--onlyvisible", "--name", "^打印$")),
                            "the print dialog stayed open")
        p.xdotool("windowfocus", "--sync", browser)
        p.xdotool("key", "alt+d")  # "下页 &D"
        self.assertTrue(self.wait_for(lambda: cell_colour(3) == page_two),
                        f"page two shows {cell_colour(3)}")
        self.assertEqual(cell_colour(4), (0, 0, 0))  # four cells on the last page
        p.screenshot(self.home / "browser-page-two.png", window=browser)
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

    def test_mp3_tags_show_and_the_track_window_saves_a_title(self):
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
        # An MP3 with only a version 1 tag, for the track window.
        old_style = self.music / "old-style.mp3"
        subprocess.run(["gst-launch-1.0", "-q", "audiotestsrc", "num-buffers=400", "!",
                        "audioconvert", "!", "lamemp3enc", "!", "filesink",
                        f"location={old_style}"], check=True)
        with open(old_style, "ab") as tagged_file:
            tagged_file.write(id3v1_tag("Old Title", artist="Old Artist"))
        playlist = "\r\n".join([str(song), str(self.music / "Modern Title.wav"),
                                 str(self.music / "one.wav"), str(old_style)])
        p = self.start(settings={"StartMd": "1", "LastTrack": " 1", "ScrollName": "0",
                                 "UseTagCover": "1"},
                       data_files={"playlist.m3u": (playlist + "\r\n").encode()},
                       accessible=have_pyatspi())

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

        if p.accessible:
            # Command 16 (the key I) opens the track window on the track that
            # plays; a screen reader edits the title there and saves it.
            size = old_style.stat().st_size
            p.key("b", "i")
            self.assertEqual(p.drive(TRACK_TITLE, [["read", "标题"]]).strip(), "Old Title")
            p.drive(TRACK_TITLE, [["toggle", "编辑"], ["text", "标题", "Saved Title"],
                                  ["press", "保存"]])
            p.drive("kavorodeck", [["wait", "Tag Updated!", "label"], ["press", "OK"]])
            written = old_style.read_bytes()
            self.assertEqual(len(written), size, "the tag was not replaced in place")
            self.assertEqual(written[-128:-65], b"TAG" + b"Saved Title".ljust(30, b" ") +
                             b"Old Artist".ljust(30, b" "))
            p.drive(TRACK_TITLE, [["press", "确定"]])
            self.assertTrue(self.wait_for(lambda: not p.windows("--onlyvisible", "--name",
                                                                f"^{TRACK_TITLE}$")))
        p.key("q")
        self.assertEqual(p.wait_exit(), 0, p.read_log())


class StateOnDiskTest(PlayerSession):
    """What a player that ends without its shut-down leaves when its display
    goes away: the test has a display of its own to take away. (A killed
    player's autosaved state is tested in-process by AutosaveTest.)"""

    display_per_test = True

    def test_a_broken_display_connection_still_runs_the_shut_down(self):
        p = self.start()
        self.assertFalse(p.settings_path.exists())
        self.xvfb.kill()
        p.wait_exit()
        log = p.read_log()
        keys = [k for k, _ in p.settings()]
        self.assertEqual(keys[:len(SHUTDOWN_ORDER)], SHUTDOWN_ORDER, log)
        self.assertIn("LastTrack", keys)
        self.assertEqual(p.playlist_path.read_bytes(), b"")


if __name__ == "__main__":
    unittest.main()
