#!/usr/bin/python3
"""Makes the web page's font, window/web/veltara-serif.woff2: Liberation
Serif 2's regular face cut down to the Latin and Cyrillic letters, renamed
"Veltara Serif", since the SIL Open Font License keeps the name Liberation
for the original. Run it as root where the font changes; it downloads
Debian's fonts-liberation2 into a temporary folder (installing it is not
needed) and runs Debian's python3-fonttools and python3-brotli. The same
package gives the same bytes.

usage: scripts/make-web-font.py
"""
import glob
import os
import subprocess
import sys
import tempfile

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Veltara Serif"
POSTSCRIPT = "VeltaraSerif-Regular"
# Latin, Latin-1, Cyrillic, and the punctuation and signs a Bulgarian text uses.
UNICODES = "U+0020-007E,U+00A0-00FF,U+0400-045F,U+2010-2027,U+2030-203A,U+20AC,U+2116,U+2122"
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "window", "web",
                   "veltara-serif.woff2")


def source_font(folder):
    subprocess.run(["apt-get", "download", "fonts-liberation2"], cwd=folder, check=True)
    deb = glob.glob(os.path.join(folder, "fonts-liberation2_*.deb"))[0]
    subprocess.run(["dpkg-deb", "-x", deb, os.path.join(folder, "x")], check=True)
    return os.path.join(folder, "x", "usr", "share", "fonts", "truetype", "liberation2",
                        "LiberationSerif-Regular.ttf")


def renamed(font):
    """Every name that names the font says Veltara Serif; the copyright,
    trademark and licence notices stay as they are."""
    names = {1: FAMILY, 3: FAMILY + " Regular", 4: FAMILY, 6: POSTSCRIPT}
    table = font["name"]
    for record in table.names:
        if record.nameID in names:
            record.string = names[record.nameID]
    table.names = [r for r in table.names if r.nameID not in (16, 17, 18, 21, 22)]
    return font


def main():
    with tempfile.TemporaryDirectory() as folder:
        options = subset.Options()
        options.flavor = "woff2"
        options.hinting = False  # browsers draw it smoothly; half the size
        options.desubroutinize = True
        options.layout_features = ["kern", "liga"]
        options.name_IDs = ["*"]
        options.name_languages = ["*"]
        options.drop_tables += ["FFTM"]  # FontForge's build times
        options.recalc_timestamp = False
        font = subset.load_font(source_font(folder), options)
        subsetter = subset.Subsetter(options)
        subsetter.populate(unicodes=subset.parse_unicodes(UNICODES))
        subsetter.subset(font)
        renamed(font)
        subset.save_font(font, OUT, options)
    print(os.path.normpath(OUT), os.path.getsize(OUT), "bytes")


if __name__ == "__main__":
    sys.exit(main())
