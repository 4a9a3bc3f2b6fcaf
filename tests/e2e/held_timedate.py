"""A stand-in timedated on the bus at argv[1]. It prints each SetTime call as "call USEC SEEN_NS"
(the change asked for, and its reading of the tests' clock then) and holds it until the test
writes a line to its stdin: "set" sets the clock, as timedated does once polkit has the user's
password (a relative change is added to its reading then); any other line is the D-Bus error it
refuses with. A call that may not ask is refused at once."""
import sys
import time

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib


class HeldTimedate(dbus.service.Object):
    held = []

    @dbus.service.method("org.freedesktop.timedate1", in_signature="xbb", out_signature="",
                         async_callbacks=("answer", "fail"))
    def SetTime(self, usec, relative, interactive, answer, fail):
        print("call", int(usec), time.clock_gettime_ns(time.CLOCK_REALTIME), flush=True)
        if not interactive:
            return fail(dbus.DBusException(
                name="org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"))

        def verdict(line):
            if line != "set":
                return fail(dbus.DBusException(name=line))
            now = time.clock_gettime_ns(time.CLOCK_REALTIME) if relative else 0
            time.clock_settime_ns(time.CLOCK_REALTIME, now + int(usec) * 1000)
            answer()
        self.held.append(verdict)


def on_line(source, _condition):  # a line answers the oldest held call; the end ends the loop
    if line := source.readline():
        HeldTimedate.held.pop(0)(line.strip())
        return True
    return loop.quit()


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.bus.BusConnection(sys.argv[1])
name = dbus.service.BusName("org.freedesktop.timedate1", bus)
timedate = HeldTimedate(bus, "/org/freedesktop/timedate1")
loop = GLib.MainLoop()
GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, on_line)
print("ready", flush=True)
loop.run()
