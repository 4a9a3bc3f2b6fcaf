"""Under Wine on a private desktop: the Windows program's time from start to its window mapped,
beside a minimal Win32 window started the same way in the same run, with the .exe's size and
the private memory of both after start.

Prints figures; it is not a test. Needs the test build (scripts/build.sh) for the program and
the minimal window (bench/min_window_win32.cpp). Usage: windows_start.py [--starts N] [--build DIR]
"""
import argparse
import os
import re
import select
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../tests/e2e"))
import startup_phases  # noqa: E402
from Xlib import X, display  # noqa: E402
from harness import NO_SYS_TIME, Desktop  # noqa: E402


def private_kib(pid):
    """Private pages of the process, as Windows counts its private working set."""
    with open(f"/proc/{pid}/smaps_rollup") as f:
        return sum(int(line.split()[1]) for line in f if line.startswith("Private_"))


def titled(d, window, title):
    """Whether the mapped window, or the client in the frame the window manager mapped, has the
    title."""
    for w in (window, *window.query_tree().children):
        name = w.get_full_property(d.intern_atom("_NET_WM_NAME"), 0)
        if name and title.search(name.value.decode("utf-8", "replace")):
            return True
    return False


def start(d, env, args, title):
    """Seconds from the start until a window with the title is mapped, the private memory, and
    the start-up phases. The map is read from the X server's own events, not polled."""
    marks = os.path.join(d.tmp, "startup-marks")
    if os.path.exists(marks):
        os.remove(marks)
    env = {**env, "ZEITFANG_STARTUP_MARKS": "Z:" + marks.replace("/", "\\")}
    x = display.Display(d.env["DISPLAY"])
    x.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    x.sync()
    began, spawned = time.monotonic(), startup_phases.now_us(time.CLOCK_MONOTONIC_RAW)
    proc = d.spawn([*NO_SYS_TIME, "wine", *args], env=env)
    deadline = began + 60
    while True:
        if not x.pending_events() and not select.select([x.fileno()], [], [], 0.1)[0]:
            if proc.poll() is not None or time.monotonic() > deadline:
                raise SystemExit(f"{args[0]} showed no window (status {proc.poll()})")
            continue
        event = x.next_event()
        if event.type == X.MapNotify and titled(x, event.window, title):
            shown = time.monotonic() - began
            seen = startup_phases.now_us(time.CLOCK_MONOTONIC_RAW)
            break
    x.close()
    time.sleep(1)
    phases = startup_phases.read(marks, spawned, seen, "seen")
    if proc.poll() is not None:
        raise SystemExit(f"{args[0]} ended with {proc.returncode} after its window showed")
    memory = private_kib(proc.pid)
    proc.kill()
    proc.wait()
    while d.run(["xdotool", "search", "--onlyvisible", "--name", title.pattern]).strip():
        time.sleep(0.05)
    return shown, memory, phases


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--starts", type=int, default=7)
    parser.add_argument("--build", default=os.path.join(os.path.dirname(__file__), "../build"))
    a = parser.parse_args()
    exe = os.path.join(a.build, "windows/program/shell/win32/zeitfang.exe")
    minimal = os.path.join(a.build, "windows/helper/min_window.exe")
    with Desktop() as d:
        # As in the tests: Wine runs without the right to set the clock, with the tests' clock
        # library refusing every set, and without a system bus.
        intercept = os.path.join(a.build, "tests", "libclock_intercept.so")
        env = {"WINEPREFIX": os.path.join(d.tmp, "wine"), "WINEDEBUG": "-all",
               "WINEDLLOVERRIDES": "mscoree,mshtml=", "TZ": "Europe/Berlin",
               "LD_PRELOAD": intercept, "CLOCK_INTERCEPT_REFUSE": "1",
               "DBUS_SYSTEM_BUS_ADDRESS": "unix:path=/none"}
        os.makedirs(env["WINEPREFIX"])
        d.spawn([*NO_SYS_TIME, "wineserver", "-f", "-p"], env=env)
        subprocess.run([*NO_SYS_TIME, "wine", "wineboot", "-i"], env={**d.env, **env},
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120,
                       check=True)
        programs = {"zeitfang.exe": ([exe], re.compile("^ Zeitfang 1")),
                    "minimal window": ([minimal], re.compile("^Referenz$"))}
        runs = {name: [] for name in programs}
        try:
            # One start of each unmeasured: the first in a new prefix fills Wine's caches.
            for args, title in programs.values():
                start(d, env, args, title)
            for _ in range(a.starts):  # interleaved, so both see the same machine
                for name, (args, title) in programs.items():
                    runs[name].append(start(d, env, args, title))
        finally:
            # Wine's services outlive the desktop unless their server ends them.
            subprocess.run([*NO_SYS_TIME, "wineserver", "-k"], env={**d.env, **env}, check=True)
    print(startup_phases.table({name: [p for _, _, p in r] for name, r in runs.items()}))
    median = {name: statistics.median(s for s, _, _ in r) for name, r in runs.items()}
    memory = {name: statistics.median(m for _, m, _ in r) for name, r in runs.items()}
    for name, r in runs.items():
        shown = [s * 1000 for s, _, _ in r]
        print(f"{name:15} start to window shown: median {median[name] * 1000:6.0f} ms "
              f"(min {min(shown):.0f}, max {max(shown):.0f}), "
              f"private memory after start {memory[name] / 1024:.1f} MiB")
    z, m = "zeitfang.exe", "minimal window"
    print(f"ratio zeitfang / minimal: {median[z] / median[m]:.2f} (limit 1.2); private memory "
          f"{memory[z] / memory[m]:.2f} (limit 1.5); "
          f"zeitfang.exe {os.path.getsize(exe) / 1024:.0f} KiB")


if __name__ == "__main__":
    main()
