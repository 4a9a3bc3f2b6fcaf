"""The normal mode synchronises at start when asked to, and on "Uhr synchronisieren"."""
import unittest
from datetime import datetime

from clock_run import logged_sets
from harness import Desktop, wait_for
from time_server import TimeServer


class SyncInWindowTest(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop()
        self.addCleanup(self.desktop.close)
        self.server = TimeServer()
        self.addCleanup(self.server.close)
        self.server.body = b"<p>Offizielle eBay-Zeit:   08.11.2004 14:05:33 MEZ</p>"

    def confirm(self, proc, syncs):
        """Waits for the confirmation of the given sync and closes it."""
        d = self.desktop
        box = wait_for(lambda: d.window_named("^Zeitfang$"), what="the message box")
        self.assertIn("Die Systemuhr wurde aktualisiert.", d.labels(proc.pid))
        self.assertEqual(len(self.server.requests), syncs)
        # Time of day first, then the date; a second boundary may fall inside the response.
        time_set, date_set = logged_sets(d.clock_log)[2 * syncs - 2:]
        self.assertEqual(time_set.date(), datetime(2026, 3, 10).date() if syncs == 1
                         else datetime(2004, 11, 8).date())
        self.assertIn(time_set.time().isoformat(), ("14:05:33", "14:05:34"))
        self.assertEqual(date_set, datetime.combine(datetime(2004, 11, 8), time_set.time()))
        d.run(["xdotool", "windowactivate", "--sync", str(box)], check=False)
        d.run(["xdotool", "key", "Return"])
        wait_for(lambda: d.window_named("^Zeitfang$") is None, what="the box closing")

    def test_synconstart_1_syncs_at_start_and_a_click_syncs_again(self):
        with open(self.desktop.settings_path(), "w") as f:
            f.write("[Kairola]\nsynconstart=1\nmsgonsync=1\n")
        proc, wid = self.desktop.start_zeitfang(
            seen_now=datetime(2026, 3, 10, 9, 0, 0),
            env={"http_proxy": self.server.proxy, "no_proxy": "", "NO_PROXY": ""})
        self.confirm(proc, 1)
        # "Uhr synchronisieren" lies at 2340/1360 twips, 15 twips a pixel.
        self.desktop.click(wid, 165, 97)
        self.confirm(proc, 2)
        self.assertIsNone(proc.poll())


if __name__ == "__main__":
    unittest.main()
