"""Capture on sway: wlr foreign toplevels, Chromium and Firefox natively on Wayland."""
import unittest

from wayland_session import run_capture_scenario, stderr_of


class SwayCaptureTest(unittest.TestCase):
    def test_capture_on_sway(self):
        session, proc, _ = run_capture_scenario(self, "sway", upper_browser="firefox")
        self.assertIn("Fensterliste über wlr-foreign-toplevel", stderr_of(session, proc))


if __name__ == "__main__":
    unittest.main()
