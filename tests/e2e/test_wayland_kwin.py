"""Capture on KWin: its scripting over D-Bus, Chromium natively on Wayland."""
import unittest

from wayland_session import run_capture_scenario, stderr_of


class KWinCaptureTest(unittest.TestCase):
    def test_capture_on_kwin(self):
        session, proc, _ = run_capture_scenario(self, "kwin")
        self.assertIn("Fensterliste über KWin", stderr_of(session, proc))
