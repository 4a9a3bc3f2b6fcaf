"""Takes the README's pictures of each state of the window, on a private desktop.

Usage (after the build): /usr/bin/python3 docs/screenshots.py [BUILD_DIR]
"""
import os
import subprocess
import sys
import time
from datetime import timedelta

HERE = os.path.dirname(os.path.abspath(__file__))
os.environ.setdefault("ZEITFANG_BUILD_DIR", os.path.abspath(sys.argv[1] if sys.argv[1:] else "build"))
os.environ.setdefault("ZEITFANG_BIN", os.path.join(os.environ["ZEITFANG_BUILD_DIR"], "zeitfang"))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
from harness import Desktop, auction_title, local_now, wait_for  # noqa: E402


def shoot(d, wid, name):
    """The window with the window manager's frame, as a PNG."""
    info = d.run(["xwininfo", "-id", str(wid)])
    x, y, w, h = (int(info.split(key + ":")[1].split()[0]) for key in
                  ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
    # xwininfo leaves the frame out of a window named by its id; the manager says how wide it is.
    extents = wait_for(lambda: d.run(["xprop", "-id", str(wid), "_NET_FRAME_EXTENTS"])
                       .partition("=")[2], 15, "the frame")
    left, right, top, bottom = (int(v) for v in extents.split(","))
    x, y, w, h = x - left, y - top, w + left + right, h + top + bottom
    subprocess.run(["import", "-display", d.env["DISPLAY"], "-window", "root", "-crop",
                    f"{w}x{h}+{x}+{y}", "+repage", os.path.join(HERE, "screenshots", name + ".png")],
                   check=True)


for name, left in (("no-item", None), ("watching", 2 * 86400 + 3 * 3600 + 600),
                   ("final-minute", 47), ("ended", -3600)):
    with Desktop() as d:
        if left is not None:
            d.window(auction_title(local_now() + timedelta(seconds=left)))
        _, wid = d.zeitfang(local_now())
        if name == "final-minute":
            wait_for(lambda: d.title(wid) == " >>42<<", 15, "42 seconds")
        time.sleep(0.5)
        shoot(d, wid, name)
        if name == "no-item":  # "zu den Optionen", at 2670/1760 twips
            d.run(["xdotool", "mousemove", "--window", str(wid), "184", "124", "click", "1"])
            shoot(d, wait_for(lambda: d.run(["xdotool", "search", "--name", "Zeitfang Optionen"])
                              .split(), 15, "the options")[0], "options")
