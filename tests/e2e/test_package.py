"""The Debian package passes lintian and, installed by dpkg into a throwaway root, links the GNOME
Shell extension for the Shell there (again after its upgrade), starts from its menu entry and
sets the clock with `zeitfang -time` through a local proxy."""
import configparser
import json
import os
import pathlib
import re
import shlex
import shutil
import subprocess
import tempfile
import unittest
from datetime import date, datetime

from harness import (BUILD_DIR, NO_SYS_TIME, SEEN_NOW, Desktop, clock_env, time_mode,
                     time_proxy, wait_for)


def run(*args):
    r = subprocess.run(args, capture_output=True, text=True, timeout=300)
    assert r.returncode == 0, r.stdout + r.stderr
    return r.stdout


def shell_package(tmp, version, deb):
    """A stand-in gnome-shell package providing what `deb` depends on, so dpkg runs its triggers."""
    provides = re.sub(r" \(.*?\)", " (= 99:0)", run("dpkg-deb", "-f", deb, "Depends").strip())
    folder = pathlib.Path(tmp, "gnome-shell-" + version)
    for path in ("DEBIAN", "usr/bin"):
        (folder / path).mkdir(parents=True)
    (folder / "usr/bin/gnome-shell").touch()
    (folder / "DEBIAN/control").write_text(
        f"Package: gnome-shell\nVersion: {version}\nArchitecture: all\nDescription: stand-in\n"
        f"Maintainer: Test <test@example.invalid>\nProvides: {provides.replace(' |', ',')}\n")
    run("dpkg-deb", "--root-owner-group", "--build", folder, f"{folder}.deb")
    return f"{folder}.deb"


class PackageTest(unittest.TestCase):
    def test_installed_program_starts_from_its_menu_entry_and_sets_the_clock(self):
        tmp = self.enterContext(tempfile.TemporaryDirectory(prefix="zeitfang-deb-"))
        run("cpack", "--config", os.path.join(BUILD_DIR, "CPackConfig.cmake"), "-B", tmp)
        [deb] = [os.path.join(tmp, f) for f in os.listdir(tmp) if f.endswith(".deb")]
        run("lintian", "--fail-on", "error,warning", deb)
        root = os.path.join(tmp, "root")  # dpkg makes its database there
        ext = f"{root}/usr/share/gnome-shell/extensions/zeitfang@orvikwerk.de"
        dpkg = ["dpkg", "--root", root, "--log", "/dev/null", "--force-not-root",
                "--force-script-chrootless"]
        for package, form, shell in (
                (shell_package(tmp, "43.9-1", deb), None, None), (deb, "legacy", "43"),
                (shell_package(tmp, "48.7-1", deb), "esm", "48"),  # a dist-upgrade
                (shell_package(tmp, "1:51.1-1", deb), "esm", "51")):  # a Shell newer than we are
            run(*dpkg, "-i", package)
            if form:
                self.assertEqual(os.readlink(ext + "/extension.js"),
                                 f"../../../zeitfang/gnome-shell/{form}/extension.js")
                with open(ext + "/metadata.json", encoding="utf-8") as f:
                    self.assertIn(shell, json.load(f)["shell-version"])
        [entry] = pathlib.Path(root, "usr/share/applications").glob("*.desktop")
        ini = configparser.ConfigParser(interpolation=None)
        ini.read(entry, encoding="utf-8")
        icon = ini["Desktop Entry"]["Icon"]
        self.assertTrue(os.path.exists(f"{root}/usr/share/icons/hicolor/32x32/apps/{icon}.png"))
        binary = os.path.join(root, "usr/bin/zeitfang")
        with Desktop() as d:  # a missing library would end the start with no window
            opened = pathlib.Path(tmp, "opened")  # what the desktop was asked to open
            pathlib.Path(tmp, "xdg-open").write_text(f'#!/bin/sh\necho "$1" > {opened}\n')
            os.chmod(os.path.join(tmp, "xdg-open"), 0o755)
            env = {"PATH": os.pathsep.join([os.path.dirname(binary), tmp, d.env["PATH"]]),
                   **clock_env(d.log, SEEN_NOW)}
            proc = d.spawn([*NO_SYS_TIME, *shlex.split(ini["Desktop Entry"]["Exec"])], env=env)
            self.assertEqual(d.title(d.shown(proc)), " Zeitfang 1.4.17")
            d.run(["xdotool", "key", "F1"])  # the help page the package ships
            self.assertEqual(wait_for(lambda: opened.exists() and opened.read_text(), 20, "help"),
                             f"file://{root}/usr/share/zeitfang/zeitfang.html\n")
        # The network module is found where the package put it; no settings are written (the
        # cache folder is GLib's, made for its runtime files when XDG_RUNTIME_DIR is unset).
        server, home = time_proxy(), os.path.join(tmp, "home")
        os.mkdir(home)
        code, out, sets = time_mode(binary, server.url, os.path.join(home, "good.log"))
        self.assertEqual((code, out, set(os.listdir(home)) - {".cache"}), (0, b"", {"good.log"}))
        self.assertEqual(server.requests, [(
            "GET http://cgi1.ebay.de/aw-cgi/eBayISAPI.dll?TimeShow HTTP/1.1",
            "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)")])
        at = sets[0].time()  # the page's date and the corrected time, in one set
        self.assertEqual(sets, [datetime.combine(date(2004, 11, 8), at)])
        why = b"Zeitfang: Die Systemuhr wurde nicht gestellt: Die Zeitseite kam nicht oder zeigte " \
              b"keine Zeit.\n"
        alone = shutil.copy(binary, tmp)  # its network module not found: only the reason printed
        self.assertEqual(time_mode(alone, server.url, f"{home}/alone.log"), (1, why, []))
        run(*dpkg, "-r", "zeitfang")
        self.assertFalse(os.path.lexists(ext))
