#!/usr/bin/python3
"""Start-up of the web page in headless Chromium, against its floor: the time
from the start of the navigation to the first frame drawn after the page's
load event, when the form is built and takes input (the second
requestAnimationFrame after load: the first frame's drawing is done). The
first contentful paint is printed beside it. The floor is the same form as
static HTML and CSS: the page's own DOM, serialized once the page has built
it, with its styles and font and without any script; what is left over is
the price of the script and its WebAssembly.

Loads alternate between the two, in a fresh navigation each, the first of
each kind not counted; prints each one's median over the loads, and the
ratio.

usage: benchmarks/web_startup.py [-n LOADS] PAGE.html
Installs what it needs first: chromium, chromium-driver, python3-selenium.
"""
import argparse
import os
import pathlib
import statistics
import subprocess
import tempfile

HERE = pathlib.Path(__file__).resolve().parent
subprocess.run(["bash", "-c", "source scripts/ensure-packages.sh && "
                "ensure_packages chromium chromium-driver python3-selenium"],
               cwd=HERE.parent, check=True)

from selenium import webdriver  # noqa: E402
from selenium.webdriver.chrome.service import Service  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

# Runs in every document before its own scripts.
READY_PROBE = """
addEventListener('load', () => requestAnimationFrame(() => requestAnimationFrame(() => {
    window.__ready = performance.now();
})));
"""

# The page's DOM as built, without a script: the floor.
SERIALIZE_WITHOUT_SCRIPT = """
const root = document.documentElement.cloneNode(true);
for (const script of root.querySelectorAll('script')) script.remove();
return '<!DOCTYPE html>\\n' + root.outerHTML;
"""

MEASURE = """
const paint = performance.getEntriesByName('first-contentful-paint')[0];
return [window.__ready, paint ? paint.startTime : null,
        document.getElementById('Option1_0') !== null];
"""


def browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless", "--no-sandbox", "--no-first-run", "--window-size=1024,768",
                     f"--user-data-dir={profile}"):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": READY_PROBE})
    return driver


def load(driver, url):
    driver.get("about:blank")
    driver.get(url)
    # The paint's entry comes once the frame has been shown, a little later.
    WebDriverWait(driver, 30, poll_frequency=0.05).until(
        lambda d: None not in d.execute_script(MEASURE)[:2])
    ready, paint, has_form = driver.execute_script(MEASURE)
    if not has_form:
        raise SystemExit(f"{url}: no planets once loaded")
    return ready, paint


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("-n", type=int, default=25, help="loads of each (default 25)")
    parser.add_argument("page")
    args = parser.parse_args()
    page = pathlib.Path(args.page).resolve()
    with tempfile.TemporaryDirectory() as work:
        driver = browser(os.path.join(work, "profile"))
        try:
            driver.get(page.as_uri())
            WebDriverWait(driver, 30).until(lambda d: d.execute_script("return window.__ready"))
            floor = pathlib.Path(work, "floor.html")
            floor.write_text(driver.execute_script(SERIALIZE_WITHOUT_SCRIPT), encoding="utf-8")
            urls = {"page": page.as_uri(), "floor": floor.as_uri()}
            times = {name: [] for name in urls}
            for name, url in urls.items():
                load(driver, url)
            for i in range(args.n):
                order = list(urls) if i % 2 == 0 else list(reversed(urls))
                for name in order:
                    times[name].append(load(driver, urls[name]))
        finally:
            driver.quit()
        sizes = {"page": page.stat().st_size, "floor": floor.stat().st_size}
    medians = {}
    for name, values in times.items():
        ready = statistics.median(v[0] for v in values)
        paint = statistics.median(v[1] for v in values)
        medians[name] = ready
        print(f"{name:5}  ready {ready:7.1f} ms  first contentful paint {paint:7.1f} ms  "
              f"({len(values)} loads, {sizes[name]} bytes)")
    print(f"ratio ready page/floor x{medians['page'] / medians['floor']:.2f}")


if __name__ == "__main__":
    main()
