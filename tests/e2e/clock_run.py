"""Runs the real program in its clock-only mode so that it can never set the machine's clock.

Every run goes through setpriv without CAP_SYS_TIME and with the tests' clock interception
library preloaded: the sets are written to a log file and the program sees the clock it set.
The system bus is pointed at a socket that does not exist, so no fallback can leave the test.
"""
import os
import subprocess
from datetime import datetime
from zoneinfo import ZoneInfo

from harness import BIN, BUILD_DIR, TZ, make_home

INTERCEPT = os.path.join(BUILD_DIR, "tests", "libclock_intercept.so")
NO_SYS_TIME = ["setpriv", "--inh-caps=-sys_time", "--bounding-set=-sys_time"]


def time_host():
    """The time-page host compiled into the program."""
    try:
        with open(os.path.join(BUILD_DIR, "CMakeCache.txt")) as f:
            for line in f:
                if line.startswith("ZEITFANG_TIME_HOST:"):
                    return line.split("=", 1)[1].strip()
    except OSError:
        pass
    return "cgi1.ebay.de"


class ClockSandbox:
    """A temporary home without a display or session bus, and a log of the clock's sets."""

    def __init__(self, seen_now=None):
        if not os.path.exists(INTERCEPT):
            raise RuntimeError("the clock interception library is missing: " + INTERCEPT)
        self.tmp, self.home, self.config, self.runtime = make_home("zeitfang-clock-")
        self.log = os.path.join(self.tmp, "clock.log")
        self.seen_now = seen_now

    def env(self, proxy):
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.home, "XDG_CONFIG_HOME": self.config, "XDG_RUNTIME_DIR": self.runtime,
            "LC_ALL": "C.UTF-8", "TZ": TZ, "http_proxy": proxy,
            "DBUS_SYSTEM_BUS_ADDRESS": "unix:path=" + os.path.join(self.tmp, "no-system-bus"),
            "LD_PRELOAD": INTERCEPT, "CLOCK_INTERCEPT_LOG": self.log,
        }
        if self.seen_now is not None:
            target = self.seen_now.replace(tzinfo=ZoneInfo(TZ)).timestamp()
            env["CLOCK_INTERCEPT_OFFSET"] = repr(target - datetime.now().timestamp())
        return env

    def run_time_mode(self, proxy, timeout=120):
        return subprocess.run([*NO_SYS_TIME, BIN, "-time"], env=self.env(proxy),
                              capture_output=True, timeout=timeout)

    def sets(self):
        """The recorded sets as local date-times, in order."""
        if not os.path.exists(self.log):
            return []
        with open(self.log) as f:
            return [datetime.strptime(" ".join(line.split()[2:4]), "%Y-%m-%d %H:%M:%S")
                    for line in f if line.startswith("set ")]

    def settings_path(self):
        return os.path.join(self.config, "Orvikwerk.conf")

    def close(self):
        import shutil
        shutil.rmtree(self.tmp, ignore_errors=True)
