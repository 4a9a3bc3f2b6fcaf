"""Prints the names of all showing labels of the application with the given PID, one per line."""
import sys
import time

import pyatspi


def walk(node, out):
    try:
        if node.getRole() == pyatspi.ROLE_LABEL and node.getState().contains(
                pyatspi.STATE_SHOWING):
            out.append(node.name.replace("\n", "\\n"))
        for child in node:
            walk(child, out)
    except Exception:
        pass


def main():
    pid = int(sys.argv[1])
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == pid:
                    labels = []
                    walk(app, labels)
                    if labels:
                        print("\n".join(labels))
                        return 0
            except Exception:
                continue
        time.sleep(0.3)
    print("application not found", file=sys.stderr)
    return 1


sys.exit(main())
