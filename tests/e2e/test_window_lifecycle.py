"""The start takes the auction from the upper of two Chromium windows, closing the window always
ends the program, the final seconds sound the five alarm tones through ALSA, ask for attention
and end showing the item, and the settings file stays whole when its writer is killed in the
middle of a write."""
import os
import pathlib
import re
import subprocess
import time
import unittest
import wave
from datetime import timedelta

from Xlib import X

from harness import (BUILD_DIR, SEEN_NOW, Desktop, auction_title, local_now, time_proxy, wait_for)

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
