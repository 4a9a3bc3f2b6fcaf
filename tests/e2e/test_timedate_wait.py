"""While timedated (polkit) keeps the program waiting, the final minute goes on counting."""
import os
import subprocess
import unittest
from datetime import datetime, timedelta
from zoneinfo import ZoneInfo

from harness import HERE, TZ, Desktop, auction_title, wait_for
from time_server import TimeServer


class TimedateWaitTest(unittest.TestCase):
    def test_countdown_runs_while_timedated_holds_its_answers(self):
        d = Desktop()
        self.addCleanup(d.close)
        server = TimeServer()
        self.addCleanup(server.close)
        server.body = b"<p>Offizielle eBay-Zeit:   08.11.2004 14:05:33 MEZ</p>"
        bus = d.env["DBUS_SESSION_BUS_ADDRESS"]  # it stands in for the system bus here
        record = os.path.join(d.tmp, "settime")
        standin = d.spawn(["/usr/bin/python3", os.path.join(HERE, "held_timedate.py"), bus,
                           record], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.assertEqual(standin.stdout.readline().strip(), "ready")
        seen_now = datetime(2026, 3, 10, 9, 0, 0)
        d.make_windows([{"title": auction_title(seen_now + timedelta(seconds=58))}])
        with open(d.settings_path(), "w") as f:
            f.write("[Kairola]\nsynconstart=1\nmsgonsync=0\n")
        _, wid = d.start_zeitfang(seen_now=seen_now, env={
            "http_proxy": server.proxy, "no_proxy": "", "NO_PROXY": "",
            "CLOCK_INTERCEPT_REFUSE": "1", "DBUS_SYSTEM_BUS_ADDRESS": bus})

        def calls():
            if not os.path.exists(record):
                return []
            with open(record) as f:
                return [datetime.fromtimestamp(int(line) / 1e6, ZoneInfo(TZ)).replace(tzinfo=None)
                        for line in f]

        # Time of day first, then the date, the second asked only once the first is refused.
        for held, answer in ((1, "refuse"), (2, "ok")):
            wait_for(lambda: len(calls()) == held, what=f"SetTime call {held}")
            caption = d.title(wid)
            self.assertRegex(caption, r"^ >>\d+<<$")
            wait_for(lambda: d.title(wid) != caption, timeout=10, what="the next second")
            self.assertEqual(len(calls()), held)
            standin.stdin.write(answer + "\n")
            standin.stdin.flush()
        self.assertEqual([c.date() for c in calls()],
                         [seen_now.date(), datetime(2004, 11, 8).date()])
        self.assertEqual(calls()[0].time().isoformat()[:7], "14:05:3")


if __name__ == "__main__":
    unittest.main()
