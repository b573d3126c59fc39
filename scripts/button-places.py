#!/usr/bin/python3
"""Prints where a program's buttons stand on the screen, as the screen
readers find them: one line per button, its name, then the x and y of its
middle, tab-separated. scripts/hear-with-orca.sh clicks them by name.

usage: button-places.py PID
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

BUTTONS = (Atspi.Role.RADIO_BUTTON, Atspi.Role.PUSH_BUTTON)


def application(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def buttons(node):
    if node.get_role() in BUTTONS:
        yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from buttons(child)


def main():
    app = application(int(sys.argv[1]))
    if app is None:
        sys.exit("no such program on the accessibility bus")
    for button in buttons(app):
        box = button.get_extents(Atspi.CoordType.SCREEN)
        print(f"{button.get_name()}\t{box.x + box.width // 2}\t{box.y + box.height // 2}")


if __name__ == "__main__":
    main()
