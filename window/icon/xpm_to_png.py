#!/usr/bin/env python3
"""Draws the icon's XPM picture as a square PNG of the size given, for the
desktop's icon theme.

usage: xpm_to_png.py INPUT.xpm SIZE OUTPUT.png
"""
import sys

sys.dont_write_bytecode = True  # the build leaves the source tree as it found it
from icon_picture import picture_at, png_bytes, read_xpm


def main():
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    _, _, pixels = read_xpm(sys.argv[1])
    with open(sys.argv[3], "wb") as out:
        out.write(png_bytes(picture_at(pixels, int(sys.argv[2]))))


if __name__ == "__main__":
    main()
