"""The options dialog and the item link, clicked in the real program on a real X server."""
import os
import re
import stat
import unittest
from datetime import timedelta

from harness import Desktop, auction_title, cache_value, local_now, wait_for

# Inside the command labels (twips / 15, a few pixels in), the dialog's seconds box and OK.
OPTIONS_LABEL, ITEM_LABEL = (184, 124), (188, 70)
SECONDS_BOX, OK_BUTTON = (166, 86), (83, 125)


class CommandsTest(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop()
        self.addCleanup(self.desktop.close)

    def test_options_ok_writes_the_four_keys(self):
        d = self.desktop
        proc, wid = d.start_zeitfang()
        d.click(wid, *OPTIONS_LABEL)
        dialog = wait_for(lambda: d.window_named("Zeitfang Optionen"), what="the options")
        self.assertEqual(d.title(dialog), " Zeitfang Optionen")
        # 500 twips left of the pointer and 1800 above it.
        x, y = map(int, re.findall(r"[xy]:(\d+)", d.run(["xdotool", "getmouselocation"]).stdout))
        self.assertEqual(d.frame(dialog)[:2], (x - 33, y - 120))
        d.click(dialog, *SECONDS_BOX)
        d.run(["xdotool", "key", "ctrl+a", "type", "--delay", "20", "3,5"])
        d.click(dialog, *OK_BUTTON)
        wait_for(lambda: d.window_named("Zeitfang Optionen") is None, what="the dialog to close")
        self.assertEqual(d.store(), {"msgonsync": "1", "synconstart": "0", "warnton": "1",
                                     "warntonsek": "4"})
        self.assertIsNone(proc.poll())

    def test_item_link_opens_the_address_with_the_desktop_handler(self):
        d = self.desktop
        bin_dir, record = os.path.join(d.tmp, "bin"), os.path.join(d.tmp, "xdg-open.args")
        os.makedirs(bin_dir)
        recorder = os.path.join(bin_dir, "xdg-open")
        with open(recorder, "w") as f:
            # One NUL-terminated line per argument, renamed into place when complete.
            f.write(f'#!/bin/sh\nfor a in "$@"; do printf "%s\\0" "$a"; done > "{record}.tmp"\n'
                    f'mv "{record}.tmp" "{record}"\n')
        os.chmod(recorder, stat.S_IRWXU)
        d.make_windows([{"title": auction_title(local_now() + timedelta(hours=2))}])
        proc, wid = d.start_zeitfang(env={"PATH": bin_dir + os.pathsep + os.environ["PATH"]})
        d.click(wid, *ITEM_LABEL)
        wait_for(lambda: os.path.exists(record), what="xdg-open to be called")
        with open(record, "rb") as f:
            args = f.read().split(b"\0")[:-1]
        host = cache_value("ZEITFANG_ITEM_HOST")
        self.assertEqual(args, [f"http://{host}/ws/eBayISAPI.dll?ViewItem&item=1234567890".encode()])
        self.assertIsNone(proc.poll())


if __name__ == "__main__":
    unittest.main()
