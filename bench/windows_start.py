"""Under Wine on a private desktop: the Windows program's time from start to its window shown,
beside a minimal Win32 window started the same way in the same run, with the .exe's size and
the private memory of both after start.

Prints figures; it is not a test. Needs the test build (scripts/build.sh) for the program and
the minimal window. Usage: windows_start.py [--starts N] [--build DIR]
"""
import argparse
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../tests/e2e"))
from harness import NO_SYS_TIME, Desktop  # noqa: E402


def private_kib(pid):
    """Private pages of the process, as Windows counts its private working set."""
    with open(f"/proc/{pid}/smaps_rollup") as f:
        return sum(int(line.split()[1]) for line in f if line.startswith("Private_"))


def start(d, env, args, title):
    """Seconds from the start until a window with the title is shown, and the private memory."""
    began = time.monotonic()
    proc = d.spawn([*NO_SYS_TIME, "wine", *args], env=env)
    while not d.run(["xdotool", "search", "--onlyvisible", "--name", title]).strip():
        if proc.poll() is not None:
            raise SystemExit(f"{args[0]} ended with {proc.returncode} before its window showed")
        time.sleep(0.01)
    shown = time.monotonic() - began
    time.sleep(1)
    if proc.poll() is not None:
        raise SystemExit(f"{args[0]} ended with {proc.returncode} after its window showed")
    memory = private_kib(proc.pid)
    proc.kill()
    proc.wait()
    while d.run(["xdotool", "search", "--onlyvisible", "--name", title]).strip():
        time.sleep(0.05)
    return shown, memory


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--starts", type=int, default=7)
    parser.add_argument("--build", default=os.path.join(os.path.dirname(__file__), "../build"))
    a = parser.parse_args()
    exe = os.path.join(a.build, "windows/program/shell/win32/zeitfang.exe")
    minimal = os.path.join(a.build, "windows/helper/controls.exe")
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
        runs = {"zeitfang.exe": [], "minimal window": []}
        for _ in range(a.starts):  # interleaved, so both see the same machine
            runs["zeitfang.exe"].append(start(d, env, [exe], "^ Zeitfang 1"))
            runs["minimal window"].append(start(d, env, [minimal, "--window", "Referenz"],
                                                "^Referenz$"))
        subprocess.run([*NO_SYS_TIME, "wineserver", "-k"], env={**d.env, **env}, check=True)
    median = {name: statistics.median(s for s, _ in r) for name, r in runs.items()}
    for name, r in runs.items():
        print(f"{name:15} start to window shown: median {median[name] * 1000:6.0f} ms "
              f"(min {min(s for s, _ in r) * 1000:.0f}, max {max(s for s, _ in r) * 1000:.0f}), "
              f"private memory after start {statistics.median(m for _, m in r) / 1024:.1f} MiB")
    print(f"ratio zeitfang / minimal: {median['zeitfang.exe'] / median['minimal window']:.2f} "
          f"(limit 1.5); zeitfang.exe {os.path.getsize(exe) / 1024:.0f} KiB")


if __name__ == "__main__":
    main()
