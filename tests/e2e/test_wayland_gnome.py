"""Capture on GNOME Shell through Zeitfang's extension, Chromium natively on Wayland; with the
extension switched off the user is told once what to do, and no stale auction stays."""
import unittest

from wayland_session import run_capture_scenario, take_over


class GnomeCaptureTest(unittest.TestCase):
    def test_capture_on_gnome_and_without_its_extension(self):
        def switch_extension(session, wid):
            for on in (False, True, False, True):
                session.extension(on)
                take_over(session, wid, "Untere Auktion" if on else " Zeitfang ")

        stderr = run_capture_scenario(self, "gnome", while_minimised=switch_extension)
        self.assertIn("Fensterliste über GNOME Shell", stderr)
        self.assertEqual(stderr.count("gnome-extensions enable zeitfang@orvikwerk.de"), 1)
        self.assertIn("ab- und wieder anmelden", stderr)
