"""The settings file stays whole when its writer is killed in the middle of a write."""
import configparser
import os
import random
import subprocess
import time
import unittest

from harness import BUILD_DIR, Desktop

KEYS = {"msgonsync", "synconstart", "warnton", "warntonsek", "left", "top", "width", "height",
        "windowstate"}


class SettingsStoreTest(unittest.TestCase):
    def test_a_writer_killed_mid_write_leaves_a_whole_file(self):
        with Desktop() as d:
            rng = random.Random(5)
            for attempt in range(20):
                writer = d.spawn([os.path.join(BUILD_DIR, "tests", "settings_writer"), "20000"],
                                 stdout=subprocess.PIPE, text=True)
                self.assertEqual(writer.stdout.readline(), "ready\n")
                time.sleep(rng.uniform(0.0, 0.15))
                writer.kill()  # no signal once it has ended of itself
                writer.wait()
                store = configparser.ConfigParser(interpolation=None)
                store.read(os.path.join(d.config, "Orvikwerk.conf"))
                self.assertEqual(set(store["Kairola"]), KEYS, attempt)
                self.assertEqual({len(set(v)) for v in store["Kairola"].values()}, {1}, attempt)
