"""The alarm tones, the final-minute caption and flashing and the end, with the real program.

ALSA's default device is routed by an .asoundrc in the temporary home: to a WAV file whose tones
are measured, or to a sound card that does not exist.
"""
import itertools
import os
import re
import subprocess
import time
import unittest
import wave
from datetime import timedelta

from harness import Desktop, auction_title, local_now, wait_for

ITEM = "Espressokanne aus Aluminium, 6 Tassen"
# Characters 58 to 95 of the browser's title: the item and the blank before " - Chromium".
BROWSER_ITEM_TITLE = (ITEM + " - Chromium")[:38]
ALARM = [(900, 80), (950, 80), (900, 80), (950, 80), (900, 700)]
FINAL = re.compile(r"^ >>(\d+)<<$")
WAV_ASOUNDRC = 'pcm.!default {{ type file slave.pcm "null" file "{path}" format "wav" }}\n'
NO_CARD_ASOUNDRC = "pcm.!default { type hw card 29 device 0 }\nctl.!default { type hw card 29 }\n"


def read_tones(path):
    """(Hz, ms) of each tone in a mono 16-bit WAV. The tones meet without a gap but each fades
    in and out: the middle of each dip of the envelope is where one ends."""
    with wave.open(path) as w:
        rate = w.getframerate()
        assert w.getnchannels() == 1 and w.getsampwidth() == 2
        samples = memoryview(w.readframes(w.getnframes())).cast("h")
    block = rate // 1000
    peaks = [max(map(abs, samples[i:i + block])) for i in range(0, len(samples), block)]
    loud = max(peaks, default=0)
    cuts, i = [0], 0
    for quiet, run in itertools.groupby(peaks, lambda p: p < loud * 0.2):
        n = len(list(run))
        if quiet and 0 < i and i + n < len(peaks):
            cuts.append((2 * i + n) * block // 2)
        i += n
    cuts.append(len(samples))
    return [(frequency(samples[a:b], rate), (b - a) * 1000 / rate)
            for a, b in zip(cuts, cuts[1:])]


def frequency(samples, rate):
    """Upward zero crossings, interpolated, over the steady middle of a tone."""
    skip = len(samples) // 8
    crossings = [i - 1 + samples[i - 1] / (samples[i - 1] - samples[i])
                 for i in range(skip + 1, len(samples) - skip) if samples[i - 1] < 0 <= samples[i]]
    return (len(crossings) - 1) * rate / (crossings[-1] - crossings[0]) if crossings[1:] else 0.0


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

    def start_zeitfang(self, asoundrc, warntonsek, seen_now):
        """The program under the tests' clock, its output kept."""
        with open(os.path.join(self.desktop.home, ".asoundrc"), "w") as f:
            f.write(asoundrc)
        with open(self.desktop.settings_path(), "w") as f:
            f.write(f"[Kairola]\nmsgonsync=0\nsynconstart=0\nwarnton=1\nwarntonsek={warntonsek}\n")
        with open(self.output, "w") as out:
            return self.desktop.start_zeitfang(seen_now=seen_now, stdout=out,
                                               stderr=subprocess.STDOUT)

    def run_auction(self, asoundrc, warntonsek, lead, browser=True):
        """Runs the program on an auction `lead` seconds ahead of its clock until the end, in
        Chromium or a plain titled window. Returns (time, caption, attention) samples."""
        # The title's end lies far enough ahead for Chromium to start; the program's clock is
        # set back so that it starts with `lead` seconds to go.
        end = local_now() + timedelta(seconds=lead + 60)
        if browser:
            _, window = self.desktop.start_chromium(auction_title(end, ITEM))
        else:
            _, (window,) = self.desktop.make_windows([{"title": auction_title(end, ITEM)}])
        item_title = BROWSER_ITEM_TITLE if browser else ITEM
        proc, wid = self.start_zeitfang(asoundrc, warntonsek, end - timedelta(seconds=lead))
        started = time.monotonic()
        # The window manager leaves the attention state of the focused window alone.
        self.desktop.run(["xdotool", "windowactivate", "--sync", str(window)], timeout=20)
        samples = []
        while time.monotonic() < started + lead + 20:
            caption, attention = self.caption(wid)
            samples.append((time.monotonic() - started, caption, attention))
            if caption == item_title:
                break
            time.sleep(0.05)
        self.assertEqual(samples[-1][1], item_title, "the end was not shown in time")
        time.sleep(1.5)  # the timer is off: nothing changes any more
        self.assertEqual(self.caption(wid)[0], item_title)
        self.assertIsNone(proc.poll())
        self.desktop.stop(proc)
        return samples

    def final_minute(self, samples, first):
        """Per caption " >>N<<": N, when first seen, its last attention state; checked to count
        down a second at a time from `first` to 1, at most one second passed over."""
        ticks = []
        for t, caption, attention in samples:
            if m := FINAL.match(caption or ""):
                if ticks and ticks[-1][0] == int(m.group(1)):
                    ticks[-1][2] = attention
                else:
                    ticks.append([int(m.group(1)), t, attention])
        numbers = [n for n, _, _ in ticks]
        self.assertEqual(numbers, sorted(set(numbers), reverse=True), numbers)
        self.assertGreaterEqual(len(numbers), first - 2, numbers)
        self.assertGreaterEqual(numbers[0], first - 2, numbers)
        self.assertLessEqual(numbers[-1], 2, numbers)
        gaps = [b[1] - a[1] for a, b in zip(ticks, ticks[1:])]
        self.assertLess(max(gaps), 1.6, gaps)  # never a caption held for two seconds
        return ticks

    def test_tones_caption_and_flashing_through_the_final_minute(self):
        wav = os.path.join(self.desktop.tmp, "alarm.wav")
        samples = self.run_auction(WAV_ASOUNDRC.format(path=wav), 70, 75)
        tones = read_tones(wav)
        self.assertEqual(len(tones), len(ALARM), tones)
        for (hz, ms), (want_hz, want_ms) in zip(tones, ALARM):
            self.assertAlmostEqual(hz, want_hz, delta=5, msg=tones)
            self.assertAlmostEqual(ms, want_ms, delta=5, msg=tones)
        attention = [a for _, _, a in self.final_minute(samples, 59)]
        toggles = sum(a != b for a, b in zip(attention, attention[1:]))
        self.assertGreaterEqual(toggles, len(attention) - 3, attention)
        self.assertEqual(samples[0][1], BROWSER_ITEM_TITLE + " Zeitfang")

    def test_without_a_sound_device_the_countdown_runs_on_silently(self):
        # The alarm falls into the final minute, where a speaker that blocked would hold a
        # caption on screen for two seconds.
        samples = self.run_auction(NO_CARD_ASOUNDRC, 30, 36, browser=False)
        self.assertIn(30, [n for n, _, _ in self.final_minute(samples, 35)])
        with open(self.output) as f:
            self.assertEqual(f.read(), "")

    def test_an_empty_item_title_leaves_the_caption_empty(self):
        # Ended before the start: the native window takes its title when it is created.
        self.desktop.make_windows([{"title": auction_title(local_now() - timedelta(seconds=5), "")}])
        proc, wid = self.start_zeitfang(NO_CARD_ASOUNDRC, 70, local_now())
        wait_for(lambda: self.caption(wid)[0] == "", timeout=5, what="an empty caption")
        # A capture of an auction that ends while the window is shown.
        self.desktop.make_windows([{"title": auction_title(local_now() + timedelta(seconds=3), "")}])
        self.desktop.click(wid, 170, 150)  # "Artikel übernehmen"
        wait_for(lambda: FINAL.match(self.caption(wid)[0] or ""), timeout=5,
                 what="the final minute")
        wait_for(lambda: self.caption(wid)[0] == "", timeout=10, what="an empty caption")
        self.assertIsNone(proc.poll())


if __name__ == "__main__":
    unittest.main()
