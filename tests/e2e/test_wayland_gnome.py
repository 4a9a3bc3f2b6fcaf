"""Capture on GNOME Shell through Zeitfang's extension, Chromium natively on Wayland: switched
off at first, it is switched on by the action of the notification the user gets once; refused by
the Shell, the user is told what helps."""
import unittest

from harness import local_now, wait_for
from wayland_session import WaylandSession, run_capture_scenario, take_over


class GnomeCaptureTest(unittest.TestCase):
    def test_capture_on_gnome_after_switching_its_extension_on(self):
        def switch_on(session, wid):
            for _ in range(2):
                take_over(session, wid, " Zeitfang ")
            session.choose_action("Erweiterung einschalten")

        stderr = run_capture_scenario(self, "gnome", first=switch_on)
        self.assertIn("Fensterliste über GNOME Shell", stderr)
        self.assertEqual(stderr.count("Klick auf „Erweiterung einschalten“"), 1)

    def test_extension_in_the_form_the_shell_refuses(self):
        session = WaylandSession("gnome", refused=True)
        self.addCleanup(session.close)
        with open(session.tmp + "/stderr", "w+") as err:
            wid = session.zeitfang(local_now(), stderr=err)[1]
            take_over(session, wid, " Zeitfang ")
            wait_for(lambda: "sudo dpkg-reconfigure zeitfang\n" in open(err.name).read())
