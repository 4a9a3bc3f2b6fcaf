"""The normal mode synchronises at start when asked to, and on "Uhr synchronisieren"."""
import os
import unittest
from datetime import datetime
from zoneinfo import ZoneInfo

from clock_run import INTERCEPT, NO_SYS_TIME, TZ
from harness import BIN, Desktop, wait_for
from time_server import TimeServer

PAGE = b"<p>Offizielle eBay-Zeit:   08.11.2004 14:05:33 MEZ</p>"


class SyncInWindowTest(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop()
        self.addCleanup(self.desktop.close)
        self.server = TimeServer()
        self.addCleanup(self.server.close)
        self.server.body = PAGE
        self.log = os.path.join(self.desktop.tmp, "clock.log")

    def start(self, settings):
        with open(self.desktop.settings_path(), "w") as f:
            f.write("[Kairola]\n" + "".join(f"{k}={v}\n" for k, v in settings.items()))
        self.assertTrue(os.path.exists(INTERCEPT))
        target = datetime(2026, 3, 10, 9, 0, 0, tzinfo=ZoneInfo(TZ)).timestamp()
        env = {"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
               "http_proxy": self.server.proxy, "no_proxy": "", "NO_PROXY": "",
               "DBUS_SYSTEM_BUS_ADDRESS": "unix:path=" + os.path.join(self.desktop.tmp, "none"),
               "LD_PRELOAD": INTERCEPT, "CLOCK_INTERCEPT_LOG": self.log,
               "CLOCK_INTERCEPT_OFFSET": repr(target - datetime.now().timestamp())}
        proc = self.desktop.spawn([*NO_SYS_TIME, BIN], env=env)
        wid = wait_for(lambda: (self.desktop.windows_of(proc.pid) or [None])[0], timeout=30,
                       what="the Zeitfang window")
        return proc, wid

    def sets(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log) as f:
            return [" ".join(line.split()[2:4]) for line in f]

    def assert_synced(self):
        # Time of day first, then the date; a second boundary may fall inside the response.
        sets = self.sets()
        self.assertIn(sets, (["2026-03-10 14:05:33", "2004-11-08 14:05:33"],
                             ["2026-03-10 14:05:34", "2004-11-08 14:05:34"]))

    def test_synconstart_1_syncs_after_the_window_is_shown(self):
        proc, _ = self.start({"synconstart": 1, "msgonsync": 0})
        wait_for(lambda: len(self.sets()) == 2, what="the clock being set")
        self.assert_synced()
        self.assertEqual(len(self.server.requests), 1)
        self.assertIsNone(proc.poll())

    def test_click_syncs_and_confirms_when_synconstart_is_0(self):
        proc, wid = self.start({"synconstart": 0, "msgonsync": 1})
        self.assertEqual(self.server.requests, [])
        # "Uhr synchronisieren" lies at 2340/1360 twips, 15 twips a pixel.
        self.desktop.run(["xdotool", "mousemove", "--window", str(wid), "165", "97", "click", "1"])
        box = wait_for(lambda: self.desktop.window_named("^Zeitfang$"), what="the message box")
        self.assert_synced()
        self.assertIn("Die Systemuhr wurde aktualisiert.", self.desktop.labels(proc.pid))
        self.desktop.run(["xdotool", "windowactivate", "--sync", str(box)], check=False)
        self.desktop.run(["xdotool", "key", "Return"])
        wait_for(lambda: self.desktop.window_named("^Zeitfang$") is None, what="the box closing")
        self.assertEqual(len(self.server.requests), 1)


if __name__ == "__main__":
    unittest.main()
