#!/usr/bin/env python3
"""Prints what a Wine prefix's registry holds of the products installed from
the .msi files given, one a line: every key named by a product's, its
upgrade's or its component's code, as Windows Installer writes them (plain or
packed), and every value that names the install folder or the shortcut.
Other keys are not looked at: a user's profile may hold the product's name.
Reads the registry files as Wine writes them (wineserver -w first).

usage: product_registry.py WINEPREFIX FOLDER SHORTCUT MSI...
  FOLDER, SHORTCUT: Windows paths, as C:\\Program Files\\...
"""
import pathlib
import subprocess
import sys

from installed_programs import keys, packed


def table(msi, name):
    """A table's rows as msiinfo exports them: after three header lines, a
    row a line, tab-separated. The names may be in the database's code
    page; only codes are read here."""
    exported = subprocess.run(["msiinfo", "export", msi, name], check=True,
                              capture_output=True).stdout.decode("latin-1")
    return [line.split("\t") for line in exported.splitlines()[3:] if line]


def codes(msi):
    """The product's, the upgrade's and the components' codes."""
    properties = dict(row[:2] for row in table(msi, "Property"))
    found = [properties["ProductCode"], properties["UpgradeCode"]]
    found += [row[1] for row in table(msi, "Component")]
    return [code.strip("{}").upper() for code in found]


def main(prefix, folder, shortcut, *msis):
    names = set()
    for msi in msis:
        for code in codes(msi):
            names |= {code, packed(code)}
    paths = [folder.rstrip("\\").lower(), shortcut.lower()]
    for registry in ("system.reg", "user.reg"):
        text = (pathlib.Path(prefix) / registry).read_text(encoding="ascii", errors="replace")
        for key, values in keys(text).items():
            if any(name in key.upper() for name in names):
                print(f"{registry} {key}")
                continue
            for value, data in values.items():
                if any(path in f"{value}\n{data}".lower() for path in paths):
                    print(f"{registry} {key} {value}={data}")


if __name__ == "__main__":
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
