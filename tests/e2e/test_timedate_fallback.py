"""LocalClock asks timedated over D-Bus when it may not set the clock, and takes no for an answer.

A stand-in timedated runs on a private bus; the clock calls are intercepted and, where the test
wants it, refused with EPERM as for a normal user, so the real clock is never reached.
"""
import os
import shutil
import signal
import subprocess
import tempfile
import unittest
from datetime import datetime
from zoneinfo import ZoneInfo

from harness import BUILD_DIR, HERE, NO_SYS_TIME, TZ, clock_env

PROBE = os.path.join(BUILD_DIR, "tests", "timedate_probe")


class TimedateFallbackTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp(prefix="zeitfang-timedate-")
        self.addCleanup(shutil.rmtree, self.tmp, True)
        self.record = os.path.join(self.tmp, "calls")
        self.clock_log = os.path.join(self.tmp, "clock.log")
        self.address = self.start(["dbus-daemon", "--session", "--nofork",
                                   "--print-address=1"])[1]

    def start(self, args):
        """Starts a helper that prints one line when ready; it is ended with the test."""
        proc = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                text=True, start_new_session=True)
        self.addCleanup(self.stop, proc)
        return proc, proc.stdout.readline().strip()

    def stop(self, proc):
        if proc.poll() is None:
            os.killpg(proc.pid, signal.SIGTERM)
            proc.wait(10)
        proc.stdout.close()

    def start_standin(self, mode):
        standin, ready = self.start(["/usr/bin/python3", os.path.join(HERE, "timedate_standin.py"),
                                     self.address, self.record, mode])
        self.assertEqual(ready, "ready")
        return standin

    def run_probe(self, refuse_libc):
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "TZ": TZ, "LC_ALL": "C.UTF-8",
               "HOME": self.tmp, "XDG_RUNTIME_DIR": self.tmp,
               **clock_env(self.clock_log, datetime(2026, 3, 10, 9, 0, 0)),
               "CLOCK_INTERCEPT_REFUSE": "1" if refuse_libc else "0"}
        r = subprocess.run([*NO_SYS_TIME, PROBE, self.address, "14:05:35", "2004-11-08"],
                           env=env, capture_output=True, timeout=60)
        self.assertEqual(r.returncode, 0, r.stderr)
        if not os.path.exists(self.record):
            return []
        with open(self.record) as f:
            return [line.split() for line in f]

    def test_refused_libc_call_goes_to_timedate_and_its_refusal_is_ignored(self):
        for mode in ("accept", "refuse"):
            with self.subTest(mode):
                standin = self.start_standin(mode)
                # After a refused first call the second still comes: time of day, then date.
                calls = self.run_probe(refuse_libc=True)
                os.remove(self.record)
                self.assertEqual([c[1:] for c in calls], [["False", "True"]] * 2)
                seen = [datetime.fromtimestamp(int(c[0]) / 1e6, ZoneInfo(TZ)).replace(tzinfo=None)
                        for c in calls]
                self.assertEqual(seen[0], datetime(2026, 3, 10, 14, 5, 35))
                # libc refused, so the seen clock still stood near 09:00 when the date was set.
                self.assertLess(abs((seen[1] - datetime(2004, 11, 8, 9, 0, 0)).total_seconds()),
                                30)
                self.stop(standin)  # the next one takes the same name

    def test_clock_set_through_libc_does_not_ask_timedate(self):
        self.start_standin("accept")
        self.assertEqual(self.run_probe(refuse_libc=False), [])
        with open(self.clock_log) as f:
            self.assertEqual([line.split()[0] for line in f], ["set", "set"])


if __name__ == "__main__":
    unittest.main()
