"""The Debian package: built with CPack, installed by dpkg into a throwaway root, started there.

The live system is never touched: dpkg works on a database of its own that holds only the
package's dependencies as this machine has them installed.
"""
import configparser
import os
import re
import shlex
import shutil
import subprocess
import tempfile
import unittest

from harness import BUILD_DIR, Desktop, cache_value, wait_for


def run(args, **kw):
    return subprocess.run(args, check=True, capture_output=True, text=True, timeout=120, **kw).stdout


def owning_package(path):
    """The installed package that holds the file, following symbolic links."""
    for candidate in (path, os.path.realpath(path)):
        r = subprocess.run(["dpkg-query", "-S", candidate], capture_output=True, text=True)
        if r.returncode == 0:
            return r.stdout.split(":")[0].strip()
    raise AssertionError(f"no installed package holds {path}")


def depends_names(field):
    """Package names of a Depends field, alternatives included."""
    return {re.sub(r"\(.*?\)|:\S+", "", alt).strip() for alt in re.split(r"[,|]", field)} - {""}


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp(prefix="zeitfang-deb-")
        out = os.path.join(cls.tmp, "out")
        run(["cpack", "--config", os.path.join(BUILD_DIR, "CPackConfig.cmake"), "-B", out])
        [deb] = [os.path.join(out, f) for f in os.listdir(out) if f.endswith(".deb")]
        cls.fields = dict(re.findall(r"^ ?([A-Za-z-]+): (.*)$", run(["dpkg-deb", "-I", deb]), re.M))
        cls.listing = [line.split()[-1] for line in run(["dpkg-deb", "-c", deb]).splitlines()]
        # A dpkg database that holds only the dependencies this machine has installed.
        cls.root = os.path.join(cls.tmp, "root")
        db = os.path.join(cls.root, "var/lib/dpkg")
        for d in ("info", "updates", "triggers"):
            os.makedirs(os.path.join(db, d))
        deps = sorted(n for n in depends_names(cls.fields["Depends"])
                      if subprocess.run(["dpkg-query", "-W", n], capture_output=True).returncode == 0)
        with open(os.path.join(db, "status"), "w") as f:
            f.write(run(["dpkg-query", "-s", *deps]) if deps else "")
        for name in run(["dpkg-query", "-W", "-f", "${binary:Package}\n", *deps]).split():
            open(os.path.join(db, "info", name + ".list"), "w").close()
        open(os.path.join(db, "available"), "w").close()
        cls.install_log = run(["dpkg", "--root", cls.root, "--log", "/dev/null",
                               "--force-not-root", "--force-script-chrootless", "-i", deb])

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp, ignore_errors=True)

    def path_in_root(self, listed):
        return os.path.join(self.root, listed.lstrip("./"))

    def listed(self, suffix):
        [path] = [p for p in self.listing if p.endswith(suffix)]
        return self.path_in_root(path)

    def test_control_fields_carry_the_project_version(self):
        self.assertEqual(self.fields["Package"], "zeitfang")
        self.assertEqual(self.fields["Version"], cache_value("CMAKE_PROJECT_VERSION"))
        self.assertEqual(self.fields["Architecture"], run(["dpkg", "--print-architecture"]).strip())

    def test_depends_cover_what_the_program_loads(self):
        binary = self.path_in_root("usr/bin/zeitfang")
        ldd = run(["ldd", binary])
        self.assertNotIn("not found", ldd)
        needed = set(re.findall(r"NEEDED\s+(\S+)", run(["objdump", "-p", binary])))
        loaded = [path for name, path in re.findall(r"^\s*(\S+) => (/\S+)", ldd, re.M)
                  if name in needed]
        self.assertEqual(len(loaded), len(needed))
        # Loaded at run time, not linked: the X11 platform plugin, the Arial stand-in, xdg-open.
        qt_plugins = run(["qtpaths6", "--query", "QT_INSTALL_PLUGINS"]).strip()
        loaded += [os.path.join(qt_plugins, "platforms/libqxcb.so"), shutil.which("xdg-open"),
                   run(["fc-match", "-f", "%{file}", "Liberation Sans"])]
        for path in loaded:
            with self.subTest(path=path):
                self.assertIn(owning_package(path), depends_names(self.fields["Depends"]))

    def test_installs_every_listed_file(self):
        self.assertIn("Setting up zeitfang", self.install_log)
        status = run(["dpkg-query", "--admindir", os.path.join(self.root, "var/lib/dpkg"),
                      "-W", "-f", "${Status}", "zeitfang"])
        self.assertEqual(status, "install ok installed")
        for listed in self.listing:
            self.assertTrue(os.path.lexists(self.path_in_root(listed)), listed)

    def test_metainfo_is_valid_and_names_the_menu_entry(self):
        meta = self.listed(".metainfo.xml")
        run(["appstreamcli", "validate", "--no-net", "--pedantic", meta])
        with open(meta, encoding="utf-8") as f:
            launchable = re.search(r'<launchable type="desktop-id">(.*?)</launchable>',
                                   f.read()).group(1)
        self.assertIn(f"./usr/share/applications/{launchable}", self.listing)

    def test_menu_entry_starts_the_installed_program_with_its_icons(self):
        entry = self.listed(".desktop")
        self.assertEqual(run(["desktop-file-validate", entry]), "")
        ini = configparser.ConfigParser(interpolation=None)
        ini.optionxform = str
        ini.read(entry, encoding="utf-8")
        desktop = ini["Desktop Entry"]
        self.assertIn("Utility", desktop["Categories"].split(";"))
        sizes = {p.split("/")[-3] for p in self.listing
                 if re.search(rf"/hicolor/.*/{desktop['Icon']}\.\w+$", p)}
        self.assertEqual(sizes, {"16x16", "32x32", "48x48", "scalable"})
        with Desktop() as d:
            path = self.path_in_root("usr/bin") + os.pathsep + d.env["PATH"]
            proc = d.spawn(shlex.split(desktop["Exec"]), env={"PATH": path})
            wid = wait_for(lambda: (d.windows_of(proc.pid) or [None])[0]
                           or proc.poll() is not None, timeout=30, what="the window")
            self.assertIsNone(proc.poll(), "the installed program ended")
            self.assertIn("Zeitfang", d.title(wid))
            # Task bars match the window to its menu entry by the window's class.
            wm_class = d.run(["xprop", "-id", str(wid), "WM_CLASS"]).stdout
            self.assertEqual(re.findall(r'"([^"]*)"', wm_class)[-1], desktop["StartupWMClass"])


if __name__ == "__main__":
    unittest.main()
