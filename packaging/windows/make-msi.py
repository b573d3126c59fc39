#!/usr/bin/python3
"""Makes the Windows installer of the program: per machine, into
Program Files\\Велтара, with a Start-menu shortcut and an entry in Add/Remove
Programs, and replacing any other version (a major upgrade).

usage: make-msi.py VERSION PROGRAM ICON CHANGELOG OUTPUT
  PROGRAM, ICON: veltara.exe and its .ico; CHANGELOG: the Debian changelog,
  whose newest entry dates the release.

wixl builds the database from veltara.wxs.in, but writes no Cyrillic: the
database's code page is then set to 1251 (Cyrillic) and the Bulgarian names
are written with msibuild. The same inputs give the same bytes: the product
and package codes are derived from the version, and every date is the
changelog entry's.
"""
import email.utils
import os
import pathlib
import shutil
import struct
import subprocess
import sys
import tempfile
import uuid

import olefile

# The installer's identity for all time: every version carries it, so that
# a newer one replaces an older one. Never change it.
UPGRADE_CODE = uuid.UUID("C3DCEEF5-E64B-4AEF-AB24-90732B431B12")
HOMEPAGE = "https://veltara.example"
# As the program's version information names them.
PRODUCT_NAME = "Велтара"
PUBLISHER = "Екипът на Велтара"
# What an older version's installer says where a newer one is installed.
DOWNGRADE_MESSAGE = "На компютъра вече има по-нова версия на Велтара. Тази не се инсталира."
# The summary information's dates, and their type.
PID_CREATED, PID_LAST_SAVED = 12, 13
VT_FILETIME = 64
# An 8.3 name is required beside a long one in the Directory and Shortcut tables.
SHORT_NAME = "VELTARA"


def release_date(changelog):
    """The newest entry's date, from its trailer line (" -- name  date")."""
    with open(changelog, encoding="utf-8") as entries:
        for line in entries:
            if line.startswith(" -- "):
                return email.utils.parsedate_to_datetime(line.split("  ", 1)[1].strip())
    sys.exit(f"{changelog} has no dated entry")


def derived_code(kind, version):
    return str(uuid.uuid5(UPGRADE_CODE, f"{kind} {version}")).upper()


def msibuild(msi, *arguments):
    subprocess.run(["msibuild", msi.name, *arguments], check=True, cwd=msi.parent)


def write_names(msi, package_code):
    """The Bulgarian names, into a database whose code page can hold them;
    msibuild takes UTF-8 and stores them in the database's code page."""
    (msi.parent / "_ForceCodepage.idt").write_text("\r\n\r\n1251\t_ForceCodepage\r\n",
                                                   encoding="ascii")
    msibuild(msi, "-i", "_ForceCodepage.idt")
    long_name = f"{SHORT_NAME}|{PRODUCT_NAME}"
    for table, column, value, key, keyed in (
            ("Property", "Value", PRODUCT_NAME, "Property", "ProductName"),
            ("Property", "Value", PUBLISHER, "Property", "Manufacturer"),
            ("Directory", "DefaultDir", long_name, "Directory", "INSTALLFOLDER"),
            ("Shortcut", "Name", long_name, "Shortcut", "StartMenuShortcut"),
            ("LaunchCondition", "Description", DOWNGRADE_MESSAGE, "Condition",
             "NOT WIX_DOWNGRADE_DETECTED")):
        msibuild(msi, "-q", f"UPDATE `{table}` SET `{column}` = '{value}' WHERE `{key}` = '{keyed}'")
    # The summary: the product's name, its publisher, x64 in Bulgarian, and
    # the package code.
    msibuild(msi, "-s", PRODUCT_NAME, PUBLISHER, "x64;1026", f"{{{package_code}}}")


def fix_dates(msi, date):
    """Sets the summary's dates, which wixl takes from the clock."""
    filetime = (int(date.timestamp()) + 11644473600) * 10_000_000
    with olefile.OleFileIO(str(msi), write_mode=True) as database:
        data = bytearray(database.openstream("\x05SummaryInformation").read())
        section = struct.unpack_from("<I", data, 44)[0]
        count = struct.unpack_from("<I", data, section + 4)[0]
        for index in range(count):
            identifier, offset = struct.unpack_from("<II", data, section + 8 + 8 * index)
            kind = struct.unpack_from("<I", data, section + offset)[0]
            if identifier in (PID_CREATED, PID_LAST_SAVED) and kind == VT_FILETIME:
                struct.pack_into("<Q", data, section + offset + 4, filetime)
        database.write_stream("\x05SummaryInformation", bytes(data))


def main(version, program, icon, changelog, output):
    date = release_date(changelog)
    with tempfile.TemporaryDirectory() as directory:
        work = pathlib.Path(directory)
        for source, name in ((program, "veltara.exe"), (icon, "veltara.ico")):
            shutil.copyfile(source, work / name)
            # The cabinet keeps each file's time.
            os.utime(work / name, (date.timestamp(), date.timestamp()))
        template = (pathlib.Path(__file__).parent / "veltara.wxs.in").read_text(encoding="utf-8")
        for key, value in {"VERSION": version, "PRODUCT_CODE": derived_code("product", version),
                           "UPGRADE_CODE": str(UPGRADE_CODE).upper(),
                           "HOMEPAGE": HOMEPAGE}.items():
            template = template.replace(f"@{key}@", value)
        (work / "veltara.wxs").write_text(template, encoding="utf-8")
        msi = work / "veltara.msi"
        subprocess.run(["wixl", "--arch", "x64", "-o", msi.name, "veltara.wxs"], check=True,
                       cwd=work)
        write_names(msi, derived_code("package", version))
        fix_dates(msi, date)
        shutil.copyfile(msi, output)


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    main(*sys.argv[1:])
