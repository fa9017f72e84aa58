#!/usr/bin/python3
# scored_test.py -- kvrn_scored as a process on a free loopback port: the saver's request and the rate limit,
# many clients, random queries and a restart, and the high-score page in headless Chromium.
#
# Each scenario starts its own server on a fresh database; nothing waits by a fixed sleep.
import concurrent.futures
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
CHROMIUM = ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
            "--disable-component-update", "--disable-sync", "--no-first-run", "--hide-scrollbars"]
PIECES = ["Z", "0", "1", "2", "-", "+", "%", "%E9", "%00", "%G", "2147483648", "'", "<", "&", "=", "name=",
          "score=", "ch=", "limit="]
STARTED = []  # every server process, so that a failed scenario leaves none running


class Server:
    """kvrn_scored on 127.0.0.1 at a port the system picks; its log is drained into lines."""

    def __init__(self, scored, db, *options):
        self.process = subprocess.Popen([scored, "--port", "0", "--bind", "127.0.0.1", "--db", db] +
                                        list(options), stdout=subprocess.PIPE, text=True, encoding="latin-1")
        STARTED.append(self.process)
        first = self.process.stdout.readline()
        assert "listening on 127.0.0.1:" in first, "start-up line %r" % first
        self.port = int(first.split("127.0.0.1:")[1].split(",")[0])
        self.log = []
        self.reader = threading.Thread(target=lambda: self.log.extend(self.process.stdout), daemon=True)
        self.reader.start()

    def get(self, path, connection=None, method="GET"):
        """(status, body) of one request, on a given keep-alive connection or a new one."""
        connection = connection or http.client.HTTPConnection("127.0.0.1", self.port, timeout=WAIT_SECONDS)
        connection.request(method, path)
        response = connection.getresponse()
        return response.status, response.read().decode("utf-8")

    def submit(self, name, score, ch, connection=None):
        return self.get("/kvrn/addscore.php?name=%s&score=%d&ch=%d" % (name, score, ch), connection)[0]

    def rows(self):
        body = self.get("/kvrn/hiscores.json?limit=1000")[1]  # an error's text fails to parse
        return [(row["name"], row["score"], row["character"]) for row in json.loads(body)]

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        assert self.process.wait(WAIT_SECONDS) == 0, "exit code after SIGTERM"
        self.reader.join()
        assert "stopped by" in self.log[-1], "last log line %r" % self.log[-1]


def scenario_saver_and_rate(scored, out, db):
    """The saver's three sends and an immediate close, no answer read: stored, the name in UTF-8. A HEAD or a
    refused submission stores nothing; beyond --rate submissions a minute from one address: 429. A second
    server on the same port fails."""
    server = Server(scored, db, "--rate", "3")
    second = subprocess.run([scored, "--port", str(server.port), "--bind", "127.0.0.1", "--db", db + "2"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=WAIT_SECONDS)
    assert second.returncode == 1, "a second server on the same port did not fail"
    with socket.create_connection(("127.0.0.1", server.port)) as client:
        for part in SAVER_PARTS:
            client.sendall(part)
    deadline = time.monotonic() + WAIT_SECONDS
    while server.rows() != [("Zo\u00eb", 1250, 2)]:  # the close may come before the server has read the request
        assert time.monotonic() < deadline, "timed out waiting for the saver's score"
        time.sleep(0.02)
    answers = [server.get("/kvrn/addscore.php?name=h&score=1&ch=0", method="HEAD")[0]]
    answers += [server.submit("r%d" % i, score, 0) for i, score in enumerate((-1, 1, 2))]
    assert answers == [405, 400, 200, 429] and len(server.rows()) == 2, "answers %r" % answers
    server.stop()
    assert any("/kvrn/addscore.php?name=Zo%EB&score=1250&ch=2 200" in line for line in server.log), "request log"


def scenario_load_restart(scored, out, db):
    """1,000 submissions from 20 clients at once, all answered 200; then 10,000 random query strings, each
    answered 200 or 400; exactly the accepted ones stored (in WAL mode), and all kept across a restart."""
    server = Server(scored, db, "--rate", "1000000")

    def client(number):
        connection = http.client.HTTPConnection("127.0.0.1", server.port, timeout=WAIT_SECONDS)
        return [server.submit("c%d_%d" % (number, i), number * 100 + i, i % 3, connection) for i in range(50)]

    with concurrent.futures.ThreadPoolExecutor(20) as pool:
        statuses = sum(pool.map(client, range(20)), [])
    assert statuses == [200] * 1000, "answers other than 200: %r" % sorted(set(statuses))

    rng = random.Random(14)

    def text(pieces):
        return "".join(rng.choice(PIECES) if rng.random() < 0.8 else "%%%02X" % rng.randrange(256)
                       for _ in range(rng.randrange(pieces)))

    connection = http.client.HTTPConnection("127.0.0.1", server.port, timeout=WAIT_SECONDS)
    answers, accepted = set(), 1000
    for number in range(10000):
        query = "name=%s&score=%s&ch=%s" % (text(5), text(5), text(5)) if rng.random() < 0.5 else text(16)
        status = server.get(("/kvrn/addscore.php?" if number % 10 else "/kvrn/hiscores.json?") + query, connection)[0]
        answers.add(status)
        accepted += number % 10 != 0 and status == 200
    assert answers == {200, 400}, "answers %r" % answers
    server.stop()
    Server(scored, db).stop()  # a restart on the same file
    store = sqlite3.connect(db)
    assert store.execute("PRAGMA journal_mode").fetchone()[0] == "wal", "not in WAL mode"
    stored = store.execute("SELECT count(*) FROM scores").fetchone()[0]
    assert stored == accepted, "stored %d, accepted %d" % (stored, accepted)


def scenario_browser(scored, out, db):
    """Headless Chromium shows a hostile stored name as text; a screenshot of the page goes to the output."""
    server = Server(scored, db)
    for name, score, ch in (("ZED", 1250, 2), ("Zo%EB", 980, 1), ("Morrow", 730, 0), ("%C9lise", 415, 1)):
        assert server.submit(name, score, ch) == 200, "submission of " + name
    with sqlite3.connect(db, timeout=WAIT_SECONDS) as store:  # too long for a submission: written by hand
        store.execute("INSERT INTO scores(name, score, ch, time, client) VALUES (?, 2000, 0, 1796551200, '')",
                      (HOSTILE,))
    os.makedirs(out, exist_ok=True)
    shot = os.path.join(out, "hiscores.png")
    if os.path.exists(shot):
        os.unlink(shot)
    with tempfile.TemporaryDirectory() as home:
        chrome = CHROMIUM + ["--user-data-dir=" + home, "--window-size=1024,768", "--screenshot=" + shot, "--dump-dom"]
        dom = subprocess.run(chrome + ["http://127.0.0.1:%d/kvrn/hiscores.php" % server.port], check=True,
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=120).stdout.decode("utf-8")
    server.stop()
    assert os.path.getsize(shot) > 10000, "screenshot " + shot
    # The DOM as the browser built it: an injected element would appear as a tag, the name as escaped text.
    assert "<img" not in dom, "an element was injected"
    for cells in ("<span>1</span></td><td class=\"name\">&lt;img src=x onerror=alert(1)&gt;</td>"
                  "<td class=\"score\">2000</td><td>Capt. Cade Morrow</td>",
                  "<td class=\"name\">Zo\u00eb</td><td class=\"score\">980</td><td>Iselle the human slave</td>"):
        assert cells in dom, "no row %r in %r" % (cells, dom)


if __name__ == "__main__":  # scored_test.py SCENARIO KVRN_SCORED OUTPUT_FOLDER
    scenario, scored, out = sys.argv[1:]
    with tempfile.TemporaryDirectory() as folder:
        try:
            globals()["scenario_" + scenario](scored, out, os.path.join(folder, "scores.db"))
        finally:
            for process in STARTED:
                process.kill()  # a no-op for a server that was stopped
