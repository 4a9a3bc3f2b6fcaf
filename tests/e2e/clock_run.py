"""Runs the real program in its clock-only mode so that it can never set the machine's clock:
through setpriv without CAP_SYS_TIME and with the tests' clock library preloaded, its sets
logged, its system bus a socket that does not exist."""
import os
import shutil
import subprocess
from datetime import datetime

from harness import BIN, NO_SYS_TIME, TZ, cache_value, clock_env, make_home


def time_host():
    """The time-page host compiled into the program."""
    return cache_value("ZEITFANG_TIME_HOST")


class ClockSandbox:
    """A temporary home without a display or session bus, and a log of the clock's sets."""

    def __init__(self, seen_now=None):
        self.tmp, self.home, self.config, self.runtime = make_home("zeitfang-clock-")
        self.log = os.path.join(self.tmp, "clock.log")
        self.seen_now = seen_now

    def run_time_mode(self, proxy, timeout=120):
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": self.home,
               "XDG_CONFIG_HOME": self.config, "XDG_RUNTIME_DIR": self.runtime,
               "LC_ALL": "C.UTF-8", "TZ": TZ, "http_proxy": proxy,
               **clock_env(self.log, self.seen_now)}
        return subprocess.run([*NO_SYS_TIME, BIN, "-time"], env=env, capture_output=True,
                              timeout=timeout)

    def sets(self):
        return logged_sets(self.log)

    def settings_path(self):
        return os.path.join(self.config, "Orvikwerk.conf")

    def close(self):
        shutil.rmtree(self.tmp, ignore_errors=True)


def logged_sets(log):
    """The sets recorded by the clock library as local date-times, in order."""
    if not os.path.exists(log):
        return []
    with open(log) as f:
        return [datetime.strptime(" ".join(line.split()[2:4]), "%Y-%m-%d %H:%M:%S")
                for line in f if line.startswith("set ")]
