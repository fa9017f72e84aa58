#!/usr/bin/python3
# settings_dialog_test.py -- drives the settings dialog under Wine: texts, check boxes, OK and Cancel,
# the score submission with its refusal and page, the unresolvable host, the unreachable server, and the
# submission reaching kvrn_scored end to end.
#
# Runs in its own network namespace (ctest starts it under "unshare --net"), so
# the capture server owns port 80 of a private loopback, a drop rule there
# stays inside, and nothing leaves the machine. Every run gets a fresh Wine
# prefix and its own Xvfb display (wine_harness).
# Waiting is always polling with generous limits.
import argparse
import collections
import http.client
import json
import os
import socket
import subprocess
import sys

import wine_harness as wh

TITLE = "Kelvaron Playable SS"
SETTINGS_KEY = r"HKCU\Software\QuillonCreations\KVRNPSS"
WAIT_SECONDS = 90
PROBE_SECONDS = 15
# The saver gives up connecting after 8 s; the system's own retries take over two minutes.
CONNECT_WAIT_SECONDS = 45
CONNECTION_ERROR = "Connection error!\nMake sure you're connected to the internet and try again."
PAGE = "http://127.0.0.1/kvrn/hiscores.php"
# Port 80 of the namespace's loopback swallows every connection attempt.
DROP_PORT_80 = ("add table ip kvrn; add chain ip kvrn input { type filter hook input priority 0; }; "
                "add rule ip kvrn input tcp dport 80 drop")

REQUEST_ZED = (b"GET /kvrn/addscore.php?name=ZED&score=1250&ch=2 HTTP/1.1\r\n"
               b"Host: 127.0.0.1\r\n"
               b"User-Agent: Kvrn PSS v1.0\r\n\r\n")

# The controls the dialog procedure drives: id, class and text (the high-score line is checked on its own).
DRIVEN = [(1, "Button", "OK"), (2, "Button", "Cancel"), (1000, "Button", "Full Detail"),
          (1001, "Button", "Lighting FX"), (1002, "Button", "Submit High Score!"), (1003, "Static", None)]


def assert_that(condition, message):
    if not condition:
        raise wh.HarnessError(message)


Control = collections.namedtuple("Control", "id cls check x y text")


def parse_control(line):  # kvrn_dialog_probe's "id|class|style|check|x|y|text"
    fields = line.split("|", 6)
    return Control(int(fields[0]), fields[1], int(fields[3]), int(fields[4]), int(fields[5]),
                   fields[6].replace("\x1f", "\n"))


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
        assert_that(self.reg(*args) == 0, "reg " + " ".join(args))

    def settings(self):
        """The settings key's values as {name: int or str}, or None when the key is missing."""
        values = self.reg_query(SETTINGS_KEY).items()
        return {name: int(text, 16) if kind == "REG_DWORD" else text for name, (kind, text) in values} or None

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
        return [parse_control(line) for line in out.splitlines()] if code == 0 else None

    def control(self, title, control_id):
        """The control with this id of the window with this title, once it shows."""
        controls = wh.poll(lambda: self.window(title), "window " + title, WAIT_SECONDS)
        return {control.id: control for control in controls}[control_id]

    def click_control(self, title, control_id):
        control = self.control(title, control_id)
        self.move_mouse(control.x, control.y)
        self.click(1)

    def pages(self):
        return open(self.browser_log).read().splitlines() if os.path.exists(self.browser_log) else []


class CaptureServer:
    """Port 80 of the private loopback: listens and never answers. A request waits in the
    kernel until read; finished() reads every connection so far to its end."""

    def __init__(self):
        self.listener = socket.create_server(("127.0.0.1", 80))
        self.listener.setblocking(False)
        self.requests = []

    def finished(self):
        while True:
            try:
                connection, _ = self.listener.accept()
            except BlockingIOError:
                return self.requests
            with connection:
                connection.settimeout(WAIT_SECONDS)
                self.requests.append(b"".join(iter(lambda: connection.recv(4096), b"")))


def open_dialog(wine, program, *arguments):
    process = wine.start(program, *arguments)
    wh.poll(lambda: wine.window(TITLE), "the settings dialog", WAIT_SECONDS)
    return process


def end_dialog(wine, process, button):
    wine.click_control(TITLE, button)
    code = wine.wait_exit(process, WAIT_SECONDS)
    assert_that(code == 1, "dialog ended with %s, expected 1" % code)


def toggle(wine, control_id, check):
    wine.click_control(TITLE, control_id)
    wh.poll(lambda: wine.control(TITLE, control_id).check == check, "control %d's check" % control_id, WAIT_SECONDS)


def dismiss_message(wine, caption, text, seconds=WAIT_SECONDS):
    controls = wh.poll(lambda: wine.window(caption), "message box " + caption, seconds)
    texts = [c.text for c in controls if c.cls == "Static" and c.text]
    assert_that(text in texts, "%s shows %r, expected %r" % (caption, texts, text))
    buttons = [c for c in controls if c.cls == "Button"]
    assert_that(len(buttons) == 1 and buttons[0].text == "OK", "%s buttons: %r" % (caption, [b.text for b in buttons]))
    wine.click_control(caption, buttons[0].id)
    wh.poll(lambda: wine.window(caption) is None, caption + " to close", WAIT_SECONDS)


def scenario_shows(wine):
    """Both settings switches show the dialog with a fresh registry's high score and options; then stored
    values replace the defaults."""
    for seeded, arguments, line, checks in (
            (None, ["/c"], "Current high score is 0 by Quillon!", (1, 1)),
            (None, [], "Current high score is 0 by Quillon!", (1, 1)),
            ((4321, "ZED9", 1, 0, 0, 1), ["/c"], "Current high score is 4321 by ZED9!", (0, 1))):
        if seeded:
            wine.seed(*seeded)
        process = open_dialog(wine, wine.args.saver, *arguments)
        controls = {c.id: c for c in wine.window(TITLE)}
        for cid, cls, text in DRIVEN:
            assert_that(cid in controls and controls[cid].cls == cls, "control %d (%s)" % (cid, cls))
            assert_that(text is None or controls[cid].text == text, "control %d: text %r" % (cid, controls[cid].text))
        assert_that(controls[1003].text == line, "high-score line %r" % controls[1003].text)
        assert_that((controls[1000].check, controls[1001].check) == checks, "check marks, expected %r" % (checks,))
        end_dialog(wine, process, 2)
        assert_that(seeded or wine.settings() is None, "Cancel created the settings key")


def scenario_ok_cancel(wine):
    """Cancel leaves the registry alone; OK writes every value, the options as toggled."""
    process = open_dialog(wine, wine.args.saver, "/c")
    toggle(wine, 1000, 0)
    end_dialog(wine, process, 2)
    assert_that(wine.settings() is None, "Cancel after a toggle wrote the registry")

    process = open_dialog(wine, wine.args.saver, "/c")
    toggle(wine, 1001, 0)
    toggle(wine, 1000, 0)  # Full Detail toggled twice: back where it was
    toggle(wine, 1000, 1)
    end_dialog(wine, process, 1)
    expected = {"Harlan Voss": 0, "Full Detail": 1, "Lighting FX": 0, "HiScore": 0, "HiScore Ch": 0,
                "HiScore Name": "Quillon"}
    stored = wine.settings()
    assert_that(stored == expected, "OK stored %r, expected %r" % (stored, expected))

    # Cancel after toggling again leaves what OK stored.
    process = open_dialog(wine, wine.args.saver, "/c")
    assert_that(wine.control(TITLE, 1001).check == 0, "stored Lighting FX 0 shows unchecked")
    toggle(wine, 1001, 1)
    end_dialog(wine, process, 2)
    assert_that(wine.settings() == expected, "Cancel changed the stored values")


def scenario_submit(wine):
    """One request per high score; a second press is refused; the page opens each time."""
    server = CaptureServer()  # closed as the process ends
    wine.seed(1250, "ZED", 2, 0)
    process = open_dialog(wine, wine.args.saver, "/c")
    wine.click_control(TITLE, 1002)
    requests = wh.poll(server.finished, "the request", WAIT_SECONDS)
    assert_that(requests == [REQUEST_ZED], "request bytes %r" % requests)
    wh.poll(lambda: (wine.settings() or {}).get("Harlan Voss") == 1, "the flag stored", WAIT_SECONDS)
    wh.poll(lambda: wine.pages() == [PAGE], "the page opened", WAIT_SECONDS)

    wine.click_control(TITLE, 1002)
    dismiss_message(wine, "Trying to cheat?", "You've already submitted this score! Beat the score and try again!")
    wh.poll(lambda: wine.pages() == [PAGE, PAGE], "the page opened again", WAIT_SECONDS)
    assert_that(len(server.finished()) == 1, "the refused press connected to the server")
    end_dialog(wine, process, 2)
    stored = wine.settings()
    assert_that((stored["Harlan Voss"], stored["HiScore"], stored["HiScore Name"]) == (1, 1250, "ZED"),
                "stored after submission: %r" % stored)


def scenario_dns(wine):
    """A host name that does not resolve: "DNS Error", nothing stored, the page still opens."""
    process = open_dialog(wine, wine.args.unresolvable)
    wine.click_control(TITLE, 1002)
    dismiss_message(wine, "DNS Error",
                    "Error looking up host address!\nMake sure you're connected to the internet and try again.")
    wh.poll(lambda: wine.pages() == ["http://kvrn-scores.invalid/kvrn/hiscores.php"], "the page opened", WAIT_SECONDS)
    end_dialog(wine, process, 2)
    assert_that(wine.settings() is None, "a failed submission wrote the registry")


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
        wh.poll(lambda: stored() == [], "kvrn_scored listening, with no scores", WAIT_SECONDS)
        wine.seed(4321, "Zo\u00eb", 1, 0)
        process = open_dialog(wine, wine.args.saver, "/c")
        wine.click_control(TITLE, 1002)
        wh.poll(lambda: stored() == [("Zo\u00eb", 4321, 1)], "the score on the server", WAIT_SECONDS)
        wh.poll(lambda: wine.pages() == [PAGE], "the page opened", WAIT_SECONDS)
        end_dialog(wine, process, 2)
    finally:
        server.terminate()
        server.wait(WAIT_SECONDS)


def scenario_unreachable(wine):
    """A server that never answers the connection: "Connection error!" within the limit, the flag stays 0."""
    subprocess.run(["nft", DROP_PORT_80], check=True)
    wine.seed(1250, "ZED", 2, 0)
    process = open_dialog(wine, wine.args.saver, "/c")
    wine.click_control(TITLE, 1002)
    dismiss_message(wine, "Error", CONNECTION_ERROR, CONNECT_WAIT_SECONDS)
    wh.poll(lambda: wine.pages() == [PAGE], "the page opened", WAIT_SECONDS)
    end_dialog(wine, process, 2)
    assert_that(wine.settings()["Harlan Voss"] == 0, "an unreachable server marked the score as submitted")


SCENARIOS = {"shows": scenario_shows, "ok_cancel": scenario_ok_cancel, "submit": scenario_submit,
             "dns": scenario_dns, "unreachable": scenario_unreachable, "scored": scenario_scored}


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
    except wh.HarnessError as failure:
        print("FAIL %s: %s" % (args.scenario, failure))
        return 1
    print("PASS " + args.scenario)
    return 0


if __name__ == "__main__":
    sys.exit(main())
