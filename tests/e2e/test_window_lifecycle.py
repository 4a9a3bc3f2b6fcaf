"""Only "-time" changes the start, closing the window always ends the program, and the window
stays alive while timedated (polkit) takes its time."""
import os
import subprocess
import unittest
from datetime import datetime, timedelta

from clock_run import logged_sets
from harness import HERE, Desktop, auction_title, wait_for
from time_server import TimeServer

SEEN_NOW = datetime(2026, 3, 10, 9, 0, 0)


class WindowLifecycleTest(unittest.TestCase):
    def setUp(self):
        self.d = Desktop()
        self.addCleanup(self.d.close)
        self.server = TimeServer()
        self.addCleanup(self.server.close)
        self.server.body = b"<p>Offizielle eBay-Zeit:   08.11.2004 14:05:33 MEZ</p>"
        with open(self.d.settings_path(), "w") as f:
            f.write("[Kairola]\nsynconstart=1\nmsgonsync=0\n")

    def start(self, **env):
        return self.d.start_zeitfang(seen_now=SEEN_NOW, env={
            "http_proxy": self.server.proxy, "no_proxy": "", "NO_PROXY": "", **env})

    def test_closing_while_the_start_up_sync_waits_ends_the_program(self):
        self.server.pause_after_headers = 10  # the answer comes long after the window has gone
        proc, wid = self.start()
        wait_for(lambda: self.server.requests, what="the time request")
        self.d.run(["wmctrl", "-i", "-c", str(wid)])
        wait_for(lambda: proc.poll() is not None, timeout=5, what="the program to end")
        self.assertIn("Left", self.d.store())
        self.assertEqual(logged_sets(self.d.clock_log), [])

    def test_qt_options_start_the_window_as_a_bare_start_does(self):
        os.remove(self.d.settings_path())  # no synchronisation, no message box
        classes = []
        for args in ((), ("-reverse", "-name", "fremd", "-style", "windows")):
            proc, wid = self.d.start_zeitfang(args, seen_now=SEEN_NOW)
            classes.append(self.d.run(["xprop", "-id", str(wid), "WM_CLASS"]).stdout)
            self.d.stop(proc)
        self.assertEqual(classes[0], classes[1])

    def test_countdown_runs_while_timedated_holds_its_answers(self):
        bus = self.d.env["DBUS_SESSION_BUS_ADDRESS"]  # standing in for the system bus
        record = os.path.join(self.d.tmp, "settime")
        standin = self.d.spawn(["/usr/bin/python3", os.path.join(HERE, "held_timedate.py"), bus,
                                record], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.assertEqual(standin.stdout.readline().strip(), "ready")
        self.d.make_windows([{"title": auction_title(SEEN_NOW + timedelta(seconds=58))}])
        _, wid = self.start(CLOCK_INTERCEPT_REFUSE="1", DBUS_SYSTEM_BUS_ADDRESS=bus)

        def calls():
            if not os.path.exists(record):
                return []
            with open(record) as f:
                return [int(line) for line in f]

        for held in (1, 2):  # the date is asked only once the time of day has its answer
            wait_for(lambda: len(calls()) == held, what=f"SetTime call {held}")
            caption = self.d.title(wid)
            self.assertRegex(caption, r"^ >>\d+<<$")
            wait_for(lambda: self.d.title(wid) != caption, timeout=10, what="the next second")
            self.assertEqual(len(calls()), held)
            standin.stdin.write("answer\n")
            standin.stdin.flush()
        # The time of day on the seen day (2026), then the server's date (2004).
        self.assertGreater(calls()[0], calls()[1])


if __name__ == "__main__":
    unittest.main()
