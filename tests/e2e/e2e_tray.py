"""The tray icon and the preferences dialog with a real notification area:
trayer docks the icon on a bare X server. The window is hidden into the icon
and brought back by a double-click, the icon's menu opens and quits, the
preferences are changed through the accessibility bus, and the changes are
found in the settings file after the run."""

import shutil
import subprocess
import time
import unittest

from playerharness import PlayerSession, have_pyatspi

PREFS_TITLE = "Vexo 播放器V1.0  设置"


class Tray:
    """trayer: a notification area at the top right of the screen."""

    def __init__(self, env):
        self.proc = subprocess.Popen(
            ["trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel", "--width",
             "120", "--heighttype", "pixel", "--height", "24", "--SetDockType", "false",
             "--SetPartialStrut", "false", "--expand", "false"],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.env = env
        deadline = time.time() + 10
        while not self.window():
            if time.time() > deadline:
                raise RuntimeError("trayer did not start")
            time.sleep(0.1)

    def window(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.proc.pid)],
                               env=self.env, capture_output=True, text=True)
        ids = found.stdout.split()
        return ids[0] if ids else None

    def stop(self):
        self.proc.terminate()
        self.proc.wait(10)


@unittest.skipUnless(shutil.which("trayer"), "trayer is not installed")
class TrayTest(PlayerSession):
    def start_tray(self):
        self.tray = Tray(self.env)
        self.addCleanup(self.tray.stop)

    def start_player(self, **kwargs):
        # The players of this file put their controls on the accessibility bus.
        return self.start(accessible=True, **kwargs)

    def icon(self):
        """The docked icon: the player's window inside trayer's, or None."""
        if not getattr(self, "tray", None):
            return None
        tray_window = int(self.tray.window())
        for window in self.player.windows():
            tree = subprocess.run(["xwininfo", "-children", "-id", window], env=self.env,
                                  capture_output=True, text=True).stdout
            for line in tree.splitlines():
                if line.strip().startswith("Parent window id:"):
                    parent = int(line.split(":")[1].split()[0], 16)
                    if parent == tray_window or self.inside_tray(parent, tray_window):
                        return window
        return None

    def inside_tray(self, window, tray_window):
        for _ in range(4):
            tree = subprocess.run(["xwininfo", "-children", "-id", hex(window)], env=self.env,
                                  capture_output=True, text=True).stdout
            parent = None
            for line in tree.splitlines():
                if line.strip().startswith("Parent window id:"):
                    parent = int(line.split(":")[1].split()[0], 16)
            if parent is None or parent == 0:
                return False
            if parent == tray_window:
                return True
            window = parent
        return False

    def icon_centre(self, icon):
        out = self.xdotool("getwindowgeometry", "--shell", icon)
        v = dict(line.split("=") for line in out.split())
        return int(v["X"]) + int(v["WIDTH"]) // 2, int(v["Y"]) + int(v["HEIGHT"]) // 2

    def click_icon(self, button, repeat=1):
        icon = self.icon()
        self.assertIsNotNone(icon, "the icon is not in the notification area")
        x, y = self.icon_centre(icon)
        self.player.move_pointer(x, y)
        self.xdotool("click", "--repeat", str(repeat), "--delay", "80", str(button))
        time.sleep(0.5)

    def visible_windows(self, name):
        return self.player.windows("--onlyvisible", "--name", name)

    def prefs(self, steps):
        return self.player.drive(PREFS_TITLE, steps)

    # --- the tests -----------------------------------------------------------

    @unittest.skipUnless(have_pyatspi(), "pyatspi is not installed for the system's Python")
    def test_hide_into_the_icon_its_menu_and_the_preferences(self):
        self.start_tray()
        p = self.start_player()
        self.assertTrue(self.wait_for(lambda: self.icon() is not None),
                        f"the icon never docked: {p.read_log()}")

        # Command 2 (the key H) hides the window; a double-click brings it back.
        p.key("h")
        self.assertTrue(self.wait_for(lambda: not p.skinned_windows()), "the window stayed")
        self.click_icon(1, repeat=2)
        self.assertTrue(self.wait_for(lambda: p.skinned_windows()), "the window did not return")

        # The right button opens the window's menu; Escape closes it.
        before = set(p.windows("--onlyvisible"))
        self.click_icon(3)
        self.assertTrue(self.wait_for(lambda: set(p.windows("--onlyvisible")) - before),
                        "no menu opened")
        self.xdotool("key", "Escape")
        time.sleep(0.3)

        # Command 5 (the key P) opens the preferences; changed there, they are
        # saved at the end of the run.
        p.key("p")
        self.assertTrue(self.wait_for(lambda: self.visible_windows(PREFS_TITLE)),
                        f"no preferences dialog: {p.read_log()}")
        names = self.prefs([["names"]])
        for expected in ("使用24小时模式", "重叠 (毫秒):", "开/关 列表:", "完成", "设置"):
            self.assertIn(f"\t{expected}\t", names)
        self.prefs([["tab", "设置"], ["toggle", "使用24小时模式"],
                    ["toggle", "载入新列表时清楚现有列表"], ["text", "重叠 (毫秒):", "250ms"],
                    ["text", "DirAdd 扩展", "mp3 flac"], ["tab", "自动 开/关"],
                    ["toggle", "启用 自动 启动/关闭"], ["text", "时间:开:", "07:30"],
                    ["press", "增加"], ["press", "完成"]])
        self.assertTrue(self.wait_for(lambda: not self.visible_windows(PREFS_TITLE)))

        # The icon's last entry quits; the icon goes with the program.
        self.click_icon(3)
        self.xdotool("key", "Up")
        time.sleep(0.2)
        self.xdotool("key", "Return")
        self.assertEqual(p.wait_exit(), 0, p.read_log())
        self.assertIsNone(self.icon())
        self.assertEqual(p.setting("TimeFmt"), " 1", p.settings_path.read_text())
        self.assertEqual(p.setting("ClearPlFirst"), "1")
        self.assertEqual(int(p.setting("PBOverlap")), 250)
        self.assertEqual(p.setting("ValidExt"), "MP3 FLAC")
        self.assertEqual(p.setting("Auto"), " 1")
        self.assertEqual((p.data / "kavorodeck" / "autolist.txt").read_bytes(),
                         b"E 07:30 00:00 00\r\n")

    def test_without_a_tray_hiding_minimises_and_a_later_tray_gets_the_icon(self):
        p = self.start_player(settings={"StartMin": "1"})
        time.sleep(1.5)
        # No notification area: the start-up's hide only minimises, and on a
        # server without a window manager the window stays on screen.
        self.assertTrue(p.skinned_windows(), "the window was lost")
        p.key("h")
        self.assertTrue(p.skinned_windows(), "the window was lost")

        self.start_tray()
        self.assertTrue(self.wait_for(lambda: self.icon() is not None),
                        f"the icon never docked in the later tray: {p.read_log()}")
        p.key("h")
        self.assertTrue(self.wait_for(lambda: not p.skinned_windows()), "the window stayed")
        self.click_icon(1, repeat=2)
        self.assertTrue(self.wait_for(lambda: p.skinned_windows()), "the window did not return")
        p.key("q")
        self.assertEqual(p.wait_exit(), 0, p.read_log())


if __name__ == "__main__":
    unittest.main()
