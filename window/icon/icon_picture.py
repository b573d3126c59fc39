"""The icon's picture, read from its XPM source and drawn at any icon size.

The source is 32 by 32 pixel art. Larger sizes enlarge it by whole pixels
(each source pixel becomes a k by k square), centred on a transparent canvas
where the size is no whole multiple; smaller sizes average the source pixels
each target pixel covers, as no whole-pixel reduction exists for them.
Pixels are (red, green, blue, alpha) with components 0 to 255.
"""
import re
import struct
import zlib
from fractions import Fraction


def read_xpm(path):
    """Returns width, height and rows of pixels: 0xRRGGBB, or None where clear."""
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


def _rgba(colour):
    if colour is None:
        return (0, 0, 0, 0)
    return (colour >> 16, (colour >> 8) & 0xFF, colour & 0xFF, 255)


def _enlarged(pixels, size):
    height, width = len(pixels), len(pixels[0])
    factor = min(size // width, size // height)
    left, top = (size - width * factor) // 2, (size - height * factor) // 2
    canvas = [[(0, 0, 0, 0)] * size for _ in range(size)]
    for y in range(height * factor):
        for x in range(width * factor):
            canvas[top + y][left + x] = _rgba(pixels[y // factor][x // factor])
    return canvas


def _spans(source, target):
    """For each target pixel, the (source pixel, covered fraction) pairs."""
    step = Fraction(source, target)
    spans = []
    for t in range(target):
        start, end = t * step, (t + 1) * step
        spans.append([(s, min(end, s + 1) - max(start, s))
                      for s in range(int(start), -(-end.numerator // end.denominator))
                      if min(end, s + 1) > max(start, s)])
    return spans


def _reduced(pixels, size):
    height, width = len(pixels), len(pixels[0])
    columns, lines = _spans(width, size), _spans(height, size)
    area = Fraction(width, size) * Fraction(height, size)
    canvas = []
    for line in lines:
        row = []
        for column in columns:
            red = green = blue = alpha = Fraction(0)
            for sy, wy in line:
                for sx, wx in column:
                    r, g, b, a = _rgba(pixels[sy][sx])
                    weight = wx * wy * a  # colours weighted by their opacity
                    red, green, blue, alpha = red + r * weight, green + g * weight, \
                        blue + b * weight, alpha + weight
            if alpha == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(red / alpha), round(green / alpha), round(blue / alpha),
                            round(alpha / area)))
        canvas.append(row)
    return canvas


def picture_at(pixels, size):
    """The picture as size by size rows of RGBA pixels."""
    if size >= len(pixels) and size >= len(pixels[0]):
        return _enlarged(pixels, size)
    return _reduced(pixels, size)


def png_bytes(rgba_rows):
    """A PNG file (8-bit RGBA, no time stamp) of the rows."""
    height, width = len(rgba_rows), len(rgba_rows[0])
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rgba_rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + \
            struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))
