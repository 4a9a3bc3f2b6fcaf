"""The clock set as an ordinary user through this release's real systemd-timedated and polkitd:
the password typed after 3, 40 and 150 s, the dialog cancelled, NTP on, a second click while the
dialog is open, the window closed while it is open; the page's zone word picks the instance of
the repeated autumn hour. The cases run side by side."""
import json
import os
import signal
import subprocess
import sys
import unittest

from harness import BIN, INTERCEPT, NO_SYS_TIME, Desktop

# The two instances of 02:29:30 on the night the clocks go back; the page shows the server 10 s
# ahead, so a right set moves the clock by 10 s.
SUMMER, WINTER = "2026-10-25T02:29:30+02:00", "2026-10-25T02:29:30+01:00"
SET = ""
CASES = {  # name: the case, and the line "-time" ends with (SET: the clock set; None: not set)
    "password after 3 s": ({"delay": 3}, SET),
    "password after 40 s": ({"delay": 40, "start": WINTER}, SET),
    "password after 150 s": ({"delay": 150}, SET),
    "dialog cancelled": ({"delay": 3, "answer": "cancel", "start": WINTER}, "Passwort"),
    "NTP on": ({"delay": 0, "ntp": True}, "Zeitsynchronisation"),
    # typed after midnight: the date stays right (newer timedated refuses times before its build)
    "a second click": ({"delay": 30, "mode": "window", "second_click": True,
                        "start": "2026-10-24T23:59:45+02:00"}, SET),
    # polkit completes no login for a process that has gone: the clock stays
    "window closed": ({"delay": 5, "mode": "window", "close_after": 2, "start": WINTER}, None),
}


class RealTimedateTest(unittest.TestCase):
    def test_each_case_against_the_real_components(self):
        desktop = Desktop()
        self.addCleanup(desktop.close)
        running = {}
        for name, (case, _) in CASES.items():
            case = {"bin": os.path.abspath(BIN), "intercept": os.path.abspath(INTERCEPT),
                    "mode": "time", "answer": "password", "start": SUMMER,
                    "display": desktop.env["DISPLAY"], **case}
            running[name] = subprocess.Popen(
                [*NO_SYS_TIME, "unshare", "--mount", "--propagation", "private",
                 sys.executable, "timedate_case.py", json.dumps(case)],
                stdout=subprocess.PIPE, text=True, start_new_session=True)
            self.addCleanup(self.stop, running[name])
        for name, (case, line) in CASES.items():
            r = json.loads(running[name].communicate(timeout=400)[0].splitlines()[-1])
            error = r["change"] - (10 if line == SET else 0)  # beyond the change intended
            with self.subTest(name, error=error, screen=r["screen"][-300:],
                              stderr=r["stderr"][-300:]):
                self.assertEqual(r["dialogs"], 0 if case.get("ntp") else 1)
                self.assertLess(abs(error), 0.05)
                if case.get("mode") == "window":  # the message once answered, none once closed
                    self.assertEqual((r["early_message"], r["message"]),
                                     (False, not case.get("close_after")))
                    if case.get("close_after"):
                        self.assertLess(r["ended"] - r["closed"], 3)
                    continue
                self.assertEqual((r["status"], r["stdout"], r["stderr"].count("\n")),
                                 (0 if line == SET else 1, "", 0 if line == SET else 1))
                self.assertIn(line, r["stderr"])
                if r["answered"]:  # the outcome only after the answer
                    self.assertGreater(r["ended"], r["answered"])

    @staticmethod
    def stop(proc):  # it ends what it started itself
        if proc.poll() is None:
            os.killpg(proc.pid, signal.SIGTERM)
            proc.wait(20)
