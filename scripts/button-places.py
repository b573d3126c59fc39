#!/usr/bin/python3
"""Prints where a program's buttons stand on the screen, as the screen
readers find them: one line per button, its name, then the x and y of its
middle, tab-separated; for a web page in a browser, first a line with an
empty name for the page's window. scripts/hear-with-orca.sh clicks them by
name.

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


def page_forms(node):
    """The web page's window, #form, wherever a browser shows the page."""
    if node.get_role() != Atspi.Role.PUSH_BUTTON and node.get_attributes().get("id") == "form":
        yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from page_forms(child)


def main():
    app = application(int(sys.argv[1]))
    if app is None:
        sys.exit("no such program on the accessibility bus")
    # The window's bare face, an empty name: in a browser, the page's form
    # (beside it is the browser's), 4 pixels into its top left corner.
    for form in page_forms(app):
        box = form.get_extents(Atspi.CoordType.SCREEN)
        if box.width > 0 and box.height > 0:
            print(f"\t{box.x + 4}\t{box.y + 4}")
            break
    for button in buttons(app):
        box = button.get_extents(Atspi.CoordType.SCREEN)
        # Only what is on the screen: a browser keeps its hidden toolbars'
        # buttons above it, and a button it has not laid out yet has no box.
        showing = button.get_state_set().contains(Atspi.StateType.SHOWING)
        if showing and box.width > 0 and box.height > 0 and box.x >= 0 and box.y >= 0:
            print(f"{button.get_name()}\t{box.x + box.width // 2}\t{box.y + box.height // 2}")


if __name__ == "__main__":
    main()
