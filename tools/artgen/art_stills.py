# art_stills.py -- the eighteen stills of the title slide show and their point maps
#
# Each still is a subject on a black key colour, so it floats over the
# starry backdrop; its point map holds exactly as many pure red pixels as the
# slide show has sparks for it, placed on the subject's outline and on its
# inner features so that the sparks sketch the picture before it appears.

import functools
import math
import os

from PIL import Image, ImageDraw, ImageFont

import figures
import paint
from art_portraits import fit
from paint import (blob, capsule, ellipse, mix, scale_colour, shape, stroke,
                   EMBER, NIGHT, SANDSTONE_DARK, SANDSTONE_LIGHT, STEEL, TORCH)

KEY = (0, 0, 0)
FONT_DIR = "/usr/share/fonts/truetype/dejavu"

GOLD = (214, 170, 78)
IRON_BAR = (70, 74, 82)
OAK = (128, 88, 50)

# Other apes and people of the citadel, drawn from the same figures in their own colours.
GORILLA_GUARD = dict(fur=(72, 62, 58), skin=(52, 44, 42), muzzle=(80, 68, 62), armour=(58, 50, 40),
                     trim=(112, 82, 46), sash=(70, 72, 84), helmet=True)
ORANG_GUARD = dict(fur=(156, 90, 48), skin=(96, 68, 52), muzzle=(128, 96, 72), armour=(74, 52, 34),
                   trim=(124, 98, 62), sash=(44, 74, 116), helmet=False)
OONA = dict(fur=(170, 134, 98), skin=(112, 86, 72), muzzle=(152, 122, 102), armour=(64, 98, 86),
            trim=(200, 168, 96), sash=(226, 216, 196), helmet=False)
BREKKO = dict(fur=(96, 68, 50), skin=(62, 48, 42), muzzle=(92, 72, 60), armour=(96, 66, 40),
              trim=(82, 80, 86), sash=(44, 64, 116), helmet=True)
SENATOR = dict(fur=(156, 150, 144), skin=(86, 74, 72), muzzle=(122, 110, 102), armour=(112, 36, 40),
               trim=(210, 174, 84), sash=(210, 174, 84), helmet=False)
SKERRY = dict(coat=(116, 42, 36), coat_dark=(82, 32, 28), harness=(66, 46, 30), boot=(52, 38, 28),
              skin=(198, 150, 116), hair=(104, 86, 70), badge=GOLD, beard=True)


# ---------------------------------------------------------------- building blocks


def figure(canvas, char, pose=figures.REST, scale=2.0, x=0.0, y=0.0, mirror=False, tone=None):
    figures.paint_figure(canvas, figures.posed_parts(char, pose, scale, x, y, mirror=mirror, tone=tone))


def standing(canvas, char, pose, box, tone=None, mirror=False):
    """A whole figure fitted into box = (left, top, width, height) of the canvas; returns where it went."""
    left, top, w, h = box
    scale, x, y = fit(char, pose, w, h)
    if mirror:
        x = w - x
    figure(canvas, char, pose, scale, left + x, top + y, mirror, tone)
    return scale, left + x, top + y


def spear(canvas, hand, length_up, length_down, scale):
    """A guard's spear held upright through a hand."""
    x, y = hand
    canvas.paint(stroke([(x, y + length_down), (x, y - length_up)], 2.2 * scale, OAK, smooth=False, ink=0.5))
    tip = y - length_up
    canvas.paint(shape([(x, tip - 12 * scale), (x + 3.4 * scale, tip + 1), (x, tip + 3 * scale),
                        (x - 3.4 * scale, tip + 1)], (170, 128, 66), gloss=True, ink=0.5))
    canvas.paint(capsule(x - 2.2 * scale, tip + 3 * scale, x + 2.2 * scale, tip + 3 * scale, 1.1 * scale,
                         1.1 * scale, EMBER))


def bust(canvas, char, pose, scale, head_top, cx, mirror=False, tone=None):
    """A figure scaled up so its head's top sits at head_top and the head is centred on cx."""
    parts = dict(figures.posed_parts(char, pose, 1.0, 0.0, 0.0, fine=False))
    pts = [p for sh in parts[2] for p in sh["pts"]]
    hx = (min(p[0] for p in pts) + max(p[0] for p in pts)) / 2
    hy = min(p[1] for p in pts)
    if mirror:
        hx = -hx
    figure(canvas, char, pose, scale, cx - scale * hx, head_top - scale * hy, mirror, tone)


def barrel(canvas, cx, cy, rx, ry, upright=True):
    """An oak barrel with three iron hoops, seen from the side."""
    shapes = [blob([(cx - rx * 0.85, cy - ry), (cx, cy - ry * 1.04), (cx + rx * 0.85, cy - ry),
                    (cx + rx, cy), (cx + rx * 0.85, cy + ry), (cx, cy + ry * 1.04),
                    (cx - rx * 0.85, cy + ry), (cx - rx, cy)], OAK, ink=1.0)]
    for k in range(-2, 3):
        x = cx + k * rx * 0.38
        shapes.append(stroke([(x, cy - ry * 0.98), (x * 1.0 + k * rx * 0.05, cy), (x, cy + ry * 0.98)],
                             0.8, scale_colour(OAK, 0.6), clip=True, flat=True))
    for t in (-0.72, 0.0, 0.72):
        y = cy + t * ry
        w = rx * (1.0 - 0.12 * abs(t))
        shapes.append(capsule(cx - w, y, cx + w, y, ry * 0.08, ry * 0.08, IRON_BAR, gloss=True, clip=True))
    canvas.begin_group()
    canvas.paint_all(shapes)
    canvas.end_group()


def cage(canvas, left, top, right, bottom, bars=6):
    """Heavy iron bars with a domed top, a cross-bar and a floor plate, over what is inside."""
    cx = (left + right) / 2
    w = right - left
    dome_h = w * 0.22
    shapes = [stroke([(cx, top - dome_h - 10), (cx, top - dome_h)], 2.2, IRON_BAR, smooth=False, gloss=True),
              ellipse(cx, top - dome_h - 1, 4, 4, IRON_BAR, gloss=True)]
    for i in range(bars + 1):
        x = left + w * i / bars
        lift = dome_h * math.sqrt(max(0.0, 1 - ((x - cx) / (w / 2)) ** 2))
        shapes.append(stroke([(x, bottom), (x, top), (cx + (x - cx) * 0.5, top - lift * 0.85), (cx, top - dome_h)],
                             2.6, IRON_BAR, gloss=True, ink=0.6))
    for y in (top, top + (bottom - top) * 0.55):
        shapes.append(capsule(left - 2, y, right + 2, y, 2.2, 2.2, scale_colour(IRON_BAR, 1.1), gloss=True, ink=0.6))
    shapes.append(capsule(left - 4, bottom, right + 4, bottom, 3.5, 3.5, scale_colour(IRON_BAR, 0.9), gloss=True,
                          ink=0.8))
    canvas.paint_all(shapes)


def text_mask(canvas, text, font_name, size, cx, cy, spacing=0.0):
    """Coverage of a line of text, centred on (cx, cy) in final pixels, at the canvas's supersampling."""
    ss = canvas.ss
    font = ImageFont.truetype(os.path.join(FONT_DIR, font_name), int(size * ss))
    mask = Image.new("L", canvas.cover.size, 0)
    draw = ImageDraw.Draw(mask)
    widths = [draw.textlength(ch, font=font) for ch in text]
    total = sum(widths) + spacing * ss * (len(text) - 1)
    x = cx * ss - total / 2
    ascent, descent = font.getmetrics()
    y = cy * ss - (ascent + descent) / 2 + descent * 0.3
    for ch, cw in zip(text, widths):
        draw.text((x, y), ch, font=font, fill=255)
        x += cw + spacing * ss
    return mask


def stroke_ring(cx, cy, rx, ry, width, start=0, end=360):
    """Outline of an elliptical ring (or an arc of it) as one polygon."""
    steps = 30
    outer, inner = [], []
    for i in range(steps + 1):
        a = math.radians(start + (end - start) * i / steps)
        outer.append((cx + (rx + width / 2) * math.cos(a), cy + (ry + width / 2) * math.sin(a)))
        inner.append((cx + (rx - width / 2) * math.cos(a), cy + (ry - width / 2) * math.sin(a)))
    return outer + inner[::-1]


def flame(canvas, cx, cy, size):
    canvas.paint_all([
        blob([(cx, cy - size * 1.6), (cx + size * 0.7, cy - size * 0.2), (cx + size * 0.5, cy + size * 0.6),
              (cx - size * 0.5, cy + size * 0.6), (cx - size * 0.7, cy - size * 0.2)], TORCH, shade=0.5, grain=0),
        ellipse(cx, cy + size * 0.05, size * 0.32, size * 0.45, (255, 232, 150), flat=True),
    ])


# ---------------------------------------------------------------- the stills


def presents(c):
    # The maker's mark: a quill crossing the wordmark's first letter.
    quill = [(6, 27), (10, 20), (16, 12), (24, 5), (31, 2.5), (29, 8), (22, 15), (14, 22)]
    c.paint_all([
        blob(quill, (236, 222, 184), ink=0.5, shade=0.8),
        stroke([(5, 29), (14, 20), (22, 12), (29, 5)], 1.0, scale_colour(GOLD, 0.6), flat=True, clip=True),
        shape([(3, 31), (7, 25.5), (8.5, 27.5)], GOLD, gloss=True),
    ])
    for k in range(5):
        c.paint(stroke([(12 + k * 3.2, 19 - k * 2.6), (17 + k * 3.0, 18.5 - k * 2.8)], 0.5,
                       (190, 170, 130), flat=True, clip=True))
    mask = text_mask(c, "QUILLON CREATIONS", "DejaVuSerifCondensed-Bold.ttf", 20, 145, 16.5, spacing=-0.2)
    c.paint_mask(mask, dict(col=GOLD, gloss=True, shade=0.8, grain=0), blur_r=2.0)


class Placed:
    """A canvas seen through a scale and shift: a drawing made for one frame, placed in another."""

    def __init__(self, canvas, scale, dx, dy):
        self.canvas, self.fn = canvas, paint.affine(scale=scale, dx=dx, dy=dy)

    def paint(self, s):
        self.canvas.paint(paint.transform_shapes([s], self.fn)[0])

    def paint_all(self, shapes):
        for s in shapes:
            self.paint(s)

    def begin_group(self):
        self.canvas.begin_group()

    def end_group(self):
        self.canvas.end_group()


def emblem(c):
    # The game's emblem, shrunk into the rows above its caption, which runs along the foot of the picture.
    _emblem(Placed(c, 0.88, 64 - 0.88 * 64, 2 - 0.88 * 4))


def _emblem(c):
    # The tower at night inside a bronze ring, over a red ribbon.
    cx, cy = 64, 62
    c.paint_all([
        ellipse(cx, cy, 58, 58, (150, 110, 56), gloss=True, ink=1.0),
        ellipse(cx, cy, 49, 49, (26, 40, 80), shade=0.8, grain=0.5),
    ])
    for i in range(16):
        a = 2 * math.pi * i / 16
        c.paint(ellipse(cx + 53.5 * math.cos(a), cy + 53.5 * math.sin(a), 1.8, 1.8, (232, 196, 120), gloss=True))
    rng = [(40, 30), (88, 26), (96, 50), (30, 54), (56, 20), (76, 38)]
    for (x, y) in rng:
        c.paint(ellipse(x, y, 1.1, 1.1, (230, 236, 255), flat=True, clip=True))
    c.paint(ellipse(84, 30, 7, 7, (236, 228, 200), shade=0.6, clip=True))
    floors = 5
    for f in range(floors):
        y1 = 100 - f * 13
        half = 24 - f * 2.5
        c.paint(shape([(cx - half, y1), (cx + half, y1), (cx + half, y1 - 12), (cx - half, y1 - 12)],
                      mix(SANDSTONE_LIGHT, SANDSTONE_DARK, f * 0.15), ink=0.7, clip=True))
        c.paint(shape([(cx - 2, y1 - 3), (cx + 2, y1 - 3), (cx + 2, y1 - 9), (cx - 2, y1 - 9)], (30, 22, 18),
                      flat=True, clip=True))
        if f % 2 == 0:
            flame(c, cx - half + 4, y1 - 7, 2.0)
            flame(c, cx + half - 4, y1 - 7, 2.0)
    c.paint(shape([(cx - 12, 35), (cx + 12, 35), (cx + 12, 28), (cx - 12, 28)], SANDSTONE_DARK, clip=True))
    for k in range(-2, 3):
        c.paint(shape([(cx + k * 5 - 1.5, 28), (cx + k * 5 + 1.5, 28), (cx + k * 5 + 1.5, 25),
                       (cx + k * 5 - 1.5, 25)], SANDSTONE_DARK, clip=True))
    barrel(c, 38, 95, 7, 5.5)
    c.paint_all([
        shape([(14, 100), (114, 100), (110, 112), (64, 116), (18, 112)], EMBER, ink=0.8),
        shape([(14, 100), (4, 104), (10, 108), (4, 113), (18, 112)], scale_colour(EMBER, 0.7), ink=0.8),
        shape([(114, 100), (124, 104), (118, 108), (124, 113), (110, 112)], scale_colour(EMBER, 0.7), ink=0.8),
    ])
    for k in range(7):
        x = 24 + k * 13.5
        c.paint(ellipse(x, 107.5 + 0.02 * (x - 64) ** 2 * 0.1, 2.3, 2.3, GOLD, gloss=True))


POSE_STAND = {
    "heroine": [0.0, 0.0, 2.0, 10.0, 12.0, -14.0, 24.0, -6.0, 6.0, 10.0, -8.0],
    "captain": [0.0, 0.0, 3.0, 8.0, 4.0, 14.0, -4.0, -4.0, 2.0, 8.0, -6.0],
    "general": [0.0, 0.0, 5.0, -12.0, 8.0, 16.0, 10.0, -6.0, 4.0, 8.0, -6.0],
}
POSE_WAVE = [0.0, 0.0, 4.0, -12.0, 20.0, 36.0, 70.0, -6.0, 6.0, 10.0, -8.0]
POSE_LIFT = [0.0, 0.0, -4.0, 160.0, 10.0, 186.0, 0.0, -6.0, 4.0, 8.0, -6.0]
POSE_THREAT = [0.0, 0.0, 4.0, 150.0, -30.0, 130.0, -40.0, -8.0, 6.0, 12.0, -8.0]


def iselle_full(c):
    standing(c, "heroine", POSE_WAVE, (4, 16, 120, 238))


def iselle_close(c):
    pose = [0.0, 0.0, 4.0, 8.0, 12.0, 30.0, 40.0, 0, 0, 0, 0]
    bust(c, "heroine", pose, 5.2, 4, 132)


GUARD_POSE = [0.0, 0.0, 4.0, -14.0, 10.0, 36.0, 64.0, -6.0, 4.0, 8.0, -6.0]


def iselle_apes(c):
    # Iselle between two spear-carrying guards.
    for box, tone, mirror in (((0, 56, 112, 196), GORILLA_GUARD, False), ((144, 56, 112, 196), ORANG_GUARD, True)):
        scale, x, y = standing(c, "general", GUARD_POSE, box, tone=tone, mirror=mirror)
        hand = figures.part_point("general", 6, GUARD_POSE, scale, x, y, mirror, (14, 54))
        spear(c, hand, 44 * scale / 0.9, 30 * scale / 0.9, scale)
    standing(c, "heroine", [0.0, 0.0, -8.0, 10.0, 10.0, 30.0, 60.0, -6.0, 6.0, 10.0, -8.0], (84, 52, 88, 200))


def in_cage(char, pose):
    # Hung low enough that the caption passes above the cage's hook.
    def painter(c):
        standing(c, char, pose, (22, 64, 84, 180))
        cage(c, 12, 60, 116, 250)
    return painter


def cade_close(c):
    pose = [0.0, 0.0, 4.0, 10.0, 0.0, 20.0, 30.0, 0, 0, 0, 0]
    bust(c, "captain", pose, 5.2, 28, 122)


def cade_and_iselle(c):
    # Side by side on the left; the caption runs out of the picture to their right.
    standing(c, "captain", [0.0, 0.0, 6.0, 8.0, 4.0, 50.0, 60.0, -4.0, 2.0, 8.0, -6.0], (4, 14, 104, 240))
    standing(c, "heroine", [0.0, 0.0, 6.0, 10.0, 12.0, 40.0, 60.0, -6.0, 6.0, 10.0, -8.0], (84, 42, 76, 212),
             mirror=True)


def vashk_full(c):
    # Standing on his name: the caption runs under his feet.
    standing(c, "general", POSE_STAND["general"], (2, 2, 124, 196))


def vashk_vs_cade(c):
    # Two heads face each other across a flash.
    # The general looms; the captain looks up at him from below the caption.
    c.paint_all(_flash(132, 70, 22))
    bust(c, "general", figures.REST, 2.4, 4, 62)
    bust(c, "captain", [0.0, 0.0, 8.0, 0, 0, 0, 0, 0, 0, 0, 0], 3.0, 56, 200, mirror=True)


def _flash(cx, cy, r):
    pts = []
    for i in range(16):
        a = 2 * math.pi * i / 16
        k = r if i % 2 == 0 else r * 0.4
        pts.append((cx + k * math.cos(a), cy + k * math.sin(a)))
    return [shape(pts, TORCH, shade=0.6, grain=0), ellipse(cx, cy, r * 0.3, r * 0.3, (255, 236, 170), flat=True)]


def vashk_lift(c):
    # Right of centre, so the caption beside his chest stays clear of the raised arm.
    standing(c, "general", POSE_LIFT, (24, 60, 102, 194))
    barrel(c, 82, 40, 34, 24)


def ape_figure(tone, pose):
    def painter(c):
        standing(c, "general", pose, (4, 6, 120, 246), tone=tone)
    return painter


def skerry(c):
    # The slave trader, chest up, with his whip uncoiling across the picture.
    bust(c, "captain", [0.0, 0.0, -4.0, 10.0, 0.0, 60.0, 80.0, 0, 0, 0, 0], 3.4, 16, 64, tone=SKERRY)
    whip = [(118, 86), (150, 58), (186, 46), (222, 56), (244, 82), (232, 104), (206, 100), (196, 90)]
    c.paint(stroke(whip, lambda t: 6.0 - 4.8 * t, (102, 66, 38), ink=0.6))
    c.paint(capsule(102, 98, 122, 80, 4.2, 4.2, (60, 40, 28), ink=0.7, gloss=True))
    c.paint(capsule(101, 99, 106, 94, 4.8, 4.8, GOLD, gloss=True))
    # A slaver's chain ending in an open shackle.
    for k in range(7):
        x, y = 132 + k * 11, 116 - k * 1.2
        if k % 2 == 0:
            c.paint(shape(stroke_ring(x, y, 7.0, 4.2, 1.9), IRON_BAR, gloss=True, ink=0.4))
        else:
            c.paint(capsule(x - 6.5, y, x + 6.5, y, 1.9, 1.9, scale_colour(IRON_BAR, 1.2), gloss=True, ink=0.4))
    c.paint(shape(stroke_ring(222, 106, 11, 11, 3.2, start=40, end=320), IRON_BAR, gloss=True, ink=0.6))


def senator(c):
    pose = [0.0, 0.0, -4.0, 10.0, 0.0, 40.0, 60.0, 0, 0, 0, 0]
    bust(c, "general", pose, 3.4, 6, 128, tone=SENATOR)
    c.paint(stroke([(84, 128), (104, 152), (128, 160), (152, 152), (172, 128)], 2.4, GOLD, gloss=True))
    c.paint(ellipse(128, 164, 10, 10, GOLD, gloss=True, ink=0.8))
    c.paint(ellipse(128, 164, 5, 5, EMBER, gloss=True))


def kelvaron(c):
    # The world itself: a desert planet girdled by a wide ring of dust, with its two moons.
    cx, cy, r = 64, 134, 42
    tilt = math.radians(-62)

    def ring_path(radius, flat, front):
        pts = []
        for i in range(121):
            a = 2 * math.pi * i / 120
            if (math.sin(a) >= 0) != front:
                continue
            x, y = radius * math.cos(a), flat * radius * math.sin(a)
            pts.append((cx + x * math.cos(tilt) - y * math.sin(tilt), cy + x * math.sin(tilt) + y * math.cos(tilt)))
        return pts
    bands = [(1.24, (150, 122, 96), 3.0), (1.34, (214, 184, 140), 5.0), (1.46, (182, 150, 112), 3.0),
             (1.56, (232, 208, 166), 4.0), (1.68, (170, 138, 106), 3.0), (1.80, (206, 178, 136), 2.2)]
    for k, col, width in bands:
        c.paint(stroke(ring_path(r * k, 0.3, False), width, scale_colour(col, 0.72), shade=0.4, smooth=False))
    c.paint(ellipse(cx, cy, r, r, (204, 148, 90), shade=1.6, soft=2.5, ink=0.6))
    for k, (dy, col, width) in enumerate(((-30, (226, 182, 122), 5), (-18, (178, 118, 70), 6),
                                          (-6, (214, 166, 106), 4), (5, (160, 100, 62), 7),
                                          (17, (208, 156, 98), 5), (29, (172, 112, 70), 6))):
        c.paint(stroke([(cx - r - 4, cy + dy + 5), (cx - r / 2, cy + dy), (cx, cy + dy - 2),
                        (cx + r / 2, cy + dy), (cx + r + 4, cy + dy + 5)], width, col, clip=True, shade=0.35))
    c.paint(ellipse(cx - 12, cy - 6, 8, 4.5, (236, 204, 150), clip=True, shade=0.5))
    c.paint(ellipse(cx + 14, cy + 12, 5, 3, (130, 80, 52), clip=True, shade=0.5))
    c.paint(dict(ellipse(cx + 18, cy + 16, r * 1.02, r * 1.02, (24, 14, 26)), darken=0.75, feather=5.0))
    for k, col, width in bands:
        c.paint(stroke(ring_path(r * k, 0.3, True), width, col, shade=0.5, smooth=False))
    for i in range(40):
        a = 2 * math.pi * ((i * 37) % 120) / 120
        rr = r * (1.26 + 0.5 * ((i * 13) % 10) / 10)
        x, y = rr * math.cos(a), 0.3 * rr * math.sin(a)
        px = cx + x * math.cos(tilt) - y * math.sin(tilt)
        py = cy + x * math.sin(tilt) + y * math.cos(tilt)
        if math.sin(a) >= 0 or math.hypot(px - cx, py - cy) > r + 1:
            c.paint(ellipse(px, py, 0.9, 0.9, (240, 222, 186), flat=True))
    # The larger moon sits below the caption, left of the ring's raised end.
    mx, my = 30, 62
    c.paint(ellipse(mx, my, 12, 12, (180, 186, 198), shade=1.8, soft=2.0, ink=0.6))
    c.paint(ellipse(mx + 3, my - 3, 3.2, 2.6, (132, 138, 152), clip=True, shade=0.5))
    c.paint(ellipse(mx - 5, my + 5, 2.4, 2.0, (132, 138, 152), clip=True, shade=0.5))
    c.paint(dict(ellipse(mx + 6, my + 6, 12.5, 12.5, (10, 12, 30)), darken=0.7, feather=2.0))
    c.paint(ellipse(104, 228, 6, 6, (156, 124, 102), shade=1.6, ink=0.5))


def raised_fist(c):
    # An ape's fist raised in triumph: knuckles to the viewer, bronze bracer, a red sash at the wrist.
    fur, skin = figures.FUR, figures.APE_SKIN
    c.begin_group()
    c.paint(capsule(64, 262, 63, 118, 25, 23, fur, ink=1.2))
    for k in range(14):
        x = 44 + (k * 7) % 40
        y = 214 + (k * 11) % 40
        c.paint(stroke([(x, y), (x + 3, y + 12)], 1.4, scale_colour(fur, 0.6), clip=True))
    c.paint(capsule(64, 204, 63, 140, 27.5, 26, figures.BRONZE, gloss=True, ink=1.4))
    for y in (150, 172, 194):
        c.paint(capsule(37, y, 91, y, 2.2, 2.2, scale_colour(figures.BRONZE, 0.6), clip=True))
        for x in (44, 64, 84):
            c.paint(ellipse(x, y - 8, 1.8, 1.8, (236, 200, 130), gloss=True, clip=True))
    c.end_group()
    c.begin_group()
    c.paint(blob([(36, 124), (31, 94), (33, 62), (48, 44), (64, 41), (84, 44), (97, 60), (98, 94),
                  (92, 124)], skin, ink=1.4))
    for i in range(4):
        x = 41 + i * 15.5
        c.paint(capsule(x, 47 + abs(i - 1.5) * 2, x + 1, 70, 8.2, 7.8, mix(skin, (120, 100, 90), 0.25), ink=1.2))
    for i in range(4):
        x = 42 + i * 15
        c.paint(capsule(x, 74, x + 1, 86, 7.2, 7.0, mix(skin, (120, 100, 90), 0.15), ink=1.2))
    c.paint(capsule(34, 108, 70, 90, 9.5, 8, mix(skin, (120, 100, 90), 0.3), ink=1.3))
    c.paint(capsule(49, 80, 65, 80, 3.2, 3.2, GOLD, gloss=True, clip=True))
    c.paint(ellipse(57, 80, 3.4, 3.4, EMBER, gloss=True))
    c.end_group()
    c.paint(capsule(37, 128, 91, 126, 7, 7, EMBER, ink=0.8))
    c.paint(stroke([(48, 132), (34, 150), (18, 146), (8, 168), (16, 190)], lambda t: 10 - 5 * t, EMBER, ink=0.7))
    c.paint(stroke([(78, 132), (96, 152), (112, 148), (120, 170)], lambda t: 9 - 5 * t, scale_colour(EMBER, 0.8),
                   ink=0.7))


#          still points   w    h  sparks  painter
STILLS = [
    (121,   122,  256,  32,  150,  presents),
    (123,   124,  128, 128,  110,  emblem),
    (116,   117,  128, 256,  111,  iselle_full),
    (137,   138,  256, 256,  139,  iselle_close),
    (141,   142,  256, 256,  138,  iselle_apes),
    (143,   144,  128, 256,   81,  in_cage("heroine", [0.0, 0.0, 0.0, 20.0, 30.0, 160.0, 20.0, -6.0, 6.0, 10.0, -8.0])),
    (125,   126,  256, 256,  132,  cade_close),
    (145,   146,  128, 256,   87,  in_cage("captain", [0.0, 0.0, 0.0, 160.0, 10.0, 20.0, 40.0, -4.0, 2.0, 8.0, -6.0])),
    (147,   148,  256, 256,   91,  cade_and_iselle),
    (118,   119,  128, 256,  126,  vashk_full),
    (155,   156,  256, 128,   73,  vashk_vs_cade),
    (157,   158,  128, 256,   75,  vashk_lift),
    (134,   133,  128, 256,  132,  ape_figure(OONA, [0.0, 0.0, 4.0, -10.0, 20.0, 40.0, 60.0, -4.0, 4.0, 6.0, -6.0])),
    (135,   136,  128, 256,  123,  ape_figure(BREKKO, [0.0, 0.0, -4.0, -20.0, 30.0, 24.0, -20.0, -8.0, 6.0, 10.0, -6.0])),
    (149,   150,  256, 128,   39,  skerry),
    (139,   140,  256, 256,   90,  senator),
    (151,   152,  128, 256,  121,  kelvaron),
    (153,   154,  128, 256,   71,  raised_fist),
]


@functools.lru_cache(maxsize=None)
def render(still_id):
    row = next(r for r in STILLS if r[0] == still_id)
    _, _, w, h, sparks, painter = row
    canvas = paint.Canvas(w, h, ss=3, seed=still_id)
    painter(canvas)
    img, sil = canvas.finish(outline=(still_id != 121))
    img = paint.torch_light(img, sil, from_right=True, strength=0.22)
    return paint.on_key(img, sil, KEY), paint.point_map(img, sil, sparks)


PICTURES = {}
for _row in STILLS:
    PICTURES[_row[0]] = (lambda i: lambda: render(i)[0])(_row[0])
    PICTURES[_row[1]] = (lambda i: lambda: render(i)[1])(_row[0])
