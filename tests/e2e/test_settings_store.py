"""The settings file survives a writer killed mid-write and a folder that cannot be written."""
import os
import random
import stat
import subprocess
import unittest

from harness import BUILD_DIR, Desktop, read_store, wait_for

WRITER = os.path.join(BUILD_DIR, "tests", "settings_writer")
KEYS = ["msgonsync", "synconstart", "warnton", "warntonsek", "Left", "Top", "Width", "Height",
        "WindowState"]
VALUE_LENGTH = 20000


class SettingsStoreTest(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop()
        self.addCleanup(self.desktop.close)

    def test_a_writer_killed_mid_write_leaves_a_whole_file(self):
        rng = random.Random(5)
        path = self.desktop.settings_path()
        for attempt in range(30):
            writer = self.desktop.spawn([WRITER, str(VALUE_LENGTH)], stdout=subprocess.PIPE,
                                        text=True)
            self.assertEqual(writer.stdout.readline().strip(), "ready")
            # Let it rewrite the file a few times, then cut it off somewhere in a write.
            try:
                writer.wait(rng.uniform(0.0, 0.15))
            except subprocess.TimeoutExpired:
                pass
            writer.kill()
            writer.wait(10)
            writer.stdout.close()
            with self.subTest(attempt=attempt):
                section = read_store(path)
                self.assertEqual(sorted(section), sorted(KEYS))
                for key, value in section.items():
                    self.assertEqual(value, value[0] * VALUE_LENGTH, key)

    def test_a_folder_that_cannot_be_written_is_passed_over_in_silence(self):
        d = self.desktop
        before = "[Kairola]\nwarntonsek=45\n"
        with open(d.settings_path(), "w", encoding="utf-8") as f:
            f.write(before)
        os.chmod(d.config, stat.S_IRUSR | stat.S_IXUSR)
        self.addCleanup(os.chmod, d.config, stat.S_IRWXU)
        # Without the capability to override file permissions even root meets the read-only
        # folder.
        caps = "-dac_override,-dac_read_search"
        errors = os.path.join(d.tmp, "stderr")
        with open(errors, "w") as err:
            proc, wid = d.start_zeitfang(
                prefix=("setpriv", "--inh-caps=" + caps, "--bounding-set=" + caps), stderr=err)
        d.click(wid, 184, 124)  # "zu den Optionen"
        dialog = wait_for(lambda: d.window_named("Zeitfang Optionen"), what="the options")
        self.assertEqual(d.run(["xdotool", "getactivewindow"]).stdout.strip(), str(dialog))
        d.run(["xdotool", "key", "Return"])
        wait_for(lambda: d.window_named("Zeitfang Optionen") is None, what="the dialog to close")
        self.assertEqual(d.windows_of(proc.pid), [wid], "a message appeared")
        d.run(["wmctrl", "-ic", hex(wid)])
        self.assertEqual(proc.wait(15), 0)
        with open(d.settings_path(), encoding="utf-8") as f:
            self.assertEqual(f.read(), before)
        self.assertEqual(os.listdir(d.config), ["Orvikwerk.conf"])
        with open(errors, encoding="utf-8") as f:
            self.assertNotIn("Orvikwerk", f.read())


if __name__ == "__main__":
    unittest.main()
