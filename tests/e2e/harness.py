"""A private desktop for end-to-end tests: Xvfb, openbox, a session bus and a temporary home.

Every process started here is ended by its PID when the desktop closes. The program runs with
the tests' clock library and without the right to set the clock, so it never sets the machine's.
"""
import contextlib
import html
import itertools
import http.server
import os
import re
import shutil
import signal
import subprocess
import tempfile
import threading
import time
from datetime import datetime, timedelta
from zoneinfo import ZoneInfo

from Xlib import X, Xatom, display

TZ = "Europe/Berlin"
BIN = os.environ.get("ZEITFANG_BIN", "../../build/zeitfang")
BUILD_DIR = os.environ.get("ZEITFANG_BUILD_DIR", os.path.dirname(BIN))
INTERCEPT = os.path.join(BUILD_DIR, "tests", "libclock_intercept.so")
NO_SYS_TIME = ["setpriv", "--inh-caps=-sys_time", "--bounding-set=-sys_time"]
SEEN_NOW = datetime(2026, 3, 10, 9, 0, 0)
TIME_PAGE = b"<p>Offizielle eBay-Zeit:   08.11.2004 14:05:33 MEZ</p>"
CHROMIUM = ["chromium", "--no-sandbox", "--disable-gpu", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            "--no-default-browser-check", "--password-store=basic"]


def local_now():
    return datetime.now(ZoneInfo(TZ)).replace(tzinfo=None, microsecond=0)


def clock_env(log, seen_now):
    """The tests' clock showing `seen_now`, its sets logged, and no system bus to fall back on."""
    assert os.path.exists(INTERCEPT), INTERCEPT
    offset = seen_now.replace(tzinfo=ZoneInfo(TZ)).timestamp() - time.time()
    return {"LD_PRELOAD": INTERCEPT, "CLOCK_INTERCEPT_LOG": log, "TZ": TZ,
            "CLOCK_INTERCEPT_OFFSET": repr(offset), "DBUS_SYSTEM_BUS_ADDRESS": "unix:path=/none"}


def time_mode(binary, proxy, log):
    """`binary -time` through the proxy under the tests' clock: status, output, and the clock
    sets the library recorded, as local date-times, in order."""
    env = {"PATH": os.environ["PATH"], "HOME": os.path.dirname(log), "http_proxy": proxy,
           **clock_env(log, SEEN_NOW)}
    r = subprocess.run([*NO_SYS_TIME, binary, "-time"], env=env, capture_output=True, timeout=90)
    sets = [line.split()[2:4] for line in (open(log).read().splitlines() if os.path.exists(log)
                                           else []) if line.startswith("set ")]
    return r.returncode, r.stdout + r.stderr, [datetime.strptime(" ".join(s), "%Y-%m-%d %H:%M:%S")
                                               for s in sets]


def auction_title(end, item="Espressokanne aus Aluminium, 6 Tassen"):
    return f"eBay Angebot 1234567890 (endet {end:%d.%m.%y %H:%M:%S} MESZ) - {item}"


def wait_for(predicate, timeout=30.0, what="condition"):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if value := predicate():
            return value
        time.sleep(0.05)
    raise TimeoutError("timed out waiting for " + what)


def time_proxy(pause=2.0, page=TIME_PAGE, offset=None, fraction=0.5, at=None):
    """A local proxy for the time page, on daemon threads: it records each request line with
    its User-Agent, and the time of the last, and answers `pause` seconds after the response
    has begun. Given the tests' clock's `offset`, the response begins at that clock's `fraction`
    of a second, or when it reads the local time `at` (its reading then in `served`), and `page`
    may be a function of that reading."""
    class Handler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            if offset is not None:
                time.sleep(max(0, at.replace(tzinfo=ZoneInfo(TZ)).timestamp() - time.time() - offset)
                           if at else (fraction - time.time() - offset) % 1)
                server.served = time.time() + offset
                seen = datetime.fromtimestamp(server.served, ZoneInfo(TZ)).replace(tzinfo=None)
            body = page(seen) if callable(page) else page
            server.asked = time.time()
            server.requests.append((self.requestline, self.headers["User-Agent"]))
            self.send_response(200)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body[:8])
            self.wfile.flush()
            time.sleep(pause)
            self.wfile.write(body[8:])

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads, server.requests = True, []
    server.url = f"http://127.0.0.1:{server.server_port}"
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def ahead(seconds):
    """A time page showing the tests' clock `seconds` ahead."""
    page = "<p>Offizielle eBay-Zeit:   {:%d.%m.%Y %H:%M:%S} MEZ</p>"
    return lambda seen: page.format(seen + timedelta(seconds=seconds)).encode()


def zone_page(served):
    """A time page showing the tests' clock 10 s after `served`, with the zone word in force."""
    wall = datetime.fromtimestamp(served + 10, ZoneInfo(TZ))
    word = "MESZ" if wall.dst() else "MEZ"
    return f"<p>Offizielle eBay-Zeit:   {wall:%d.%m.%Y %H:%M:%S} {word}</p>".encode()


class Desktop:
    """Xvfb with openbox or with no window manager; a subclass's `start` sets up another."""

    def __init__(self, *args, **options):
        self.tmp = tempfile.mkdtemp(prefix="zeitfang-e2e-")
        self.home, self.config = os.path.join(self.tmp, "home"), os.path.join(self.tmp, "config")
        self.log = os.path.join(self.tmp, "clock.log")
        for d in (self.home, self.config, os.path.join(self.tmp, "run")):
            os.makedirs(d, mode=0o700)
        self.procs = []
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("DBUS_", "XDG_", "QT_", "WAYLAND", "DISPLAY"))}
        self.env.update(HOME=self.home, XDG_CONFIG_HOME=self.config, LC_ALL="C.UTF-8", TZ=TZ,
                        XDG_RUNTIME_DIR=os.path.join(self.tmp, "run"))
        try:
            self.start(*args, **options)
        except BaseException:
            self.close()
            raise

    wm = False

    def start(self, window_manager=True):
        self.wm = window_manager
        read_fd, write_fd = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24",
                    "-nolisten", "tcp"], pass_fds=(write_fd,))
        os.close(write_fd)
        with os.fdopen(read_fd) as f:
            self.env["DISPLAY"] = ":" + f.readline().strip()
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE, text=True)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        for _ in range(3 if window_manager else 0):  # openbox may end on a new display
            wm = self.spawn(["openbox", "--sm-disable"])
            if wait_for(lambda: "ended" if wm.poll() is not None else "window id" in self.run(
                    ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]), 60, "openbox") is True:
                break
        self.x = display.Display(self.env["DISPLAY"])

    def spawn(self, args, env=None, **kw):
        kw.setdefault("stdout", subprocess.DEVNULL)
        kw.setdefault("stderr", subprocess.DEVNULL)
        proc = subprocess.Popen(args, env={**self.env, **(env or {})}, start_new_session=True, **kw)
        self.procs.append(proc)
        return proc

    def stop(self, proc, sig=signal.SIGTERM):
        if proc.poll() is None:
            os.killpg(proc.pid, sig)
            proc.wait(10)
            # What it forked on its way out (sway: a new Xwayland) is still in its group.
            with contextlib.suppress(ProcessLookupError):
                os.killpg(proc.pid, signal.SIGKILL)

    def run(self, args):
        return subprocess.run(args, env=self.env, timeout=30, capture_output=True, text=True).stdout

    def close(self):
        for proc in reversed(self.procs):
            self.stop(proc, signal.SIGKILL)
            for pipe in filter(None, (proc.stdin, proc.stdout, proc.stderr)):
                pipe.close()
        shutil.rmtree(self.tmp, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def title(self, wid):
        m = re.search(r'= "(.*)"$', self.run(["xprop", "-id", str(wid), "_NET_WM_NAME"]), re.S)
        return re.sub(r"\\(.)", r"\1", m.group(1)) if m else None

    def window(self, title, mapped=True):
        """A plain X window with the given title."""
        screen = self.x.screen()
        w = screen.root.create_window(50, 50, 300, 100, 0, screen.root_depth, X.InputOutput)
        w.change_property(self.x.intern_atom("_NET_WM_NAME"), self.x.intern_atom("UTF8_STRING"),
                          8, title.encode())
        # Every real client names its host; newer wmctrl -l crashes on one without.
        w.change_property(Xatom.WM_CLIENT_MACHINE, Xatom.STRING, 8, b"localhost")
        if mapped:
            w.map()
        self.x.sync()
        if mapped and self.wm:  # listed by the window manager before the program scans
            stacking, polls = self.x.intern_atom("_NET_CLIENT_LIST_STACKING"), itertools.count(1)

            def listed():  # openbox can lose a map request made while it starts: made again
                if next(polls) % 20 == 0 and w.get_attributes().map_state == X.IsUnmapped:
                    w.map()
                return w.id in getattr(self.x.screen().root.get_full_property(stacking, 0),
                                       "value", [])
            wait_for(listed, 30, "the window manager")
        return w.id

    def page(self, title, folder=None):
        """The path of a local page with the given title."""
        path = os.path.join(folder or self.tmp, f"page{len(self.procs)}.html")
        with open(path, "w", encoding="utf-8") as f:
            f.write(f"<!doctype html><meta charset='utf-8'><title>{html.escape(title)}</title>")
        return path

    def chromium(self, title):
        page = self.page(title)
        self.spawn([*CHROMIUM, "--disable-quic", f"--user-data-dir={page}.profile",
                    "file://" + page])
        shown = ["xdotool", "search", "--name", re.escape(title) + " - Chromium"]
        wait_for(lambda: self.run(shown), 60, "the Chromium window")

    def shown(self, proc):
        """The id of the window `proc` shows, once shown; the process must still run."""
        wid = wait_for(lambda: proc.poll() is None and self.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(proc.pid)]).split(), 30, "a window")
        return int(wid[0])

    def zeitfang(self, seen_now, args=(), settings="", env=None, **kw):
        """The program under the tests' clock, and its window once it is shown."""
        with open(os.path.join(self.config, "Orvikwerk.conf"), "w") as f:
            f.write("[Kairola]\n" + settings)
        env = {**clock_env(self.log, seen_now), "no_proxy": "", "NO_PROXY": "", **(env or {})}
        proc = self.spawn([*NO_SYS_TIME, BIN, *args], env=env, **kw)
        return proc, self.shown(proc)
