"""The main window reopens where and as it was closed, shifted for each other running copy."""
import re
import unittest

from harness import BIN, Desktop, wait_for


class PlacementTest(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop()
        self.addCleanup(self.desktop.close)

    def put_store(self, left, top, state=0):
        with open(self.desktop.settings_path(), "w", encoding="utf-8") as f:
            f.write(f"[Kairola]\nLeft={left}\nTop={top}\nWidth=4200\nHeight=2745\n"
                    f"WindowState={state}\n")

    def placement(self, *keys):
        return tuple(self.desktop.store()[k] for k in keys or ("Left", "Top"))

    def wm_state(self, wid):
        out = self.desktop.run(["xprop", "-id", str(wid), "WM_STATE"], check=False).stdout
        m = re.search(r"window state: (\w+)", out)
        return m.group(1) if m else None

    def start(self, state="Normal"):
        """Starts a copy and returns it with its main window once that is in the given state."""
        d = self.desktop
        proc = d.spawn([BIN], env={"QT_QPA_PLATFORM": "xcb"})

        def window():
            r = d.run(["xdotool", "search", "--pid", str(proc.pid), "--name", "Zeitfang"],
                      check=False)
            managed = [int(w) for w in r.stdout.split() if self.wm_state(int(w)) == state]
            if state == "Normal":
                managed = [w for w in managed if w in d.windows_of(proc.pid)]
            return managed[0] if managed else None
        return proc, wait_for(window, what=f"a {state} Zeitfang window")

    def close(self, proc, wid):
        self.desktop.run(["wmctrl", "-ic", hex(wid)])
        self.assertEqual(proc.wait(15), 0)

    def test_closing_saves_the_normal_rectangle_and_reopening_does_not_creep(self):
        proc, wid = self.start()
        rect = self.desktop.client_rect(wid)
        self.close(proc, wid)
        self.assertEqual(rect[2:], (280, 183))
        first = (*(str(v * 15) for v in rect), "0")
        for _ in range(2):
            self.assertEqual(self.placement("Left", "Top", "Width", "Height", "WindowState"),
                             first)
            proc, wid = self.start()
            self.assertEqual(self.desktop.client_rect(wid), rect)
            self.close(proc, wid)
        # A window moved by the user is saved where it was left.
        proc, wid = self.start()
        self.desktop.run(["xdotool", "windowmove", str(wid), "300", "200"])
        wait_for(lambda: self.desktop.client_rect(wid)[:2] == (300, 200), what="the move")
        self.close(proc, wid)
        self.assertEqual(self.placement(), ("4500", "3000"))

    def test_a_second_copy_opens_300_twips_further_right_and_down(self):
        self.put_store(1500, 1200)
        first, first_wid = self.start()
        self.assertEqual(self.desktop.client_rect(first_wid)[:2], (100, 80))
        second, second_wid = self.start()
        self.assertEqual(self.desktop.client_rect(second_wid)[:2], (120, 100))
        self.close(second, second_wid)
        self.assertEqual(self.placement(), ("1800", "1500"))
        self.close(first, first_wid)
        self.assertEqual(self.placement(), ("1500", "1200"))

    def test_a_window_closed_minimised_reopens_minimised_with_its_normal_rectangle(self):
        self.put_store(1500, 1200)
        proc, wid = self.start()
        self.desktop.run(["xdotool", "windowminimize", str(wid)])
        wait_for(lambda: self.wm_state(wid) == "Iconic", what="the window to be minimised")
        self.close(proc, wid)
        self.assertEqual(self.placement("Left", "Top", "Width", "Height", "WindowState"),
                         ("1500", "1200", "4200", "2745", "1"))
        proc, wid = self.start("Iconic")
        self.assertIn("_NET_WM_STATE_HIDDEN", self.desktop.wm_state(wid))
        self.desktop.run(["wmctrl", "-ia", hex(wid)])
        # Openbox animates the restore; the window ends at its normal rectangle.
        wait_for(lambda: self.desktop.client_rect(wid) == (100, 80, 280, 183), timeout=5,
                 what="the window restored to its normal rectangle")
        self.assertEqual(self.wm_state(wid), "Normal")
        self.close(proc, wid)
        self.assertEqual(self.placement("WindowState"), ("0",))


if __name__ == "__main__":
    unittest.main()
