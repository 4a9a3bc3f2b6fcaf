"""`zeitfang -time` sets the clock from the time page, reached through a local proxy."""
import os
import shutil
import socket
import tempfile
import unittest
from datetime import datetime

from harness import BIN, SEEN_NOW, time_mode, time_proxy


class ClockOnlyTest(unittest.TestCase):
    def test_a_good_page_sets_time_then_date_and_a_refused_one_nothing(self):
        server = time_proxy()
        self.addCleanup(server.shutdown)
        home = tempfile.mkdtemp(prefix="zeitfang-clock-")
        self.addCleanup(shutil.rmtree, home)
        code, out, sets = time_mode(BIN, server.url, os.path.join(home, "good.log"))
        self.assertEqual((code, out, os.listdir(home)), (0, b"", ["good.log"]))  # no settings
        self.assertEqual(server.requests, [(
            "GET http://cgi1.ebay.de/aw-cgi/eBayISAPI.dll?TimeShow HTTP/1.1",
            "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)")])
        self.assertEqual(len(sets), 2)
        self.assertIn(sets[0].time().isoformat(), ("14:05:35", "14:05:36"))
        self.assertEqual((sets[0].date(), sets[1]),
                         (SEEN_NOW.date(), datetime.combine(datetime(2004, 11, 8), sets[0].time())))
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            refused = f"http://127.0.0.1:{s.getsockname()[1]}"
        self.assertEqual(time_mode(BIN, refused, os.path.join(home, "refused.log")), (1, b"", []))
