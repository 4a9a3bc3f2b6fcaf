#!/usr/bin/python3
"""Runs a command and fails when something it started still runs a while after it has ended.

The runner is the child subreaper of everything below it: a process whose parent ends (a daemon,
a service a session bus started) is handed to it rather than to init, so its tree holds all the
command started and nothing else, whatever other runs share the machine. What is left after the
grace period is listed, ended by its process id, and the run fails.
Usage: no_leftovers.py COMMAND [ARG...]
"""
import ctypes
import os
import signal
import subprocess
import sys
import time

PR_SET_CHILD_SUBREAPER = 36
# Long enough for what ends by itself once its session has gone: the services of a session bus,
# wineserver after its last client.
GRACE_SECONDS = 10


def running_descendants():
    """The living processes below this one, reaping those that have already ended."""
    with_parent = {}
    while True:
        try:
            if os.waitpid(-1, os.WNOHANG)[0] == 0:
                break
        except ChildProcessError:
            break
    for entry in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{entry}/stat") as f:
                state, parent = f.read().rsplit(")", 1)[1].split()[:2]
        except OSError:  # ended meanwhile
            continue
        if state != "Z":
            with_parent.setdefault(int(parent), []).append(int(entry))
    found, todo = [], [os.getpid()]
    while todo:
        children = with_parent.get(todo.pop(), [])
        found += children
        todo += children
    return found


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    libc = ctypes.CDLL(None, use_errno=True)
    if libc.prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0) != 0:
        sys.exit(f"no_leftovers.py: no subreaper: {os.strerror(ctypes.get_errno())}")
    command = subprocess.Popen(sys.argv[1:])
    for sig in (signal.SIGINT, signal.SIGTERM):
        signal.signal(sig, lambda number, _: command.send_signal(number))
    status = command.wait()
    status = 128 - status if status < 0 else status
    deadline = time.monotonic() + GRACE_SECONDS
    while (left := running_descendants()) and time.monotonic() < deadline:
        time.sleep(0.2)
    if left:
        print(f"no_leftovers.py: still running {GRACE_SECONDS} s after {sys.argv[1]} ended:",
              file=sys.stderr, flush=True)
        subprocess.run(["ps", "-o", "pid=,user=,args=", "-p", ",".join(map(str, left))],
                       stdout=sys.stderr)
        for pid in left:
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        status = status or 1
    sys.exit(status)


if __name__ == "__main__":
    main()
