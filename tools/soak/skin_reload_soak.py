#!/usr/bin/env python3
"""Skin reload soak: the real program under its own Xvfb and session bus is
handed a skin archive every 100 ms for a while, the way a second start hands
over its command line (org.kavorodeck.Instance.Open). Once a second it samples
the player's resident memory and open descriptors. After a warm-up the end
figures may exceed the warm-up figures by a small tolerance only.

  skin_reload_soak.py PROGRAM [--seconds 60] [--interval 0.1]

Exit status 0 when memory and descriptors stayed flat, 1 when they grew, 2
when the player could not be run or ended during the soak."""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
import zipfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests" / "e2e"))
import classicskin  # noqa: E402

BUS_NAME = "org.mpris.MediaPlayer2.kavorodeck"
OBJECT_PATH = "/org/mpris/MediaPlayer2"
OPEN_METHOD = "org.kavorodeck.Instance.Open"
RSS_TOLERANCE_KIB = 4096
FD_TOLERANCE = 2


def full_wsz(path):
    """A skin archive with every bitmap a classic skin brings, at its usual
    size, so that each load decodes and builds the whole window."""
    sizes = {"main": (275, 116), "titlebar": (344, 87), "cbuttons": (136, 36),
             "posbar": (307, 10), "volume": (68, 433), "balance": (47, 433),
             "monoster": (56, 24), "playpaus": (42, 9), "numbers": (99, 13),
             "nums_ex": (108, 13), "shufrep": (92, 85), "text": (155, 18)}
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for shade, (name, (w, h)) in enumerate(sizes.items()):
            fill = (40 + shade * 15, 90, 200 - shade * 10)
            archive.writestr(f"Full/{name}.bmp", classicskin.bmp(w, h, fill, [(2, 2, 5, 5, (0, 0, 0))]))
        archive.writestr("Full/pledit.txt", b"[Text]\r\nNormal=#00FF00\r\nNormalBG=#000000\r\n")
        archive.writestr("Full/region.txt",
                         b"[Normal]\r\nNumPoints=8\r\nPointList=0,0, 275,0, 275,116, 0,116,"
                         b" 0,0, 10,0, 10,10, 0,10\r\n")
    return path


def sample(pid):
    """(resident KiB, open descriptors) of the process."""
    with open(f"/proc/{pid}/status") as status:
        rss = next(int(line.split()[1]) for line in status if line.startswith("VmRSS:"))
    return rss, len(os.listdir(f"/proc/{pid}/fd"))


class Session:
    """Xvfb, a private session bus and the player, ended in reverse order."""

    def __init__(self, program, home):
        self.procs = []
        self.home = home
        self.xvfb = self._spawn(["Xvfb", "-displayfd", "{fd}", "-screen", "0", "1280x1024x24",
                                 "-nolisten", "tcp"], read_number=True)
        self.display = ":" + self.number
        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"])
        self.bus_address = bus.stdout.readline().decode().strip()
        self.env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb",
                        DBUS_SESSION_BUS_ADDRESS=self.bus_address, XDG_RUNTIME_DIR=str(home),
                        XDG_CONFIG_HOME=str(home / "config"), XDG_DATA_HOME=str(home / "data"),
                        KAVORODECK_AUDIO_SINK="fakesink")
        self.env.pop("WAYLAND_DISPLAY", None)
        self.log = open(home / "player.log", "w")
        self.player = subprocess.Popen([program], env=self.env, stdout=self.log,
                                       stderr=subprocess.STDOUT)
        self.procs.append(self.player)

    def _spawn(self, argv, read_number=False):
        if not read_number:
            proc = subprocess.Popen(argv, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
            self.procs.append(proc)
            return proc
        read_fd, write_fd = os.pipe()
        argv = [a.replace("{fd}", str(write_fd)) for a in argv]
        proc = subprocess.Popen(argv, pass_fds=[write_fd], stderr=subprocess.DEVNULL)
        self.procs.append(proc)
        os.close(write_fd)
        with os.fdopen(read_fd) as numbers:
            self.number = numbers.readline().strip()
        if not self.number:
            raise RuntimeError("Xvfb did not start")
        return proc

    def hand_over(self, path, timeout=5):
        """The call a second start makes; True when the player answered."""
        done = subprocess.run(["dbus-send", "--session", "--print-reply", f"--reply-timeout={timeout * 1000}",
                               f"--dest={BUS_NAME}", OBJECT_PATH, OPEN_METHOD,
                               f"array:string:{path}"], env=self.env, capture_output=True)
        return done.returncode == 0

    def second_start(self, program, path):
        """The program's own second start, as a user runs it."""
        done = subprocess.run([program, path], env=self.env, capture_output=True, timeout=30)
        return done.returncode

    def wait_on_bus(self, timeout=30):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.player.poll() is not None:
                return False
            if self._owned():
                return True
            time.sleep(0.2)
        return False

    def _owned(self):
        done = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                               "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                               f"string:{BUS_NAME}"], env=self.env, capture_output=True, text=True)
        return "boolean true" in done.stdout

    def shows_one_of(self, skins, timeout=5):
        """Whether the settings, as autosave writes them, name one of `skins`
        as the current skin."""
        settings = self.home / "config" / "kavorodeck" / "kavorodeck.ini"
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            text = settings.read_text(errors="replace") if settings.exists() else ""
            if any(f"Skin={skin}\n" in text for skin in skins):
                return True
            time.sleep(0.2)
        return False

    def close(self):
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(20)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        self.log.close()


def soak(session, skins, seconds, interval):
    """Hands the skins over in turns; returns the samples, one a second."""
    samples = []
    start = time.monotonic()
    next_sample = start
    loads = failed = 0
    while time.monotonic() - start < seconds:
        cycle = time.monotonic()
        if session.player.poll() is not None:
            raise RuntimeError(f"the player ended during the soak (status {session.player.returncode})")
        if not session.hand_over(skins[loads % len(skins)]):
            failed += 1
        loads += 1
        if time.monotonic() >= next_sample:
            samples.append((time.monotonic() - start,) + sample(session.player.pid))
            next_sample += 1.0
        time.sleep(max(0.0, interval - (time.monotonic() - cycle)))
    samples.append((time.monotonic() - start,) + sample(session.player.pid))
    return samples, loads, failed


def report(samples, warmup):
    """Prints the figures; True when nothing grew past the tolerance."""
    settled = [s for s in samples if s[0] >= warmup] or samples[-1:]
    base_rss, base_fds = settled[0][1], settled[0][2]
    end_rss, end_fds = samples[-1][1], samples[-1][2]
    max_rss = max(s[1] for s in samples)
    max_fds = max(s[2] for s in samples)
    print(f"RSS KiB: start {samples[0][1]}  after warm-up {base_rss}  end {end_rss}  max {max_rss}")
    print(f"fds:     start {samples[0][2]}  after warm-up {base_fds}  end {end_fds}  max {max_fds}")
    grew = []
    if end_rss - base_rss > RSS_TOLERANCE_KIB:
        grew.append(f"resident memory grew by {end_rss - base_rss} KiB after the warm-up")
    if end_fds - base_fds > FD_TOLERANCE:
        grew.append(f"open descriptors grew by {end_fds - base_fds} after the warm-up")
    for line in grew:
        print("FAIL: " + line)
    return not grew


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--interval", type=float, default=0.1)
    parser.add_argument("--warmup", type=float, default=10)
    parser.add_argument("--keep", action="store_true", help="keep the temporary folder")
    args = parser.parse_args()

    home = Path(tempfile.mkdtemp(prefix="kd-skin-soak-"))
    skins = [str(classicskin.write_wsz(home / "flat.wsz")), str(full_wsz(home / "full.wsz"))]
    session = None
    try:
        session = Session(args.program, home)
        if not session.wait_on_bus():
            print(f"the player did not come onto its bus; log in {home / 'player.log'}", file=sys.stderr)
            return 2
        time.sleep(1)  # the built-in default skin is shown
        status = session.second_start(args.program, skins[1])
        if status != 0:
            print(f"a second start with a skin archive ended with status {status}", file=sys.stderr)
            return 2
        samples, loads, failed = soak(session, skins, args.seconds, args.interval)
        print(f"{loads} skin loads in {samples[-1][0]:.0f} s ({failed} calls unanswered)")
        for t, rss, fds in samples[:: max(1, len(samples) // 12)]:
            print(f"  {t:5.1f} s  RSS {rss} KiB  fds {fds}")
        ok = report(samples, args.warmup)
        if not session.shows_one_of(skins):
            print("FAIL: the player's settings name none of the skins handed over")
            ok = False
        return 0 if ok and failed == 0 else 1
    except RuntimeError as error:
        print(error, file=sys.stderr)
        return 2
    finally:
        if session:
            session.close()
        if args.keep:
            print(f"kept {home}")
        else:
            shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
