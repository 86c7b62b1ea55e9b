"""A stand-in for the freedesktop settings portal, on a case's private session bus.

It owns org.freedesktop.portal.Desktop and answers Read and ReadOne on
/org/freedesktop/portal/desktop as the real portal does. The settings it starts with are given
as arguments, NAMESPACE KEY VALUE each; a case changes one live by writing such a line to its
standard input, and the change is announced with SettingChanged, as the real portal announces
the desktop's. A value is its D-Bus type and its text: u:1, b:false, s:dark. It says "ready" once
it owns the name and "changed" after each announcement, on standard output."""

import sys

import dbus
import dbus.exceptions
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

SETTINGS = "org.freedesktop.portal.Settings"
TYPES = {"u": dbus.UInt32, "i": dbus.Int32, "s": dbus.String,
         "b": lambda text, **level: dbus.Boolean(text == "true", **level)}


def typed(value, variant_level):
    kind, text = value.split(":", 1)
    return TYPES[kind](text, variant_level=variant_level)


class Portal(dbus.service.Object):
    def __init__(self, bus, settings):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        self.settings = settings

    def _value(self, namespace, key, variant_level):
        if (namespace, key) not in self.settings:
            raise dbus.exceptions.DBusException(
                "Requested setting not found", name="org.freedesktop.portal.Error.NotFound")
        return typed(self.settings[(namespace, key)], variant_level)

    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v")
    def Read(self, namespace, key):
        return self._value(namespace, key, 2)  # the value in a variant of its own, as ever

    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v")
    def ReadOne(self, namespace, key):
        return self._value(namespace, key, 1)

    @dbus.service.signal(SETTINGS, signature="ssv")
    def SettingChanged(self, namespace, key, value):
        pass

    def change(self, line):
        namespace, key, value = line.split()
        self.settings[(namespace, key)] = value
        self.SettingChanged(namespace, key, typed(value, 1))
        print("changed", flush=True)


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    words = sys.argv[1:]
    portal = Portal(bus, {(words[i], words[i + 1]): words[i + 2]
                          for i in range(0, len(words), 3)})
    name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
    loop = GLib.MainLoop()

    def read(source, _):
        line = source.readline()
        if not line:
            loop.quit()
            return False
        portal.change(line)
        return True
    GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, read)
    print("ready", flush=True)
    loop.run()
    del name


if __name__ == "__main__":
    main()
