"""The alarm tones, the final-minute caption and flashing and the end, with the real program.

ALSA's default device is routed by an .asoundrc in the temporary home: to a WAV file whose tones
are measured, or to a sound card that does not exist.
"""
import math
import os
import re
import subprocess
import time
import unittest
import wave
from datetime import datetime, timedelta
from zoneinfo import ZoneInfo

from clock_run import INTERCEPT, NO_SYS_TIME, TZ
from harness import BIN, Desktop, auction_title, local_now, wait_for

ITEM = "Espressokanne aus Aluminium, 6 Tassen"
# Characters 58 to 95 of the browser's title: the item and the blank before " - Chromium".
BROWSER_ITEM_TITLE = (ITEM + " - Chromium")[:38]
ALARM = [(900, 80), (950, 80), (900, 80), (950, 80), (900, 700)]
FINAL = re.compile(r"^ >>(\d+)<<$")

WAV_ASOUNDRC = """pcm.!default {{
    type file
    slave.pcm "null"
    file "{path}"
    format "wav"
}}
"""
NO_CARD_ASOUNDRC = """pcm.!default { type hw card 29 device 0 }
ctl.!default { type hw card 29 }
"""


def read_tones(path):
    """The tones in a mono 16-bit WAV as (frequency in Hz, duration in ms), in order.

    Tones follow one another without a gap; each fades in and out, so they are told apart by
    the dips of the envelope where one ends and the next begins.
    """
    with wave.open(path) as w:
        rate = w.getframerate()
        assert w.getnchannels() == 1 and w.getsampwidth() == 2
        raw = w.readframes(w.getnframes())
    samples = memoryview(raw).cast("h")
    block = rate // 1000  # one millisecond
    peaks = [max(abs(x) for x in samples[i:i + block]) for i in range(0, len(samples), block)]
    if not peaks:
        return []
    loud = max(peaks)
    quiet = [p < loud * 0.2 for p in peaks]
    # Each run of quiet blocks is a boundary: its middle is where a tone ends.
    cuts, i = [], 0
    while i < len(quiet):
        if quiet[i]:
            j = i
            while j < len(quiet) and quiet[j]:
                j += 1
            cuts.append(0 if i == 0 else len(samples) if j == len(quiet) else (i + j) * block // 2)
            i = j
        else:
            i += 1
    if not cuts or cuts[0] != 0:
        cuts.insert(0, 0)
    if cuts[-1] != len(samples):
        cuts.append(len(samples))
    return [(frequency(samples[a:b], rate), (b - a) * 1000 / rate)
            for a, b in zip(cuts, cuts[1:]) if b - a > block]


def frequency(samples, rate):
    """Upward zero crossings, interpolated, over the steady middle of a tone."""
    skip = len(samples) // 8
    crossings = []
    for i in range(skip + 1, len(samples) - skip):
        a, b = samples[i - 1], samples[i]
        if a < 0 <= b:
            crossings.append(i - 1 + a / (a - b))
    if len(crossings) < 2:
        return 0.0
    return (len(crossings) - 1) * rate / (crossings[-1] - crossings[0])


class AlarmTest(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop()
        self.addCleanup(self.desktop.close)
        self.output = os.path.join(self.desktop.tmp, "zeitfang.out")

    def caption(self, wid):
        """The window's caption as xprop reads it, and whether it demands attention."""
        out = self.desktop.run(["xprop", "-id", str(wid), "_NET_WM_NAME", "_NET_WM_STATE"],
                               check=False).stdout
        m = re.search(r'^_NET_WM_NAME\(UTF8_STRING\) = (?:"(.*)")?$', out, re.M)
        caption = re.sub(r'\\(.)', r'\1', m.group(1) or "") if m else None
        return caption, "_NET_WM_STATE_DEMANDS_ATTENTION" in out

    def write_settings(self, asoundrc, warntonsek):
        with open(os.path.join(self.desktop.home, ".asoundrc"), "w") as f:
            f.write(asoundrc)
        with open(self.desktop.settings_path(), "w") as f:
            f.write(f"[Kairola]\nmsgonsync=0\nsynconstart=0\nwarnton=1\nwarntonsek={warntonsek}\n")

    def start_zeitfang(self, clock_offset=0.0):
        """The program under the tests' clock, unable to set the machine's, its output kept."""
        env = {"QT_QPA_PLATFORM": "xcb",
               "DBUS_SYSTEM_BUS_ADDRESS": "unix:path=" + os.path.join(self.desktop.tmp, "none"),
               "LD_PRELOAD": INTERCEPT,
               "CLOCK_INTERCEPT_LOG": os.path.join(self.desktop.tmp, "clock.log"),
               "CLOCK_INTERCEPT_OFFSET": repr(clock_offset)}
        with open(self.output, "w") as out:
            proc = self.desktop.spawn([*NO_SYS_TIME, BIN], env=env, stdout=out,
                                      stderr=subprocess.STDOUT)
        wid = wait_for(lambda: (self.desktop.windows_of(proc.pid) or [None])[0], timeout=30,
                       what="the Zeitfang window")
        return proc, wid

    def run_auction(self, asoundrc, warntonsek, lead, browser=True):
        """Runs the program on an auction `lead` seconds ahead of its clock until the end.

        The auction's window is Chromium's, or a plain titled window when `browser` is false.
        Returns what xprop saw: (seconds since start, caption, demands attention) samples.
        """
        self.write_settings(asoundrc, warntonsek)
        # The browser's title names an end far enough ahead for Chromium to start; the program's
        # clock is then set back so that it starts with `lead` seconds to go.
        end = local_now() + timedelta(seconds=lead + 60)
        if browser:
            _, window = self.desktop.start_chromium(auction_title(end, ITEM))
            item_title = BROWSER_ITEM_TITLE
        else:
            _, (window,) = self.desktop.make_windows([{"title": auction_title(end, ITEM)}])
            item_title = ITEM
        seen_start = end.replace(tzinfo=ZoneInfo(TZ)).timestamp() - lead
        proc, wid = self.start_zeitfang(seen_start - datetime.now().timestamp())
        started = time.monotonic()
        # The window manager leaves the attention state of the focused window alone.
        self.desktop.run(["xdotool", "windowactivate", "--sync", str(window)], timeout=20)

        samples = []
        deadline = started + lead + 20
        while time.monotonic() < deadline:
            caption, attention = self.caption(wid)
            samples.append((time.monotonic() - started, caption, attention))
            if caption == item_title:
                break
            time.sleep(0.05)
        self.assertEqual(samples[-1][1], item_title, "the end was not shown in time")
        self.assertIsNone(proc.poll())
        time.sleep(1.5)  # the timer is off: nothing changes any more
        self.assertEqual(self.caption(wid)[0], item_title)
        self.desktop.stop(proc)
        return samples

    def final_minute(self, samples):
        """Per caption " >>N<<", in order: N, when it was first seen, its last attention state."""
        ticks = []
        for t, caption, attention in samples:
            m = FINAL.match(caption or "")
            if not m:
                continue
            n = int(m.group(1))
            if ticks and ticks[-1][0] == n:
                ticks[-1][2] = attention
            else:
                ticks.append([n, t, attention])
        return ticks

    def assert_counts_down(self, ticks, first):
        """A caption a second from `first` down to 1; at most one second passed over."""
        numbers = [n for n, _, _ in ticks]
        self.assertEqual(numbers, sorted(set(numbers), reverse=True), numbers)
        self.assertGreaterEqual(len(numbers), first - 2, numbers)
        self.assertGreaterEqual(numbers[0], first - 2, numbers)
        self.assertLessEqual(numbers[-1], 2, numbers)
        # A refresh a second: never a caption held for two.
        gaps = [b[1] - a[1] for a, b in zip(ticks, ticks[1:])]
        self.assertLess(max(gaps), 1.6, gaps)

    def test_tones_caption_and_flashing_through_the_final_minute(self):
        wav = os.path.join(self.desktop.tmp, "alarm.wav")
        samples = self.run_auction(WAV_ASOUNDRC.format(path=wav), 70, 75)

        tones = read_tones(wav)
        self.assertEqual(len(tones), len(ALARM), tones)
        for (hz, ms), (want_hz, want_ms) in zip(tones, ALARM):
            self.assertAlmostEqual(hz, want_hz, delta=5, msg=tones)
            self.assertAlmostEqual(ms, want_ms, delta=5, msg=tones)

        ticks = self.final_minute(samples)
        self.assert_counts_down(ticks, 59)
        attention = [a for _, _, a in ticks]
        toggles = sum(a != b for a, b in zip(attention, attention[1:]))
        self.assertGreaterEqual(toggles, len(attention) - 3, attention)
        # Until the final minute the caption is the item's and the program's name.
        self.assertEqual(samples[0][1], BROWSER_ITEM_TITLE + " Zeitfang")

    def test_without_a_sound_device_the_countdown_runs_on_silently(self):
        # The alarm falls into the final minute, where a speaker that blocked would hold a
        # caption on screen for two seconds.
        samples = self.run_auction(NO_CARD_ASOUNDRC, 30, 36, browser=False)
        ticks = self.final_minute(samples)
        self.assert_counts_down(ticks, 35)
        self.assertIn(30, [n for n, _, _ in ticks])
        with open(self.output) as f:
            self.assertEqual(f.read(), "")

    def test_an_empty_item_title_leaves_the_caption_empty(self):
        self.write_settings(NO_CARD_ASOUNDRC, 70)
        # Ended before the start: the native window takes its title when it is created.
        self.desktop.make_windows([{"title": auction_title(local_now() - timedelta(seconds=5), "")}])
        proc, wid = self.start_zeitfang()
        wait_for(lambda: self.caption(wid)[0] == "", timeout=5, what="an empty caption")
        # A capture of an auction that ends while the window is shown.
        self.desktop.make_windows([{"title": auction_title(local_now() + timedelta(seconds=3), "")}])
        # "Artikel übernehmen" lies at 2400/2160 twips, 15 twips a pixel.
        self.desktop.run(["xdotool", "mousemove", "--window", str(wid), "170", "150", "click", "1"])
        wait_for(lambda: FINAL.match(self.caption(wid)[0] or ""), timeout=5,
                 what="the final minute")
        wait_for(lambda: self.caption(wid)[0] == "", timeout=10, what="an empty caption")
        self.assertIsNone(proc.poll())


if __name__ == "__main__":
    unittest.main()
