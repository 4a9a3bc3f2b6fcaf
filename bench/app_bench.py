"""On one desktop of 200 windows: the window-list scan next to `wmctrl -l`, and the real
program's start-up time, peak memory and CPU time in the last hour of an auction.

Prints figures; it is not a test. Usage: app_bench.py [--cpu-seconds N] [--starts N]
"""
import argparse
import os
import statistics
import subprocess
import sys
import time
from datetime import timedelta

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../tests/e2e"))
import harness  # noqa: E402
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
    proc.terminate()
    proc.wait(10)


def time_to_map(desktop):
    """Seconds from spawning the program to its window being mapped on the screen."""
    d = display.Display(desktop.env["DISPLAY"])
    root = d.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    while d.pending_events():
        d.next_event()
    start = time.perf_counter()
    proc = desktop.spawn([*harness.NO_SYS_TIME, harness.BIN], env={"QT_QPA_PLATFORM": "xcb"})
    while True:
        event = d.next_event()  # openbox maps the frame once the client asked to be mapped
        if event.type == X.MapNotify:
            elapsed = time.perf_counter() - start
            break
    d.close()
    return proc, elapsed


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cpu-seconds", type=float, default=60)
    parser.add_argument("--starts", type=int, default=10)
    args = parser.parse_args()
    with harness.Desktop() as desktop:
        end = harness.local_now() + timedelta(minutes=45)  # the last-hour state: 200 ms ticks
        for i in range(199):
            desktop.window(f"Fenster {i}")
        desktop.window(harness.auction_title(end))
        scan = subprocess.run([os.path.join(harness.BUILD_DIR, "bench", "scan_bench"), "0"],
                              env=desktop.env, timeout=300, capture_output=True, text=True)
        print(scan.stdout, end="")
        times, rss = [], []
        for _ in range(args.starts):
            proc, elapsed = time_to_map(desktop)
            times.append(elapsed * 1000)
            time.sleep(0.5)
            rss.append(peak_rss_kib(proc.pid) / 1024)
            stop(proc)
        proc, _ = time_to_map(desktop)
        time.sleep(1)
        before, t0 = ticks(proc.pid), time.monotonic()
        time.sleep(args.cpu_seconds)
        used = (ticks(proc.pid) - before) / os.sysconf("SC_CLK_TCK")
        wall = time.monotonic() - t0
        stop(proc)
    print(f"start to window mapped (median of {args.starts}): {statistics.median(times):7.1f} ms"
          f"   (target <= 150 ms)")
    print(f"peak RSS (median):                    {statistics.median(rss):7.1f} MB"
          f"   (target <= 40 MB)")
    print(f"CPU in the last hour over {wall:.0f} s:        {100 * used / wall:7.3f} %"
          f"   (target <= 0.3 % of one core)")


if __name__ == "__main__":
    main()
