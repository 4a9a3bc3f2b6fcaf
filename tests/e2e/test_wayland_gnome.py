"""Capture on GNOME Shell through Zeitfang's extension, Chromium natively on Wayland: set up by
the package for a Shell its files do not name, and switched off at first, so that every capture
fails and brings the notification again, until its action switches the extension on; where that
cannot help, the user is told why."""
import re
import subprocess
import unittest

from harness import local_now, wait_for
from wayland_session import WaylandSession, run_capture_scenario

OFF = "Zeitfang: GNOME-Erweiterung ausgeschaltet: "
ON = "Zeitfang: GNOME-Erweiterung eingeschaltet: "


def click(session, wid):
    session.run(["xdotool", "mousemove", "--window", str(wid), "170", "150", "click", "1"])


class GnomeCaptureTest(unittest.TestCase):
    def test_capture_on_gnome_after_switching_its_extension_on(self):
        def switch_on(session, wid):
            windows = "global.display.list_all_windows().map(w => w.get_title()).join()"
            wait_for(lambda: "Untere Auktion" in session.eval(windows), 60, "the auction window")
            for _ in range(2):  # the start's capture, then each click, also once it was dismissed
                wait_for(lambda: [n[:len(OFF)] for n in session.notices()] == [OFF], what=OFF)
                self.assertTrue(session.title(wid).startswith(" Zeitfang "))
                session.dismiss_notices()
                click(session, wid)
            session.choose_action("Erweiterung einschalten")
            # closed, and the outcome told; out of the way of the click
            wait_for(lambda: [n[:len(ON)] for n in session.notices()] == [ON], what=ON)
            session.dismiss_notices()
            click(session, wid)  # once
            wait_for(lambda: session.title(wid).startswith("Untere Auktion"), what="capture")

        stderr = run_capture_scenario(self, "gnome", first=switch_on)
        self.assertIn("Fensterliste über GNOME Shell", stderr)
        self.assertEqual(stderr.count("Klick auf „Erweiterung einschalten“ schaltet sie ein"), 3)

    def test_where_switching_on_cannot_help_the_user_is_told_why(self):
        shell = subprocess.run(["gnome-shell", "--version"], capture_output=True, text=True)
        for install, notice in (  # GNOME 43 gives an error's message, later ones its name too
                ("during", "noch nicht geladen: GNOME liest Shell-Erweiterungen nur bei der "
                           "Anmeldung"),
                ("broken", f"fehlerhaft: GNOME {re.escape(shell.stdout.split()[-1])} meldet "
                           "einen Fehler in der Shell-Erweiterung von Zeitfang: (Error: )?"
                           "Meta.Window kennt get_title nicht. Bitte")):
            with self.subTest(install), WaylandSession("gnome", install=install) as session:
                session.zeitfang(local_now())
                if install == "broken":
                    session.choose_action("Erweiterung einschalten")
                wait_for(lambda: any(re.match("Zeitfang: GNOME-Erweiterung " + notice, n)
                                     for n in session.notices()), what=notice)
