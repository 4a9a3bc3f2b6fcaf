"""The X11 window list: style bits, order, titles, vanishing windows, a gone server, openbox."""
import os
import signal
import subprocess
import threading
import unittest

from Xlib import X, Xatom, display

from harness import BUILD_DIR, Desktop, wait_for

BOTH, VISIBLE, BORDER = 0x10800000, 0x10000000, 0x00800000
DOCK, KDE = "_NET_WM_WINDOW_TYPE_DOCK", "_KDE_NET_WM_WINDOW_TYPE_OVERRIDE"
UNDECORATED, EXTENTS = [2, 0, 0, 0, 0], [4, 4, 0, 4]
HIDE_TITLE_BAR = "_GTK_HIDE_TITLEBAR_WHEN_MAXIMIZED"


class ScanTest(unittest.TestCase):
    window_manager = False

    def setUp(self):
        self.d = Desktop(self.window_manager)
        self.addCleanup(self.d.close)
        self.x, self.atom = self.d.x, self.d.x.intern_atom
        self.scan = self.d.spawn([os.path.join(BUILD_DIR, "tests", "x11_tests")],
                                 stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)

    def windows(self, scans=1, sync=True):
        """{id: (style, scans seen, title)} and the ids top first."""
        if sync:
            self.x.sync()
        print(scans, file=self.scan.stdin, flush=True)
        rows = [line[:-1].split(" ", 3) for line in iter(self.scan.stdout.readline, "\n")]
        return {int(i): (int(s, 16), int(n), t) for i, s, n, t in rows}, [int(r[0]) for r in rows]

    def create(self, override=False, parent=None, mapped=True, **props):
        w = (parent or self.x.screen().root).create_window(
            0, 0, 50, 50, 0, X.CopyFromParent, X.InputOutput, override_redirect=override)
        for name, (kind, fmt, value) in props.items():
            w.change_property(self.atom(name), kind, fmt, value)
        if mapped:
            w.map()
        return w


class X11WindowListTest(ScanTest):
    def test_style_bits_and_titles_in_characters(self):
        def atoms(prop, *names):
            return {prop: (Xatom.ATOM, 32, [self.atom(n) for n in names])}

        def cards(prop, *values):
            return {prop: (Xatom.CARDINAL, 32, list(values))}

        state, kind = "_NET_WM_STATE", "_NET_WM_WINDOW_TYPE"
        iconic, motif = {"WM_STATE": (self.atom("WM_STATE"), 32, [3, 0])}, "_MOTIF_WM_HINTS"
        undecorated = cards(motif, *UNDECORATED)
        styles = [
            ("mapped", {}, BOTH), ("never mapped", {"mapped": False}, BORDER),
            ("override-redirect", {"override": True}, VISIBLE),
            ("hidden", atoms(state, "_NET_WM_STATE_HIDDEN"), BOTH),
            ("iconic", iconic, BOTH), ("iconic, unmapped", {"mapped": False, **iconic}, BOTH),
            ("normal state", {"WM_STATE": (self.atom("WM_STATE"), 32, [1, 0])}, BOTH),
            ("dialog", atoms(kind, "_NET_WM_WINDOW_TYPE_DIALOG"), BOTH),
            ("dock", atoms(kind, DOCK), VISIBLE), ("undecorated", undecorated, VISIBLE),
            ("splash", atoms(kind, "_NET_WM_WINDOW_TYPE_SPLASH"), VISIBLE),
            ("private type, dock", atoms(kind, KDE, DOCK), VISIBLE),
            ("private type, normal", atoms(kind, KDE, "_NET_WM_WINDOW_TYPE_NORMAL"), BOTH),
            ("decorations not given", cards(motif, 1, 0, 0, 0, 0), BOTH),
            ("border only", cards(motif, 2, 0, 2, 0, 0), BOTH),
            ("client-side frame", {**undecorated, **cards("_GTK_FRAME_EXTENTS", *EXTENTS)}, BOTH),
            ("own title bar", {**undecorated, **cards(HIDE_TITLE_BAR, 1)}, BOTH),
            ("title bar hint off", {**undecorated, **cards(HIDE_TITLE_BAR, 0)}, VISIBLE),
            ("dock drawing a frame",
             {**atoms(kind, DOCK), **cards("_GTK_FRAME_EXTENTS", *EXTENTS)}, VISIBLE)]
        utf8, latin1, net = self.atom("UTF8_STRING"), "Grüße".encode("latin-1"), "_NET_WM_NAME"
        titles = [({net: (utf8, 8, "Grüße aus Köln".encode())}, "Grüße aus Köln"),
                  ({net: (utf8, 8, b"Neu"), "WM_NAME": (Xatom.STRING, 8, b"Alt")}, "Neu"),
                  ({"WM_NAME": (Xatom.STRING, 8, latin1)}, "Grüße"),
                  ({"WM_NAME": (utf8, 8, "Grüße".encode())}, "Grüße"),
                  ({"WM_NAME": (self.atom("COMPOUND_TEXT"), 8, latin1)}, "Grüße"),
                  ({net: (utf8, 8, latin1), "WM_NAME": (Xatom.STRING, 8, latin1)}, "Grüße"),
                  ({net: (utf8, 8, b"a\xff"), "WM_NAME": (utf8, 8, b"b\xff")}, "a\ufffd"),
                  ({net: (utf8, 8, b"x" * 99999 + "ä".encode())}, "x" * 99999 + "ä")]
        made = [(self.create(**props).id, 0, style, what) for what, props, style in styles]
        made += [(self.create(**props).id, 2, title, title[:20]) for props, title in titles]
        found, _ = self.windows()
        for wid, column, expected, what in made:
            self.assertEqual(found[wid][column], expected, what)

    def test_clients_inside_frames_top_first_and_only_a_live_window_manager_believed(self):
        frame = self.create(True)
        plate = self.create(parent=frame)
        client = self.create(parent=plate, WM_STATE=(self.atom("WM_STATE"), 32, [1, 0]))
        bare, below = self.create(), self.create()
        self.create(parent=bare)
        frame.configure(stack_mode=X.Above)
        self.assertEqual(self.windows()[1], [client.id, below.id, bare.id])
        root = self.x.screen().root
        live, gone = self.create(mapped=False), self.create(mapped=False)
        root.change_property(self.atom("_NET_CLIENT_LIST_STACKING"), Xatom.WINDOW, 32, [below.id])
        live.change_property(self.atom("_NET_SUPPORTING_WM_CHECK"), Xatom.WINDOW, 32, [live.id])
        gone.destroy()
        for check in (gone, bare, live):
            root.change_property(self.atom("_NET_SUPPORTING_WM_CHECK"), Xatom.WINDOW, 32,
                                 [check.id])
            self.assertEqual(below.id in self.windows()[0] and len(self.windows()[1]) == 1,
                             check == live, check)

    def test_windows_vanishing_mid_scan_are_left_out_and_a_gone_server_ends_nothing(self):
        stable, done = self.create(), threading.Event()

        def churn():
            x = display.Display(self.d.env["DISPLAY"])  # a second client of its own
            while not done.is_set():
                batch = [x.screen().root.create_window(0, 0, 9, 9, 0, X.CopyFromParent,
                                                       override_redirect=i % 4 == 0)
                         for i in range(20)]
                for w in batch:
                    w.map()
                    w.create_window(0, 0, 5, 5, 0, X.CopyFromParent).map()
                x.sync()
                for w in batch:
                    w.destroy()
                x.sync()

        thread = threading.Thread(target=churn)
        thread.start()
        found, _ = self.windows(300)
        done.set()
        thread.join()
        self.assertEqual(found[stable.id][:2], (BOTH, 300))
        os.killpg(self.d.procs[0].pid, signal.SIGKILL)  # Xvfb
        self.assertEqual(self.windows(sync=False), ({}, []))
        self.assertEqual(self.windows(sync=False), ({}, []))


class ManagedWindowsTest(ScanTest):
    """A window openbox keeps is visible (minimised too, as on Windows); a withdrawn one is not."""
    window_manager = True

    def test_minimised_and_elsewhere_are_visible_withdrawn_is_not(self):
        def value(w, name):
            prop = w.get_full_property(self.atom(name), X.AnyPropertyType)
            return prop.value[0] if prop and len(prop.value) else 0

        for command, prop, shown, visible in (
                (["windowminimize"], "WM_STATE", 3, True),
                (["set_desktop_for_window", "1"], "_NET_WM_DESKTOP", 1, True),
                (["windowunmap"], "WM_STATE", 0, False)):
            w = self.create()
            # A map request made while openbox starts up can be lost: it is made again.
            wait_for(lambda: value(w, "WM_STATE") == 1 or w.map(), 60, "openbox to adopt it")
            self.d.run(["xdotool", command[0], str(w.id), *command[1:]])
            wait_for(lambda: value(w, prop) == shown, 10, command[0])
            style = self.windows()[0].get(w.id, (0,))[0]
            self.assertEqual(bool(style & VISIBLE), visible, command)
