"""Capture on KWin (D-Bus scripting) and sway (wlr toplevels); a dying sway leaves no item."""
import unittest
from datetime import timedelta

from harness import Desktop, auction_title, local_now
from wayland_session import WaylandSession, run_capture_scenario, take_over


class CaptureTest(unittest.TestCase):
    def test_capture_on_kwin(self):
        # Another client's scripts, the lower one unloaded: KWin numbers a new script by the count
        # of those loaded, so Zeitfang's gets the D-Bus path of the one still loaded.
        def crowd(s, wid):
            for name in ("other-a", "other-b"):
                s.kwin_scripting("loadScript", s.write_user_file(name + ".js", "0;"), name)
            s.kwin_scripting("unloadScript", "other-a")
        self.assertIn("Fensterliste über KWin", run_capture_scenario(self, "kwin", first=crowd))

    def test_capture_on_sway(self):
        stderr = run_capture_scenario(self, "sway", upper_browser="firefox")
        self.assertIn("Fensterliste über wlr-foreign-toplevel", stderr)

    def test_sway_dying_leaves_the_no_item_state(self):
        session = WaylandSession("sway")
        self.addCleanup(session.close)
        with Desktop() as d:  # an X server of its own, which outlives sway, unlike XWayland
            d.env["WAYLAND_DISPLAY"] = session.socket
            proc, wid = d.zeitfang(local_now())
            session.browser("chromium", auction_title(local_now() + timedelta(hours=2)))
            take_over(d, wid, "Espressokanne")
            session.stop(session.compositor)
            take_over(d, wid, " Zeitfang ")
            self.assertIsNone(proc.poll())
