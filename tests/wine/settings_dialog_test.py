#!/usr/bin/python3
# settings_dialog_test.py -- drives the settings dialog under Wine: texts, check boxes, OK and Cancel,
# the score submission with its refusal and page, the unresolvable host, and the submission
# reaching kvrn_scored end to end.
#
# Runs in its own network namespace (ctest starts it under "unshare --net"), so
# the capture server owns port 80 of a private loopback and nothing leaves the
# machine. Every run gets a fresh Wine prefix and its own Xvfb display (wine_harness).
# Waiting is always polling with generous limits.
import argparse
import http.client
import json
import os
import socket
import subprocess
import sys
import threading
import time

import wine_harness as wh

TITLE = "Kelvaron Playable SS"
SETTINGS_KEY = r"HKCU\Software\QuillonCreations\KVRNPSS"
WAIT_SECONDS = 90
POLL_SECONDS = 0.1
PROBE_SECONDS = 15

REQUEST_ZED = (b"GET /kvrn/addscore.php?name=ZED&score=1250&ch=2 HTTP/1.1\r\n"
               b"Host: 127.0.0.1\r\n"
               b"User-Agent: Kvrn PSS v1.0\r\n\r\n")

# The template, control by control in tab order: id, class, low style bits, text.
# Low style bits: 1 default push button, 0 push button, 3 automatic check box,
# 1 centred static text, 0x0E bitmap static.
TEMPLATE = [
    # id    class     style  text
    (1,     "Button", 0x01,  "OK"),
    (2,     "Button", 0x00,  "Cancel"),
    (1000,  "Button", 0x03,  "Full Detail"),
    (1001,  "Button", 0x03,  "Lighting FX"),
    (1002,  "Button", 0x00,  "Submit High Score!"),
    (1003,  "Static", 0x01,  None),
    (-1,    "Static", 0x0E,  None),
    (-1,    "Static", 0x01,  "You can submit your high score to the"),
    (-1,    "Static", 0x01,  "website by clicking the button below!"),
    (-1,    "Static", 0x01,  "Make sure you are connected to the"),
    (-1,    "Static", 0x01,  "Internet before submitting your score"),
    (-1,    "Static", 0x01,  " or it WILL NOT WORK!"),
    (-1,    "Static", 0x01,  "Turning these off improves speed,"),
    (-1,    "Static", 0x01,  "but it also significantly lowers the quality!"),
    (-1,    "Static", 0x0E,  None),
]
WS_TABSTOP = 0x00010000
WS_GROUP = 0x00020000


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_until(what, probe, seconds=WAIT_SECONDS):
    deadline = time.monotonic() + seconds
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(POLL_SECONDS)


class Control:
    def __init__(self, fields):
        self.id = int(fields[0])
        if self.id >= 0x8000:  # ids are 16-bit in the window, -1 in the template
            self.id -= 0x10000
        self.cls = fields[1]
        self.style = int(fields[2], 16)
        self.check = int(fields[3])
        self.x = int(fields[4])
        self.y = int(fields[5])
        self.text = fields[6].replace("\\n", "\n")


class DialogSession(wh.WineSession):
    """A harness session whose browser records the addresses it is asked to open."""

    def __init__(self, args):
        super().__init__()
        self.args = args
        self.browser_log = os.path.join(self.root, "browser.log")

    def __enter__(self):
        super().__enter__()
        browser = os.path.join(self.root, "record-browser.sh")
        with open(browser, "w") as script:
            script.write("#!/bin/sh\nprintf '%%s\\n' \"$1\" >> '%s'\n" % self.browser_log)
        os.chmod(browser, 0o755)
        self.reg_ok("add", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/d", browser, "/f")
        return self

    def reg_ok(self, *args):
        check(self.reg(*args) == 0, "reg " + " ".join(args))

    def settings(self):
        """The settings key's values as {name: int or str}, or None when the key is missing."""
        values = self.reg_query(SETTINGS_KEY)
        if not values:
            return None
        return {name: int(text, 16) if kind == "REG_DWORD" else text for name, (kind, text) in values.items()}

    def seed(self, score, name, character, submitted, full_detail=1, lighting_fx=1):
        for value, data in (("HiScore", score), ("HiScore Ch", character), ("Harlan Voss", submitted),
                            ("Full Detail", full_detail), ("Lighting FX", lighting_fx)):
            self.reg_ok("add", SETTINGS_KEY, "/v", value, "/t", "REG_DWORD", "/d", str(data), "/f")
        self.reg_ok("add", SETTINGS_KEY, "/v", "HiScore Name", "/t", "REG_SZ", "/d", name, "/f")

    def window(self, title):
        """The controls of the visible top-level window with this title, or None."""
        try:
            code, out = self.run(self.args.probe, title, timeout=PROBE_SECONDS)
        except subprocess.TimeoutExpired:
            return None  # a stuck probe is killed and asked again
        if code != 0:
            return None
        return [Control(line.split("|", 6)) for line in out.splitlines()[1:]]

    def control(self, title, control_id):
        controls = wait_until("window " + title, lambda: self.window(title))
        for control in controls:
            if control.id == control_id:
                return control
        raise Failure("no control %d in %s" % (control_id, title))

    def click_control(self, title, control_id):
        control = self.control(title, control_id)
        self.move_mouse(control.x, control.y)
        self.click(1)

    def pages(self):
        if not os.path.exists(self.browser_log):
            return []
        with open(self.browser_log) as log:
            return log.read().splitlines()


class CaptureServer:
    """Port 80 of the private loopback: records each connection's bytes, never answers."""

    def __init__(self):
        self.listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.listener.bind(("127.0.0.1", 80))
        self.listener.listen(4)
        self.listener.settimeout(POLL_SECONDS)
        self.requests = []  # [bytes, finished]
        self.lock = threading.Lock()
        self.running = True
        self.thread = threading.Thread(target=self.serve, daemon=True)
        self.thread.start()

    def serve(self):
        while self.running:
            try:
                connection, _ = self.listener.accept()
            except socket.timeout:
                continue
            entry = [b"", False]
            with self.lock:
                self.requests.append(entry)
            connection.settimeout(WAIT_SECONDS)
            try:
                while True:
                    data = connection.recv(4096)
                    if not data:
                        break
                    with self.lock:
                        entry[0] += data
            except socket.timeout:
                pass
            connection.close()
            entry[1] = True

    def finished(self):
        with self.lock:
            return [bytes(data) for data, done in self.requests if done]

    def count(self):
        with self.lock:
            return len(self.requests)

    def close(self):
        self.running = False
        self.thread.join()
        self.listener.close()


def open_dialog(wine, program, *arguments):
    process = wine.start(program, *arguments)
    wait_until("the settings dialog", lambda: wine.window(TITLE))
    return process


def end_dialog(wine, process, button):
    wine.click_control(TITLE, button)
    code = wine.wait_exit(process, WAIT_SECONDS)
    check(code == 1, "dialog ended with %s, expected 1" % code)


def dismiss_message(wine, caption, text):
    controls = wait_until("message box " + caption, lambda: wine.window(caption))
    texts = [c.text for c in controls if c.cls == "Static" and c.text]
    check(text in texts, "%s shows %r, expected %r" % (caption, texts, text))
    buttons = [c for c in controls if c.cls == "Button"]
    check(len(buttons) == 1 and buttons[0].text == "OK", "%s buttons: %r" % (caption, [b.text for b in buttons]))
    wine.click_control(caption, buttons[0].id)
    wait_until(caption + " to close", lambda: wine.window(caption) is None)


def scenario_shows(wine):
    """Both settings switches show the template with a fresh registry's high score."""
    for arguments in (["/c"], []):
        process = open_dialog(wine, wine.args.saver, *arguments)
        controls = wine.window(TITLE)
        check(len(controls) == len(TEMPLATE), "%d controls, expected %d" % (len(controls), len(TEMPLATE)))
        for control, (cid, cls, style, text) in zip(controls, TEMPLATE):
            where = "control %d (%r)" % (cid, text)
            check(control.id == cid, where + ": id %d" % control.id)
            check(control.cls == cls, where + ": class " + control.cls)
            check(control.style & 0x1F == style, where + ": style %08X" % control.style)
            check(bool(control.style & WS_TABSTOP) == (cls == "Button"), where + ": tab stop")
            check(bool(control.style & WS_GROUP) == (style == 0x01 and cls == "Static"), where + ": group")
            if text is not None:
                check(control.text == text, where + ": text %r" % control.text)
        line = controls[5].text
        check(line == "Current high score is 0 by Quillon!", "high-score line %r" % line)
        check(controls[2].check == 1 and controls[3].check == 1, "both options checked on a fresh registry")
        end_dialog(wine, process, 2)
        check(wine.settings() is None, "Cancel created the settings key")

    # Stored values replace the defaults when the dialog opens.
    wine.seed(4321, "ZED9", 1, 0, full_detail=0, lighting_fx=1)
    process = open_dialog(wine, wine.args.saver, "/c")
    check(wine.control(TITLE, 1003).text == "Current high score is 4321 by ZED9!",
          "stored high-score line %r" % wine.control(TITLE, 1003).text)
    check(wine.control(TITLE, 1000).check == 0 and wine.control(TITLE, 1001).check == 1,
          "check marks follow the stored options")
    end_dialog(wine, process, 2)


def scenario_ok_cancel(wine):
    """Cancel leaves the registry alone; OK writes every value, the options as toggled."""
    process = open_dialog(wine, wine.args.saver, "/c")
    wine.click_control(TITLE, 1000)
    wait_until("Full Detail unchecked", lambda: wine.control(TITLE, 1000).check == 0)
    end_dialog(wine, process, 2)
    check(wine.settings() is None, "Cancel after a toggle wrote the registry")

    process = open_dialog(wine, wine.args.saver, "/c")
    wine.click_control(TITLE, 1001)
    wait_until("Lighting FX unchecked", lambda: wine.control(TITLE, 1001).check == 0)
    for _ in range(2):  # toggled twice: back where it was
        mark = wine.control(TITLE, 1000).check
        wine.click_control(TITLE, 1000)
        wait_until("Full Detail toggled", lambda: wine.control(TITLE, 1000).check == 1 - mark)
    end_dialog(wine, process, 1)
    expected = {"Harlan Voss": 0, "Full Detail": 1, "Lighting FX": 0, "HiScore": 0, "HiScore Ch": 0,
                "HiScore Name": "Quillon"}
    stored = wine.settings()
    check(stored == expected, "OK stored %r, expected %r" % (stored, expected))

    # Cancel after toggling again leaves what OK stored.
    process = open_dialog(wine, wine.args.saver, "/c")
    check(wine.control(TITLE, 1001).check == 0, "stored Lighting FX 0 shows unchecked")
    wine.click_control(TITLE, 1001)
    wait_until("Lighting FX checked", lambda: wine.control(TITLE, 1001).check == 1)
    end_dialog(wine, process, 2)
    check(wine.settings() == expected, "Cancel changed the stored values")


def scenario_submit(wine):
    """One request per high score; a second press is refused; the page opens each time."""
    server = CaptureServer()
    try:
        wine.seed(1250, "ZED", 2, 0)
        process = open_dialog(wine, wine.args.saver, "/c")
        wine.click_control(TITLE, 1002)
        requests = wait_until("the request", server.finished)
        check(requests == [REQUEST_ZED], "request bytes %r" % requests)
        wait_until("the flag stored", lambda: (wine.settings() or {}).get("Harlan Voss") == 1)
        page = "http://127.0.0.1/kvrn/hiscores.php"
        wait_until("the page opened", lambda: wine.pages() == [page])

        wine.click_control(TITLE, 1002)
        dismiss_message(wine, "Trying to cheat?",
                        "You've already submitted this score! Beat the score and try again!")
        wait_until("the page opened again", lambda: wine.pages() == [page, page])
        check(server.count() == 1, "the refused press connected to the server")
        end_dialog(wine, process, 2)
        stored = wine.settings()
        check(stored["Harlan Voss"] == 1 and stored["HiScore"] == 1250 and stored["HiScore Name"] == "ZED",
              "stored after submission: %r" % stored)
    finally:
        server.close()


def scenario_dns(wine):
    """A host name that does not resolve: "DNS Error", nothing stored, the page still opens."""
    process = open_dialog(wine, wine.args.unresolvable)
    wine.click_control(TITLE, 1002)
    dismiss_message(wine, "DNS Error",
                    "Error looking up host address!\nMake sure you're connected to the internet and try again.")
    wait_until("the page opened", lambda: wine.pages() == ["http://kvrn-scores.invalid/kvrn/hiscores.php"])
    end_dialog(wine, process, 2)
    check(wine.settings() is None, "a failed submission wrote the registry")


def scenario_scored(wine):
    """The submit button reaches kvrn_scored on port 80; the score, name in UTF-8, is then in hiscores.json."""
    server = subprocess.Popen([wine.args.scored, "--port", "80", "--bind", "127.0.0.1",
                               "--db", os.path.join(wine.root, "scores.db")], stdout=subprocess.DEVNULL)

    def stored():
        connection = http.client.HTTPConnection("127.0.0.1", 80, timeout=WAIT_SECONDS)
        try:
            connection.request("GET", "/kvrn/hiscores.json")
            return [(row["name"], row["score"], row["character"]) for row in json.load(connection.getresponse())]
        except OSError:
            return None  # not listening yet
        finally:
            connection.close()

    try:
        wait_until("kvrn_scored listening, with no scores", lambda: stored() == [])
        wine.seed(4321, "Zo\u00eb", 1, 0)
        process = open_dialog(wine, wine.args.saver, "/c")
        wine.click_control(TITLE, 1002)
        wait_until("the score on the server", lambda: stored() == [("Zo\u00eb", 4321, 1)])
        wait_until("the page opened", lambda: wine.pages() == ["http://127.0.0.1/kvrn/hiscores.php"])
        end_dialog(wine, process, 2)
    finally:
        server.terminate()
        server.wait(WAIT_SECONDS)


SCENARIOS = {"shows": scenario_shows, "ok_cancel": scenario_ok_cancel, "submit": scenario_submit,
             "dns": scenario_dns, "scored": scenario_scored}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("scenario", choices=sorted(SCENARIOS))
    parser.add_argument("--saver", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--unresolvable", required=True)
    parser.add_argument("--scored")
    args = parser.parse_args()
    subprocess.run(["ip", "link", "set", "lo", "up"], check=True)
    try:
        with DialogSession(args) as wine:
            SCENARIOS[args.scenario](wine)
    except (Failure, wh.HarnessError) as failure:
        print("FAIL %s: %s" % (args.scenario, failure))
        return 1
    print("PASS " + args.scenario)
    return 0


if __name__ == "__main__":
    sys.exit(main())
