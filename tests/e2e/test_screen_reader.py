"""Orca, the real screen reader, against the real program: the focused command at the start, Tab
and Shift+Tab, the options and the main window again after Esc, a take-over by keyboard, and,
while another window is active, the final minute and the end, never a word every second."""
import os
import pathlib
import re
import unittest
from datetime import timedelta

from harness import SEEN_NOW, Desktop, auction_title, time_proxy, wait_for

GTK = ("import sys, gi; gi.require_version('Gtk', '3.0'); from gi.repository import Gtk; "
       "w = Gtk.Window(title=sys.argv[1]); w.show_all(); Gtk.main()")


class Orca:
    """Orca speaking to a private speech-dispatcher with its dummy module; what it says is read
    from its debug log."""

    def __init__(self, d):
        conf, prefs = os.path.join(d.tmp, "speechd"), os.path.join(d.tmp, "orca")
        os.makedirs(conf), os.makedirs(prefs)
        for path, text in ((conf + "/speechd.conf", 'AddModule "dummy" "sd_dummy" ""\nDefaultModule '
                            'dummy\nAudioOutputMethod "alsa"\n'), (d.home + "/.asoundrc", "pcm.!"
                            "default { type null }\n"), (prefs + "/orca-customizations.py", "from "
                            "orca import debug\ndebug.debugFile.reconfigure(line_buffering=True)\n")):
            pathlib.Path(path).write_text(text)
        sock, self.log = os.path.join(d.env["XDG_RUNTIME_DIR"], "speechd.sock"), prefs + ".log"
        d.spawn(["speech-dispatcher", "-s", "-t", "0", "-c", "unix_socket", "-S", sock, "-C", conf,
                 "-L", conf])
        d.spawn(["orca", "-u", prefs, "--debug-file", self.log],
                env={"SPEECHD_ADDRESS": "unix_socket:" + sock})
        self.heard = 0
        self.hear("Screen reader on.", 60)

    def text(self):
        return pathlib.Path(self.log).read_text(errors="replace") if os.path.exists(self.log) else ""

    def said(self):
        return re.findall(r"SPEECH OUTPUT: '(.*?)'(?= ?\{|$)", self.text(), re.M | re.S)

    def hear(self, expected, timeout=10):
        """What Orca said since the last call, up to the first utterance that holds `expected`."""
        def found():
            new = self.said()[self.heard:]
            return next((new[:i + 1] for i, s in enumerate(new) if expected in s), None)
        got = wait_for(found, timeout, f"Orca to say {expected!r}: {self.said()[self.heard:]}")
        self.heard += len(got)
        return got


class ScreenReaderTest(unittest.TestCase):
    def test_orca_hears_the_commands_the_take_over_the_final_minute_and_the_end(self):
        d = Desktop()
        self.addCleanup(d.close)
        orca, end = Orca(d), SEEN_NOW + timedelta(hours=2)
        d.spawn(["/usr/bin/python3", "-c", GTK, auction_title(end, "Vase")])  # the browser
        browser = wait_for(lambda: d.run(["xdotool", "search", "--name", "Vase$"]), 30, "it")
        # Synchronised, the clock stands 12 s before the end, less the answer's 2 s.
        page = f"<p>Offizielle eBay-Zeit:   {end - timedelta(seconds=12):%d.%m.%Y %H:%M:%S} MEZ"
        server = time_proxy(2, page.encode())
        d.zeitfang(SEEN_NOW, settings="msgonsync=0\n", env={"http_proxy": server.url})
        orca.hear("Link zum Artikel link")
        # The window a frame, as Orca took it (only some releases say the role word).
        self.assertTrue(re.search(r"\[frame(?: \||:) '?Vase Zeitfang", orca.text()), "no frame")
        os.environ.update({k: d.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")})
        import pyatspi  # the screen reader's view, on this desktop's bus
        app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "zeitfang")
        command = {name: pyatspi.findDescendant(app, lambda o: o.name == name) for name in (
            "Uhr synchronisieren", "zu den Optionen", "Link zum Artikel", "Artikel übernehmen")}
        for key, heard in [("Tab", "Uhr synchronisieren link"), ("shift+Tab", "Link zum Artikel"),
                           ("Tab Tab", "zu den Optionen link"), ("Return", "Optionen dialog"),
                           ("shift+Tab", "Warnton, wenn Restzeit = … Sekunden")]:
            d.run(["xdotool", "key", *key.split()])
            orca.hear(heard)
        command["zu den Optionen"].queryAction().doAction(0)  # a second dialog: none
        d.run(["xdotool", "key", "Escape"])
        self.assertIn("Vase Zeitfang", " ".join(orca.hear("zu den Optionen link", 3)))
        for name, link in command.items():  # as a screen reader moves the focus
            link.queryComponent().grabFocus()
            orca.hear(name + " link", 3)
        d.run(["xdotool", "key", "Return"])
        orca.hear("Vase, 1 Stunde 59 Minuten")
        command["Uhr synchronisieren"].queryComponent().grabFocus()
        orca.hear("Uhr synchronisieren link", 3)
        d.run(["xdotool", "key", "Return"])
        d.run(["xdotool", "windowactivate", browser.split()[0]])  # before the answer comes
        orca.hear("- Vase frame")
        orca.hear("Letzte Minute", 10)
        self.assertEqual(len(orca.hear("Auktion beendet", 15)), 1)  # nothing in between
