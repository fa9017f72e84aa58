#!/usr/bin/python3
# art_screenshots.py -- plays the saver in the headless runner and keeps the screenshots of the art in docs/screenshots/
#
#     /usr/bin/python3 tools/art_screenshots.py build/kvrn_headless_runner
#
# For each character: the select screen, its intro crawl, and the figure as
# the player standing, running, jumping and climbing the first flight (crops
# around the figure, at the game's 1280 x 720); then three stills of the
# title's slide show once their sparks have gathered and their captions have
# landed. Last, whole frames at 1920 x 1080 (the title with a still, the
# select screen, the general's crawl, the heroine in play), kept at full size.

import os
import subprocess
import sys
import tempfile

from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "docs", "screenshots")
SIZE = (1280, 720)
FULL_HD = (1920, 1080)
CHARACTERS = ["captain", "heroine", "general"]  # the select screen's rows, top to bottom

# Where the player stands in each shot of the play script (left, top, right, bottom).
CROPS = {
    "stand": (110, 420, 440, 720),
    "run": (260, 420, 590, 720),
    "jump": (330, 420, 660, 720),
    "climb": (700, 420, 1030, 720),
}


def play_script(row):
    down = "".join("tap DOWN\nframes 2\n" for _ in range(row))
    return ("fps 30\nseconds 1\ntap SPACE\nseconds 3\n" + down + "seconds 1\nshot select\n"
            "tap SPACE\nseconds 9\nshot crawl\n"
            "tap SPACE\nseconds 8\nshot stand\n"
            "down RIGHT\nseconds 1.2\nshot run\n"
            "tap SPACE\nseconds 0.6\nshot jump\nseconds 0.8\nseconds 2.9\nup RIGHT\nframes 2\n"
            "tap LEFT\nframes 1\ndown UP\nseconds 1.2\nshot climb\n")


# A still starts every 30 s (and one frame); at 18.5 s its longest caption has landed.
TITLE_SCRIPT = "fps 30\nseconds 18.5\nshot still_a\nframes 901\nshot still_b\nframes 901\nshot still_c\n"

# At 1920 x 1080: the title with its second still, then the select screen
# with the general chosen, his crawl, and a new game as the heroine.
FULL_HD_SCRIPT = ("fps 30\nseconds 48.5\nshot title\ntap SPACE\nseconds 2\ntap DOWN\nframes 2\ntap DOWN\n"
                  "seconds 1\nshot select\ntap SPACE\nseconds 12\nshot crawl\n")


def run(runner, script, out, size=SIZE):
    env = dict(os.environ, LP_NUM_THREADS="2")
    subprocess.run([runner, "--size", "%dx%d" % size, "--seed", "7", "--out", out, "-"],
                   input=script.encode(), check=True, env=env, stdout=subprocess.DEVNULL)


def main():
    runner = sys.argv[1]
    os.makedirs(OUT, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        strips = []
        for row, name in enumerate(CHARACTERS):
            out = os.path.join(tmp, name)
            run(runner, play_script(row), out)
            crops = [Image.open(os.path.join(out, shot + ".png")).convert("RGB").crop(CROPS[shot])
                     for shot in ("stand", "run", "jump", "climb")]
            strip = Image.new("RGB", (sum(c.size[0] for c in crops), crops[0].size[1]))
            x = 0
            for c in crops:
                strip.paste(c, (x, 0))
                x += c.size[0]
            strip.save(os.path.join(OUT, "play_%s.png" % name), optimize=True)
            strips.append(strip)
            shrink(os.path.join(out, "crawl.png"), os.path.join(OUT, "crawl_%s.png" % name))
            if row == 0:
                shrink(os.path.join(out, "select.png"), os.path.join(OUT, "select.png"))
        out = os.path.join(tmp, "title")
        run(runner, TITLE_SCRIPT, out)
        for shot in ("still_a", "still_b", "still_c"):
            shrink(os.path.join(out, shot + ".png"), os.path.join(OUT, "title_%s.png" % shot))
        out = os.path.join(tmp, "full_hd")
        run(runner, FULL_HD_SCRIPT, out, FULL_HD)
        run(runner, play_script(1), os.path.join(out, "heroine"), FULL_HD)
        for shot, name in (("title", "title"), ("select", "select"), ("crawl", "crawl_general"),
                           (os.path.join("heroine", "run"), "play_heroine")):
            Image.open(os.path.join(out, shot + ".png")).convert("RGB").save(
                os.path.join(OUT, "1920x1080_%s.png" % name), optimize=True)


def shrink(src, dst):
    """Full frames are kept at half size, so the repository stays small."""
    Image.open(src).convert("RGB").resize((SIZE[0] // 2, SIZE[1] // 2), Image.LANCZOS).save(dst, optimize=True)


if __name__ == "__main__":
    main()
