"""Pictures of each state of the window, as a user sees it; also kept for the README.

Set ZEITFANG_SCREENSHOT_DIR to keep them; otherwise they go to a temporary folder.
"""
import os
import tempfile
import unittest
from datetime import timedelta

from harness import Desktop, auction_title, local_now, wait_for


class ScreenshotTest(unittest.TestCase):
    def shoot(self, desktop, name, wid):
        folder = os.environ.get("ZEITFANG_SCREENSHOT_DIR") or tempfile.mkdtemp(dir=desktop.tmp)
        path = os.path.join(folder, name + ".png")
        desktop.screenshot(path, wid)
        colours = int(desktop.run(["identify", "-format", "%k", path]).stdout)
        self.assertGreater(colours, 8, f"{name}: an empty picture")

    def test_each_state(self):
        for name, seconds_left in (("no-item", None), ("watching", 2 * 86400 + 3 * 3600 + 600),
                                   ("final-minute", 47), ("ended", -3600)):
            with self.subTest(name), Desktop() as d:
                if seconds_left is not None:
                    end = local_now() + timedelta(seconds=seconds_left)
                    d.make_windows([{"title": auction_title(end)}])
                _, wid = d.start_zeitfang()
                if name == "final-minute":
                    wait_for(lambda: d.title(wid) == " >>42<<", timeout=15, what="42 seconds")
                self.shoot(d, name, wid)
                if name == "no-item":
                    d.click(wid, 184, 124)  # "zu den Optionen"
                    self.shoot(d, "options", wait_for(lambda: d.window_named("Zeitfang Optionen"),
                                                      what="the options"))


if __name__ == "__main__":
    unittest.main()
