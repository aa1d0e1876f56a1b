#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Presses a control of a running program the way a screen reader does, through the
# accessibility bus (AT-SPI): the first control named <control> that has an action, in
# the window titled <window> of the application named <application>. Names are compared
# without "&" and case. Waits up to <seconds> for the window and the control to appear.
#   press_control.py <seconds> <application> <window> <control>
# Exits 0 once pressed, 1 with what it saw when the time is up.
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def plain(name):
    return (name or "").replace("&", "").casefold()


def pressable(accessible, name, depth=0):
    if accessible is None or depth > 16:
        return None
    if plain(accessible.get_name()) == plain(name) and "Action" in accessible.get_interfaces():
        return accessible
    for index in range(accessible.get_child_count()):
        found = pressable(accessible.get_child_at_index(index), name, depth + 1)
        if found is not None:
            return found
    return None


def windows_of(application):
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(index)
        if app is not None and app.get_name() == application:
            return [app.get_child_at_index(i) for i in range(app.get_child_count())]
    return []


def main():
    seconds, application, window, control = float(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
    deadline = time.monotonic() + seconds
    seen = []
    while time.monotonic() < deadline:
        try:
            windows = [w for w in windows_of(application) if w is not None]
            seen = [w.get_name() for w in windows]
            for candidate in windows:
                if candidate.get_name() != window:
                    continue
                target = pressable(candidate, control)
                if target is not None and Atspi.Action.do_action(target, 0):
                    return 0
        except GLib.GError:
            pass  # the window went while it was read; read again
        time.sleep(0.2)
    print(f"no control '{control}' in a window '{window}' of '{application}'; windows: {seen}",
          file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
