"""The real program takes the auction from the upper of two Chromium windows."""
import unittest
from datetime import timedelta

from harness import Desktop, auction_title, local_now


class CaptureTest(unittest.TestCase):
    def test_the_upper_visible_auction_window_is_taken(self):
        with Desktop() as d:
            now = local_now()
            d.chromium(auction_title(now + timedelta(hours=5), "Untere Auktion mit langem Namen"))
            d.chromium(auction_title(now + timedelta(hours=3), "Obere Auktion mit langem Namen"))
            d.window(auction_title(now + timedelta(hours=1), "Versteckte Auktion mit Namen"), False)
            _, wid = d.zeitfang(now)
            self.assertEqual(d.title(wid), "Obere Auktion mit langem Namen - Chrom Zeitfang")
