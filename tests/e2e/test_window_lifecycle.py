"""The start takes the auction from the upper of two Chromium windows, closing the window always
ends the program, the synchronisation lasts while timedated (polkit) takes its time and gives it
one change for date and time, "-time" ends with 0 only once the clock is set, the final
seconds sound the five alarm tones through ALSA, ask for attention and end showing the item, the
settings file stays whole when its writer is killed in the middle of a write."""
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

from Xlib import X

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

    def test_timedated_is_asked_once_for_all_and_the_synchronisation_waits_for_its_answer(self):
        # 10 s slow just before midnight; the password takes until after it.
        seen, bus = datetime(2026, 3, 9, 23, 59, 38), self.d.env["DBUS_SESSION_BUS_ADDRESS"]
        clock = {**clock_env(self.d.log, seen), "CLOCK_INTERCEPT_SHARE": self.d.tmp + "/clock"}
        standin = self.d.spawn([*NO_SYS_TIME, "/usr/bin/python3", "held_timedate.py", bus],
                               env=clock, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.assertEqual(standin.stdout.readline(), "ready\n")
        # The program may not set the clock itself; the session bus stands in for the system's.
        clock.update(CLOCK_INTERCEPT_REFUSE="1", DBUS_SYSTEM_BUS_ADDRESS=bus)
        before, shared = float(clock["CLOCK_INTERCEPT_OFFSET"]), pathlib.Path(self.d.tmp, "clock")

        def offset():
            return int(shared.read_text()) / 1e9 if shared.exists() else before

        def calls(wait=0.0):  # the SetTime calls printed within `wait` seconds: (usec, seen ns)
            found = []
            while select.select([standin.stdout], [], [], wait)[0]:
                found.append(tuple(map(int, standin.stdout.readline().split()[1:])))
                wait = 0
            return found

        server = time_proxy(0, ahead(10), before)
        self.d.window(auction_title(seen + timedelta(seconds=52)))
        _, wid = self.d.zeitfang(seen, settings="msgonsync=1\n", env={
            **clock, "http_proxy": server.url})
        click = ["xdotool", "mousemove", "--window", str(wid), "170", "97", "click", "1"]
        self.d.run(click)  # "Uhr synchronisieren"
        [(usec, asked)] = calls(30)
        self.d.run(click)  # again while polkit asks: nothing starts
        midnight = datetime(2026, 3, 10, tzinfo=ZoneInfo(TZ)).timestamp()
        while time.time() + before < midnight - 8:  # counting down meanwhile
            caption = self.d.title(wid)
            self.assertRegex(caption, r"^ >>\d+<<$")
            wait_for(lambda: self.d.title(wid) != caption, 10, "the next second")
        message = ["xdotool", "search", "--onlyvisible", "--name", "^Zeitfang$"]
        self.assertEqual((calls(), len(server.requests), self.d.run(message)), ([], 1, ""))
        print("set", file=standin.stdin, flush=True)
        wait_for(lambda: self.d.run(message), 10, "the message after the answer")
        # The whole change, to the microsecond of the call: the page's second, 10 s ahead.
        self.assertAlmostEqual(asked / 1e9 + usec / 1e6, int(server.served) + 10, delta=0.05)
        self.assertAlmostEqual(offset() - before, 10, delta=1)
        # "-time" ends with 0 only once timedated has set the clock; a refusal is the only call.
        for verdict, status in [("set", 0), ("org.freedesktop.DBus.Error.AccessDenied", 1),
                                ("org.freedesktop.timedate1.AutomaticTimeSyncEnabled", 1),
                                (None, 1)]:  # no timedated
            was, alone = offset(), {} if verdict else {"DBUS_SYSTEM_BUS_ADDRESS": "unix:path=/no"}
            proc = self.d.spawn([*NO_SYS_TIME, BIN, "-time"], stdout=subprocess.PIPE, env={
                **clock, "http_proxy": server.url, **alone}, stderr=subprocess.STDOUT)
            if verdict:
                self.assertEqual(len(calls(30)), 1)
                print(verdict, file=standin.stdin, flush=True)
            self.assertEqual(proc.wait(30), status, verdict)
            self.assertEqual((proc.stdout.read(), calls(1), offset() != was),
                             (b"", [], status == 0))

    def test_tones_final_seconds_and_the_end(self):
        d, wav = self.d, os.path.join(self.d.tmp, "alarm.wav")
        pathlib.Path(d.home, ".asoundrc").write_text(  # ALSA's default device: a WAV file
            f'pcm.!default {{ type file slave.pcm "null" file "{wav}" format "wav" }}\n')
        end = local_now() + timedelta(hours=1)
        d.window(auction_title(end, "Vase"))
        _, wid = d.zeitfang(end - timedelta(seconds=6), settings="warnton=1\nwarntonsek=2\n")
        # openbox derives the attention state from the urgency flag too, so the state requests
        # that KWin and GNOME act on are read as a window manager receives them, and applied.
        d.x.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        hints, state, demand = map(d.x.intern_atom, ("WM_HINTS", "_NET_WM_STATE",
                                                     "_NET_WM_STATE_DEMANDS_ATTENTION"))
        seen, demanded, window = set(), [False], d.x.create_resource_object("window", wid)

        def sample():  # the flags that flash, until the caption shows the item
            flag = window.get_full_property(hints, 0)
            if (urgent := bool(flag and flag.value[0] & 256)) or ("hint", True) in seen:
                seen.add(("hint", urgent))  # off again once it was on
            while d.x.pending_events():
                e = d.x.next_event()
                if e.type == X.ClientMessage and (e.window.id, e.client_type, e.data[0]) == (
                        wid, state, 32) and demand in e.data[1][1:3]:
                    action = e.data[1][0]  # remove, add, toggle
                    demanded[0] = {0: False, 1: True, 2: not demanded[0]}.get(action, demanded[0])
                    seen.add(("state", demanded[0]))
            return d.title(wid) == "Vase"

        wait_for(sample, 15, "the end")
        self.assertEqual(seen, {(k, v) for k in ("hint", "state") for v in (True, False)})
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
