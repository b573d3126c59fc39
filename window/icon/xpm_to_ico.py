#!/usr/bin/env python3
"""Turns the icon's XPM picture into a Windows .ico: one 32 by 32 image in
256 colours, with a transparency mask where the XPM says None.

usage: xpm_to_ico.py INPUT.xpm OUTPUT.ico
"""
import re
import struct
import sys


def read_xpm(path):
    text = open(path, encoding="ascii").read()
    body = text[text.index("{"):]
    strings = re.findall(r'"([^"]*)"', body)
    width, height, ncolours, chars = (int(v) for v in strings[0].split()[:4])
    colours = {}
    for line in strings[1:1 + ncolours]:
        key, rest = line[:chars], line[chars:].split()
        value = rest[rest.index("c") + 1]
        colours[key] = None if value.lower() == "none" else int(value.lstrip("#"), 16)
    rows = strings[1 + ncolours:1 + ncolours + height]
    pixels = [[colours[row[x * chars:(x + 1) * chars]] for x in range(width)] for row in rows]
    return width, height, pixels


def ico_bytes(width, height, pixels):
    palette = sorted({p for row in pixels for p in row if p is not None})
    if len(palette) > 256:
        raise SystemExit("the icon has more than 256 colours")
    palette += [0] * (256 - len(palette))
    index = {colour: i for i, colour in enumerate(palette)}
    colour_rows = b""
    mask_rows = b""
    mask_stride = ((width + 31) // 32) * 4
    for row in reversed(pixels):  # bitmaps are stored bottom-up
        colour_rows += bytes(0 if p is None else index[p] for p in row)
        colour_rows += b"\0" * ((-width) % 4)
        bits = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask_rows += bytes(bits)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 8, 0,
                         len(colour_rows) + len(mask_rows), 0, 0, 256, 0)
    table = b"".join(struct.pack("<BBBB", c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0) for c in palette)
    image = header + table + colour_rows + mask_rows
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    width, height, pixels = read_xpm(sys.argv[1])
    with open(sys.argv[2], "wb") as out:
        out.write(ico_bytes(width, height, pixels))


if __name__ == "__main__":
    main()
