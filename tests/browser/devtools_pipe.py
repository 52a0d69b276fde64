"""Headless Chromium driven through the DevTools protocol over a pipe.

Chromium started with --remote-debugging-pipe reads commands from its file
descriptor 3 and writes replies and events to descriptor 4, each message JSON
ended by a NUL byte, so Python's standard library is all it takes.
"""

import json
import os
import select
import shutil
import subprocess
import tempfile
import time


def find_chromium():
    """The Chromium program, or None when there is none."""
    for name in ("chromium", "chromium-browser", "google-chrome"):
        path = shutil.which(name)
        if path:
            return path
    return None


class Browser:
    """One headless browser with one page, the target of every command."""

    def __init__(self, chromium, timeout=30.0):
        self.timeout = timeout
        self.events = []
        self._profile = tempfile.mkdtemp(prefix="devtools-")
        self._buffer = b""
        self._next_id = 0
        to_browser, self._commands = os.pipe()
        self._replies, from_browser = os.pipe()

        def give_pipes():  # in the child, before exec
            # Through fresh descriptors, as either end may be 3 or 4 already,
            # where dup2 would leave it to be closed on exec.
            reading, writing = os.dup(to_browser), os.dup(from_browser)
            os.dup2(reading, 3)
            os.dup2(writing, 4)

        self._process = subprocess.Popen(
            [chromium, "--headless=new", "--remote-debugging-pipe", "--no-sandbox",
             "--disable-gpu", "--no-first-run", "--no-default-browser-check",
             "--disable-extensions", "--user-data-dir=" + self._profile, "about:blank"],
            preexec_fn=give_pipes, close_fds=False,
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser)
        os.close(from_browser)
        try:
            self._attach()
        except Exception:
            self.close()
            raise

    def _attach(self):
        targets = self.send("Target.getTargets", session=None)["targetInfos"]
        page = next(t for t in targets if t["type"] == "page")
        self.session = self.send("Target.attachToTarget",
                                 {"targetId": page["targetId"], "flatten": True},
                                 session=None)["sessionId"]
        for domain in ("Page", "Runtime", "Log"):
            self.send(domain + ".enable")

    def close(self):
        try:
            self.send("Browser.close", session=None)
            self._process.wait(timeout=10)
        except Exception:  # pylint: disable=broad-except
            self._process.kill()
            self._process.wait()
        os.close(self._commands)
        os.close(self._replies)
        shutil.rmtree(self._profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()

    def _read_message(self, deadline):
        while b"\0" not in self._buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self._replies], [], [], left)[0]:
                raise TimeoutError("no reply from Chromium")
            chunk = os.read(self._replies, 1 << 16)
            if not chunk:
                raise ConnectionError("Chromium closed the pipe")
            self._buffer += chunk
        message, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(message)

    def send(self, method, params=None, session="page"):
        """Sends a command and returns its result; events that come meanwhile are kept."""
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params or {}}
        if session is not None:
            message["sessionId"] = self.session
        os.write(self._commands, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + self.timeout
        while True:
            reply = self._read_message(deadline)
            if reply.get("id") != self._next_id:
                self.events.append(reply)
                continue
            if "error" in reply:
                raise RuntimeError(f"{method}: {reply['error']}")
            return reply.get("result", {})

    def wait_for(self, method):
        """Waits for the next event `method` not yet seen, and returns its params."""
        deadline = time.monotonic() + self.timeout
        while True:
            for n, event in enumerate(self.events):
                if event.get("method") == method:
                    del self.events[n]
                    return event.get("params", {})
            self.events.append(self._read_message(deadline))

    def open(self, url):
        """Loads `url` and returns the seconds until its load event."""
        self.events = [e for e in self.events if e.get("method") != "Page.loadEventFired"]
        start = time.monotonic()
        self.send("Page.navigate", {"url": url})
        self.wait_for("Page.loadEventFired")
        return time.monotonic() - start

    def evaluate(self, expression):
        """The value of a JavaScript expression in the page."""
        result = self.send("Runtime.evaluate",
                           {"expression": expression, "returnByValue": True})
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_until(self, expression):
        """Waits until a JavaScript expression is true, as after an event the
        page handles later (hashchange); returns whether it became true."""
        deadline = time.monotonic() + self.timeout
        while not self.evaluate(expression):
            if time.monotonic() > deadline:
                return False
            time.sleep(0.02)
        return True

    def click(self, selector):
        """Clicks the middle of the first element that matches `selector`."""
        box = self.evaluate(
            f"(() => {{ const e = document.querySelector({json.dumps(selector)});"
            " e.scrollIntoView({block: 'center'}); const r = e.getBoundingClientRect();"
            " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
        for kind in ("mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent", {"type": kind, "x": box[0], "y": box[1],
                                                   "button": "left", "clickCount": 1})

    def type_text(self, text):
        self.send("Input.insertText", {"text": text})

    def press(self, key, code, key_code, text=""):
        """Presses and releases a key, as the focused element receives it."""
        down = {"type": "keyDown", "key": key, "code": code, "windowsVirtualKeyCode": key_code}
        if text:
            down["text"] = text
        self.send("Input.dispatchKeyEvent", down)
        self.send("Input.dispatchKeyEvent", {"type": "keyUp", "key": key, "code": code,
                                             "windowsVirtualKeyCode": key_code})

    def console_errors(self):
        """Errors the page reported: console.error, uncaught exceptions, blocked scripts."""
        errors = []
        for event in self.events:
            method, params = event.get("method"), event.get("params", {})
            if method == "Runtime.consoleAPICalled" and params.get("type") in ("error", "assert"):
                errors.append(str(params.get("args")))
            elif method == "Runtime.exceptionThrown":
                errors.append(str(params.get("exceptionDetails")))
            elif method == "Log.entryAdded" and params["entry"].get("level") == "error":
                errors.append(params["entry"].get("text"))
        return errors
