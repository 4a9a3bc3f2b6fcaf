"""Pictures of each state of the window, as a user sees it; also kept for the README.

Set ZEITFANG_SCREENSHOT_DIR to keep them; otherwise they go to a temporary folder.
"""
import os
import tempfile
import unittest
from datetime import timedelta

from harness import Desktop, auction_title, local_now, wait_for

OPTIONS_LABEL = (184, 124)


class ScreenshotTest(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop()
        self.addCleanup(self.desktop.close)
        self.folder = os.environ.get("ZEITFANG_SCREENSHOT_DIR") or tempfile.mkdtemp(
            dir=self.desktop.tmp)

    def shoot(self, name, wid):
        path = os.path.join(self.folder, name + ".png")
        self.desktop.screenshot(path, wid)
        colours = int(self.desktop.run(["identify", "-format", "%k", path]).stdout)
        self.assertGreater(colours, 8, f"{name}: an empty picture")

    def start_with_auction(self, seconds_left):
        end = local_now() + timedelta(seconds=seconds_left)
        self.desktop.make_windows([{"title": auction_title(end)}])
        return self.desktop.start_zeitfang()

    def test_no_item(self):
        _, wid = self.desktop.start_zeitfang()
        self.shoot("no-item", wid)

    def test_watching(self):
        _, wid = self.start_with_auction(2 * 86400 + 3 * 3600 + 600)
        self.shoot("watching", wid)

    def test_final_minute(self):
        _, wid = self.start_with_auction(47)
        wait_for(lambda: self.desktop.title(wid) == " >>42<<", timeout=15, what="42 seconds")
        self.shoot("final-minute", wid)

    def test_ended(self):
        _, wid = self.start_with_auction(-3600)
        self.shoot("ended", wid)

    def test_options(self):
        _, wid = self.desktop.start_zeitfang()
        self.desktop.run(["xdotool", "mousemove", "--window", str(wid), *map(str, OPTIONS_LABEL),
                          "click", "1"])
        dialog = wait_for(lambda: self.desktop.window_named("Zeitfang Optionen"),
                          what="the options")
        self.shoot("options", dialog)


if __name__ == "__main__":
    unittest.main()
