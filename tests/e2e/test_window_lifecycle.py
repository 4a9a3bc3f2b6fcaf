"""The start takes the auction from the upper of two Chromium windows, closing the window always
ends the program, the synchronisation lasts while timedated (polkit) takes its time and gives it
one change for date and time, "-time" ends with 0 only once the clock is set, the final
seconds sound the five alarm tones through ALSA, ask for attention and end showing the item, and
the settings file stays whole when its writer is killed in the middle of a write."""
import os
import pathlib
import re
import select
import subprocess
import time
import unittest
import wave
from datetime import datetime, timedelta
from zoneinfo import ZoneInfo

from harness import (BIN, BUILD_DIR, NO_SYS_TIME, SEEN_NOW, TZ, Desktop, ahead, auction_title,
                     clock_env, local_now, time_proxy, wait_for)

ALARM = [(900, 80), (950, 80), (900, 80), (950, 80), (900, 700)]


def tones(path):
    """(Hz, ms) of each tone in a mono 16-bit WAV, cut where the fading envelope dips."""
    with wave.open(path) as w:
        rate, samples = w.getframerate(), memoryview(w.readframes(w.getnframes())).cast("h")
    ms = rate // 1000
    loud = [max(map(abs, samples[i:i + ms])) > 3000 for i in range(0, len(samples), ms)]
    starts = [i for i in range(len(loud)) if loud[i] and (i == 0 or not loud[i - 1])]
    ends = [i for i in range(len(loud)) if loud[i] and (i + 1 == len(loud) or not loud[i + 1])]
    found = []
    for a, b in zip(starts, ends):
        up = [i for i in range(max(1, a * ms), b * ms) if samples[i - 1] < 0 <= samples[i]]
        found.append((round((len(up) - 1) * rate / (up[-1] - up[0])), b - a + 4))
    return found


class WindowLifecycleTest(unittest.TestCase):
    def setUp(self):
        self.d = Desktop()
        self.addCleanup(self.d.close)

    def test_takes_the_upper_auction_and_a_close_during_the_start_up_sync_ends_it(self):
        for hours, item in ((5, "Untere"), (3, "Obere")):
            self.d.chromium(auction_title(SEEN_NOW + timedelta(hours=hours), item + " Auktion"))
        self.d.window(auction_title(SEEN_NOW + timedelta(hours=1), "Versteckte Auktion"), False)
        server = time_proxy(pause=10)  # the answer comes long after the window has gone
        proc, wid = self.d.zeitfang(SEEN_NOW, ("-reverse", "-name", "fremd", "-style", "windows"),
                                    "synconstart=1\nmsgonsync=1\n", env={"http_proxy": server.url})
        self.assertEqual(self.d.title(wid), "Obere Auktion - Chromium Zeitfang")
        self.assertNotIn("fremd", self.d.run(["xprop", "-id", str(wid), "WM_CLASS"]))
        wait_for(lambda: server.requests, 30, "the time request")
        self.d.run(["wmctrl", "-i", "-c", str(wid)])
        wait_for(lambda: proc.poll() is not None, 5, "the program to end")
        self.assertIn("Left=", pathlib.Path(self.d.config, "Orvikwerk.conf").read_text())

    def held_timedate(self, seen):
        """The stand-in timedated on the session bus, on the tests' clock seen from `seen` that
        the program shares, which may not set it itself: the program's environment, the
        stand-in's process."""
        bus = self.d.env["DBUS_SESSION_BUS_ADDRESS"]  # standing in for the system bus
        clock = {**clock_env(self.d.log, seen), "CLOCK_INTERCEPT_SHARE": self.d.tmp + "/clock"}
        standin = self.d.spawn([*NO_SYS_TIME, "/usr/bin/python3", "held_timedate.py", bus],
                               env=clock, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.assertEqual(standin.stdout.readline(), "ready\n")
        return {**clock, "CLOCK_INTERCEPT_REFUSE": "1", "DBUS_SYSTEM_BUS_ADDRESS": bus}, standin

    def calls(self, standin, wait=0.0):
        """The SetTime calls the stand-in printed within `wait` seconds: (usec, seen ns) each."""
        found = []
        while select.select([standin.stdout], [], [], wait)[0]:
            found.append(tuple(map(int, standin.stdout.readline().split()[1:])))
            wait = 0
        return found

    def offset(self, clock):
        shared = pathlib.Path(clock["CLOCK_INTERCEPT_SHARE"])
        return int(shared.read_text()) / 1e9 if shared.exists() else float(
            clock["CLOCK_INTERCEPT_OFFSET"])

    def test_one_change_for_date_and_time_once_timedated_answers(self):
        # 10 s slow just before midnight; the password takes until after it.
        seen = datetime(2026, 3, 9, 23, 59, 38)
        clock, standin = self.held_timedate(seen)
        before, server = self.offset(clock), time_proxy(0, ahead(10), float(clock[
            "CLOCK_INTERCEPT_OFFSET"]))
        self.d.window(auction_title(seen + timedelta(seconds=52)))
        _, wid = self.d.zeitfang(seen, settings="msgonsync=1\n", env={
            **clock, "http_proxy": server.url})
        click = ["xdotool", "mousemove", "--window", str(wid), "170", "97", "click", "1"]
        self.d.run(click)  # "Uhr synchronisieren"
        [(usec, asked)] = self.calls(standin, 30)
        self.d.run(click)  # again while polkit asks: nothing starts
        while time.time() + before < datetime(2026, 3, 9, 23, 59, 52, tzinfo=ZoneInfo(TZ)).timestamp():
            caption = self.d.title(wid)  # counting down meanwhile
            self.assertRegex(caption, r"^ >>\d+<<$")
            wait_for(lambda: self.d.title(wid) != caption, 10, "the next second")
        message = ["xdotool", "search", "--onlyvisible", "--name", "^Zeitfang$"]
        self.assertEqual((self.calls(standin), len(server.requests), self.d.run(message)),
                         ([], 1, ""))
        print("set", file=standin.stdin, flush=True)
        wait_for(lambda: self.d.run(message), 10, "the message after the answer")
        # The whole change, to the microsecond of the call: the page's second, 10 s ahead.
        target = int(server.served) + 10
        self.assertAlmostEqual(asked / 1e9 + usec / 1e6, target, delta=0.05)
        self.assertAlmostEqual(self.offset(clock) - before, 10, delta=1)

    def test_time_mode_ends_with_0_only_when_timedated_has_set_the_clock(self):
        clock, standin = self.held_timedate(SEEN_NOW)
        server = time_proxy(0)
        for verdict, status in [("set", 0), ("org.freedesktop.DBus.Error.AccessDenied", 1),
                                ("org.freedesktop.timedate1.AutomaticTimeSyncEnabled", 1),
                                (None, 1)]:  # no timedated
            before = self.offset(clock)
            proc = self.d.spawn([*NO_SYS_TIME, BIN, "-time"], stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, env={**clock, "http_proxy": server.url, **(
                                    {} if verdict else {"DBUS_SYSTEM_BUS_ADDRESS": "unix:path=/no"})})
            if verdict:
                self.assertEqual(len(self.calls(standin, 30)), 1)
                print(verdict, file=standin.stdin, flush=True)
            self.assertEqual(proc.wait(30), status, verdict)
            # A refusal is the only call, and the clock stays as it was.
            self.assertEqual((proc.stdout.read(), self.calls(standin, 1),
                              self.offset(clock) != before), (b"", [], status == 0))

    def test_tones_final_seconds_and_the_end(self):
        d, wav = self.d, os.path.join(self.d.tmp, "alarm.wav")
        pathlib.Path(d.home, ".asoundrc").write_text(  # ALSA's default device: a WAV file
            f'pcm.!default {{ type file slave.pcm "null" file "{wav}" format "wav" }}\n')
        end = local_now() + timedelta(hours=1)
        d.window(auction_title(end, "Vase"))
        _, wid = d.zeitfang(end - timedelta(seconds=4), settings="warnton=1\nwarntonsek=2\n")
        urgent, window = set(), d.x.create_resource_object("window", wid)

        def sample():  # the ICCCM urgency flag that flashes, until the caption shows the item
            hints = window.get_full_property(d.x.intern_atom("WM_HINTS"), 0)
            urgent.add(bool(hints and hints.value[0] & 256))
            return d.title(wid) == "Vase"

        wait_for(sample, 15, "the end")
        self.assertEqual(urgent, {True, False})
        found = tones(wav)
        near = [abs(hz - h) <= 5 and abs(ms - m) <= 6 for (hz, ms), (h, m) in zip(found, ALARM)]
        self.assertEqual((len(found), all(near)), (5, True), found)

    def test_a_settings_writer_killed_mid_write_leaves_a_whole_file(self):
        for attempt in range(20):
            writer = self.d.spawn([os.path.join(BUILD_DIR, "tests", "settings_writer")],
                                  stdout=subprocess.PIPE, text=True)
            self.assertEqual(writer.stdout.readline(), "ready\n")
            time.sleep(attempt * 0.0075)
            writer.kill()  # no signal once it has ended of itself
            writer.wait()
            text = pathlib.Path(self.d.config, "Orvikwerk.conf").read_text()
            # The section and all nine keys, each a whole run of one letter.
            self.assertTrue(re.fullmatch(r"\[Kairola\]\n(\w+=(\w)\2{19999}\n){9}", text), attempt)
