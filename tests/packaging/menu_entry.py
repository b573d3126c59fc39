#!/usr/bin/env python3
"""Prints where the desktop's application menu puts an application, and the
icon file its entry resolves to, as a freedesktop menu (here LXDE's, from
lxmenu-data, read by pyxdg) and the hicolor icon theme find them.

usage: menu_entry.py DESKTOP_ID
"""
import sys

import xdg.IconTheme
import xdg.Menu


def placements(menu, desktop_id, path=()):
    for entry in menu.getEntries():
        if isinstance(entry, xdg.Menu.Menu):
            yield from placements(entry, desktop_id, path + (entry.getName(),))
        elif isinstance(entry, xdg.Menu.MenuEntry) and entry.DesktopFileID == desktop_id:
            yield "/".join(path), entry.DesktopEntry.getIcon()


def main():
    desktop_id = sys.argv[1]
    menu = xdg.Menu.parse("/etc/xdg/menus/lxde-applications.menu")
    found = list(placements(menu, desktop_id))
    if not found:
        raise SystemExit(f"{desktop_id} is in no menu")
    for path, icon in found:
        print(f"menu: {path}")
        for size in (16, 48, 256):
            print(f"icon at {size}: {xdg.IconTheme.getIconPath(icon, size, 'hicolor')}")


if __name__ == "__main__":
    main()
