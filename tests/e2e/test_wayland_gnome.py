"""Capture on GNOME Shell through Zeitfang's extension, Chromium natively on Wayland; with the
extension switched off, or refused by the Shell, the user is told once what to do, and no stale
auction stays."""
import unittest

from harness import local_now, wait_for
from wayland_session import WaylandSession, run_capture_scenario, take_over


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

    def test_extension_in_the_form_the_shell_refuses(self):
        session = WaylandSession("gnome", refused=True)
        self.addCleanup(session.close)
        with open(session.tmp + "/stderr", "w+") as err:
            wid = session.zeitfang(local_now(), stderr=err)[1]
            take_over(session, wid, " Zeitfang ")
            wait_for(lambda: "sudo dpkg-reconfigure zeitfang\n" in open(err.name).read())
