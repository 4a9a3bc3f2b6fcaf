"""The Windows program under Wine on a private desktop; a Wine window stands in as the browser."""
import os
import pathlib
import re
import shutil
import subprocess
import unittest
from datetime import datetime, timedelta

from harness import (BUILD_DIR, INTERCEPT, NO_SYS_TIME, Desktop, ahead, auction_title,
                     clock_env, local_now, time_proxy, wait_for)

EXE = os.path.join(os.path.dirname(__file__), "../../dist/zeitfang.exe")  # build-windows.sh's
HELPER = os.path.join(BUILD_DIR, "windows/helper/controls.exe")
KEY = r"HKCU\Software\VB and VBA Program Settings\Orvikwerk\Kairola"
CAPTION, LABEL1, LABEL2, LABELZEIT = 0, 4, 5, 6
GO_ITEM, GET_TIME, GET_ARTIKEL, OPTIONEN = 8, 9, 10, 11
MSGONSYNC, SECONDS = 101, 104


class WindowsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.d = Desktop()
        # Wine refuses to set the host's clock; the tests' clock library refuses it once more.
        # Every later process on this desktop, xdotool included, runs with both.
        cls.d.env.update(WINEPREFIX=os.path.join(cls.d.tmp, "wine"), WINEDEBUG="-all",
                         WINEDLLOVERRIDES="mscoree,mshtml=", LD_PRELOAD=INTERCEPT,
                         CLOCK_INTERCEPT_REFUSE="1", CLOCK_INTERCEPT_LOG=cls.d.log,
                         DBUS_SYSTEM_BUS_ADDRESS="unix:path=/none")
        # The server and Wine's own services outlive each command; started here without the
        # commands' pipes, they do not hold those open.
        cls.d.spawn([*NO_SYS_TIME, "wineserver", "-f", "-p"])
        cls.d.spawn([*NO_SYS_TIME, "wine", "wineboot", "-i"]).wait(120)

    @classmethod
    def tearDownClass(cls):
        cls.d.spawn([*NO_SYS_TIME, "wineserver", "-k"]).wait(60)
        cls.d.close()

    def wine(self, *args, **env):
        return subprocess.run([*NO_SYS_TIME, "wine", *args], env={**self.d.env, **env},
                              capture_output=True, timeout=120)

    def controls(self, window_class):
        lines = self.wine(HELPER, window_class).stdout.decode().splitlines()
        return {int(i): (centre, int(check), text, *read) for i, centre, check, text, *read in
                (line.split("\t") for line in lines)}

    def text(self, window_class, control, pattern):
        return wait_for(lambda: re.fullmatch(pattern, self.controls(window_class).get(
            control, (0, 0, ""))[2]), 20, f"{pattern} in {window_class}")

    def click(self, window_class, control):
        x, y = self.controls(window_class)[control][0].split(",")
        self.d.run(["xdotool", "mousemove", x, y, "click", "1"])

    def browser(self, title, unique):
        self.d.spawn([*NO_SYS_TIME, "wine", HELPER, "--window", title])
        wait_for(lambda: self.d.run(["xdotool", "search", "--name", unique]), 20, unique)

    def zeitfang(self, exe=EXE, stderr=subprocess.DEVNULL, **env):
        self.d.spawn([*NO_SYS_TIME, "wine", exe], env, stderr=stderr)
        wait_for(lambda: self.controls("ZeitfangForm1"), 30, "Zeitfang")
        self.addCleanup(self.wine, HELPER, "--close", "ZeitfangForm1")

    def test_takes_over_the_upper_auction_and_counts_down(self):
        recorder = pathlib.Path(self.d.tmp, "browser.sh")
        recorder.write_text(f'#!/bin/sh\necho "$1" > {recorder}.url\n')
        recorder.chmod(0o755)
        self.wine("reg", "add", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/d",
                  recorder, "/f")
        self.wine("reg", "add", KEY, "/v", "Width", "/d", "breit", "/f")  # no number: ignored
        self.wine("reg", "add", KEY, "/v", "msgonsync", "/d", "1", "/f")  # the options test's 0
        self.browser(auction_title(local_now() + timedelta(seconds=58), "Untere"), "Untere")
        server = time_proxy(0, ahead(30), 0)
        self.zeitfang(http_proxy=server.url)
        # Wine refuses the set as Windows refuses a standard user. From a folder the user can
        # write no administrator is asked: the user is told to install.
        self.click("ZeitfangForm1", GET_TIME)
        for answer in ["Bitte installieren Sie Zeitfang", "Die Systemuhr wurde aktualisiert."]:
            wait_for(lambda: any(answer in c[2] for c in self.controls("#32770").values()), 20,
                     answer)
            self.d.run(["xdotool", "key", "Return"])
        self.wine(HELPER, "--close", "ZeitfangForm1")
        wait_for(lambda: self.wine(HELPER, "ZeitfangForm1").returncode, 20, "the window closed")
        # Installed where only administrators write (here: another owner's folder), the window
        # has an elevated copy set the time it read and corrected, and reads its exit status.
        os.mkdir(folder := os.path.join(self.d.tmp, "Programme"))
        chm = shutil.copy(os.path.join(os.path.dirname(EXE), "zeitfang.chm"), folder)
        for path in (folder, exe := shutil.copy(EXE, folder), chm):
            os.chown(path, 65534, 65534)
        with open(trace := os.path.join(self.d.tmp, "trace"), "ab") as f:
            self.zeitfang(exe, stderr=f, WINEDEBUG="-all,+process,err+sync,fixme+uiautomation",
                          http_proxy=server.url)
        self.click("ZeitfangForm1", GET_TIME)
        self.text("#32770", CAPTION, "Zeitfang")  # the message once the copy has ended
        self.d.run(["xdotool", "key", "Return"])
        wait_for(lambda: self.wine(HELPER, "#32770").returncode, 20, "the message to close")
        log = pathlib.Path(trace).read_text(errors="replace")
        self.assertRegex(log, r'cmdline L"\\"[^"]*Programme\\\\zeitfang.exe\\" '
                              r'-setclock 20\d{12}Z \d+"')
        [(tid, handle)] = re.findall(r"zeitfang.exe\" pid \w+ tid (\w+) handles (\w+)/", log)
        self.assertIn(f"NtQueryInformationProcess ({handle},0x00000000,", log)
        # The copy asks for the window's time moved on by its own start: within milliseconds.
        moves = {t == tid: int(ms) for t, ms in re.findall(r"(\w+):err:sync:.* (-?\d+) ms", log)}
        self.assertLess(abs(moves[True] - moves[False]), 50, moves)
        self.assertEqual(len(server.requests), 2)  # the copy reads no page
        heard = pathlib.Path(self.d.tmp, "heard")  # what a screen reader is told
        with heard.open("wb") as out:
            self.d.spawn([*NO_SYS_TIME, "wine", HELPER, "--listen"], stdout=out)
        now = local_now()
        long = "Ä" * 30000
        centres = set()  # of the status line, each time written anew from its design
        for seconds, item, label, caption in [
                (3 * 86400 + 9000, "Tage", r"3 Tage\\r\\n2 Stunden", "Tage Zeitfang"),
                (5 * 3600 + 1830, long, r"5 Stunden\\r\\n30 Minuten", long[:38] + " Zeitfang"),
                (1830, "Minuten", r"(29|30) Minuten\\r\\n\d+ Sekunden", "Minuten Zeitfang"),
                (50, "Letzte", r"\d\d?", r" >>\d\d?<<"),
                (-3600, "Vorbei", r"Auktion\\r\\nbeendet", "Vorbei")]:
            self.browser(auction_title(now + timedelta(seconds=seconds), item), item[:9])
            self.click("ZeitfangForm1", GET_ARTIKEL)
            self.text("ZeitfangForm1", LABELZEIT, label)
            self.text("ZeitfangForm1", CAPTION, caption)
            self.text("ZeitfangForm1", LABEL1, r"endet am \d\d\.\d\d\.20\d\d \d\d:\d\d:\d\d")
            centres.add(self.controls("ZeitfangForm1")[LABEL1][0])
        self.assertEqual(len(centres), 1)
        # Wine 8 has no UI Automation notification: the live region's events are heard. Wine 10
        # takes the notification and does nothing with it but log the call.
        said = lambda: heard.read_text().splitlines() + re.findall(  # noqa: E731
            r'UiaRaiseNotificationEvent \(\w+, 4, 1, L"([^"]*)"', pathlib.Path(trace).read_text(
                errors="replace"))  # each take-over, as the item and the time left
        moments = [r"Minuten, \d+ Minuten \d+ Sekunden", r"Letzte, \d+ Sekunden",
                   "Vorbei, Auktion beendet"]
        wait_for(lambda: len(said()) >= 3 and all(map(re.fullmatch, moments, said()[-3:])), 20,
                 "the moments")
        self.d.run(["xdotool", "key", "F1"])  # the help shipped beside the program
        wait_for(lambda: re.search(r"hh\.exe.*Programme\\\\zeitfang\.chm",
                                   pathlib.Path(trace).read_text(errors="replace")), 20, "help")
        self.click("ZeitfangForm1", GO_ITEM)
        url = pathlib.Path(f"{recorder}.url")
        self.assertEqual(wait_for(lambda: url.exists() and url.read_text(), 20, "the address"),
                         "http://cgi.ebay.de/ws/eBayISAPI.dll?ViewItem&item=1234567890\n")

    def test_options_reject_abc_and_save_to_the_registry(self):
        self.zeitfang()
        # A screen reader's role (link, text), name and default action; Label2 unread.
        form = self.controls("ZeitfangForm1")
        self.assertEqual([form[c][3:] for c in (GO_ITEM, GET_TIME, OPTIONEN, GET_ARTIKEL, LABEL2)],
                         [("30", name, "Ausführen") for name in ("Link zum Artikel", "Uhr synchron"
                          "isieren", "zu den Optionen", "Artikel übernehmen")] + [("41", "", "")])
        self.d.run(["xdotool", "key", "Tab", "Tab", "Return"])  # the focus on the first command
        shown = wait_for(lambda: self.controls("ZeitfangOptions"), 20, "the options")
        self.wine(HELPER, "ZeitfangForm1", str(OPTIONEN))  # a default action, the window disabled
        self.assertEqual((shown[CAPTION][2], shown[SECONDS][3:5]),
                         (" Zeitfang Optionen", ("42", "Warnton, wenn Restzeit = … Sekunden")))
        for typed, answer in [("abc", "Es sind nur Zahlen grösser 0 zulässig!"), ("7", None)]:
            self.click("ZeitfangOptions", SECONDS)
            self.d.run(["xdotool", "key", "End", *["BackSpace"] * 5, "type", typed])
            self.d.run(["xdotool", "key", "Return"])  # apart: "type" takes all that follows
            if answer:
                self.text("#32770", CAPTION, "Zeitfang")
                self.assertIn(answer, [c[2] for c in self.controls("#32770").values()])
                self.d.run(["xdotool", "key", "Return"])
                wait_for(lambda: self.wine(HELPER, "#32770").returncode, 20, "the message to close")
                self.click("ZeitfangOptions", MSGONSYNC)
        wait_for(lambda: self.wine(HELPER, "ZeitfangOptions").returncode, 20, "the options gone")
        ticked = 1 - shown[MSGONSYNC][1]
        saved = self.wine("reg", "query", KEY).stdout.decode()
        self.assertRegex(saved, rf"(?m)^\s+msgonsync\s+REG_SZ\s+{ticked}\s*$")
        self.assertRegex(saved, r"(?m)^\s+warntonsek\s+REG_SZ\s+7\s*$")
        self.wine(HELPER, "ZeitfangForm1", str(OPTIONEN))  # its default action, read back
        self.text("ZeitfangOptions", SECONDS, "7")
        self.d.run(["xdotool", "key", "Escape"])

    def test_time_mode_sets_date_and_time_at_once(self):
        # Wine takes a set of the present time (within half a second) and refuses any other,
        # logging how far it would have moved the clock, as for a user who is no administrator.
        def page(days, seconds, zone="MEZ"):
            form = "<p>Offizielle eBay-Zeit:   {:%d.%m.%Y %H:%M:%S} " + zone + "</p>"
            return lambda seen: form.format(seen + timedelta(days, seconds)).encode()
        for seen, text, at, status, moves in [
                # Summer time from the next day on: the server's 30 s ahead are 23 h later.
                (datetime(2026, 3, 28, 12), page(1, 30), None, 1, [82830]),
                # In the repeated autumn hour, now in its summer instance, the zone word decides.
                (datetime(2026, 10, 25, 2, 10), page(0, 0, "MESZ"), None, 0, []),
                (datetime(2026, 10, 25, 2, 10), page(0, 0), None, 1, [3600]),
                # Just before midnight, the page's next day in one step.
                (datetime(2026, 3, 10, 23, 59, 50), page(0, 30), datetime(2026, 3, 10, 23, 59,
                                                                         59, 950000), 1, [29]),
                (datetime(2026, 3, 10, 12), lambda seen: os.urandom(10 ** 7), None, 1, [])]:
            env = clock_env(self.d.log, seen)
            server = time_proxy(0, text, float(env["CLOCK_INTERCEPT_OFFSET"]), 0.1, at)
            r = self.wine(EXE, "-time", http_proxy=server.url, WINEDEBUG="-all,err+sync", **env)
            logged = [round(int(ms) / 1000) for ms in re.findall(rb"ence (-?\d+) ms", r.stderr)]
            self.assertEqual((r.returncode, len(server.requests), logged, r.stdout,
                              b"Administratorrechte" in r.stderr),
                             (status, 1, moves, b"", bool(moves)), (seen, r.stderr))
        self.assertFalse(os.path.exists(self.d.log))  # no attempt reached the host's clock
