#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The page in WebKit (Safari's engine): WebKitGTK's MiniBrowser driven through WebKitWebDriver
by Selenium, on a private Xvfb the test starts and stops. Every window's described geometry at
a desktop width, every program at 390x844 (nothing off to the side, the answer in view after
its typical use) and the dialogs at 390, 600 and 768 px wide, measured by the same functions as
the browser tests (phone_checks.js). A viewport of a given size is an <iframe> of that size: the
MiniBrowser's window does not get narrower than its toolbar. WebKit has no DevTools protocol,
so the accessibility tree, touch and input methods stay the Chromium tests' cases.

    python3 webkit_test.py PAGE SCRIPTED_OUTCOME_JS PROGRAMS_JSON NODE
"""
import json
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
DRIVER = "/usr/bin/WebKitWebDriver"
# The limit of every wait: a wait ends as soon as the page gets there, so only a page that never
# does runs one out, however busy the machine.
WAIT_LIMIT_S = 120
PHONE_CHECKS = (pathlib.Path(__file__).parent / "phone_checks.js").read_text(encoding="utf-8")

failures = []
cases = 0


def run(name, body):
    global cases
    cases += 1
    started = time.monotonic()
    try:
        body()
        print(f"ok   {name} ({round((time.monotonic() - started) * 1000)} ms)", flush=True)
    except Exception:  # a case's failure is reported and the run goes on
        failures.append(name)
        print(f"FAIL {name}: {traceback.format_exc()}", flush=True)


def same(actual, expected, what):
    if actual != expected:
        raise AssertionError(f"{what}:\n  page:   {json.dumps(actual, ensure_ascii=False)}\n"
                             f"  wanted: {json.dumps(expected, ensure_ascii=False)}")


def start_xvfb():
    """A private display: Xvfb picks a free number and writes it to us."""
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp", "-screen", "0", "1400x1000x24"],
                              pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as pipe:
        number = pipe.readline().strip()
    if not number:
        server.kill()
        raise RuntimeError("Xvfb did not start")
    return server, ":" + number


class Page:
    """The page in an <iframe> of the harness, at the frame's size."""

    def __init__(self, driver, harness, page_url):
        self.driver = driver
        self.page_url = page_url
        self.loads = 0
        driver.get(harness.as_uri())

    def open(self, name, width, height):
        self.loads += 1
        d = self.driver
        d.switch_to.default_content()
        d.execute_script("const f = document.getElementById('viewport');"
                         "f.style.width = arguments[1] + 'px'; f.style.height = arguments[2] + 'px'; f.src = arguments[0];",
                         f"{self.page_url}?load={self.loads}#{name}", width, height)
        d.switch_to.frame(d.find_element("id", "viewport"))
        self.wait(f"location.search === '?load={self.loads}' && document.querySelector('.window[data-ready]') !== null",
                  f"{name} did not open")

    def wait(self, condition, what):
        deadline = time.monotonic() + WAIT_LIMIT_S
        while True:
            try:
                if self.driver.execute_script(f"return {condition};"):
                    return
            except Exception:  # the frame is between documents
                if time.monotonic() > deadline:
                    raise
            if time.monotonic() > deadline:
                raise AssertionError(what)
            time.sleep(0.05)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def measure(self, call):
        return self.js(f"{PHONE_CHECKS}\nreturn {call};")

    def settle(self):
        """Waits until the handler has finished or waits in a dialog; returns whether one is open."""
        self.wait("document.querySelector('dialog.box[open]') !== null || document.querySelector('.window[aria-busy]') === null",
                  "the handler did not finish")
        return self.js("return document.querySelector('dialog.box[open]') !== null;")

    def perform(self, steps):
        """Runs the typical use's steps: values set as typing leaves them, buttons clicked."""
        answers = []
        for step in steps:
            kind, _, rest = step.partition(":")
            if kind in ("type", "compose"):
                box, _, text = rest.partition("=")
                text = text.split("=")[-1]  # an input method commits the last part
                self.js("const box = document.querySelector(`[data-control=\"${arguments[0]}\"]`);"
                        "box.value = arguments[1]; box.dispatchEvent(new Event('input', {bubbles: true}));", box, text)
            elif kind == "answer":
                answers.append(rest)
            elif kind == "click":
                self.js("document.querySelector(`[data-control=\"${arguments[0]}\"]`).click();", rest)
                while self.settle():
                    answer = answers.pop(0) if answers else ""
                    self.js("const box = document.querySelector('dialog.box[open]'); const entry = box.querySelector('input');"
                            "if (entry) entry.value = arguments[0]; box.querySelector('.buttons button').click();", answer)


def main():
    page_path, outcome_tool, programs_json, node = sys.argv[1:5]
    for needed in (MINIBROWSER, DRIVER):
        if not os.path.exists(needed):
            print(f"FAIL {needed} is not installed (scripts/ensure-packages installs it)")
            return 1
    from selenium import webdriver
    from selenium.webdriver.webkitgtk.options import Options

    programs = json.loads(pathlib.Path(programs_json).read_text(encoding="utf-8"))
    typical = {p["name"]: [s for s in p["typical_use"] if not s.startswith("random:")] for p in programs}

    def form_of(name):
        out = subprocess.run([node, outcome_tool, name, "0", "-"], input=b"", capture_output=True, check=True).stdout
        return json.loads(out)["form"]

    folder = pathlib.Path(tempfile.mkdtemp(prefix="teaching-programs-webkit-"))
    harness = folder / "viewport.html"
    harness.write_text('<!DOCTYPE html><body style="margin:0"><iframe id="viewport" style="border:0"></iframe>\n')
    server, display = start_xvfb()
    driver = None
    try:
        options = Options()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        os.environ["DISPLAY"] = display
        driver = webdriver.WebKitGTK(executable_path=DRIVER, options=options)
        driver.set_window_size(1400, 1000)
        page = Page(driver, harness, pathlib.Path(page_path).resolve().as_uri())

        def px(twips):
            return (twips + 7) // 15

        for name in typical:
            def geometry(name=name):
                page.open(name, 1280, 800)
                form = form_of(name)
                places = page.js("const origin = document.querySelector('[data-client-area]').getBoundingClientRect();"
                                 "return Object.fromEntries([...document.querySelectorAll('[data-control]')].map((e) => {"
                                 "  const r = e.getBoundingClientRect();"
                                 "  return [e.dataset.control, [r.left - origin.left, r.top - origin.top, r.width, r.height]]; }));")
                for c in form["controls"]:
                    same(places[c["name"]], [px(c["left"]), px(c["top"]), px(c["width"]), px(c["height"])], c["name"])
            run(f"WindowGeometry.{name}", geometry)

        for name, steps in typical.items():
            def phone(name=name, steps=steps):
                page.open(name, 390, 844)
                same(page.measure("offScreenSideways()"), [], "off to the side")
                last = max(i for i, step in enumerate(steps) if step.startswith("click:"))
                page.perform(steps[:last])
                before = page.measure("shownTexts()")
                page.perform(steps[last:])
                same(page.measure(f"answerOutOfView({json.dumps(before)})"), [], "the answer")
                same(page.measure("offScreenSideways()"), [], "off to the side after the click")
            run(f"PhoneShowsEveryControlAndTheAnswer.{name}", phone)

        dialogs = [("orvane", [], "Command2"), ("pellow", ["type:Text1=99"], "Command1")]
        for width in (390, 600, 768):
            def dialog_cases(width=width):
                for name, steps, button in dialogs:
                    page.open(name, width, 844)
                    page.perform(steps)
                    page.js("document.querySelector(`[data-control=\"${arguments[0]}\"]`).click();", button)
                    if not page.settle():
                        raise AssertionError(f"{name} opened no dialog")
                    same(page.measure("dialogOffScreen()"), [], f"{name}'s dialog")
            run(f"DialogsStayOnScreen.{width}", dialog_cases)
    finally:
        if driver is not None:
            driver.quit()
        server.terminate()
        server.wait()
        shutil.rmtree(folder, ignore_errors=True)

    print(f"{cases - len(failures)} of {cases} cases passed")
    return 0 if not failures else 1


if __name__ == "__main__":
    sys.exit(main())
