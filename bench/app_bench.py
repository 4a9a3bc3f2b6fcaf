"""On one desktop of 200 windows: the window-list scan next to `wmctrl -l`, and the real
program's start-up time, peak memory and CPU time in the last hour of an auction, each beside the
smallest Qt window of the same size that rewrites two labels (bench/min_window.cpp).

Prints figures; it is not a test. Usage: app_bench.py [--cpu-seconds N] [--starts N]
"""
import argparse
import os
import select
import shutil
import statistics
import subprocess
import sys
import time
from datetime import timedelta

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../tests/e2e"))
import harness  # noqa: E402
import startup_phases  # noqa: E402
from Xlib import X, display  # noqa: E402


def ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime + stime


def peak_rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def stop(proc):
    if proc.poll() is not None:  # its figures would be a dead process's
        raise SystemExit(f"{proc.args[-1]} ended early with status {proc.returncode}")
    proc.terminate()
    proc.wait(10)


def time_to_map(desktop, program, marks=""):
    """Seconds from spawning a program to its window being mapped on the screen, and the
    start-up phases when given a file for its marks."""
    d = display.Display(desktop.env["DISPLAY"])
    root = d.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    while d.pending_events():
        d.next_event()
    start, spawned = time.perf_counter(), startup_phases.now_us()
    # As the tests run it: no right to set the clock, the tests' clock library, no system bus.
    guard = harness.clock_env(desktop.log, harness.local_now())
    proc = desktop.spawn([*harness.NO_SYS_TIME, program],
                         env={"QT_QPA_PLATFORM": "xcb", "ZEITFANG_STARTUP_MARKS": marks, **guard})
    deadline = time.monotonic() + 60
    while True:  # openbox maps the frame once the client asked to be mapped
        if not d.pending_events() and not select.select([d.fileno()], [], [], 0.1)[0]:
            if proc.poll() is not None or time.monotonic() > deadline:
                raise SystemExit(f"{program} showed no window (status {proc.poll()})")
            continue
        if d.next_event().type == X.MapNotify:
            elapsed, mapped = time.perf_counter() - start, startup_phases.now_us()
            break
    d.close()
    return proc, elapsed, marks and startup_phases.read(marks, spawned, mapped)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cpu-seconds", type=float, default=60)
    parser.add_argument("--starts", type=int, default=10)
    parser.add_argument("--instructions", action="store_true",
                        help="also count each phase's instructions with callgrind")
    args = parser.parse_args()
    with harness.Desktop() as desktop:
        end = harness.local_now() + timedelta(minutes=45)  # the last-hour state: 200 ms ticks
        for i in range(199):
            desktop.window(f"Fenster {i}")
        desktop.window(harness.auction_title(end))
        scan = subprocess.run([os.path.join(harness.BUILD_DIR, "bench", "scan_bench"), "200"],
                              env=desktop.env, timeout=300, capture_output=True, text=True)
        print(scan.stdout, end="")
        if scan.returncode != 0:
            raise SystemExit(f"scan_bench failed with {scan.returncode}: {scan.stderr.strip()}")
        reference = os.path.join(harness.BUILD_DIR, "bench", "min_window")
        programs = {"zeitfang": harness.BIN, "minimal": reference}
        starts = {name: [] for name in programs}
        for program in programs.values():  # unmeasured: the first start fills the caches
            start_once(desktop, program)
        for _ in range(args.starts):  # alternating, so a busy moment hits both alike
            for name, program in programs.items():
                starts[name].append(start_once(desktop, program))
        figures = {name: [statistics.median(t for t, _, _ in starts[name]),
                          statistics.median(r for _, r, _ in starts[name]),
                          cpu_in_last_hour(desktop, program, args.cpu_seconds)]
                   for name, program in programs.items()}
        counts = {name: [instructions(desktop, program)] for name, program in programs.items()
                  if args.instructions and shutil.which("valgrind")}
    print(startup_phases.table({name: [p for _, _, p in runs] for name, runs in starts.items()}))
    if args.instructions and not counts:
        print("instructions left out: no valgrind")
    if counts:
        print(startup_phases.table(counts, "main thread's instructions, millions"))
        total = {name: sum(c[0].values()) for name, c in counts.items()}
        print(f"{'instructions to window shown, millions':38}{total['zeitfang']:10.2f}"
              f"{total['minimal']:10.2f}{total['zeitfang'] / total['minimal']:8.2f}")
    z, m = figures["zeitfang"], figures["minimal"]
    print(f"{'':38}{'Zeitfang':>10}{'minimal':>10}{'ratio':>8}   target")
    for i, (what, unit, target) in enumerate((
            (f"start to window mapped (median of {args.starts})", "ms", 1.1),
            ("peak RSS (median)", "MB", 1.1),
            (f"CPU in the last hour ({args.cpu_seconds:.0f} s)", "%", 1.0))):
        print(f"{what + ', ' + unit:38}{z[i]:10.2f}{m[i]:10.2f}{z[i] / max(m[i], 1e-9):8.2f}"
              f"   <= {target}")


def start_once(desktop, program):
    marks = os.path.join(desktop.tmp, "startup-marks")
    if os.path.exists(marks):
        os.remove(marks)
    proc, elapsed, phases = time_to_map(desktop, program, marks)
    time.sleep(0.5)
    rss = peak_rss_kib(proc.pid) / 1024
    stop(proc)
    return elapsed * 1000, rss, phases


def instructions(desktop, program):
    """Millions of instructions the main thread runs in each start-up phase up to the window
    shown, which no load on the machine changes."""
    out = os.path.join(desktop.tmp, f"callgrind-{os.path.basename(program)}")
    marks = out + ".marks"
    proc = desktop.spawn([*harness.NO_SYS_TIME, "valgrind", "--tool=callgrind",
                          "--separate-threads=yes", "--dump-before=markStartup*",
                          f"--callgrind-out-file={out}", program],
                         env={"QT_QPA_PLATFORM": "xcb", "ZEITFANG_STARTUP_MARKS": marks,
                              **harness.clock_env(desktop.log, harness.local_now())})
    harness.wait_for(lambda: os.path.exists(marks) and "shown" in open(marks).read(), 300,
                     "the window under callgrind")
    time.sleep(2)
    stop(proc)
    counts, pending = {}, 0
    with open(marks) as f:
        names = [line.split()[0] for line in f]
    for i, name in enumerate(names, 1):  # part i ran up to the i-th mark
        with open(f"{out}.{i}-01") as f:
            pending += next(int(line.split()[1]) for line in f if line.startswith("summary:"))
        if name not in counts:
            counts[name], pending = pending / 1e6, 0
    return counts


def cpu_in_last_hour(desktop, program, seconds):
    proc, _, _ = time_to_map(desktop, program)
    time.sleep(1)
    before, t0 = ticks(proc.pid), time.monotonic()
    time.sleep(seconds)
    used = (ticks(proc.pid) - before) / os.sysconf("SC_CLK_TCK")
    wall = time.monotonic() - t0
    stop(proc)
    return 100 * used / wall

if __name__ == "__main__":
    main()
