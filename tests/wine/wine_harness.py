# wine_harness.py -- runs the Windows builds under Wine on a private Xvfb display, for the Wine tests.
#
# Run test scripts with Debian's /usr/bin/python3. Typical use:
#
#   import wine_harness as wh
#   with wh.WineSession() as wine:            # Xvfb on a free display, a fresh WINEPREFIX
#       wine.install(wh.built_file("KVRN_SAVER_64"))   # copies into C:\kvrn (wine.install_dir on the Linux side)
#       wine.move_mouse(500, 400)             # park the pointer before a saver starts
#       saver = wine.start("kvrnpss64.scr", "/s")
#       window = wine.wait_window("WindowsScreenSaverClass", "Screen Saver")   # WindowInfo
#       wine.key("a"); wine.move_mouse_by(3, 2); wine.click(1)
#       assert wine.wait_exit(saver) == 0     # signed exit code (-1, not 255)
#       code, out = wine.probe("foreground")  # window_probe.exe; wine.run(wh.program(...), ...) for the others
#       values = wine.reg_query(r"HKCU\Software\QuillonCreations\KVRNPSS")       # {name: (type, text)}
#       assert wine.reg("add", r"HKCU\Software\Wine", "/v", "Version", "/d", "win98", "/f") == 0
#       wine.drawing_picture()                 # the OpenGL window's frame (RGB bytes), for "is it drawing?"
#
# Nothing waits by a fixed sleep: `poll(condition, what, timeout)` retries until the
# condition holds and fails with `what` after a generous limit. Every session gets its
# own prefix (created with mscoree and mshtml disabled, quiet, and the X11 driver's
# Managed=N so that closing windows costs no 2 s wait). When KVRN_WINE_CACHE names a
# folder, one pristine prefix is made there once and each session gets a linked copy
# (registry files copied), which turns ~13 s of prefix creation into well under one.
# Environment (ctest sets it): KVRN_SAVER_64 (the x86_64 saver), KVRN_TEST_PROGRAMS (the
# folder of the helper programs from tests/wine/programs), KVRN_WINE_CACHE (optional),
# KVRN_MSI_64 and KVRN_MSI_32 (the installers), KVRN_VERSION (the project's version).

import fcntl
import os
import re
import shutil
import subprocess
import tempfile
import time

SAVER = "kvrnpss64.scr"  # the saver's name once installed
SAVER_CLASS = "WindowsScreenSaverClass"
WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver64" if os.path.exists("/usr/lib/wine/wineserver64") else "/usr/lib/wine/wineserver"
DEFAULT_TIMEOUT = 60.0


class HarnessError(AssertionError):
    pass


def poll(condition, what, timeout=DEFAULT_TIMEOUT, interval=0.05):
    """Calls condition() until it returns something truthy; returns that value."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise HarnessError("timed out after %.0f s waiting for %s" % (timeout, what))
        time.sleep(interval)
        interval = min(interval * 1.5, 0.5)


def built_file(variable):
    """A file of the build that the environment variable names."""
    path = os.environ.get(variable, "")
    if not os.path.isfile(path):
        raise HarnessError("%s does not name a built file: %r" % (variable, path))
    return path


def program(name):
    """Path of a helper program built from tests/wine/programs."""
    path = os.path.abspath(os.path.join(os.environ.get("KVRN_TEST_PROGRAMS", ""), name))
    if not os.path.isfile(path):
        raise HarnessError("helper program missing: %s (set KVRN_TEST_PROGRAMS)" % path)
    return path


def signed_exit_code(code):
    """Wine hands the Windows exit code to Linux modulo 256; -1 arrives as 255."""
    return code - 256 if code is not None and code >= 128 else code


def cpu_seconds(process):
    """Processor time a started program has used so far (Wine runs it in the same Linux process)."""
    try:
        with open("/proc/%d/stat" % process.pid) as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")
    except OSError:
        return 0.0


class WindowInfo:
    """What window_probe reports about a top-level window."""

    def __init__(self, line):
        fields = line.split()
        self.hwnd = int(fields[0])
        self.visible = fields[1] == "1"
        self.topmost = fields[2] == "1"
        self.left, self.top, self.right, self.bottom = (int(f) for f in fields[3:7])
        self.screen_width, self.screen_height, self.owner = (int(f) for f in fields[7:10])

    def __repr__(self):
        return "WindowInfo%r" % (vars(self),)


class ChildInfo:
    """What window_probe reports about a child window (its place in its parent's client area)."""

    def __init__(self, line):
        hwnd, rest = line.split(" ", 1)
        self.hwnd = int(hwnd)
        names, *coords = rest.rsplit(" ", 4)
        self.class_name, self.title = names.split("|", 1)
        self.left, self.top, self.right, self.bottom = (int(c) for c in coords)


class WineSession:
    def __init__(self, screen="1024x768x24"):
        self.screen = screen
        # Next to the cache, so that the linked copy of the prefix stays on one file system.
        cache = os.environ.get("KVRN_WINE_CACHE")
        if cache:
            os.makedirs(cache, exist_ok=True)
        self.root = tempfile.mkdtemp(prefix="kvrn-wine-", dir=cache or None)
        self.prefix = os.path.join(self.root, "prefix")
        self.install_dir = os.path.join(self.prefix, "drive_c", "kvrn")
        self.xvfb = None
        self.display = None
        self.started = []

    # --- lifetime -------------------------------------------------------------------
    def __enter__(self):
        try:
            self._start_xvfb()
            self._make_prefix()
            os.makedirs(self.install_dir, exist_ok=True)
            # Keep one wineserver for the whole session: later programs start fast.
            subprocess.Popen([WINESERVER, "-p"], env=self.env()).wait()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def close(self):
        if os.path.isdir(self.prefix):
            subprocess.run([WINESERVER, "-k"], env=self.env(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.stop_all()
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait()
        shutil.rmtree(self.root, ignore_errors=True)

    def env(self):
        env = dict(os.environ, WINEPREFIX=self.prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        env.setdefault("LP_NUM_THREADS", "1")
        if self.display is not None:
            env["DISPLAY"] = ":%d" % self.display
        return env

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.screen, "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as report:  # the display's number, once Xvfb listens; nothing if it ended
            number = report.readline().strip()
        if not number:
            raise HarnessError("Xvfb did not report a display")
        self.display = int(number)

    def _create_prefix(self, path):
        for command in ([WINE, "wineboot", "-i"],
                        [WINE, "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", "N", "/f"],
                        [WINESERVER, "-w"]):
            subprocess.run(command, env=dict(self.env(), WINEPREFIX=path), stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, check=True)

    def _make_prefix(self):
        cache = os.environ.get("KVRN_WINE_CACHE")
        if not cache:
            self._create_prefix(self.prefix)
            return
        template = os.path.join(cache, "prefix")
        with open(os.path.join(cache, "lock"), "w") as lock:
            fcntl.flock(lock, fcntl.LOCK_EX)
            if not os.path.isdir(template):
                # Made aside and renamed when complete: an interrupted creation leaves no template.
                partial = template + ".partial"
                shutil.rmtree(partial, ignore_errors=True)
                self._create_prefix(partial)
                os.rename(partial, template)
        # Files Wine never rewrites are shared; the registry and timestamps are copied.
        subprocess.run(["cp", "-al", template, self.prefix], check=True)
        for name in os.listdir(self.prefix):
            path = os.path.join(self.prefix, name)
            if os.path.isfile(path) and not os.path.islink(path):
                os.unlink(path)
                shutil.copy2(os.path.join(template, name), path)

    # --- files and programs ---------------------------------------------------------
    def install(self, path, name=None):
        """Copies a file into C:\\kvrn; returns its Linux path there."""
        target = os.path.join(self.install_dir, name or os.path.basename(path))
        shutil.copy2(path, target)
        return target

    def _command(self, exe, args):
        # A name in C:\kvrn becomes its path; other paths (Linux or Windows) and Wine's own programs stay as they are.
        local = os.path.join(self.install_dir, exe)
        return [WINE, local if os.path.isfile(local) else exe] + [str(a) for a in args]

    def start(self, exe, *args, stdout=subprocess.DEVNULL):
        """Starts a Windows program in the background: a path, a name in C:\\kvrn, or one of Wine's (reg, msiexec)."""
        process = subprocess.Popen(self._command(exe, args), env=self.env(), stdout=stdout,
                                   stderr=subprocess.DEVNULL, cwd=self.install_dir)
        self.started.append(process)
        return process

    def run(self, exe, *args, timeout=DEFAULT_TIMEOUT):
        """Runs a Windows program to its end; returns (signed exit code, stdout text)."""
        result = subprocess.run(self._command(exe, args), env=self.env(), stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, cwd=self.install_dir, timeout=timeout)
        return signed_exit_code(result.returncode), result.stdout.decode("latin-1").replace("\r", "")

    def start_saver(self, *arguments, exe=SAVER):
        """Starts the installed saver with the pointer parked (the close rules take their anchor where it
        rests at creation) and waits until its full-screen window shows; returns (process, WindowInfo)."""
        self.move_mouse(500, 400)
        saver = self.start(exe, *arguments)
        window = poll(lambda: (lambda w: w if w and w.visible else None)(self.find_window(SAVER_CLASS, "Screen Saver")),
                      "the saver window shown")
        return saver, window

    def wait_exit(self, process, timeout=DEFAULT_TIMEOUT):
        return signed_exit_code(process.wait(timeout))  # subprocess.TimeoutExpired when it runs on

    def stop_all(self):
        """Ends every program this session started that still runs (a failed test's leftovers)."""
        for process in self.started:
            if process.poll() is None:
                process.kill()
                process.wait()

    @staticmethod
    def running(process):
        return process.poll() is None

    def linux_path(self, windows_path):
        return self.run("winepath", "-u", windows_path)[1].strip()

    def reg(self, *args):
        return self.run("reg", *args)[0]

    def reg_query(self, key):
        """The values of a key as {name: (type, text)}; {} when the key is missing."""
        code, out = self.run("reg", "query", key)
        matches = (re.match(r"^    (.*?)    (REG_\w+)    ?(.*)$", line) for line in out.splitlines())
        return {m.group(1): (m.group(2), m.group(3)) for m in matches if m} if code == 0 else {}

    # --- windows --------------------------------------------------------------------
    def probe(self, *args):
        """Runs window_probe (see its usage); returns (exit code, stdout text)."""
        return self.run(program("window_probe.exe"), *args)

    def find_window(self, class_name, title):
        code, out = self.probe("find", class_name, title)
        return WindowInfo(out) if code == 0 and out.strip() else None

    def wait_window(self, class_name, title, timeout=DEFAULT_TIMEOUT):
        return poll(lambda: self.find_window(class_name, title), "window %s %r" % (class_name, title), timeout)

    def children(self, hwnd):
        code, out = self.probe("children", hwnd)
        return [ChildInfo(line) for line in out.splitlines() if line.strip()] if code == 0 else []

    def post(self, hwnd, message, wparam=0, lparam=0):
        return self.probe("post", hwnd, message, wparam, lparam)[0] == 0

    # --- X input and output ---------------------------------------------------------
    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env(), check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def key(self, *keys):
        """X key names: "a", "Left", "space", "Escape", "alt+x" ..."""
        self.xdotool("key", *keys)

    def move_mouse(self, x, y):
        self.xdotool("mousemove", x, y)

    def move_mouse_by(self, dx, dy):
        self.xdotool("mousemove_relative", "--", dx, dy)

    def click(self, button=1):
        self.xdotool("click", button)

    def drawing_picture(self):
        """The OpenGL window's latest frame as raw RGB bytes, or None. Wine 8 renders an OpenGL child
        window into an offscreen X window of the screen's size, parented at -1,-1, not onto the screen."""
        tree = subprocess.run(["xwininfo", "-root", "-tree"], env=self.env(), stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL).stdout.decode("latin-1")
        size = self.screen.rsplit("x", 1)[0]
        match = re.search(r"^\s*(0x[0-9a-f]+) \(has no name\): \(\)  %s\+0\+0  \+-1\+-1" % size, tree, re.M)
        if not match:
            return None
        return subprocess.run(["import", "-display", ":%d" % self.display, "-window", match.group(1), "-depth", "8",
                               "rgb:-"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout
