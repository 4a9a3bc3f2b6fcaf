"""The Debian package, installed by dpkg into a throwaway root, starts from its menu entry and
sets the clock with its installed network module."""
import configparser
import os
import shlex
import shutil
import subprocess
import tempfile
import unittest
from datetime import datetime

from harness import BUILD_DIR, NO_SYS_TIME, Desktop, clock_env, logged_sets, time_proxy, wait_for


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True, timeout=300).stdout


class PackageTest(unittest.TestCase):
    def test_installed_menu_entry_starts_the_program(self):
        tmp = tempfile.mkdtemp(prefix="zeitfang-deb-")
        self.addCleanup(shutil.rmtree, tmp)
        run("cpack", "--config", os.path.join(BUILD_DIR, "CPackConfig.cmake"), "-B", tmp)
        [deb] = [os.path.join(tmp, f) for f in os.listdir(tmp) if f.endswith(".deb")]
        root = os.path.join(tmp, "root")
        for d in ("info", "updates"):
            os.makedirs(os.path.join(root, "var/lib/dpkg", d))
        open(os.path.join(root, "var/lib/dpkg/status"), "w").close()
        run("dpkg", "--root", root, "--log", "/dev/null", "--force-not-root", "--force-depends",
            "--force-script-chrootless", "-i", deb)
        binary = os.path.join(root, "usr/bin/zeitfang")
        self.assertNotIn("not found", run("ldd", binary))
        [entry] = [os.path.join(r, f) for r, _, fs in os.walk(os.path.join(root, "usr/share"))
                   for f in fs if f.endswith(".desktop")]
        ini = configparser.ConfigParser(interpolation=None)
        ini.read(entry, encoding="utf-8")
        icon = ini["Desktop Entry"]["Icon"]
        self.assertTrue(os.path.exists(f"{root}/usr/share/icons/hicolor/32x32/apps/{icon}.png"))
        with Desktop() as d:
            proc = d.spawn([*NO_SYS_TIME, *shlex.split(ini["Desktop Entry"]["Exec"])],
                           env={"PATH": os.path.dirname(binary) + os.pathsep + d.env["PATH"]})
            wid = wait_for(lambda: proc.poll() is not None or d.run(
                ["xdotool", "search", "--onlyvisible", "--pid", str(proc.pid)]).split(), 30, "window")
            self.assertIsNone(proc.poll())
            self.assertEqual(d.title(wid[0]), " Zeitfang 1.4.17")
        # The network module is found where the package put it.
        server = time_proxy(pause=0)
        self.addCleanup(server.shutdown)
        log = os.path.join(tmp, "clock.log")
        env = {"http_proxy": server.url, **clock_env(log, datetime(2026, 3, 10, 9, 0, 0))}
        r = subprocess.run([*NO_SYS_TIME, binary, "-time"], env=env, timeout=90)
        self.assertEqual((r.returncode, len(logged_sets(log))), (0, 2))
