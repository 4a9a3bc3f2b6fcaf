"""The options dialog and the item link, clicked in the real program on a real X server."""
import configparser
import os
import re
import stat
import unittest
from datetime import timedelta

from harness import BUILD_DIR, Desktop, auction_title, local_now, wait_for

# Inside the command labels (twips / 15, a few pixels in).
OPTIONS_LABEL = (184, 124)
ITEM_LABEL = (188, 70)
# Inside the dialog's seconds box and OK button.
SECONDS_BOX = (166, 86)
OK_BUTTON = (83, 125)




def item_host():
    with open(os.path.join(BUILD_DIR, "CMakeCache.txt"), encoding="utf-8") as f:
        return re.search(r"^ZEITFANG_ITEM_HOST:STRING=(.*)$", f.read(), re.M).group(1)


class CommandsTest(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop()
        self.addCleanup(self.desktop.close)

    def click(self, wid, at):
        self.desktop.run(["xdotool", "mousemove", "--window", str(wid), str(at[0]), str(at[1]),
                          "click", "1"])

    def pointer(self):
        out = self.desktop.run(["xdotool", "getmouselocation"]).stdout
        return tuple(int(v) for v in re.findall(r"[xy]:(\d+)", out))

    def store(self):
        parser = configparser.ConfigParser(interpolation=None)
        parser.optionxform = str
        parser.read(self.desktop.settings_path(), encoding="utf-8")
        return dict(parser["Kairola"]) if parser.has_section("Kairola") else {}

    def test_options_ok_writes_the_four_keys(self):
        d = self.desktop
        proc, wid = d.start_zeitfang()
        self.click(wid, OPTIONS_LABEL)
        dialog = wait_for(lambda: d.window_named("Zeitfang Optionen"), what="the options")
        self.assertEqual(d.title(dialog), " Zeitfang Optionen")
        # 500 twips left of the pointer and 1800 above it.
        x, y = self.pointer()
        self.assertEqual(self.desktop.frame_origin(dialog), (x - 33, y - 120))
        self.click(dialog, SECONDS_BOX)
        d.run(["xdotool", "key", "ctrl+a", "type", "--delay", "20", "3,5"])
        self.click(dialog, OK_BUTTON)
        wait_for(lambda: d.window_named("Zeitfang Optionen") is None, what="the dialog to close")
        self.assertEqual(self.store(), {"msgonsync": "1", "synconstart": "0", "warnton": "1",
                                        "warntonsek": "4"})
        self.assertIsNone(proc.poll())

    def test_item_link_opens_the_address_with_the_desktop_handler(self):
        d = self.desktop
        bin_dir = os.path.join(d.tmp, "bin")
        record = os.path.join(d.tmp, "xdg-open.args")
        os.makedirs(bin_dir)
        recorder = os.path.join(bin_dir, "xdg-open")
        with open(recorder, "w") as f:
            # One NUL-terminated line per argument, renamed into place when complete.
            f.write(f'#!/bin/sh\nfor a in "$@"; do printf "%s\\0" "$a"; done > "{record}.tmp"\n'
                    f'mv "{record}.tmp" "{record}"\n')
        os.chmod(recorder, stat.S_IRWXU)
        d.make_windows([{"title": auction_title(local_now() + timedelta(hours=2))}])
        proc, wid = d.start_zeitfang(env={"PATH": bin_dir + os.pathsep + os.environ["PATH"]})
        self.click(wid, ITEM_LABEL)
        wait_for(lambda: os.path.exists(record), what="xdg-open to be called")
        with open(record, "rb") as f:
            args = f.read().split(b"\0")[:-1]
        address = f"http://{item_host()}/ws/eBayISAPI.dll?ViewItem&item=1234567890"
        self.assertEqual(args, [address.encode()])
        self.assertIsNone(proc.poll())


if __name__ == "__main__":
    unittest.main()
