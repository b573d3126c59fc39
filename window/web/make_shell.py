#!/usr/bin/env python3
"""Writes the page's frame for emcc (--shell-file): shell.html.in with the
font embedded as WOFF2 data, its family name, its licence as a comment, and
the window's icon as PNG data.

usage: make_shell.py SHELL.in FONT.woff2 LICENCE.txt FAMILY ICON.png OUTPUT.html
"""
import base64
import sys


def main():
    if len(sys.argv) != 7:
        raise SystemExit(__doc__)
    template, font, licence, family, icon, output = sys.argv[1:]
    with open(licence, encoding="utf-8") as text:
        licence_text = text.read()
    # A comment ends at the first "--" followed by ">".
    if "--" in licence_text:
        raise SystemExit(f"{licence}: '--' cannot stand in an HTML comment")
    with open(font, "rb") as data:
        font_data = base64.b64encode(data.read()).decode("ascii")
    with open(icon, "rb") as data:
        icon_data = base64.b64encode(data.read()).decode("ascii")
    with open(template, encoding="utf-8") as text:
        page = text.read()
    page = (page.replace("@FONT_LICENCE@", licence_text)
            .replace("@FONT_FAMILY@", family)
            .replace("@FONT_WOFF2_BASE64@", font_data)
            .replace("@ICON_PNG_BASE64@", icon_data))
    with open(output, "w", encoding="utf-8", newline="\n") as text:
        text.write(page)


if __name__ == "__main__":
    main()
