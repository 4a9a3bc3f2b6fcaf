"""Capture on KWin (D-Bus scripting) and sway (wlr toplevels)."""
import unittest

from wayland_session import run_capture_scenario


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
