#!/usr/bin/env python3
"""Turns the icon's XPM picture into a Windows .ico with images of 16, 24, 32,
48, 64 and 256 pixels. The 32 by 32 image is the picture itself in 256
colours, with a transparency mask where the XPM says None; the others are
drawn from it (icon_picture.py) in 32-bit colour with alpha, the 256 pixel
one stored as PNG as Windows expects.

usage: xpm_to_ico.py INPUT.xpm OUTPUT.ico
"""
import struct
import sys

sys.dont_write_bytecode = True  # the build leaves the source tree as it found it
from icon_picture import picture_at, png_bytes, read_xpm

SIZES = (16, 24, 32, 48, 64, 256)


def _mask_rows(rows, clear):
    """The AND mask, bottom-up: a set bit where the pixel is clear."""
    width = len(rows[0])
    stride = ((width + 31) // 32) * 4
    mask = b""
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, pixel in enumerate(row):
            if clear(pixel):
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return mask


def _header(width, height, bits, data_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0, data_size, 0, 0,
                       colours, 0)


def paletted_image(pixels):
    """The picture as it stands, in 256 colours."""
    width, height = len(pixels[0]), len(pixels)
    palette = sorted({p for row in pixels for p in row if p is not None})
    if len(palette) > 256:
        raise SystemExit("the icon has more than 256 colours")
    palette += [0] * (256 - len(palette))
    index = {colour: i for i, colour in enumerate(palette)}
    colour_rows = b"".join(bytes(0 if p is None else index[p] for p in row) + b"\0" * ((-width) % 4)
                           for row in reversed(pixels))  # bitmaps are stored bottom-up
    mask = _mask_rows(pixels, lambda p: p is None)
    table = b"".join(struct.pack("<BBBB", c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0) for c in palette)
    return _header(width, height, 8, len(colour_rows) + len(mask), 256) + table + colour_rows \
        + mask, 8


def true_colour_image(rgba_rows):
    width, height = len(rgba_rows[0]), len(rgba_rows)
    colour_rows = b"".join(bytes(c for r, g, b, a in row for c in (b, g, r, a))
                           for row in reversed(rgba_rows))
    mask = _mask_rows(rgba_rows, lambda p: p[3] == 0)
    return _header(width, height, 32, len(colour_rows) + len(mask), 0) + colour_rows + mask, 32


def ico_bytes(pixels):
    images = []
    for size in SIZES:
        if size == len(pixels):
            images.append((size, *paletted_image(pixels)))
        elif size == 256:
            images.append((size, png_bytes(picture_at(pixels, size)), 32))
        else:
            images.append((size, *true_colour_image(picture_at(pixels, size))))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, data, bits in images:
        colours = 0  # 0 means 256 or more colours
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits,
                               len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(data for _, data, _ in images)


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    _, _, pixels = read_xpm(sys.argv[1])
    with open(sys.argv[2], "wb") as out:
        out.write(ico_bytes(pixels))


if __name__ == "__main__":
    main()
