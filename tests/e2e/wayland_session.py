"""A headless Wayland compositor for end-to-end tests: private runtime folder and session bus,
browsers natively on Wayland, the program on the compositor's XWayland.

sway refuses root, so its processes and the browsers run as `nobody`; Zeitfang runs as root, let
in by the XWayland server's access list. Processes are ended by their process group.
"""
import json
import os
import pathlib
import re
import shutil
import subprocess
from datetime import timedelta

from gi.repository import Gio, GLib

from harness import BUILD_DIR, CHROMIUM, Desktop, auction_title, local_now, wait_for

NOBODY = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--inh-caps=-all",
          "--bounding-set=-sys_time"]
BROWSER_ENV = {"DBUS_SESSION_BUS_ADDRESS": "unix:path=/nonexistent", "MOZ_ENABLE_WAYLAND": "1",
               "MOZ_WEBRENDER": "0", "LIBGL_ALWAYS_SOFTWARE": "1"}
# Firefox reaches nothing: no name look-ups, every request to a closed local port.
FIREFOX_PREFS = ('network.dns.disabled true', 'network.proxy.type 1', 'app.update.enabled false',
                 'network.proxy.http "127.0.0.1"', 'network.proxy.http_port 9',
                 'network.proxy.ssl "127.0.0.1"', 'network.proxy.ssl_port 9',
                 'toolkit.telemetry.enabled false', 'browser.shell.checkDefaultBrowser false')
EXTENSION = "zeitfang@orvikwerk.de"
# A bus every local user may use and own names on: the shell runs as root, its clients do not.
BUS_CONFIG = """<busconfig><type>{}</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>
<policy context="default"><allow user="*"/><allow own="*"/><allow send_destination="*"/>
<allow receive_sender="*"/></policy><servicedir>{}/services</servicedir></busconfig>"""


class WaylandSession(Desktop):
    """One compositor, started by `start_<name>`, whose XWayland stands in for Xvfb and openbox;
    `minimize_<name>(title)` is its own way to hide a window."""

    def start(self, compositor, **options):
        self.user = os.path.join(self.tmp, "user")  # the compositor's runtime folder
        os.makedirs(self.user, mode=0o700)
        os.chmod(self.tmp, 0o755)
        os.chown(self.user, 65534, 65534)
        self.user_env = {"HOME": self.user, "XDG_RUNTIME_DIR": self.user,
                         "XDG_CONFIG_HOME": os.path.join(self.user, ".config")}
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.bus("session")
        getattr(self, "start_" + compositor)(**options)
        self.env["WAYLAND_DISPLAY"] = self.socket

    def bus(self, kind):
        config = self.write_user_file(kind + ".conf", BUS_CONFIG.format(kind, self.user))
        proc = self.spawn(["dbus-daemon", "--config-file=" + config, "--nofork",
                           "--print-address=1"], stdout=subprocess.PIPE, text=True)
        return proc.stdout.readline().strip()

    def write_user_file(self, name, text):
        path = os.path.join(self.user, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        os.chown(path, 65534, 65534)
        return path

    def as_user(self, args, **env):
        env = {**self.user_env, **BROWSER_ENV, "WAYLAND_DISPLAY": self.socket, **env}
        return self.spawn([*NOBODY, *args], env=env, cwd=self.user)

    def wait_display(self, what):
        """Waits for `ready` to have run inside the compositor's X11 session."""
        path = pathlib.Path(self.user, "display")
        self.env["DISPLAY"] = wait_for(lambda: path.exists() and path.read_text().strip(), 60, what)

    def ready(self):
        return f"xhost +si:localuser:root >/dev/null; echo $DISPLAY > {self.user}/display"

    def start_sway(self):
        self.socket = os.path.join(self.user, "wayland-1")
        config = self.write_user_file("sway.conf", "output HEADLESS-1 resolution 1280x1024\n"
                                      f"xwayland force\nexec sh -c '{self.ready()}'\n")
        self.compositor = self.as_user(["sway", "-c", config], WLR_BACKENDS="headless",
                                       WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman")
        self.wait_display("sway")
        self.sway_ipc = [f for f in os.listdir(self.user) if f.startswith("sway-ipc")][0]

    def start_kwin(self):
        # Debian gives kwin_wayland a file capability that a container may refuse to grant; a
        # copy runs without it. As root, its socket is opened to the browsers' user.
        kwin = shutil.copy("/usr/bin/kwin_wayland", self.tmp)
        self.socket = os.path.join(self.user, "wayland-kwin")
        # KWin starts one program without arguments: hand it a script.
        ready = self.write_user_file("ready.sh", f"#!/bin/sh\n{self.ready()}\n")
        os.chmod(ready, 0o755)
        with open(os.path.join(self.tmp, "kwin.log"), "w") as log:  # what its scripts print
            self.spawn([kwin, "--virtual", "--no-lockscreen", "--no-global-shortcuts",
                        "--no-kactivities", "--xwayland", "--width", "1280", "--height", "1024",
                        "--socket", "wayland-kwin", ready],
                       env={"KWIN_COMPOSE": "Q", "XDG_RUNTIME_DIR": self.user}, stderr=log)
        self.wait_display("KWin")
        os.chmod(self.socket, 0o777)

    def kwin_scripting(self, method, *args):
        return self.run(["dbus-send", "--session", "--print-reply", "--dest=org.kde.KWin",
                         "/Scripting", "org.kde.kwin.Scripting." + method,
                         *("string:" + a for a in args)])

    def minimize_kwin(self, title):
        # KWin 6 lists windows with windowList(). start() runs every script loaded and not yet
        # running, whatever D-Bus path KWin gave it.
        self.kwin_scripting("loadScript", self.write_user_file("minimize.js", """
(workspace.windowList ? workspace.windowList() : workspace.clientList()).forEach(function (c) {
    if (c.caption.indexOf(%r) === 0) { c.minimized = true; print("minimised " + c.minimized); }
});""" % title), "zeitfang-test")
        self.kwin_scripting("start")
        wait_for(lambda: "minimised true" in pathlib.Path(self.tmp, "kwin.log").read_text(),
                 what="the minimised window")

    def minimize_sway(self, title):
        # sway has no minimising; the scratchpad is its way to put a window out of sight.
        subprocess.run(["swaymsg", "-s", os.path.join(self.user, self.sway_ipc),
                        f'[title="^{re.escape(title)}"] move scratchpad'], check=True, timeout=30)

    def start_gnome(self, install="before"):
        # No logind to wait for: a stand-in system bus, and /run/systemd hidden in a mount
        # namespace of its own. The package's postinst sets the extension up in a root of its
        # own, from files declared for every Shell but this one, as for a Shell newer than the
        # package; switched off as for a new user. "during": once the Shell runs; "broken": it
        # throws when switched on, as in a Shell whose interfaces changed.
        root = os.path.join(self.tmp, "root")
        share = root + "/usr/share"
        self.env["XDG_DATA_DIRS"] = share + ":/usr/share"
        major = self.run(["gnome-shell", "--version"]).split()[-1].split(".")[0]
        files = shutil.copytree(os.path.join(BUILD_DIR, "packaging/gnome-shell"),
                                share + "/zeitfang/gnome-shell")
        for form in ("legacy", "esm"):
            meta = pathlib.Path(files, form, "metadata.json")
            meta.write_text(re.sub(f'"{major}", |, "{major}"', "", meta.read_text()))
            if install == "broken":
                with open(pathlib.Path(files, form, "extension.js"), "a") as js:
                    js.write("\nthrow new Error('Meta.Window kennt get_title nicht');\n")
        postinst = ["sh", pathlib.Path(__file__).parents[2] / "packaging/gnome-shell/postinst",
                    "configure"]
        env = {**os.environ, "DPKG_ROOT": root, "DPKG_ADMINDIR": "/var/lib/dpkg"}
        if install != "during":
            subprocess.run(postinst, check=True, env=env)
        # As systemd-tmpfiles makes it at boot; mutter refuses it otherwise, and an X server
        # started first may have made it without the write bit for all.
        os.makedirs("/tmp/.X11-unix", exist_ok=True)
        os.chmod("/tmp/.X11-unix", 0o1777)
        os.makedirs(self.user + "/services")  # the bus starts the Shell's notification service
        shutil.copy("/usr/share/dbus-1/services/org.gnome.Shell.Notifications.service",
                    self.user + "/services")
        self.socket = os.path.join(self.user, "wayland-gnome")
        # Unsafe mode opens org.gnome.Shell.Eval to the tests.
        shell = self.spawn(["unshare", "-m", "sh", "-c",
                            '[ ! -d /run/systemd ] || mount -t tmpfs none /run/systemd; exec "$@"',
                            "sh", "gnome-shell", "--headless", "--wayland", "--virtual-monitor",
                            "1280x1024", "--wayland-display=wayland-gnome", "--unsafe-mode"],
                           env={"DBUS_SYSTEM_BUS_ADDRESS": self.bus("system"),
                                "XDG_RUNTIME_DIR": self.user, "GSETTINGS_BACKEND": "keyfile"})
        self.gbus = Gio.DBusConnection.new_for_address_sync(
            self.env["DBUS_SESSION_BUS_ADDRESS"], Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
            Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        shown = ["gdbus", "call", "--session", "-d", "org.gnome.Shell", "-o", "/org/gnome/Shell",
                 "-m", "org.freedesktop.DBus.Properties.Get", "org.gnome.Shell", "OverviewActive"]
        # The start-up ends in the overview, where no window has the focus: leave it then.
        wait_for(lambda: shell.poll() is not None or "true" in self.run(shown), 60, "GNOME Shell")
        wait_for(lambda: not self.overview(False), 30, "the overview to close")
        xwayland = wait_for(lambda: self.run(["pgrep", "-a", "-P", str(shell.pid), "Xwayland"])
                            .split(), what="Xwayland")  # its pid, path, display, ..., -auth file
        self.env.update(DISPLAY=xwayland[2], XAUTHORITY=xwayland[xwayland.index("-auth") + 1])
        os.chmod(self.socket, 0o777)
        if install == "during":
            subprocess.run(postinst, check=True, env=env)

    def call(self, method, signature=None, args=None, dest="org.gnome.Shell",
             path="/org/gnome/Shell"):
        interface, name = method.rsplit(".", 1)
        return self.gbus.call_sync(dest, path, interface, name, signature and GLib.Variant(
            signature, args), None, 0, 5000, None).unpack()

    def overview(self, show=None):
        prop, props = ("org.gnome.Shell", "OverviewActive"), "org.freedesktop.DBus.Properties."
        if show is not None:
            self.call(props + "Set", "(ssv)", (*prop, GLib.Variant("b", show)))
        return self.call(props + "Get", "(ss)", prop)[0]

    def choose_action(self, label):
        """Chooses a notification's action as its button does (43: a callback, 48: an Action).
        GNOME 45 and later forward it only to a sender their notification service has noted, once
        the Shell answered it: a call through that service first, as a click comes after it."""
        actions = ("Main.messageTray.getSources().flatMap(s => s.notifications).flatMap(n => "
                   f"n.actions).filter(a => a.label === {json.dumps(label)})")
        wait_for(lambda: int(self.eval(actions + ".length")), what=label)
        self.call("org.freedesktop.Notifications.GetServerInformation",
                  dest="org.freedesktop.Notifications", path="/org/freedesktop/Notifications")
        chosen = self.eval(actions + ".map(a => a.activate ? a.activate() : a.callback()).length")
        assert chosen == "1", chosen

    def eval(self, script):
        """The JSON of what the script evaluates to inside the Shell."""
        ok, result = self.call("org.gnome.Shell.Eval", "(s)", (script,))
        assert ok, result
        return result

    def notices(self):
        """Zeitfang's notifications in the Shell's message tray: title, then text."""
        return json.loads(self.eval(
            "Main.messageTray.getSources().flatMap(s => s.notifications).filter(n => n.title"
            ".startsWith('Zeitfang')).map(n => `${n.title}: ${n.body ?? n.bannerBodyText}`)"))

    def dismiss_notices(self):
        self.eval("Main.messageTray.getSources().flatMap(s => s.notifications)"
                  ".forEach(n => n.destroy())")

    def minimize_gnome(self, title):
        # The Shell lets no client minimise a window, but it lets a test in unsafe mode.
        assert self.eval("global.display.list_all_windows().filter(w => w.get_title()?.startsWith("
                         f"{json.dumps(title)})).map(w => (w.minimize(), w.minimized))") == "[true]"

    def browser(self, kind, title):
        path = self.page(title, self.user)
        profile, page = path + ".profile", "file://" + path
        if kind == "chromium":
            return self.as_user([*CHROMIUM, "--ozone-platform=wayland",
                                 "--user-data-dir=" + profile, page])
        self.write_user_file(os.path.join(profile, "user.js"), "".join(
            'user_pref("{}", {});\n'.format(*p.split(" ", 1)) for p in FIREFOX_PREFS))
        os.chown(profile, 65534, 65534)
        return self.as_user(["firefox-esr", "--no-remote", "--profile", profile, page])


# A left click on "Artikel übernehmen", sent to the window itself: KWin 6.7 hands Xwayland's XTEST
# input to its own EIS, which moves the pointer but drops the buttons. A process of its own, as
# python-xlib confuses the event codes of two X servers in one process.
CLICK = """import sys
from Xlib import X, display
from Xlib.protocol.event import ButtonPress, ButtonRelease
x = display.Display()
w = x.create_resource_object("window", int(sys.argv[1]))
for kind, state in ((ButtonPress, 0), (ButtonRelease, X.Button1Mask)):
    w.send_event(kind(time=0, root=x.screen().root, window=w, same_screen=1, child=0, root_x=0,
                      root_y=0, event_x=170, event_y=150, state=state, detail=1))
x.sync()"""


def take_over(desktop, wid, caption):
    """Clicks "Artikel übernehmen" until the window caption starts with `caption`."""
    def attempt():
        desktop.run(["/usr/bin/python3", "-c", CLICK, str(wid)])
        return (desktop.title(wid) or "").startswith(caption)
    wait_for(attempt, 60, caption)


def run_capture_scenario(test, compositor, upper_browser="chromium", first=None):
    """After `first` (if given), capture takes the auction; a newer auction window above it
    wins; a minimised auction window is still taken; once its window is closed the no-item state
    follows. Returns what Zeitfang wrote to stderr, for checks of the compositor's own."""
    session = WaylandSession(compositor)
    test.addCleanup(session.close)
    base = local_now()
    lower = auction_title(base + timedelta(hours=5), "Untere Auktion mit langem Namen")
    upper = auction_title(base + timedelta(hours=3), "Obere Auktion mit langem Namen")
    proc, wid = session.zeitfang(base, stderr=subprocess.PIPE)
    lower_browser = session.browser("chromium", lower)
    if first:
        first(session, wid)
    take_over(session, wid, "Untere Auktion")
    upper_proc = session.browser(upper_browser, upper)
    take_over(session, wid, "Obere Auktion")
    session.stop(upper_proc)
    getattr(session, "minimize_" + compositor)(lower)
    take_over(session, wid, "Untere Auktion")
    session.stop(lower_browser)
    take_over(session, wid, " Zeitfang ")
    test.assertIsNone(proc.poll())
    session.stop(proc)
    return proc.communicate()[1].decode()
