"""One window-list scan with 50 windows on each Wayland backend, beside the X11 scan of 50
windows on Xvfb + openbox, all in one run. Prints figures; it is not a test.
Usage: wayland_scan_bench.py [WINDOWS]   (as root; needs the build and the Wayland packages)
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../tests/e2e"))
import harness  # noqa: E402
import wayland_session  # noqa: E402

# Native Wayland windows, cheap enough to open fifty of: GTK 3 on its Wayland back end.
GTK_WINDOWS = """import sys, gi
gi.require_version("Gtk", "3.0")
from gi.repository import Gtk
for i in range(int(sys.argv[1])):
    w = Gtk.Window(title=f"Auktion Nr. {i} – Grüße")
    w.show()
Gtk.main()
"""


def scan(desktop, count):
    probe = os.path.join(harness.BUILD_DIR, "window_list_bench")
    r = subprocess.run([probe, str(count)], env=desktop.env, timeout=300, capture_output=True,
                       text=True)
    if r.returncode != 0:
        raise SystemExit(f"window_list_bench failed with {r.returncode}: {r.stderr.strip()[-300:]}")
    backend = next((l.split("über ", 1)[1] for l in r.stderr.splitlines() if "über" in l), "?")
    return f"{backend:24} {r.stdout.strip()}"


def switch_on(session):
    """The extension switched on, as its notification does, and running."""
    ext = ("org.gnome.Shell.Extensions.", "(s)", (wayland_session.EXTENSION,))
    session.call(ext[0] + "EnableExtension", *ext[1:])
    harness.wait_for(lambda: session.call(ext[0] + "GetExtensionInfo", *ext[1:])[0]["state"] == 1,
                     what="the extension")


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 50
    with harness.Desktop() as d:
        for i in range(count):
            d.window(f"Auktion Nr. {i} – Grüße")
        print(f"{'X11 (Xvfb + openbox)':22} {scan(d, count)}")
    for compositor in ("sway", "kwin", "gnome"):
        session = wayland_session.WaylandSession(compositor)
        try:
            if compositor == "gnome":
                switch_on(session)
            script = session.write_user_file("windows.py", GTK_WINDOWS)
            session.as_user(["/usr/bin/python3", script, str(count)], GDK_BACKEND="wayland")
            print(f"{compositor:22} {scan(session, count)}")
        finally:
            session.close()


if __name__ == "__main__":
    main()
