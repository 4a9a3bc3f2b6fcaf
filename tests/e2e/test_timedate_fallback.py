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

from clock_run import INTERCEPT, NO_SYS_TIME, TZ
from harness import BUILD_DIR, HERE

PROBE = os.path.join(BUILD_DIR, "tests", "timedate_probe")
SEEN_NOW = datetime(2026, 3, 10, 9, 0, 0)


def local(epoch_usec):
    return datetime.fromtimestamp(epoch_usec / 1e6, ZoneInfo(TZ)).replace(tzinfo=None)


class TimedateFallbackTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp(prefix="zeitfang-timedate-")
        self.addCleanup(shutil.rmtree, self.tmp, True)
        self.record = os.path.join(self.tmp, "calls")
        self.clock_log = os.path.join(self.tmp, "clock.log")
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                               start_new_session=True)
        self.addCleanup(self.stop, bus)
        self.address = bus.stdout.readline().strip()

    def stop(self, proc):
        if proc.poll() is None:
            os.kill(proc.pid, signal.SIGTERM)
            proc.wait(10)
        if proc.stdout:
            proc.stdout.close()

    def start_standin(self, mode):
        proc = subprocess.Popen(
            ["/usr/bin/python3", os.path.join(HERE, "timedate_standin.py"), self.address,
             self.record, mode], stdout=subprocess.PIPE, text=True, start_new_session=True)
        self.addCleanup(self.stop, proc)
        self.assertEqual(proc.stdout.readline().strip(), "ready")
        return proc

    def run_probe(self, refuse_libc):
        target = SEEN_NOW.replace(tzinfo=ZoneInfo(TZ)).timestamp()
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "TZ": TZ, "LC_ALL": "C.UTF-8",
               "HOME": self.tmp, "XDG_RUNTIME_DIR": self.tmp,
               "LD_PRELOAD": INTERCEPT, "CLOCK_INTERCEPT_LOG": self.clock_log,
               "CLOCK_INTERCEPT_REFUSE": "1" if refuse_libc else "0",
               "CLOCK_INTERCEPT_OFFSET": repr(target - datetime.now().timestamp())}
        self.assertTrue(os.path.exists(INTERCEPT))
        return subprocess.run([*NO_SYS_TIME, PROBE, self.address, "14:05:35", "2004-11-08"],
                              env=env, capture_output=True, timeout=60)

    def calls(self):
        if not os.path.exists(self.record):
            return []
        with open(self.record) as f:
            return [line.split() for line in f]

    def test_refused_libc_call_goes_to_timedate_and_its_refusal_is_ignored(self):
        for mode in ("accept", "refuse"):
            with self.subTest(mode):
                if os.path.exists(self.record):
                    os.remove(self.record)
                standin = self.start_standin(mode)
                r = self.run_probe(refuse_libc=True)
                self.assertEqual(r.returncode, 0, r.stderr)
                # After a refused first call the second still comes: time of day, then date.
                calls = self.calls()
                self.assertEqual(len(calls), 2)
                self.assertEqual([c[1:] for c in calls], [["False", "True"]] * 2)
                self.assertEqual(local(int(calls[0][0])), datetime(2026, 3, 10, 14, 5, 35))
                date_set = local(int(calls[1][0]))
                self.assertEqual(date_set.date(), datetime(2004, 11, 8).date())
                # libc refused, so the seen clock still stood near 09:00 when the date was set.
                self.assertLess(abs((date_set - datetime(2004, 11, 8, 9, 0, 0)).total_seconds()),
                                30)
                self.stop(standin)  # the next one takes the same name

    def test_clock_set_through_libc_does_not_ask_timedate(self):
        self.start_standin("accept")
        r = self.run_probe(refuse_libc=False)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertEqual(self.calls(), [])
        with open(self.clock_log) as f:
            self.assertEqual([line.split()[0] for line in f], ["set", "set"])


if __name__ == "__main__":
    unittest.main()
