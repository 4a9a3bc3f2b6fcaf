"""Capture on KWin: its scripting over D-Bus, Chromium natively on Wayland."""
import unittest

from wayland_session import run_capture_scenario


class KWinCaptureTest(unittest.TestCase):
    def test_capture_on_kwin(self):
        self.assertIn("Fensterliste über KWin", run_capture_scenario(self, "kwin"))
