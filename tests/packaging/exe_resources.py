#!/usr/bin/env python3
"""Prints what a Windows program's version resource says, one NAME=VALUE a
line: the fixed file and product versions, then each string table's
language and code page and its strings. Reads the raw resource, as
`wrestool -x --raw --type=16` gives it, on standard input.
"""
import struct
import sys


def nodes(data, offset, end):
    """The VS_VERSIONINFO nodes from offset to end: (key, value bytes, type, children)."""
    while offset < end:
        length, value_length, kind = struct.unpack_from("<HHH", data, offset)
        key_end = data.index(b"\0\0", offset + 6)
        while (key_end - offset) % 2:  # UTF-16 NUL on an even boundary
            key_end = data.index(b"\0\0", key_end + 1)
        key = data[offset + 6:key_end].decode("utf-16-le")
        value_start = (key_end + 2 + 3) & ~3
        value_size = value_length * 2 if kind == 1 else value_length
        children = (value_start + value_size + 3) & ~3
        yield key, data[value_start:value_start + value_size], kind, (children, offset + length)
        offset = (offset + length + 3) & ~3


def main():
    data = sys.stdin.buffer.read()
    (_, value, _, (first, end)), = nodes(data, 0, len(data))
    ms, ls, pms, pls = struct.unpack_from("<4xIIII", value, 4)
    print(f"FixedFileVersion={ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}")
    print(f"FixedProductVersion={pms >> 16}.{pms & 0xFFFF}.{pls >> 16}.{pls & 0xFFFF}")
    for key, _, _, (start, stop) in nodes(data, first, end):
        if key != "StringFileInfo":
            continue
        for table, _, _, (table_start, table_stop) in nodes(data, start, stop):
            print(f"StringTable={table}")
            for name, text, _, _ in nodes(data, table_start, table_stop):
                print(f"{name}={text.decode('utf-16-le').rstrip(chr(0))}")


if __name__ == "__main__":
    main()
