"""The real program finds the auction in a real browser window on a real X server."""
import os
import signal
import subprocess
import time
import unittest
from datetime import timedelta

from harness import BIN, Desktop, auction_title, local_now, wait_for

HINT = ("Öffnen Sie den Artikel,\nauf den Sie bieten\nmöchten, in Ihrem\nWeb-Browser und\n"
        "klicken Sie auf\n'Artikel übernehmen'")
ITEM_CAPTION = "Espressokanne aus Aluminium, 6 Tassen  Zeitfang"


class CaptureTest(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop()
        self.addCleanup(self.desktop.close)

    def click_take_over(self, wid):
        self.desktop.click(wid, 170, 150)  # "Artikel übernehmen" at 2400/2160 twips

    def test_watches_the_auction_in_chromium(self):
        end = local_now() + timedelta(days=2, minutes=30)
        _, browser = self.desktop.start_chromium(auction_title(end))
        proc, wid = self.desktop.start_zeitfang()
        self.assertEqual(self.desktop.title(wid), ITEM_CAPTION)
        labels = self.desktop.labels(proc.pid)
        self.assertIn(f"endet am {end:%d.%m.%Y %H:%M:%S}", labels)
        self.assertIn("2 Tage\n0 Stunden", labels)
        self.assertNotIn(HINT, labels)
        # Maximised, Chromium drops its frame extents but still draws its own title bar.
        self.desktop.run(["wmctrl", "-i", "-r", str(browser), "-b",
                          "add,maximized_vert,maximized_horz"])
        wait_for(lambda: "_GTK_FRAME_EXTENTS" not in self.desktop.run(
            ["xprop", "-id", str(browser)]).stdout, what="the maximised browser")
        self.desktop.run(["xdotool", "windowactivate", "--sync", str(wid)], check=False)
        self.click_take_over(wid)
        time.sleep(0.5)
        self.assertEqual(self.desktop.title(wid), ITEM_CAPTION)

    def test_without_an_auction_window_shows_the_no_item_state(self):
        self.desktop.make_windows([{"title": "eBay Startseite"}, {"title": "Notizen (endet bald"}])
        proc, wid = self.desktop.start_zeitfang()
        self.assertEqual(self.desktop.title(wid), " Zeitfang 1.4.17")
        labels = self.desktop.labels(proc.pid)
        self.assertIn("Kein Artikel gewählt.", labels)
        self.assertIn(HINT, labels)
        self.assertFalse(os.path.exists(self.desktop.settings_path()), "start-up wrote settings")

    def test_hidden_and_borderless_are_passed_over_and_the_upper_is_taken(self):
        base = local_now()
        lower = auction_title(base + timedelta(hours=5), "Untere Auktion mit langem Namen")
        upper = auction_title(base + timedelta(hours=3, seconds=30), "Obere Auktion mit langem Namen")
        trap = auction_title(base + timedelta(hours=9), "Falle")
        self.desktop.make_windows([
            {"title": lower}, {"title": upper},
            {"title": trap, "hidden": True}, {"title": trap, "borderless": True}])
        proc, wid = self.desktop.start_zeitfang()
        self.assertEqual(self.desktop.title(wid), "Obere Auktion mit langem Namen Zeitfang")
        self.assertIn("3 Stunden\n0 Minuten", self.desktop.labels(proc.pid))

    def test_strange_titles_do_not_break_the_program(self):
        huge = "x" * 100000 + " eBay (endet 01.01.04 10:00:00"
        self.desktop.make_windows([{"title": huge}])
        proc, wid = self.desktop.start_zeitfang()
        # An auction long ended: the caption is the item title alone.
        self.assertEqual(self.desktop.title(wid), "x" * 38)
        labels = self.desktop.labels(proc.pid)
        self.assertIn("endet am 01.01.2004 10:00:00", labels)
        self.assertIn("Auktion\nbeendet", labels)
        # Invalid UTF-8 on top, with the markers but no readable end.
        self.desktop.make_windows([
            {"raw_title": (b"eBay \xff\xfe (endet \xc3\x28 " + b"\x80" * 50).hex()}])
        self.click_take_over(wid)
        wait_for(lambda: "Auktionsende nicht lesbar." in self.desktop.labels(proc.pid),
                 what="the unreadable end")
        self.assertIsNone(proc.poll())

    def test_without_a_display_says_so(self):
        env = dict(self.desktop.env)
        env.pop("DISPLAY")
        r = subprocess.run([BIN], env=env, capture_output=True, text=True, timeout=20)
        self.assertEqual(r.returncode, 2)
        self.assertIn("DISPLAY", r.stderr)

    def test_ends_cleanly_when_the_x_server_goes_away(self):
        proc, _ = self.desktop.start_zeitfang()
        os.killpg(self.desktop.xvfb.pid, signal.SIGKILL)
        code = wait_for(lambda: proc.poll() is not None and (proc.returncode,), timeout=15,
                        what="the program to end")[0]
        self.assertGreaterEqual(code, 0, "ended by a signal")


if __name__ == "__main__":
    unittest.main()
