"""A private desktop for end-to-end tests: Xvfb, openbox, a session bus, a temporary home.

Every process started here is ended by its PID when the session closes.
"""
import configparser
import html
import json
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
from datetime import datetime
from zoneinfo import ZoneInfo

TZ = "Europe/Berlin"
BIN = os.environ.get("ZEITFANG_BIN", os.path.join(os.path.dirname(__file__), "../../build/zeitfang"))
BUILD_DIR = os.environ.get("ZEITFANG_BUILD_DIR", os.path.dirname(BIN))
HERE = os.path.dirname(os.path.abspath(__file__))
# The tests' clock library: sets are logged, never made; and no capability to set the clock.
INTERCEPT = os.path.join(BUILD_DIR, "tests", "libclock_intercept.so")
NO_SYS_TIME = ["setpriv", "--inh-caps=-sys_time", "--bounding-set=-sys_time"]


def local_now():
    """The present time as the program under test reads it."""
    return datetime.now(ZoneInfo(TZ)).replace(tzinfo=None, microsecond=0)


def offset_to(seen_now):
    """CLOCK_INTERCEPT_OFFSET that shows the local time `seen_now` now."""
    return repr(seen_now.replace(tzinfo=ZoneInfo(TZ)).timestamp() - time.time())


def clock_env(log, seen_now=None):
    """Environment that gives a process the tests' clock and no system bus to fall back on."""
    if not os.path.exists(INTERCEPT):
        raise RuntimeError("the clock interception library is missing: " + INTERCEPT)
    env = {"LD_PRELOAD": INTERCEPT, "CLOCK_INTERCEPT_LOG": log,
           "DBUS_SYSTEM_BUS_ADDRESS": "unix:path=" + log + ".no-bus"}
    if seen_now is not None:
        env["CLOCK_INTERCEPT_OFFSET"] = offset_to(seen_now)
    return env


def auction_title(end, item="Espressokanne aus Aluminium, 6 Tassen"):
    return f"eBay Angebot 1234567890 (endet {end:%d.%m.%y %H:%M:%S} MESZ) - {item}"


def cache_value(name):
    """A variable of the build's CMake cache."""
    with open(os.path.join(BUILD_DIR, "CMakeCache.txt"), encoding="utf-8") as f:
        return re.search(rf"^{name}:\w+=(.*)$", f.read(), re.M).group(1)


def read_store(path):
    """The [Kairola] section of a settings file, {} when there is none."""
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(path, encoding="utf-8")
    return dict(parser["Kairola"]) if parser.has_section("Kairola") else {}


def wait_for(predicate, timeout=20.0, interval=0.05, what="condition"):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(interval)
    raise TimeoutError(f"timed out waiting for {what}")


def make_home(prefix):
    """A temporary folder with HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR inside."""
    tmp = tempfile.mkdtemp(prefix=prefix)
    home, runtime = os.path.join(tmp, "home"), os.path.join(tmp, "runtime")
    config = os.path.join(home, ".config")
    for d in (home, config, runtime):
        os.makedirs(d, mode=0o700)
    return tmp, home, config, runtime


class Desktop:
    """Xvfb + openbox + dbus session, with HOME and XDG folders of its own."""

    def __init__(self, window_manager=True, size="1280x1024"):
        self.tmp, self.home, self.config, self.runtime = make_home("zeitfang-e2e-")
        self.procs = []
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("DBUS_", "XDG_", "QT_", "WAYLAND", "DISPLAY"))}
        self.env.update(HOME=self.home, XDG_CONFIG_HOME=self.config,
                        XDG_RUNTIME_DIR=self.runtime, LC_ALL="C.UTF-8", TZ=TZ)
        try:
            self._start_x(size)
            bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                             stdout=subprocess.PIPE, text=True)
            self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
            if window_manager:
                self.start_window_manager()
        except BaseException:
            self.close()
            raise

    # --- processes -------------------------------------------------------------------------
    def spawn(self, args, env=None, **kw):
        kw.setdefault("stdout", subprocess.DEVNULL)
        kw.setdefault("stderr", subprocess.DEVNULL)
        proc = subprocess.Popen(args, env={**self.env, **(env or {})}, start_new_session=True,
                                **kw)
        self.procs.append(proc)
        return proc

    def run(self, args, env=None, timeout=30, check=True):
        return subprocess.run(args, env={**self.env, **(env or {})}, timeout=timeout,
                              check=check, capture_output=True, text=True)

    def stop(self, proc, sig=signal.SIGTERM, timeout=10):
        if proc.poll() is None:
            try:
                os.killpg(proc.pid, sig)
            except ProcessLookupError:
                pass
            try:
                proc.wait(timeout)
            except subprocess.TimeoutExpired:
                os.killpg(proc.pid, signal.SIGKILL)
                proc.wait(timeout)

    def close(self):
        for proc in reversed(self.procs):
            try:
                self.stop(proc)
                for pipe in (proc.stdin, proc.stdout):
                    if pipe:
                        pipe.close()
            except Exception:
                pass
        shutil.rmtree(self.tmp, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def _start_x(self, size):
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", size + "x24", "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        self.procs.append(self.xvfb)
        os.close(write_fd)
        with os.fdopen(read_fd) as f:
            number = f.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number
        self.env["DISPLAY"] = self.display

    def start_window_manager(self):
        # Now and then openbox cannot open a display that has just come up and ends at once;
        # it is started again then.
        def state():
            if self.wm.poll() is not None:
                return "ended"
            check = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
            return "window id" in check.stdout and "running"

        for _ in range(3):
            self.wm = self.spawn(["openbox", "--sm-disable"])
            if wait_for(state, timeout=60, what="openbox") == "running":
                return
            time.sleep(0.2)
        raise RuntimeError("openbox did not start")

    # --- windows ---------------------------------------------------------------------------
    def windows_of(self, pid):
        r = self.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)], check=False)
        return [int(w) for w in r.stdout.split()]

    def window_named(self, pattern):
        r = self.run(["xdotool", "search", "--onlyvisible", "--name", pattern], check=False)
        ids = r.stdout.split()
        return int(ids[0]) if ids else None

    def title(self, wid):
        r = self.run(["xprop", "-id", str(wid), "-notype", "_NET_WM_NAME"], check=False)
        m = re.search(r'= "(.*)"\s*$', r.stdout, re.S)
        return re.sub(r'\\(.)', r'\1', m.group(1)) if m else None

    def wm_state(self, wid):
        return self.run(["xprop", "-id", str(wid), "_NET_WM_STATE"], check=False).stdout

    def client_rect(self, wid):
        """Left, top, width and height of a client window on the screen."""
        info = self.run(["xwininfo", "-id", str(wid)]).stdout
        return tuple(int(re.search(rf"{name}:\s+(-?\d+)", info).group(1)) for name in
                     ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def frame(self, wid):
        """Left, top, width and height of the window manager's frame around a client window."""
        x, y, width, height = self.client_rect(wid)
        extents = self.run(["xprop", "-id", str(wid), "_NET_FRAME_EXTENTS"]).stdout
        left, right, top, bottom = map(int, re.findall(r"\d+", extents.split("=")[1]))
        return x - left, y - top, width + left + right, height + top + bottom

    def screenshot(self, path, wid):
        """The window with its frame and title bar, as a PNG."""
        x, y, width, height = self.frame(wid)
        self.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                  path], timeout=30)

    def click(self, wid, x, y):
        self.run(["xdotool", "mousemove", "--window", str(wid), str(x), str(y), "click", "1"])

    # --- programs --------------------------------------------------------------------------
    def start_chromium(self, title):
        page = os.path.join(self.tmp, f"page{len(self.procs)}.html")
        with open(page, "w", encoding="utf-8") as f:
            f.write(f"<!doctype html><html><head><meta charset='utf-8'>"
                    f"<title>{html.escape(title)}</title></head>"
                    f"<body><h1>{html.escape(title)}</h1></body></html>")
        profile = tempfile.mkdtemp(dir=self.tmp, prefix="chromium-")
        proc = self.spawn([
            "chromium", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            "--no-default-browser-check", "--password-store=basic",
            f"--user-data-dir={profile}", "--window-size=900,600", "file://" + page])

        def window():
            for wid in self.run(["xdotool", "search", "--onlyvisible", "--class", "chromium"],
                                check=False).stdout.split():
                if self.title(int(wid)) == title + " - Chromium":
                    return int(wid)
        return proc, wait_for(window, timeout=60, interval=0.2, what="the Chromium window")

    def make_windows(self, layouts):
        """Maps plain X windows (see xwindows.py) in order, the last on top; returns their ids."""
        proc = self.spawn(["/usr/bin/python3", os.path.join(HERE, "xwindows.py")],
                          stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        proc.stdin.write(json.dumps(layouts) + "\n")
        proc.stdin.flush()
        ids = json.loads(proc.stdout.readline())
        for wid, layout in zip(ids, layouts):
            if not layout.get("hidden"):
                wait_for(lambda: "IsViewable" in self.run(["xwininfo", "-id", str(wid)],
                                                          check=False).stdout,
                         what="a test window")
        return proc, ids

    def start_zeitfang(self, args=(), env=None, seen_now=None, prefix=(), **kw):
        """The program and its first window. With `seen_now` it runs under the tests' clock,
        unable to set the machine's, its sets logged to clock_log."""
        e = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_QPA_PLATFORM": "xcb"}
        if seen_now is not None:
            self.clock_log = os.path.join(self.tmp, "clock.log")
            e.update(clock_env(self.clock_log, seen_now))
            prefix = (*NO_SYS_TIME, *prefix)
        e.update(env or {})
        proc = self.spawn([*prefix, BIN, *args], env=e, **kw)
        wid = wait_for(lambda: (self.windows_of(proc.pid) or [None])[0] or proc.poll() is not None,
                       timeout=30, what="the Zeitfang window")
        if proc.poll() is not None:
            raise RuntimeError(f"zeitfang ended with {proc.returncode}")
        return proc, wid

    def labels(self, pid):
        """The texts of the program's labels, as assistive technology reads them."""
        r = self.run(["/usr/bin/python3", os.path.join(HERE, "atspi_labels.py"), str(pid)],
                     timeout=60, check=False)
        if r.returncode != 0:
            raise RuntimeError("AT-SPI read failed: " + r.stderr[-2000:])
        return [line.replace("\\n", "\n") for line in r.stdout.splitlines()]

    def settings_path(self):
        return os.path.join(self.config, "Orvikwerk.conf")

    def store(self):
        return read_store(self.settings_path())
