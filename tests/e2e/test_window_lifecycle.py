"""The start takes the auction from the upper of two Chromium windows, closing the window always
ends the program, and the window stays alive while timedated (polkit) takes its time."""
import os
import subprocess
import unittest
from datetime import datetime, timedelta
from zoneinfo import ZoneInfo

from harness import (NO_SYS_TIME, SEEN_NOW, TZ, Desktop, auction_title, clock_env, logged_sets,
                     time_proxy, wait_for)


class WindowLifecycleTest(unittest.TestCase):
    def setUp(self):
        self.d = Desktop()
        self.addCleanup(self.d.close)

    def test_takes_the_upper_auction_and_a_close_during_the_start_up_sync_ends_it(self):
        for hours, item in ((5, "Untere"), (3, "Obere")):
            self.d.chromium(auction_title(SEEN_NOW + timedelta(hours=hours), item + " Auktion"))
        self.d.window(auction_title(SEEN_NOW + timedelta(hours=1), "Versteckte Auktion"), False)
        server = time_proxy(pause=10)  # the answer comes long after the window has gone
        qt_options = ("-reverse", "-name", "fremd", "-style", "windows")
        proc, wid = self.d.zeitfang(SEEN_NOW, qt_options, "synconstart=1\nmsgonsync=1\n",
                                    env={"http_proxy": server.url})
        self.assertEqual(self.d.title(wid), "Obere Auktion - Chromium Zeitfang")
        self.assertNotIn("fremd", self.d.run(["xprop", "-id", str(wid), "WM_CLASS"]))
        wait_for(lambda: server.requests, 30, "the time request")
        self.d.run(["wmctrl", "-i", "-c", str(wid)])
        wait_for(lambda: proc.poll() is not None, 5, "the program to end")
        with open(os.path.join(self.d.config, "Orvikwerk.conf")) as f:
            self.assertIn("Left=", f.read())

    def test_countdown_runs_while_timedated_holds_its_answers(self):
        bus = self.d.env["DBUS_SESSION_BUS_ADDRESS"]  # standing in for the system bus
        share = os.path.join(self.d.tmp, "clock")
        clock = {**clock_env(self.d.log, SEEN_NOW), "CLOCK_INTERCEPT_SHARE": share}
        standin = self.d.spawn([*NO_SYS_TIME, "/usr/bin/python3", "held_timedate.py", bus],
                               env=clock, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.assertEqual(standin.stdout.readline(), "ready\n")
        # 10 s ahead and a day behind: the final minute lasts until the date is set.
        server = time_proxy(0, b"<p>Offizielle eBay-Zeit:   09.03.2026 09:00:10 MEZ</p>")
        self.d.window(auction_title(SEEN_NOW + timedelta(seconds=58)))
        _, wid = self.d.zeitfang(SEEN_NOW, settings="synconstart=1\nmsgonsync=0\n", env={
            **clock, "http_proxy": server.url, "CLOCK_INTERCEPT_REFUSE": "1",
            "DBUS_SYSTEM_BUS_ADDRESS": bus})

        def calls():  # each refused set is asked of timedated
            return open(self.d.log).read().count("refused") if os.path.exists(self.d.log) else 0

        for held in (1, 2):  # the date is asked only once the time of day has its answer
            wait_for(lambda: calls() == held, 30, f"SetTime call {held}")
            for _ in range(3):  # as long as a user takes to type a password
                caption = self.d.title(wid)
                self.assertRegex(caption, r"^ >>\d+<<$")
                wait_for(lambda: self.d.title(wid) != caption, 10, "the next second")
            self.assertEqual(calls(), held)
            print("answer", file=standin.stdin, flush=True)
        wait_for(lambda: len(logged_sets(self.d.log)) == 2, 10, "both answers")
        served = datetime(2026, 3, 9, 9, 0, 10, tzinfo=ZoneInfo(TZ)).timestamp() - server.asked
        with open(share) as f:  # the clock's offset: the server's, not late by the password
            self.assertAlmostEqual(int(f.read()) / 1e9, served, delta=1)
