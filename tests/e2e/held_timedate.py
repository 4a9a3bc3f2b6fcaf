"""A stand-in timedated that holds each SetTime answer until the test releases it.

Usage: held_timedate.py BUS-ADDRESS RECORD-FILE
Prints "ready" once it owns the name. Each call appends its microseconds to RECORD-FILE at once;
each line on stdin then answers the oldest held call: "refuse" with an error, anything else
with success.
"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

IFACE = "org.freedesktop.timedate1"


class HeldTimedate(dbus.service.Object):
    def __init__(self, bus, record):
        super().__init__(bus, "/org/freedesktop/timedate1")
        self.record, self.held = record, []

    @dbus.service.method(IFACE, in_signature="xbb", out_signature="",
                         async_callbacks=("answer", "refuse"))
    def SetTime(self, usec, relative, interactive, answer, refuse):
        with open(self.record, "a") as f:
            f.write(f"{int(usec)}\n")
        self.held.append((answer, refuse))

    def release(self, line):
        answer, refuse = self.held.pop(0)
        if line.strip() == "refuse":
            refuse(dbus.exceptions.DBusException("Not authorized.",
                                                 name="org.freedesktop.DBus.Error.AccessDenied"))
        else:
            answer()


def main():
    address, record = sys.argv[1:3]
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(address)
    name = dbus.service.BusName(IFACE, bus)  # noqa: F841 (kept for the name's lifetime)
    timedate = HeldTimedate(bus, record)
    loop = GLib.MainLoop()

    def on_line(source, _condition):
        line = source.readline()
        if not line:
            loop.quit()
            return False
        timedate.release(line)
        return True

    GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, on_line)
    print("ready", flush=True)
    loop.run()


if __name__ == "__main__":
    main()
