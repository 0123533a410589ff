"""A classic skin archive under Xvfb: the player starts with a generated .wsz
as its skin, shows the classic window, and a click on the skin's play button
plays and shows the playing sprite."""

import signal
import unittest

import classicskin
from playerharness import PlayerSession


class ClassicSkinTest(PlayerSession):
    def test_classic_archive_plays_from_its_play_button(self):
        skin = classicskin.write_wsz(self.home / "Classic.wsz")
        playlist = "\r\n".join(str(self.music / n) for n in ("one.wav", "two.wav"))
        p = self.start(settings={"Skin": str(skin), "StartMd": "1", "LastTrack": " 1"},
                       data_files={"playlist.m3u": (playlist + "\r\n").encode()})
        self.assertEqual(p.geometry()[2:], (275, 232), p.read_log())
        self.assertEqual(p.pixel(*classicskin.STATUS_MARK), classicskin.STOPPED)
        p.click(*classicskin.PLAY_BUTTON)
        if not self.wait_for(lambda: p.pixel(*classicskin.STATUS_MARK) == classicskin.PLAYING):
            p.screenshot(self.home / "classic-not-playing.png")
            self.fail(f"the playing sprite did not show: {p.read_log()}")
        self.assertEqual(p.pixel(25, 32), classicskin.WORK_LAMP)
        p.proc.send_signal(signal.SIGTERM)
        self.assertEqual(p.wait_exit(), 0, p.read_log())
        self.assertEqual(p.setting("Skin"), str(skin))

    def test_an_archive_on_the_command_line_becomes_the_skin(self):
        skin = classicskin.write_wsz(self.home / "Given.WSZ")
        p = self.start(args=[str(skin), str(self.music / "one.wav")])
        self.assertEqual(p.geometry()[2:], (275, 232), p.read_log())
        p.proc.send_signal(signal.SIGTERM)
        self.assertEqual(p.wait_exit(), 0, p.read_log())
        self.assertEqual(p.setting("Skin"), str(skin))
        self.assertEqual(p.playlist_lines(), [str(self.music / "one.wav")])


if __name__ == "__main__":
    unittest.main()
