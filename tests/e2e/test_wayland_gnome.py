"""Capture on GNOME Shell through Zeitfang's extension, Chromium natively on Wayland; with the
extension switched off the user is told once what to do, and no stale auction stays."""
import unittest

from wayland_session import run_capture_scenario, stderr_of, take_over

ENABLE = "gnome-extensions enable zeitfang@orvikwerk.de"


class GnomeCaptureTest(unittest.TestCase):
    def test_capture_on_gnome_and_without_its_extension(self):
        def switch_extension(session, wid):
            for on, caption in ((False, " Zeitfang "), (True, "Untere Auktion"),
                                (False, " Zeitfang "), (True, "Untere Auktion")):
                session.extension(on)
                take_over(session, wid, caption)

        session, proc, _ = run_capture_scenario(self, "gnome", while_minimised=switch_extension)
        stderr = stderr_of(session, proc)
        self.assertIn("Fensterliste über GNOME Shell", stderr)
        self.assertEqual(stderr.count(ENABLE), 1)
        self.assertIn("ab- und wieder anmelden", stderr)
