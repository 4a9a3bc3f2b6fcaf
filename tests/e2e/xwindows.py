"""Top-level windows with chosen titles and looks, for scans to find or pass over.

Run as a process: reads one JSON list of window descriptions on stdin, maps them in order (the
last one ends up on top), prints their ids, and keeps them until stdin closes.
Each description: {"title": str or null, "raw_title": hex bytes for _NET_WM_NAME,
"borderless": bool, "hidden": bool}.
"""
import json
import sys

from Xlib import X, Xatom, display


def main():
    d = display.Display()
    screen = d.screen()
    utf8 = d.intern_atom("UTF8_STRING")
    net_name = d.intern_atom("_NET_WM_NAME")
    motif = d.intern_atom("_MOTIF_WM_HINTS")
    ids = []
    for i, layout in enumerate(json.loads(sys.stdin.readline())):
        w = screen.root.create_window(40 + 20 * i, 40 + 20 * i, 300, 120, 0, screen.root_depth,
                                      X.InputOutput, X.CopyFromParent,
                                      background_pixel=screen.white_pixel)
        if layout.get("raw_title") is not None:
            w.change_property(net_name, utf8, 8, bytes.fromhex(layout["raw_title"]))
        elif layout.get("title") is not None:
            title = layout["title"].encode("utf-8")
            w.change_property(net_name, utf8, 8, title)
            w.change_property(Xatom.WM_NAME, Xatom.STRING, 8,
                              layout["title"].encode("latin-1", "replace"))
        if layout.get("borderless"):
            w.change_property(motif, motif, 32, [2, 0, 0, 0, 0])
        if not layout.get("hidden"):
            w.map()
        d.sync()
        ids.append(w.id)
    print(json.dumps(ids), flush=True)
    sys.stdin.read()  # until the test closes the pipe


main()
