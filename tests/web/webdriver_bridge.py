#!/usr/bin/python3
"""Drives one browser for the web window tests: a small WebDriver client
spoken to over stdin and stdout, one request a line, one answer a line.

    webdriver_bridge.py chromium|firefox|webkit

Chromium through chromedriver and WebKitGTK through WebKitWebDriver speak
W3C WebDriver over HTTP; Firefox ESR through its own Marionette protocol
(Debian has no geckodriver), which takes the same commands by name. Each
browser starts with a new empty profile, removed when the bridge ends (at
the end of its input).

Requests, words split by single spaces, the last argument taking the rest
of the line:
    open PATH                 load a page from a file, wait until complete
    size WIDTH HEIGHT         make the viewport that size in CSS pixels
    script JS                 run a function body, answer what it returns
    click X Y [COUNT]         mouse clicks at a viewport point, quickly
    tap X Y [COUNT]           touch taps at a viewport point, quickly
    key NAME [shift]          press and release a key
    picture ID                the element's screenshot: "ok W H", then W*H*3
                              bytes of RGB, row by row
    cdp METHOD JSON           a Chrome DevTools command (Chromium only)
    axtree                    Chromium's accessibility tree, a node a line
Answers: "ok TEXT" or "error TEXT", TEXT with backslash, CR and LF escaped
as \\\\, \\r and \\n. A script's answer is its string, or JSON otherwise.
"""

import base64
import io
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.parse
import urllib.request

from PIL import Image

# The WebDriver key codes of the keys the tests press.
KEYS = {
    "Tab": "\ue004", "Shift": "\ue008", "Enter": "\ue007", "Escape": "\ue00c",
    "Space": "\ue00d", "PageUp": "\ue00e", "PageDown": "\ue00f", "End": "\ue010",
    "Home": "\ue011", "Left": "\ue012", "Up": "\ue013", "Right": "\ue014", "Down": "\ue015",
}
ELEMENT_KEY = "element-6066-11e4-a52e-4f735466cecf"
STARTUP_SECONDS = 60


class BridgeError(Exception):
    pass


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def wait_for_port(port, process):
    deadline = time.monotonic() + STARTUP_SECONDS
    while time.monotonic() < deadline:
        if process.poll() is not None:
            raise BridgeError(f"{process.args[0]} ended at start, status {process.returncode}")
        try:
            with socket.create_connection(("127.0.0.1", port), timeout=1):
                return
        except OSError:
            time.sleep(0.1)
    raise BridgeError(f"{process.args[0]} did not listen on port {port}")


class HttpDriver:
    """A W3C WebDriver session over HTTP: chromedriver or WebKitWebDriver."""

    def __init__(self, command, capabilities):
        self.port = free_port()
        self.process = subprocess.Popen(command + [f"--port={self.port}"],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for_port(self.port, self.process)
        self.base = f"http://127.0.0.1:{self.port}"
        self.session = ""
        answer = self.request("POST", "/session", {"capabilities": {"alwaysMatch": capabilities}})
        self.session = "/session/" + answer["sessionId"]
        self.capabilities = answer["capabilities"]

    def request(self, method, path, body=None):
        data = None if body is None else json.dumps(body).encode()
        request = urllib.request.Request(
            self.base + path, data=data, method=method,
            headers={"Content-Type": "application/json; charset=utf-8"})
        # A proxy named in the environment must not take the driver's calls.
        opener = urllib.request.build_opener(urllib.request.ProxyHandler({}))
        try:
            with opener.open(request, timeout=120) as response:
                return json.loads(response.read())["value"]
        except urllib.error.HTTPError as error:
            value = json.loads(error.read() or b"{}").get("value", {})
            raise BridgeError(f"{value.get('error')}: {value.get('message')}") from None

    def command(self, name, params):
        method, path = {
            "Navigate": ("POST", "/url"),
            "ExecuteScript": ("POST", "/execute/sync"),
            "PerformActions": ("POST", "/actions"),
            "ReleaseActions": ("DELETE", "/actions"),
            "FindElement": ("POST", "/element"),
            "GetWindowRect": ("GET", "/window/rect"),
            "SetWindowRect": ("POST", "/window/rect"),
        }.get(name, (None, None))
        if name == "TakeElementScreenshot":
            return self.request("GET", f"{self.session}/element/{params['id']}/screenshot")
        if name == "Cdp":
            return self.request("POST", f"{self.session}/goog/cdp/execute", params)
        if method is None:
            raise BridgeError(f"no command {name}")
        return self.request(method, self.session + path, None if method != "POST" else params)

    def close(self):
        try:
            if self.session:
                self.request("DELETE", self.session)
        finally:
            self.process.terminate()
            self.process.wait()


class Marionette:
    """Firefox's own remote protocol: length-prefixed JSON over TCP,
    [0, id, "WebDriver:Command", params] answered by [1, id, error, result]."""

    def __init__(self, profile):
        port = free_port()
        with open(os.path.join(profile, "user.js"), "w", encoding="utf-8") as prefs:
            for name, value in {
                "marionette.port": port,
                "browser.shell.checkDefaultBrowser": False,
                "browser.startup.homepage_override.mstone": "ignore",
                "browser.aboutwelcome.enabled": False,
                "datareporting.policy.dataSubmissionEnabled": False,
                "toolkit.telemetry.reportingpolicy.firstRun": False,
                "app.update.disabledForTesting": True,
                "network.captive-portal-service.enabled": False,
                "network.connectivity-service.enabled": False,
                "browser.safebrowsing.update.enabled": False,
                "extensions.update.enabled": False,
                "remote.prefs.recommended": True,
            }.items():
                prefs.write(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n")
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", "--marionette", "--no-remote", "--profile", profile],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for_port(port, self.process)
        self.socket = socket.create_connection(("127.0.0.1", port), timeout=120)
        self.buffer = b""
        self.next_id = 0
        self.read_packet()  # the server's greeting
        answer = self.command("NewSession", {"capabilities": {"alwaysMatch": {
            "acceptInsecureCerts": False, "pageLoadStrategy": "normal"}}})
        self.capabilities = answer["capabilities"]

    def read_packet(self):
        while b":" not in self.buffer:
            self.receive()
        length, _, rest = self.buffer.partition(b":")
        self.buffer = rest
        while len(self.buffer) < int(length):
            self.receive()
        packet, self.buffer = self.buffer[:int(length)], self.buffer[int(length):]
        return json.loads(packet)

    def receive(self):
        chunk = self.socket.recv(65536)
        if not chunk:
            raise BridgeError("Marionette closed the connection")
        self.buffer += chunk

    def command(self, name, params):
        if name == "Cdp":
            raise BridgeError("Firefox has no Chrome DevTools commands")
        if name == "TakeElementScreenshot":
            name, params = "TakeScreenshot", {"id": params["id"], "full": False, "hash": False}
        self.next_id += 1
        if ":" not in name:
            name = "WebDriver:" + name
        data = json.dumps([0, self.next_id, name, params]).encode()
        self.socket.sendall(str(len(data)).encode() + b":" + data)
        while True:
            kind, message_id, error, result = self.read_packet()
            if kind == 1 and message_id == self.next_id:
                break
        if error:
            raise BridgeError(f"{error.get('error')}: {error.get('message')}")
        # Marionette wraps every answer but a session's in "value".
        if isinstance(result, dict) and set(result) == {"value"}:
            return result["value"]
        return result

    def close(self):
        try:
            # Firefox quits from within its session.
            self.command("Marionette:Quit", {"flags": ["eForceQuit"]})
        except (BridgeError, OSError):
            pass
        finally:
            try:
                self.process.wait(timeout=20)
            except subprocess.TimeoutExpired:
                self.process.terminate()
                self.process.wait()


def start(engine, profile):
    if engine == "chromium":
        return HttpDriver(["chromedriver"], {
            "browserName": "chrome",
            "goog:chromeOptions": {
                "binary": "/usr/lib/chromium/chromium",
                "args": ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                         "--disable-background-networking", "--disable-component-update",
                         "--disable-sync", "--disable-dev-shm-usage",
                         "--force-device-scale-factor=1", f"--user-data-dir={profile}"],
            }})
    if engine == "webkit":
        # WebKitWebDriver starts MiniBrowser unless told otherwise; the
        # browser needs an X display (DISPLAY, from the suite's Xvfb). Its
        # scroll bars are the classic ones, as the other browsers draw them
        # here: GTK's overlay bars come and go over a list on a timer of
        # their own, and the layer they are drawn in has the text it
        # overlaps drawn anew, differently smoothed.
        return HttpDriver(["WebKitWebDriver"], {
            "webkitgtk:browserOptions": {"args": ["--automation"], "useOverlayScrollbars": False},
        })
    if engine == "firefox":
        return Marionette(profile)
    raise BridgeError(f"no engine {engine}")


def escape(text):
    return text.replace("\\", "\\\\").replace("\r", "\\r").replace("\n", "\\n")


class Bridge:
    def __init__(self, engine, browser):
        self.engine = engine
        self.browser = browser

    def script(self, body, *args):
        return self.browser.command("ExecuteScript", {"script": body, "args": list(args)})

    def actions(self, *sources):
        self.browser.command("PerformActions", {"actions": list(sources)})
        self.browser.command("ReleaseActions", {})

    def open(self, path):
        url = "file://" + urllib.parse.quote(os.path.abspath(path))
        self.browser.command("Navigate", {"url": url})
        deadline = time.monotonic() + STARTUP_SECONDS
        while self.script("return document.readyState") != "complete":
            if time.monotonic() > deadline:
                raise BridgeError("the page never completed loading")
            time.sleep(0.05)
        return url

    def size(self, width, height):
        """Grows or shrinks the window by what its viewport misses, until the
        viewport has the size asked for or the browser keeps it as it is."""
        want = (int(width), int(height))
        inner = tuple(self.script("return [innerWidth, innerHeight]"))
        for _ in range(4):
            if inner == want:
                break
            rect = self.browser.command("GetWindowRect", {})
            self.browser.command("SetWindowRect", {
                "width": rect["width"] + want[0] - inner[0],
                "height": rect["height"] + want[1] - inner[1]})
            before, inner = inner, tuple(self.script("return [innerWidth, innerHeight]"))
            if inner == before:
                break
        return f"{inner[0]} {inner[1]}"

    def pointer(self, kind, x, y, count=1):
        steps = [{"type": "pointerMove", "duration": 0, "x": int(x), "y": int(y), "origin": "viewport"}]
        for _ in range(int(count)):
            steps += [{"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]
        self.actions({"type": "pointer", "id": kind, "parameters": {"pointerType": kind},
                      "actions": steps})
        return ""

    def key(self, name, modifier=""):
        steps = []
        if modifier == "shift":
            steps.append({"type": "keyDown", "value": KEYS["Shift"]})
        steps += [{"type": "keyDown", "value": KEYS[name]}, {"type": "keyUp", "value": KEYS[name]}]
        if modifier == "shift":
            steps.append({"type": "keyUp", "value": KEYS["Shift"]})
        self.actions({"type": "key", "id": "keyboard", "actions": steps})
        return ""

    def picture(self, element_id):
        found = self.browser.command("FindElement", {"using": "css selector", "value": "#" + element_id})
        png = base64.b64decode(self.browser.command("TakeElementScreenshot", {"id": found[ELEMENT_KEY]}))
        image = Image.open(io.BytesIO(png)).convert("RGB")
        return image.width, image.height, image.tobytes()

    def axtree(self):
        """A node a line, fields split by tabs: role=, name=, description=,
        value=, then the node's properties; a live region's root also has text=, the
        text of the static texts under it."""
        nodes = self.browser.command("Cdp", {"cmd": "Accessibility.getFullAXTree", "params": {}})["nodes"]
        by_id = {node["nodeId"]: node for node in nodes}

        def text_under(node):
            if node.get("role", {}).get("value") in ("StaticText", "InlineTextBox"):
                return node.get("name", {}).get("value", "") if node["role"]["value"] == "StaticText" else ""
            return "".join(text_under(by_id[child]) for child in node.get("childIds", []) if child in by_id)

        lines = []
        for node in nodes:
            if node.get("ignored"):
                continue
            fields = {"role": node.get("role", {}).get("value", ""),
                      "name": node.get("name", {}).get("value", ""),
                      "description": node.get("description", {}).get("value", ""),
                      "value": node.get("value", {}).get("value", "")}
            for prop in node.get("properties", []):
                value = prop.get("value", {}).get("value", "")
                fields[prop["name"]] = value if isinstance(value, str) else json.dumps(value)
            if fields.get("live") in ("polite", "assertive"):
                fields["text"] = text_under(node) or fields["value"]
            # One line a node: a text's own line breaks and tabs become spaces.
            lines.append("\t".join(f"{key}={' '.join(value.split())}" for key, value in fields.items()))
        return "\n".join(lines)

    def handle(self, line):
        verb, _, rest = line.partition(" ")
        words = rest.split(" ") if rest else []
        if verb == "open":
            return self.open(rest)
        if verb == "size":
            return self.size(*words)
        if verb == "script":
            value = self.script(rest)
            return value if isinstance(value, str) else json.dumps(value, ensure_ascii=False)
        if verb == "click":
            return self.pointer("mouse", *words)
        if verb == "tap":
            return self.pointer("touch", *words)
        if verb == "key":
            return self.key(*words)
        if verb == "cdp":
            method, _, params = rest.partition(" ")
            answer = self.browser.command("Cdp", {"cmd": method, "params": json.loads(params or "{}")})
            return json.dumps(answer, ensure_ascii=False)
        if verb == "axtree":
            return self.axtree()
        raise BridgeError(f"no request {verb}")


def main():
    engine = sys.argv[1]
    out = sys.stdout.buffer
    profile = tempfile.mkdtemp(prefix=f"veltara-{engine}-")
    browser = None
    try:
        try:
            browser = start(engine, profile)
        except (BridgeError, OSError) as error:
            out.write(f"error {escape(str(error))}\n".encode())
            out.flush()
            return 1
        caps = browser.capabilities
        out.write(f"ok {caps.get('browserName')} {caps.get('browserVersion')}\n".encode())
        out.flush()
        bridge = Bridge(engine, browser)
        for raw in sys.stdin.buffer:
            line = raw.decode("utf-8").rstrip("\n")
            try:
                if line.startswith("picture "):
                    width, height, pixels = bridge.picture(line.split(" ", 1)[1])
                    out.write(f"ok {width} {height}\n".encode() + pixels)
                else:
                    out.write(f"ok {escape(bridge.handle(line))}\n".encode())
            except (BridgeError, OSError, KeyError, TypeError, ValueError) as error:
                out.write(f"error {escape(type(error).__name__ + ': ' + str(error))}\n".encode())
            out.flush()
        return 0
    finally:
        if browser is not None:
            browser.close()
        shutil.rmtree(profile, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
