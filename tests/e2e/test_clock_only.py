"""The real program's "-time" mode against a local server acting as proxy."""
import os
import random
import unittest
from datetime import datetime

from clock_run import ClockSandbox, time_host
from time_server import TimeServer, refused_proxy

USER_AGENT = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"
PAGE = (b"<html><head><title>eBay Offizielle Zeit</title></head><body>\r\n"
        b"<p>Offizielle eBay-Zeit:   08.11.2004 14:05:33 MEZ</p>\r\n</body></html>\r\n")
SEEN_NOW = datetime(2026, 3, 10, 9, 0, 0)


class ClockOnlyTest(unittest.TestCase):
    def setUp(self):
        self.server = TimeServer()
        self.addCleanup(self.server.close)
        self.box = ClockSandbox(SEEN_NOW)
        self.addCleanup(self.box.close)

    def run_mode(self, proxy, exit_code):
        r = self.box.run_time_mode(proxy)
        self.assertEqual((r.returncode, r.stdout, r.stderr), (exit_code, b"", b""))

    def test_sets_the_time_of_day_then_the_date_and_exits_0(self):
        self.server.body = PAGE
        self.server.pause_after_headers = 2.0
        self.run_mode(self.server.proxy, 0)
        [(line, headers)] = self.server.requests
        self.assertEqual(line, f"GET http://{time_host()}/aw-cgi/eBayISAPI.dll?TimeShow HTTP/1.1")
        self.assertEqual(headers.get("User-Agent"), USER_AGENT)
        # The response began two seconds before the page was complete.
        time_set, date_set = self.box.sets()
        self.assertEqual(time_set.date(), SEEN_NOW.date())
        self.assertIn(time_set.time().isoformat(), ("14:05:35", "14:05:36"))
        self.assertEqual(date_set, datetime.combine(datetime(2004, 11, 8), time_set.time()))
        self.assertEqual(os.listdir(self.box.config), [])

        # An existing store is neither read (msgonsync=1 would ask for a message box, which
        # the mode cannot show) nor changed.
        text = "[Kairola]\nmsgonsync=1\nsynconstart=1\n"
        with open(self.box.settings_path(), "w") as f:
            f.write(text)
        os.utime(self.box.settings_path(), (1_000_000_000, 1_000_000_000))
        self.server.pause_after_headers = 0
        self.run_mode(self.server.proxy, 0)
        self.assertEqual(len(self.box.sets()), 4)
        with open(self.box.settings_path()) as f:
            self.assertEqual(f.read(), text)
        self.assertEqual(os.stat(self.box.settings_path()).st_mtime, 1_000_000_000)

    def test_unusable_answers_set_nothing_and_exit_1(self):
        garbage = random.Random(7).randbytes(20000)
        garbage = garbage[:100] + b"MEZ" + garbage[100:]  # an anchor with binary before it
        cases = {
            "HTTP 500 with a good time": (500, PAGE),
            "no zone word": (200, PAGE.replace(b"MEZ", b"CET")),
            "10 MB body": (200, b"<p>" + b"Zeit " * 2_000_000 + PAGE),
            "binary garbage": (200, garbage),
            "connection refused": None,
        }
        for name, answer in cases.items():
            with self.subTest(name):
                if answer:
                    self.server.status, self.server.body = answer
                self.run_mode(refused_proxy() if answer is None else self.server.proxy, 1)
                self.assertEqual(self.box.sets(), [])
        self.assertFalse(os.path.exists(self.box.settings_path()))


if __name__ == "__main__":
    unittest.main()
