#!/usr/bin/env python3
"""Prints the programs that Add/Remove Programs lists in a Wine prefix, one a
line: name|version|publisher|icon or no icon|no modify or modify. The icon
of a Windows Installer product is its registered ProductIcon, an .ico kept
in the Installer folder. Reads the machine's registry file as Wine writes
it (wineserver -w first).

usage: installed_programs.py WINEPREFIX
"""
import pathlib
import re
import sys

UNINSTALL = re.compile(r"^\[Software\\\\(?:Wow6432Node\\\\)?Microsoft\\\\Windows\\\\"
                       r"CurrentVersion\\\\Uninstall\\\\([^\]]+)\]")
PRODUCT = re.compile(r"^\[Software\\\\Classes\\\\Installer\\\\Products\\\\([0-9A-F]{32})\]")
VALUE = re.compile(r'^"((?:[^"\\]|\\.)*)"=(.*)$')


def unescape(text):
    """Wine writes characters past ASCII as \\x and up to four hex digits."""
    text = re.sub(r"\\x([0-9a-fA-F]{1,4})", lambda hit: chr(int(hit.group(1), 16)), text)
    return re.sub(r"\\(.)", r"\1", text)


def keys(registry):
    """Each registry key's name and values."""
    found = {}
    values = None
    for line in registry.splitlines():
        if line.startswith("["):
            values = found.setdefault(line.split("]")[0] + "]", {})
        elif values is not None:
            value = VALUE.match(line)
            if value:
                data = value.group(2)
                values[unescape(value.group(1))] = (
                    unescape(data[1:-1]) if data.startswith('"') else data)
    return found


def packed(code):
    """A product code as the Installer keys name it: each group reversed,
    the last two groups a byte at a time."""
    groups = code.strip("{}").split("-")
    tail = "".join(groups[3:])
    return "".join(group[::-1] for group in groups[:3]) + "".join(
        tail[index + 1] + tail[index] for index in range(0, len(tail), 2))


def has_icon(prefix, registry, code, entry):
    products = {PRODUCT.match(key).group(1): values
                for key, values in registry.items() if PRODUCT.match(key)}
    icon = entry.get("DisplayIcon") or products.get(packed(code), {}).get("ProductIcon", "")
    path = prefix / "drive_c" / icon[3:].replace("\\", "/") if icon[1:3] == ":\\" else None
    return path is not None and path.is_file()


def main(prefix):
    prefix = pathlib.Path(prefix)
    registry = keys((prefix / "system.reg").read_text(encoding="ascii", errors="replace"))
    for key, entry in registry.items():
        uninstall = UNINSTALL.match(key)
        if not uninstall or "DisplayName" not in entry:
            continue
        print("|".join([
            entry["DisplayName"],
            entry.get("DisplayVersion", ""),
            entry.get("Publisher", ""),
            "icon" if has_icon(prefix, registry, uninstall.group(1), entry) else "no icon",
            "no modify" if entry.get("NoModify") == "dword:00000001" else "modify",
        ]))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
