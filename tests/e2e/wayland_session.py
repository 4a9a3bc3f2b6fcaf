"""A headless Wayland compositor for end-to-end tests: private runtime folder and session bus,
browsers natively on Wayland, the program on the compositor's XWayland.

sway refuses root, so each compositor's own processes and browsers run as `nobody`; Zeitfang
runs as root, let in by the XWayland server's access list. Processes are ended by their PID.
"""
import os
import re
import shutil
import subprocess
import tempfile
import textwrap
from datetime import timedelta

from harness import Desktop, auction_title, local_now, make_home, wait_for

NOBODY = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--inh-caps=-all",
          "--bounding-set=-sys_time"]
BROWSER_ENV = {"DBUS_SESSION_BUS_ADDRESS": "unix:path=/nonexistent", "MOZ_ENABLE_WAYLAND": "1",
               "MOZ_WEBRENDER": "0", "LIBGL_ALWAYS_SOFTWARE": "1"}
# Firefox reaches nothing: no name look-ups, every request to a closed local port.
FIREFOX_PREFS = ('network.dns.disabled true', 'network.proxy.type 1', 'app.update.enabled false',
                 'network.proxy.http "127.0.0.1"', 'network.proxy.http_port 9',
                 'network.proxy.ssl "127.0.0.1"', 'network.proxy.ssl_port 9',
                 'toolkit.telemetry.enabled false', 'browser.shell.checkDefaultBrowser false')


class WaylandSession(Desktop):
    """One compositor, started by `start_<name>`; `minimize(title)` is its own way to hide one."""

    def __init__(self, compositor):
        self.tmp, self.home, self.config, self.runtime = make_home("zeitfang-wl-")
        self.procs = []
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("DBUS_", "XDG_", "QT_", "WAYLAND", "DISPLAY"))}
        self.env.update(HOME=self.home, XDG_CONFIG_HOME=self.config, XDG_RUNTIME_DIR=self.runtime,
                        LC_ALL="C.UTF-8", TZ="Europe/Berlin")
        os.chmod(self.tmp, 0o755)
        self.user = os.path.join(self.tmp, "user")  # nobody's home and runtime folder
        os.makedirs(self.user, mode=0o700)
        os.chown(self.user, 65534, 65534)
        self.user_env = {"HOME": self.user, "XDG_RUNTIME_DIR": self.user,
                         "XDG_CONFIG_HOME": os.path.join(self.user, ".config")}
        try:
            bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                             stdout=subprocess.PIPE, text=True)
            self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
            getattr(self, "start_" + compositor)()
            self.env["DISPLAY"] = wait_for(lambda: self.read_user_file("display"), timeout=60,
                                           what=compositor)
        except BaseException:
            self.close()
            raise

    def read_user_file(self, name):
        path = os.path.join(self.user, name)
        return os.path.exists(path) and open(path, encoding="utf-8").read().strip()

    def write_user_file(self, name, text):
        path = os.path.join(self.user, name)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        os.chown(path, 65534, 65534)
        return path

    def as_user(self, args, background=False, **env):
        env = {**self.user_env, **BROWSER_ENV, "WAYLAND_DISPLAY": self.socket, **env}
        if background:
            return self.spawn([*NOBODY, *args], env=env, cwd=self.user)
        return subprocess.run([*NOBODY, "env", *(f"{k}={v}" for k, v in env.items()), *args],
                              cwd=self.user, check=True, capture_output=True, timeout=30)

    # --- compositors: each runs `ready` once its XWayland is up --------------------------
    def ready(self):
        return f"xhost +si:localuser:root >/dev/null; echo $DISPLAY > {self.user}/display"

    def start_sway(self):
        self.socket = os.path.join(self.user, "wayland-1")
        config = self.write_user_file("sway.conf", textwrap.dedent(f"""\
            output HEADLESS-1 resolution 1280x1024
            xwayland force
            exec sh -c '{self.ready()}'
            """))
        self.as_user(["sway", "-c", config], background=True, WLR_BACKENDS="headless",
                     WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman")
        wait_for(lambda: os.path.exists(self.socket), what="the sway socket")
        self.sway_ipc = wait_for(lambda: [f for f in os.listdir(self.user)
                                          if f.startswith("sway-ipc")], what="sway IPC")[0]

    def start_kwin(self):
        # Debian gives kwin_wayland a file capability that a container may refuse to grant; a
        # copy runs without it. As root, its socket is opened to the browsers' user.
        kwin = shutil.copy("/usr/bin/kwin_wayland", self.tmp)
        self.socket = os.path.join(self.user, "wayland-kwin")
        # KWin starts one program without arguments: hand it a script.
        ready = self.write_user_file("ready.sh", f"#!/bin/sh\n{self.ready()}\nexec sleep 86400\n")
        os.chmod(ready, 0o755)
        self.spawn([kwin, "--virtual", "--no-lockscreen", "--no-global-shortcuts",
                    "--no-kactivities", "--xwayland", "--width", "1280", "--height", "1024",
                    "--socket", "wayland-kwin", ready],
                   env={"XDG_RUNTIME_DIR": self.user, "KWIN_COMPOSE": "Q"})
        wait_for(lambda: os.path.exists(self.socket), what="the KWin socket")
        os.chmod(self.socket, 0o777)

    def minimize_kwin(self, title):
        script = self.write_user_file("minimize.js", "workspace.clientList().forEach(function (c) "
                                      f"{{ if (c.caption.indexOf({title!r}) === 0) c.minimized = true; }});")
        send = ["dbus-send", "--session", "--print-reply", "--dest=org.kde.KWin"]
        reply = self.run([*send, "/Scripting", "org.kde.kwin.Scripting.loadScript",
                          "string:" + script, "string:zeitfang-test"]).stdout
        self.run([*send, "/" + reply.split()[-1], "org.kde.kwin.Script.run"])

    def minimize_sway(self, title):
        # sway has no minimising; the scratchpad is its way to put a window out of sight.
        self.as_user(["swaymsg", "-s", os.path.join(self.user, self.sway_ipc),
                      f'[title="^{re.escape(title)}"] move scratchpad'])

    # --- browsers ----------------------------------------------------------------------------
    def page(self, title):
        name = f"page{len(self.procs)}.html"
        return "file://" + self.write_user_file(
            name, f"<!doctype html><meta charset='utf-8'><title>{title}</title><h1>{title}</h1>")

    def browser(self, kind, title):
        profile = os.path.join(self.user, f"{kind}-{len(self.procs)}")
        if kind == "chromium":
            return self.as_user([
                "chromium", "--ozone-platform=wayland", "--no-sandbox", "--disable-gpu",
                "--no-first-run", "--disable-background-networking", "--disable-component-update",
                "--disable-sync", "--no-default-browser-check", "--password-store=basic",
                f"--user-data-dir={profile}", self.page(title)], background=True)
        os.makedirs(profile)
        os.chown(profile, 65534, 65534)
        self.write_user_file(os.path.join(profile, "user.js"), "".join(
            'user_pref("{}", {});\n'.format(*p.split(" ", 1)) for p in FIREFOX_PREFS))
        return self.as_user(["firefox-esr", "--no-remote", "--profile", profile,
                             self.page(title)], background=True)

    # --- the program -------------------------------------------------------------------------
    def take_over(self, proc, wid, expected):
        """Clicks "Artikel übernehmen" until the labels hold `expected`; then the labels."""
        def attempt():
            self.click(wid, 170, 150)
            labels = self.labels(proc.pid)
            return expected in labels and labels
        return wait_for(attempt, timeout=60, interval=0.5, what=expected)


def run_capture_scenario(test, compositor, upper_browser="chromium"):
    """Capture takes the auction; a newer auction window above it wins; a minimised auction
    window is still taken; once its window is closed the no-item state follows."""
    session = WaylandSession(compositor)
    test.addCleanup(session.close)
    base = local_now()
    lower_end, upper_end = base + timedelta(hours=5), base + timedelta(hours=3)
    lower = auction_title(lower_end, "Untere Auktion mit langem Namen")
    upper = auction_title(upper_end, "Obere Auktion mit langem Namen")
    proc, wid = session.start_zeitfang(env={"WAYLAND_DISPLAY": session.socket},
                                       seen_now=base, stderr=subprocess.PIPE)
    lower_browser = session.browser("chromium", lower)
    session.take_over(proc, wid, f"endet am {lower_end:%d.%m.%Y %H:%M:%S}")
    upper_proc = session.browser(upper_browser, upper)
    session.take_over(proc, wid, f"endet am {upper_end:%d.%m.%Y %H:%M:%S}")
    session.stop(upper_proc)
    getattr(session, "minimize_" + compositor)(lower)
    session.take_over(proc, wid, f"endet am {lower_end:%d.%m.%Y %H:%M:%S}")
    session.stop(lower_browser)
    session.take_over(proc, wid, "Kein Artikel gewählt.")
    test.assertIsNone(proc.poll())
    session.stop(proc)
    with proc.stderr:
        return proc.stderr.read().decode()
