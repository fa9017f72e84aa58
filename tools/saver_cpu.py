# saver_cpu.py -- processor time of the full-screen saver under Wine at 1024 x 768: the paced saver beside
# one built to draw flat out, measured in one run (one Wine session and display, one after the other).
#
#   cmake -S . -B build/windows-x86_64-flat-out -DKVRN_FRAME_PACING=OFF -DCMAKE_BUILD_TYPE=Release \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake
#   cmake --build build/windows-x86_64-flat-out --target kvrnpss -j2
#   KVRN_TEST_PROGRAMS=build/windows-x86_64/test-programs /usr/bin/python3 tools/saver_cpu.py \
#         build/windows-x86_64/kvrnpss64.scr build/windows-x86_64-flat-out/kvrnpss64.scr [seconds, default 20]
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "wine"))
import wine_harness as wh  # noqa: E402


def measure(wine, name, seconds):
    wine.move_mouse(1000, 700)
    saver = wine.start(name, "/s")
    wine.wait_window("WindowsScreenSaverClass", "Screen Saver")
    start, used = time.monotonic(), wh.cpu_seconds(saver)
    wh.poll(lambda: time.monotonic() - start >= seconds, "%.0f s of the saver" % seconds, timeout=seconds + 30)
    used = wh.cpu_seconds(saver) - used
    elapsed = time.monotonic() - start
    wine.move_mouse_by(20, 20)  # closes it
    wine.wait_exit(saver)
    return used, elapsed


def main():
    if len(sys.argv) < 3:
        sys.exit("usage: saver_cpu.py PACED.scr FLAT_OUT.scr [seconds]")
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 20.0
    with wh.WineSession() as wine:
        wine.install(sys.argv[1], "paced.scr")
        wine.install(sys.argv[2], "flat_out.scr")
        print("Wine, 1024 x 768, LP_NUM_THREADS=%s" % wine.env()["LP_NUM_THREADS"])
        for label, name in (("flat out", "flat_out.scr"), ("paced", "paced.scr")):
            used, elapsed = measure(wine, name, seconds)
            print("  %-9s %5.1f processor seconds in %.1f s (%.0f%% of a core)" % (label, used, elapsed,
                                                                                  100 * used / elapsed))


if __name__ == "__main__":
    main()
