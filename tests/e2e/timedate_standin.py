"""A stand-in for systemd-timedated on a private bus: records SetTime calls, may refuse them.

Usage: timedate_standin.py BUS-ADDRESS RECORD-FILE accept|refuse
Prints "ready" once it owns the name. Each call appends "usec relative interactive".
"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

IFACE = "org.freedesktop.timedate1"


class Timedate(dbus.service.Object):
    def __init__(self, bus, record, refuse):
        super().__init__(bus, "/org/freedesktop/timedate1")
        self.record, self.refuse = record, refuse

    @dbus.service.method(IFACE, in_signature="xbb", out_signature="")
    def SetTime(self, usec, relative, interactive):
        with open(self.record, "a") as f:
            f.write(f"{int(usec)} {bool(relative)} {bool(interactive)}\n")
        if self.refuse:
            raise dbus.exceptions.DBusException(
                "Interactive authentication required.",
                name="org.freedesktop.DBus.Error.InteractiveAuthorizationRequired")


def main():
    address, record, mode = sys.argv[1:4]
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(address)
    name = dbus.service.BusName(IFACE, bus)  # noqa: F841 (kept for the name's lifetime)
    Timedate(bus, record, mode == "refuse")
    print("ready", flush=True)
    GLib.MainLoop().run()


if __name__ == "__main__":
    main()
