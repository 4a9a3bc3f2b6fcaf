"""Only "-time" changes how the program starts, and closing the window always ends it."""
import time
import unittest
from datetime import datetime

from clock_run import logged_sets
from harness import Desktop, wait_for
from time_server import TimeServer


class StartAndCloseTest(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop()
        self.addCleanup(self.desktop.close)

    def test_closing_while_the_start_up_sync_waits_ends_the_program(self):
        server = TimeServer()
        self.addCleanup(server.close)
        server.body = b"<p>Offizielle eBay-Zeit:   08.11.2004 14:05:33 MEZ</p>"
        server.pause_after_headers = 10  # the answer comes long after the window has gone
        with open(self.desktop.settings_path(), "w") as f:
            f.write("[Kairola]\nsynconstart=1\nmsgonsync=1\n")
        proc, wid = self.desktop.start_zeitfang(
            seen_now=datetime(2026, 3, 10, 9, 0, 0),
            env={"http_proxy": server.proxy, "no_proxy": "", "NO_PROXY": ""})
        wait_for(lambda: server.requests, what="the time request")
        self.desktop.run(["wmctrl", "-i", "-c", str(wid)])
        wait_for(lambda: proc.poll() is not None, timeout=5, what="the program to end")
        self.assertIn("Left", self.desktop.store())
        self.assertEqual(logged_sets(self.desktop.clock_log), [])

    def test_qt_options_start_the_window_as_a_bare_start_does(self):
        d = self.desktop

        def settled_rect(wid):
            def same():
                first = d.client_rect(wid)
                time.sleep(0.3)
                return first == d.client_rect(wid) and first
            return wait_for(same, what="the window to settle")

        seen = []
        for args in ((), ("-reverse", "-name", "fremd", "-qwindowgeometry", "200x100+600+500")):
            proc, wid = d.start_zeitfang(args)
            seen.append((settled_rect(wid), d.run(["xprop", "-id", str(wid), "WM_CLASS"]).stdout))
            d.stop(proc)
        self.assertEqual(seen[0], seen[1])


if __name__ == "__main__":
    unittest.main()
