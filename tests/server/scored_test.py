#!/usr/bin/python3
# scored_test.py -- kvrn_scored as a process on a free loopback port: the saver's request, many clients,
# a restart, the rate limit, random queries, and the high-score page in headless Chromium.
#
# Each scenario starts its own server with a fresh database; nothing waits by a fixed sleep.
import argparse
import html.parser
import http.client
import json
import os
import random
import signal
import socket
import sqlite3
import subprocess
import sys
import tempfile
import threading
import time

WAIT_SECONDS = 60
SAVER_PARTS = (b"GET /kvrn/addscore.php?name=Zo%EB&score=1250&ch=2 HTTP/1.1\r\n", b"Host: 127.0.0.1\r\n",
               b"User-Agent: Kvrn PSS v1.0\r\n\r\n")
HOSTILE = "<img src=x onerror=alert(1)>"
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync", "--no-first-run", "--hide-scrollbars"]


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_until(what, probe):
    deadline = time.monotonic() + WAIT_SECONDS
    interval = 0.02
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(interval)
        interval = min(interval * 1.5, 0.5)


class Server:
    """kvrn_scored on 127.0.0.1, port chosen by the system, its log drained into lines."""

    def __init__(self, args, db, *options):
        self.process = subprocess.Popen([args.scored, "--port", "0", "--bind", "127.0.0.1", "--db", db] +
                                        list(options), stdout=subprocess.PIPE, text=True, encoding="latin-1")
        first = self.process.stdout.readline()
        check("listening on 127.0.0.1:" in first, "start-up line %r" % first)
        self.port = int(first.split("127.0.0.1:")[1].split(",")[0])
        self.log = []
        self.reader = threading.Thread(target=lambda: self.log.extend(self.process.stdout), daemon=True)
        self.reader.start()

    def get(self, path, connection=None):
        """(status, body text) of one GET, on the given keep-alive connection or a new one."""
        own = connection or http.client.HTTPConnection("127.0.0.1", self.port, timeout=WAIT_SECONDS)
        own.request("GET", path)
        response = own.getresponse()
        body = response.read().decode("utf-8")
        if connection is None:
            own.close()
        return response.status, body

    def rows(self, limit=1000):
        status, body = self.get("/kvrn/hiscores.json?limit=%d" % limit)
        check(status == 200, "hiscores.json answered %d" % status)
        return json.loads(body)

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        code = self.process.wait(WAIT_SECONDS)
        self.reader.join()
        check(code == 0, "kvrn_scored ended with %d after SIGTERM" % code)
        check(self.log and "stopped by" in self.log[-1], "last log line %r" % self.log[-1:])


def submit(server, connection, name, score, ch):
    return server.get("/kvrn/addscore.php?name=%s&score=%d&ch=%d" % (name, score, ch), connection)[0]


def scenario_saver_close(args, db):
    """The saver's three sends and an immediate close, without reading: stored and shown in UTF-8."""
    server = Server(args, db)
    client = socket.create_connection(("127.0.0.1", server.port))
    for part in SAVER_PARTS:
        client.send(part)
    client.close()
    rows = wait_until("the saver's score", server.rows)
    check([(r["name"], r["score"], r["character"]) for r in rows] == [("Zo\u00eb", 1250, 2)], "rows %r" % rows)
    server.stop()
    check(any("/kvrn/addscore.php?name=Zo%EB&score=1250&ch=2 200" in line for line in server.log), "request log")


def scenario_concurrent_restart(args, db):
    """1,000 submissions from 20 clients at once are all answered 200 and all kept across a restart."""
    server = Server(args, db, "--rate", "100000")
    statuses = []

    def client(number):
        connection = http.client.HTTPConnection("127.0.0.1", server.port, timeout=WAIT_SECONDS)
        statuses.extend(submit(server, connection, "c%d_%d" % (number, i), number * 100 + i, i % 3)
                        for i in range(50))

    threads = [threading.Thread(target=client, args=(n,)) for n in range(20)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    check(statuses == [200] * 1000, "answers other than 200: %r" % sorted(set(statuses)))
    check(len(server.rows()) == 1000, "stored before the restart: %d" % len(server.rows()))
    server.stop()
    with sqlite3.connect(db) as check_db:
        check(check_db.execute("PRAGMA journal_mode").fetchone()[0] == "wal", "not in WAL mode")
    server = Server(args, db)
    rows = server.rows()
    check(len(rows) == 1000 and rows[0]["name"] == "c19_49" and rows[0]["score"] == 1949, "after restart: %r" %
          rows[:1])
    server.stop()


def scenario_rate_limit(args, db):
    """Beyond --rate submissions a minute from one address: 429, and nothing stored."""
    server = Server(args, db, "--rate", "3")
    answers = [submit(server, None, "r%d" % i, i, 0) for i in range(4)]
    check(answers == [200, 200, 200, 429], "answers %r" % answers)
    check(len(server.rows()) == 3, "stored %d" % len(server.rows()))
    server.stop()


PIECES = ["Z", "0", "1", "2", "-", "+", "%", "%E9", "%00", "%G", "2147483648", "'", "<", "&", "=", "name=",
          "score=", "ch=", "limit="]


def random_text(rng, pieces):
    return "".join(rng.choice(PIECES) if rng.random() < 0.8 else "%%%02X" % rng.randrange(256)
                   for _ in range(rng.randrange(pieces)))


def scenario_random_queries(args, db):
    """10,000 random query strings: every one answered 200 or 400, and exactly the accepted ones stored."""
    server = Server(args, db, "--rate", "1000000")
    rng = random.Random(14)
    connection = http.client.HTTPConnection("127.0.0.1", server.port, timeout=WAIT_SECONDS)
    answers, accepted = {}, 0
    for number in range(10000):
        if rng.random() < 0.5:
            query = "name=%s&score=%s&ch=%s" % tuple(random_text(rng, 5) for _ in range(3))
        else:
            query = random_text(rng, 16)
        submission = number % 10 != 0
        status = server.get(("/kvrn/addscore.php?" if submission else "/kvrn/hiscores.json?") + query,
                            connection)[0]
        answers[status] = answers.get(status, 0) + 1
        accepted += submission and status == 200
    check(set(answers) == {200, 400}, "answers %r" % answers)
    server.stop()
    stored = sqlite3.connect(db).execute("SELECT count(*) FROM scores").fetchone()[0]
    check(stored == accepted, "stored %d, accepted %d" % (stored, accepted))


class DomCheck(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.tags = set()
        self.cells = []
        self.in_cell = False

    def handle_starttag(self, tag, attrs):
        self.tags.add(tag)
        if tag == "td":
            self.in_cell = True
            self.cells.append("")

    def handle_endtag(self, tag):
        if tag == "td":
            self.in_cell = False

    def handle_data(self, data):
        if self.in_cell:
            self.cells[-1] += data


def scenario_browser(args, db):
    """Headless Chromium shows a hostile stored name as text and takes a screenshot of the page."""
    server = Server(args, db)
    for name, score, ch in (("ZED", 1250, 2), ("Zo%EB", 980, 1), ("Morrow", 730, 0), ("%C9lise", 415, 1)):
        check(submit(server, None, name, score, ch) == 200, "submission of " + name)
    with sqlite3.connect(db, timeout=WAIT_SECONDS) as store:  # a name the checks would refuse, written by hand
        store.execute("INSERT INTO scores(name, score, ch, time, client) VALUES (?, 2000, 0, 1796551200, 'x')",
                      (HOSTILE,))
    url = "http://127.0.0.1:%d/kvrn/hiscores.php" % server.port
    os.makedirs(args.out, exist_ok=True)
    shot = os.path.join(args.out, "hiscores.png")
    if os.path.exists(shot):
        os.unlink(shot)
    with tempfile.TemporaryDirectory() as profile:
        browser = ["chromium"] + CHROMIUM_FLAGS + ["--user-data-dir=" + profile]
        subprocess.run(browser + ["--window-size=1024,768", "--screenshot=" + shot, url], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
        dom = subprocess.run(browser + ["--dump-dom", url], check=True, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, timeout=120).stdout.decode("utf-8")
    server.stop()
    check(os.path.getsize(shot) > 10000, "screenshot " + shot)
    page = DomCheck()
    page.feed(dom)
    check("img" not in page.tags and "table" in page.tags, "elements on the page: %r" % sorted(page.tags))
    check(page.cells[:4] == ["1", HOSTILE, "2000", "Capt. Cade Morrow"], "first row %r" % page.cells[:5])
    check("Zo\u00eb" in page.cells and "General Vashk, evil Ape" in page.cells, "other rows %r" % page.cells)


SCENARIOS = {"saver_close": scenario_saver_close, "concurrent_restart": scenario_concurrent_restart,
             "rate_limit": scenario_rate_limit, "random_queries": scenario_random_queries,
             "browser": scenario_browser}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("scenario", choices=sorted(SCENARIOS))
    parser.add_argument("--scored", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as folder:
        try:
            SCENARIOS[args.scenario](args, os.path.join(folder, "scores.db"))
        except Failure as failure:
            print("FAIL %s: %s" % (args.scenario, failure))
            return 1
    print("PASS " + args.scenario)
    return 0


if __name__ == "__main__":
    sys.exit(main())
