"""`zeitfang -time` sets the clock from the time page, reached through a local proxy."""
import os
import tempfile
import unittest
from datetime import date, datetime

from harness import BIN, SEEN_NOW, time_mode, time_proxy


class ClockOnlyTest(unittest.TestCase):
    def test_a_good_page_sets_time_then_date_and_a_refused_one_nothing(self):
        server = time_proxy()
        home = self.enterContext(tempfile.TemporaryDirectory(prefix="zeitfang-clock-"))
        code, out, sets = time_mode(BIN, server.url, os.path.join(home, "good.log"))
        self.assertEqual((code, out, os.listdir(home)), (0, b"", ["good.log"]))  # no settings
        self.assertEqual(server.requests, [(
            "GET http://cgi1.ebay.de/aw-cgi/eBayISAPI.dll?TimeShow HTTP/1.1",
            "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)")])
        at = sets[0].time()  # the time of day on the seen day, then the page's date
        self.assertIn(at.isoformat(), ("14:05:35", "14:05:36"))
        self.assertEqual(sets, [datetime.combine(d, at) for d in (SEEN_NOW, date(2004, 11, 8))])
        refused = "http://127.0.0.1:9"  # discard's port: nothing listens on it here
        self.assertEqual(time_mode(BIN, refused, os.path.join(home, "refused.log")), (1, b"", []))
