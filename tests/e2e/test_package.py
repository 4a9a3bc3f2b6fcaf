"""The Debian package, installed by dpkg into a throwaway root, starts from its menu entry and
sets the clock with its installed network module."""
import configparser
import os
import shlex
import subprocess
import tempfile
import unittest

from harness import (BUILD_DIR, NO_SYS_TIME, SEEN_NOW, Desktop, clock_env, time_mode,
                     time_proxy)


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True, timeout=300).stdout


class PackageTest(unittest.TestCase):
    def test_installed_menu_entry_starts_the_program(self):
        tmp = self.enterContext(tempfile.TemporaryDirectory(prefix="zeitfang-deb-"))
        run("cpack", "--config", os.path.join(BUILD_DIR, "CPackConfig.cmake"), "-B", tmp)
        [deb] = [os.path.join(tmp, f) for f in os.listdir(tmp) if f.endswith(".deb")]
        root = os.path.join(tmp, "root")
        for d in ("info", "updates"):
            os.makedirs(os.path.join(root, "var/lib/dpkg", d))
        open(os.path.join(root, "var/lib/dpkg/status"), "w").close()
        run("dpkg", "--root", root, "--log", "/dev/null", "--force-not-root", "--force-depends",
            "--force-script-chrootless", "-i", deb)
        [entry] = [os.path.join(r, f) for r, _, fs in os.walk(os.path.join(root, "usr/share"))
                   for f in fs if f.endswith(".desktop")]
        ini = configparser.ConfigParser(interpolation=None)
        ini.read(entry, encoding="utf-8")
        icon = ini["Desktop Entry"]["Icon"]
        self.assertTrue(os.path.exists(f"{root}/usr/share/icons/hicolor/32x32/apps/{icon}.png"))
        binary = os.path.join(root, "usr/bin/zeitfang")
        with Desktop() as d:  # a missing library would end the start with no window
            env = {"PATH": os.path.dirname(binary) + os.pathsep + d.env["PATH"],
                   **clock_env(d.log, SEEN_NOW)}
            proc = d.spawn([*NO_SYS_TIME, *shlex.split(ini["Desktop Entry"]["Exec"])], env=env)
            self.assertEqual(d.title(d.shown(proc)), " Zeitfang 1.4.17")
        server = time_proxy(pause=0)  # the network module is found where the package put it
        code, _, sets = time_mode(binary, server.url, os.path.join(tmp, "clock.log"))
        self.assertEqual((code, len(sets)), (0, 2))
