#!/usr/bin/python3
"""Reads the released web page and fails on what it must not hold: a
Content-Security-Policy that lets any request out, a script that keeps
anything in the browser, a font still named as the original it was cut from,
or no licence for that font.

usage: web_page.py PAGE.html FONT-LICENCE.txt
"""
import base64
import html
import io
import re
import sys
from html.parser import HTMLParser

from fontTools.ttLib import TTFont

# What a source list may hold: nothing that names a place on a network.
ALLOWED_SOURCES = {"'none'", "'unsafe-inline'", "'wasm-unsafe-eval'", "data:"}
# Directives that default-src does not cover and that would send a request.
MUST_BE_NONE = ("default-src", "base-uri", "form-action")
# Where the browser keeps things between visits.
STORAGE = re.compile(r"\b(document\.cookie|localStorage|sessionStorage|indexedDB|"
                     r"openDatabase|caches\.open|navigator\.storage)\b")
# Names a renamed font may not carry: family, full, PostScript, typographic, WWS.
FAMILY_NAME_IDS = (1, 3, 4, 6, 16, 18, 21)


class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.policies = []
        self.scripts = []
        self.styles = []
        self.comments = []
        self.text = []
        self.addresses = []
        self.in_head_before_script = True
        self._into = None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "meta" and (attrs.get("http-equiv") or "").lower() == "content-security-policy":
            self.policies.append((attrs.get("content") or "", self.in_head_before_script))
        if tag in ("script", "body"):
            self.in_head_before_script = False
        for name in ("src", "href", "action", "srcset", "poster", "data"):
            if attrs.get(name):
                self.addresses.append(attrs[name])
        self._into = {"script": self.scripts, "style": self.styles}.get(tag)
        if self._into is not None:
            self._into.append("")

    def handle_endtag(self, tag):
        self._into = None

    def handle_data(self, data):
        if self._into is not None:
            self._into[-1] += data
        else:
            self.text.append(data)

    def handle_comment(self, data):
        self.comments.append(data)


def check_policy(page, problems):
    if len(page.policies) != 1:
        problems.append(f"{len(page.policies)} Content-Security-Policy <meta> elements, not one")
        return
    policy, early = page.policies[0]
    if not early:
        problems.append("the Content-Security-Policy <meta> comes after a script")
    directives = {}
    for part in policy.split(";"):
        words = part.split()
        if words:
            directives[words[0].lower()] = words[1:]
    for name in MUST_BE_NONE:
        if directives.get(name) != ["'none'"]:
            problems.append(f"{name} is {directives.get(name)}, not 'none'")
    for name, sources in directives.items():
        for source in sources:
            if source not in ALLOWED_SOURCES and not re.fullmatch(r"'sha(256|384|512)-[A-Za-z0-9+/=]+'", source):
                problems.append(f"{name} allows {source}")
        if "data:" in sources and name not in ("img-src", "font-src", "connect-src", "media-src"):
            problems.append(f"{name} allows data:")


def check_font(page, problems):
    faces = re.findall(r"@font-face\s*{([^}]*)}", "\n".join(page.styles))
    if not faces:
        problems.append("no @font-face: the page carries no font of its own")
    for face in faces:
        family = re.search(r"font-family\s*:\s*([^;]+)", face)
        if family and "liberation" in family.group(1).lower():
            problems.append(f"the page's font is called {family.group(1).strip()}")
        data = re.search(r"url\(\s*['\"]?data:[^;,]*(;base64)?,([A-Za-z0-9+/=]+)", face)
        if not data:
            problems.append("a @font-face whose font is not in the page")
            continue
        font = TTFont(io.BytesIO(base64.b64decode(data.group(2))))
        if font.flavor != "woff2":
            problems.append(f"the page's font is {font.flavor or 'a bare sfnt'}, not WOFF2")
        for record in font["name"].names:
            if record.nameID in FAMILY_NAME_IDS and "liberation" in record.toUnicode().lower():
                problems.append(f"the font's name {record.nameID} is still {record.toUnicode()!r}")


def words(text):
    return " ".join(html.unescape(text).split())


def main():
    page_path, licence_path = sys.argv[1:3]
    with open(page_path, encoding="utf-8") as f:
        source = f.read()
    page = Page()
    page.feed(source)
    page.close()
    problems = []
    check_policy(page, problems)
    for address in page.addresses:
        if not address.startswith(("data:", "#")):
            problems.append(f"the page points at {address[:80]}")
    for script in page.scripts:
        for found in sorted(set(m.group(1) for m in STORAGE.finditer(script))):
            problems.append(f"the script uses {found}")
    check_font(page, problems)
    with open(licence_path, encoding="utf-8") as f:
        licence = words(f.read())
    if "SIL Open Font License" not in licence:
        problems.append(f"{licence_path} is not the font's licence")
    if licence not in words(" ".join(page.comments + page.text + page.styles + page.scripts)):
        problems.append("the font's licence is not in the page")
    for problem in problems:
        print(f"web_page.py: {problem}", file=sys.stderr)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
