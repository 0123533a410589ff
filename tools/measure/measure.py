#!/usr/bin/env python3
"""Whole-program measurements of a Release build under Xvfb and a private
session bus: start-up time to the mapped window (the single-instance check
included), the hand-over time of a second start, resident memory, CPU while
stopped and while playing an MP3 (audio to `fakesink sync=true`).

  tools/measure/measure.py [BUILD_DIR]     (default build/release)

KD_MEASURE_IDLE_SECONDS sets how long the stopped player is watched (default
10; a clock tick costs little, so a low figure needs a long window).
"""

import os
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
BUILD = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "build" / "release"
PROGRAM = BUILD / "out" / "bin" / "kavorodeck"
TIMER = BUILD / "out" / "bin" / "kd_startup_timer"
TICKS = os.sysconf("SC_CLK_TCK")


def start_xvfb():
    # Servers started at the same moment by other tools may race for a display
    # number: try again until the one reported answers.
    for _ in range(5):
        read_fd, write_fd = os.pipe()
        proc = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0",
                                 "1280x1024x24", "-nolisten", "tcp"], pass_fds=[write_fd],
                                stderr=subprocess.DEVNULL)
        os.close(write_fd)
        number = os.read(read_fd, 16).decode().strip()
        os.close(read_fd)
        display = ":" + number
        if number and subprocess.run(["xdotool", "getmouselocation"],
                                     env=dict(os.environ, DISPLAY=display),
                                     capture_output=True).returncode == 0:
            return proc, display
        proc.terminate()
        proc.wait()
    raise RuntimeError("no X server could be started")


def cpu_seconds(pid):
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


def rss_mb(pid):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmRSS:"):
            return int(line.split()[1]) / 1024
    return 0.0


def start_session_bus():
    proc = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    return proc, proc.stdout.readline().strip()


def environment(display, home, bus):
    env = dict(os.environ)
    env["DBUS_SESSION_BUS_ADDRESS"] = bus
    env.update({"DISPLAY": display, "QT_QPA_PLATFORM": "xcb",
                "XDG_CONFIG_HOME": str(home / "config"), "XDG_DATA_HOME": str(home / "data"),
                "XDG_RUNTIME_DIR": str(home), "KAVORODECK_AUDIO_SINK": "fakesink sync=true"})
    env.pop("WAYLAND_DISPLAY", None)
    return env


def timed_start(env, args=()):
    out = subprocess.run([str(TIMER), "kavorodeck", str(PROGRAM), *args], env=env,
                         capture_output=True, text=True, check=True).stdout.split()
    return float(out[0]), int(out[1])


def stop(pid):
    """Ends the player and waits until it is gone (it is not our child: the
    timer left it running), so the next start finds no player to hand over to."""
    os.kill(pid, signal.SIGTERM)
    for _ in range(200):
        try:
            os.waitpid(pid, os.WNOHANG)
        except ChildProcessError:
            pass
        try:
            state = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()[0]
        except FileNotFoundError:
            return
        if state == "Z":
            return
        time.sleep(0.05)


def hand_over_times(env, path, runs=10):
    """Wall-clock milliseconds of second starts that hand `path` to the
    running player, each from exec to its exit."""
    times = []
    for _ in range(runs):
        started = time.perf_counter()
        subprocess.run([str(PROGRAM), str(path)], env=env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        times.append(1000 * (time.perf_counter() - started))
    return times[1:]  # the first run warms the caches


def make_mp3(path, seconds=90):
    subprocess.run(["gst-launch-1.0", "-q", "audiotestsrc", f"num-buffers={seconds * 43}",
                    "freq=440", "!", "audioconvert", "!", "lamemp3enc", "bitrate=128", "!",
                    "id3v2mux", "!", "filesink", f"location={path}"], check=True)


def main():
    xvfb, display = start_xvfb()
    bus, address = start_session_bus()
    home = Path(tempfile.mkdtemp(prefix="kd-measure-"))
    (home / "config" / "kavorodeck").mkdir(parents=True)
    (home / "data").mkdir()
    env = environment(display, home, address)
    try:
        times = []
        for run in range(6):
            ms, pid = timed_start(env)
            time.sleep(0.5)
            stop(pid)
            if run > 0:  # the first run warms the caches
                times.append(ms)
        print(f"exec to mapped window: median {statistics.median(times):.1f} ms "
              f"(runs {', '.join(f'{t:.0f}' for t in times)})")

        ms, pid = timed_start(env)
        time.sleep(3)
        print(f"resident memory 3 s after start: {rss_mb(pid):.1f} MB")
        handed = hand_over_times(env, home / "data")
        print(f"second start handing over a folder: median {statistics.median(handed):.1f} ms "
              f"(runs {', '.join(f'{t:.0f}' for t in handed)})")
        idle = float(os.environ.get("KD_MEASURE_IDLE_SECONDS", "10"))
        before = cpu_seconds(pid)
        time.sleep(idle)
        print(f"CPU while stopped, over {idle:.0f} s: "
              f"{100 * (cpu_seconds(pid) - before) / idle:.3f} % of one core")
        stop(pid)

        mp3 = home / "tone.mp3"
        make_mp3(mp3)
        settings = home / "config" / "kavorodeck" / "kavorodeck.ini"
        settings.write_text("[config]\nAutoPlay=1\n")
        ms, pid = timed_start(env, [str(mp3)])
        time.sleep(3)
        before = cpu_seconds(pid)
        time.sleep(30)
        cpu = 100 * (cpu_seconds(pid) - before) / 30
        print(f"CPU while playing an MP3: {cpu:.2f} % of one core")
        print(f"resident memory while playing: {rss_mb(pid):.1f} MB")
        stop(pid)
    finally:
        xvfb.terminate()
        xvfb.wait()
        bus.terminate()
        bus.wait()


if __name__ == "__main__":
    main()
