# art_crawls.py -- the three intro stories (131 the captain, 159 the heroine, 160 the general), white on black
#
# The crawl plane is tinted blue and tilts away from the viewer, so the
# letters are large and bold, and the lines are short and centred.

import os

from PIL import Image, ImageDraw, ImageFont

CRAWL_W, CRAWL_H = 256, 512
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"
MARGIN = 8
MAX_SIZE = 24
MIN_CAP_HEIGHT = 14

STORIES = {
    131: [
        "CAPT. CADE MORROW",
        "",
        "A storm tore your",
        "ship out of the sky",
        "onto Kelvaron, a",
        "world where apes",
        "rule and humans",
        "are slaves.",
        "",
        "Iselle, the girl",
        "who hid you, now",
        "hangs in a cage atop",
        "General Vashk's tower.",
        "",
        "Leap his barrels,",
        "climb the stairs,",
        "pull the rope and",
        "set her free!",
    ],
    159: [
        "ISELLE",
        "",
        "You have slipped out",
        "of the slave pens of",
        "Kelvaron, where apes",
        "rule and humans toil.",
        "",
        "But Cade Morrow, the",
        "sky captain who fought",
        "for you, was seized in",
        "your place. He hangs",
        "caged atop the tower",
        "of General Vashk.",
        "",
        "Dodge the barrels the",
        "general rolls down,",
        "climb to the top, pull",
        "the rope and free him!",
    ],
    160: [
        "GENERAL VASHK",
        "",
        "The human captain who",
        "fell from the stars is",
        "caught at last, caged",
        "atop your own tower.",
        "",
        "But the slave girl has",
        "slipped her chains. Now",
        "she holds the tower top",
        "and hurls your own",
        "barrels down the stairs",
        "at any ape who climbs.",
        "",
        "Leap her barrels,",
        "climb back to the top",
        "and show her who",
        "rules Kelvaron!",
    ],
}


def font_for(lines):
    """The largest bold face at which every line fits the plane's width."""
    for size in range(MAX_SIZE, 8, -1):
        font = ImageFont.truetype(FONT, size)
        probe = ImageDraw.Draw(Image.new("L", (1, 1)))
        if all(probe.textlength(line, font=font) <= CRAWL_W - 2 * MARGIN for line in lines):
            return font
    raise ValueError("a crawl line is too long")


def cap_height(font):
    box = font.getbbox("H")
    return box[3] - box[1]


def crawl(bitmap_id):
    lines = STORIES[bitmap_id]
    font = font_for(lines)
    if cap_height(font) < MIN_CAP_HEIGHT:
        raise ValueError("crawl %d: letters %d px high" % (bitmap_id, cap_height(font)))
    img = Image.new("L", (CRAWL_W, CRAWL_H), 0)
    draw = ImageDraw.Draw(img)
    step = (CRAWL_H - 2 * MARGIN) / len(lines)
    for i, line in enumerate(lines):
        if not line:
            continue
        y = MARGIN + step * (i + 0.5)
        draw.text((CRAWL_W / 2, y), line, font=font, fill=255, anchor="mm")
    return Image.merge("RGB", (img, img, img))


PICTURES = {bitmap_id: (lambda i: lambda: crawl(i))(bitmap_id) for bitmap_id in STORIES}
