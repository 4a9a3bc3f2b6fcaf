"""The five alarm tones reach ALSA, the window asks for attention in the final seconds, and the
end shows the item: an .asoundrc in the temporary home routes the default device to a WAV file."""
import os
import unittest
import wave
from datetime import timedelta

from harness import Desktop, auction_title, local_now, wait_for

ALARM = [(900, 80), (950, 80), (900, 80), (950, 80), (900, 700)]


def tones(path):
    """(Hz, ms) of each tone in a mono 16-bit WAV: tones fade in and out, so they are cut where
    the envelope dips."""
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


class AlarmTest(unittest.TestCase):
    def test_tones_final_seconds_and_the_end(self):
        with Desktop() as d:
            wav = os.path.join(d.tmp, "alarm.wav")
            with open(os.path.join(d.home, ".asoundrc"), "w") as f:
                f.write(f'pcm.!default {{ type file slave.pcm "null" file "{wav}" format "wav" }}\n')
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
            self.assertEqual(len(found), 5, found)
            for (hz, ms), (want_hz, want_ms) in zip(found, ALARM):
                self.assertAlmostEqual(hz, want_hz, delta=5, msg=found)
                self.assertAlmostEqual(ms, want_ms, delta=6, msg=found)
