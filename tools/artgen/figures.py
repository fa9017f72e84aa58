# figures.py -- the three paper-doll characters: part geometry, part drawings, atlases and posed figures
#
# Each body part is drawn in the coordinates of its own atlas rectangle
# (x right, y down, origin at the rectangle's top-left corner), with its
# joint on the anchor. The same drawings make the in-game atlases at 1:1 and,
# posed through the part hierarchy and scaled up, the figures of the
# portraits and stills.

import math

from PIL import Image

import paint
from paint import (blob, capsule, ellipse, mix, scale_colour, shape, stroke,
                   SHADOW, EMBER, STEEL)

ATLAS_W, ATLAS_H = 256, 128

# Geometry of the eleven parts; part 0 has no quad.
#            part   u    v   w   h    ax    ay     px     py
GEOMETRY = {
    "general": [
        (0,       0,   0,  0,  0,   0.0,  0.0,   0.0,   0.0),
        (1,       0,   0, 51, 81,  25.5, 40.5,   0.0,   0.0),   # body (root)
        (2,      58,   0, 39, 48,  23.0, 43.0,  -2.0,  39.0),   # head
        (3,      42, 102, 28, 25,   8.0, 13.0,  20.5,  21.5),   # back upper arm
        (4,     146,   0, 27, 66,  15.0,  3.0,   9.0,  -9.0),   # back forearm
        (5,       0,  95, 33, 32,  22.0, 15.0, -21.5,  18.5),   # front upper arm
        (6,     107,   0, 30, 64,  14.0,  3.0, -11.0, -13.0),   # front forearm
        (7,     120, 103, 22, 24,   5.0,  4.0,   5.0, -19.0),   # back thigh
        (8,      85,  94, 27, 33,   6.0,  3.0,   9.0, -13.0),   # back shin
        (9,     120, 103, 22, 24,   5.0,  4.0, -19.0, -21.0),   # front thigh
        (10,     85,  94, 27, 33,   6.0,  3.0,   9.0, -13.0),   # front shin
    ],
    "captain": [
        (0,       0,   0,  0,  0,   0.0,  0.0,   0.0,   0.0),
        (1,       0,   0, 40, 65,  20.0, 32.5,   0.0,   0.0),
        (2,      52,   0, 22, 25,  10.0, 21.0,   3.0,  31.0),
        (3,      28,  98, 15, 29,   7.0,  5.0,  16.0,  18.5),
        (4,     123,   0, 21, 26,   4.0,  3.0,   0.0, -23.0),
        (5,       0,  98, 20, 29,  10.0,  5.0, -14.0,  14.5),
        (6,      85,   0, 31, 25,   5.0,  2.0,  -4.0, -20.0),
        (7,      58, 105, 19, 22,   9.0,  4.0,   6.0, -27.0),
        (8,      91,  94, 25, 33,  11.0,  4.0,   1.0, -15.0),
        (9,      58, 105, 19, 22,   9.0,  4.0,   0.0, -29.0),
        (10,     91,  94, 25, 33,  11.0,  4.0,   1.0, -15.0),
    ],
    "heroine": [
        (0,       0,   0,  0,  0,   0.0,  0.0,   0.0,   0.0),
        (1,       0,   0, 34, 56,  17.0, 28.0,   0.0,   0.0),
        (2,      45,   0, 33, 35,  18.0, 24.0,  -1.0,  28.0),
        (3,      21, 111,  8, 16,   3.0,  4.0,   4.0,  22.0),
        (4,     117,   0, 10, 24,   3.0,  3.0,   4.0, -13.0),
        (5,       0, 113, 12, 14,   8.0,  4.0, -11.0,  18.0),
        (6,      92,   0,  9, 28,   6.0,  1.0,  -6.0,  -8.0),
        (7,      49, 103, 11, 24,   5.0,  3.0,   1.0, -18.0),
        (8,     111, 100, 18, 27,   6.0,  3.0,   1.0, -15.0),
        (9,      49, 103, 11, 24,   5.0,  3.0,  -6.0, -19.0),
        (10,     79, 100, 18, 27,   6.0,  3.0,   1.0, -18.0),
    ],
}

DRAW_ORDER = {
    "general": (3, 7, 1, 2, 9, 5),
    "captain": (3, 7, 1, 2, 9, 5),
    "heroine": (3, 7, 9, 2, 1, 5),
}

# Vertical draw offset of each figure, in model units.
FOOT_OFFSET = {"general": -0.45 / 0.0175, "captain": -0.25 / 0.0175, "heroine": -0.5 / 0.0175}

BACK_PARTS = (3, 4, 7, 8)
CHILD = {3: 4, 5: 6, 7: 8, 9: 10}
PARENT = {4: 3, 6: 5, 8: 7, 10: 9}

# ---------------------------------------------------------------- palettes

FUR = (122, 100, 80)
FUR_DARK = (84, 72, 62)
APE_SKIN = (92, 74, 66)
APE_MUZZLE = (150, 124, 106)
BRONZE = (132, 92, 46)
IRON = (46, 43, 46)
LEATHER = (96, 64, 38)
EYE_GOLD = (236, 196, 84)

OLIVE = (100, 108, 64)
OLIVE_DARK = (74, 80, 50)
HARNESS = (46, 40, 36)
BOOT = (44, 37, 33)
SKIN_CAPTAIN = (214, 166, 128)
HAIR_CAPTAIN = (46, 34, 28)

TUNIC = (200, 172, 122)
TUNIC_DARK = (150, 124, 84)
WRAP = (112, 74, 44)
SKIN_HEROINE = (208, 152, 112)
HAIR_HEROINE = (44, 30, 26)
LIPS = (168, 82, 70)
EYE_DARK = (36, 26, 24)


def fur_strokes(x0, y0, x1, y1, count, colour, seed, length=3.5, slant=0.35):
    """Short strands scattered over a fur region, clipped to what the part has painted."""
    out = []
    state = seed * 2654435761 % 4294967296
    for _ in range(count):
        state = (state * 1103515245 + 12345) % 2147483648
        fx = (state >> 8) % 1000 / 1000.0
        state = (state * 1103515245 + 12345) % 2147483648
        fy = (state >> 8) % 1000 / 1000.0
        x, y = x0 + (x1 - x0) * fx, y0 + (y1 - y0) * fy
        tone = colour if (state >> 4) % 3 else scale_colour(colour, 1.9)
        out.append(stroke([(x, y), (x + slant * length, y + length)], 0.45, tone, clip=True, flat=True))
    return out


def _ink(fine):
    return 0.7 if fine else 0.0


# ---------------------------------------------------------------- the general


def general_part(part, fine, tone=None):
    fur = tone["fur"] if tone else FUR
    fur_dark = scale_colour(fur, 0.7)
    skin = tone["skin"] if tone else APE_SKIN
    muzzle = tone["muzzle"] if tone else APE_MUZZLE
    armour = tone["armour"] if tone else IRON
    trim = tone["trim"] if tone else BRONZE
    sash = tone["sash"] if tone else EMBER
    helmet = tone.get("helmet", False) if tone else False
    ink = _ink(fine)
    s = []
    if part == 1:
        s.append(blob([(4, 15), (11, 6), (22, 2.5), (34, 3), (44, 8), (49, 16), (48, 29), (44, 42),
                       (41, 56), (39, 69), (12, 69), (9, 56), (5, 41), (2.5, 27)], fur, ink=ink))
        s.append(blob([(8, 18), (20, 13), (34, 13), (45, 18), (44, 34), (40, 50), (37, 59),
                       (13, 59), (10, 48), (7, 32)], armour, ink=ink, clip=True, shade=1.3))
        s.append(blob([(20, 15), (34, 14.5), (44, 19), (42, 34), (36, 44), (27, 46), (21, 38), (19, 26)],
                      scale_colour(armour, 1.35), clip=True, shade=1.4))
        s.append(stroke([(9, 19), (20, 14), (34, 14), (45, 19)], 2.2, trim, gloss=True, clip=True))
        s.append(stroke([(27, 16), (26.5, 30), (27, 45)], 1.4, trim, gloss=True, clip=True))
        s.append(stroke([(7, 17), (20, 32), (41, 52)], 8, sash, clip=True, shade=1.3))
        for i, x in enumerate(range(9, 42, 6)):
            col = trim if i % 2 == 0 else scale_colour(LEATHER, 0.9)
            s.append(capsule(x + 2, 60, x + 1.5 + (x - 25) * 0.12, 77, 3.2, 3.0, col, ink=ink))
        s.append(capsule(10, 58, 41, 57, 4, 4, scale_colour(LEATHER, 0.8), ink=ink))
        s.append(ellipse(30, 57.5, 4.5, 4.2, trim, gloss=True, ink=ink))
        s.append(blob([(9, 12), (16, 5), (28, 3), (39, 6), (44, 12), (36, 16), (25, 15), (14, 17)], fur,
                      soft=0.6))
        s.append(blob([(15, 8), (21, 3.5), (29, 3), (35, 6.5), (30, 10), (22, 10.5)], fur_dark))
        if fine:
            s.extend(fur_strokes(3, 4, 48, 68, 70, scale_colour(fur, 0.62), 11))
            for k in range(9):
                x = 11 + k * 3.8
                s.append(stroke([(x, 7 + (k % 2)), (x + 1.2, 14)], 0.9, scale_colour(fur, 0.6), clip=True))
            for (rx, ry) in ((12, 20), (42, 21), (24, 45), (38, 40)):
                s.append(ellipse(rx, ry, 1.0, 1.0, (220, 180, 110), gloss=True, clip=True))
    elif part == 2:
        s.append(capsule(23, 43, 22, 33, 7, 8, fur_dark))
        s.append(blob([(5, 15), (9, 6), (19, 2), (30, 3.5), (36, 10), (37.5, 20), (35, 30), (31, 38),
                       (23, 44.5), (13, 41), (6, 31), (3.5, 22)], fur, ink=ink))
        s.append(blob([(17, 14), (28, 12), (35, 14.5), (38.3, 21), (38.3, 30), (35, 37), (26, 39.5),
                       (18.5, 34), (15.5, 24)], skin, ink=ink, clip=True))
        s.append(blob([(22, 25), (32, 21.5), (38.5, 24), (38.5, 32), (35, 37.5), (26, 38), (21, 32)], muzzle,
                      ink=ink, clip=True))
        s.append(capsule(17.5, 18, 37.5, 16.5, 3.6, 3.4, scale_colour(skin, 0.7), ink=ink, clip=True))
        s.append(ellipse(30.2, 21.3, 3.0, 1.8, EYE_GOLD, shade=0.4, grain=0))
        s.append(ellipse(31.1, 21.3, 1.0, 1.2, (24, 14, 10), flat=True))
        s.append(stroke([(27.5, 19.6), (33.5, 19.4)], 0.9, scale_colour(skin, 0.45), flat=True))
        s.append(ellipse(36.4, 25.8, 1.2, 0.9, (26, 18, 16), flat=True))
        s.append(ellipse(33.4, 25.9, 0.9, 0.8, (26, 18, 16), flat=True))
        s.append(stroke([(25, 33), (31, 34), (38, 32)], 1.1, (30, 20, 18), flat=True))
        s.append(shape([(32.5, 33.6), (34.2, 33.4), (33.6, 36.6)], (236, 226, 200), shade=0.3))
        s.append(shape([(27.5, 33.8), (29, 33.9), (28.3, 36.2)], (236, 226, 200), shade=0.3))
        s.append(ellipse(11.5, 25, 3.2, 4.2, scale_colour(skin, 0.9), ink=ink))
        s.append(ellipse(12, 25, 1.4, 2.2, scale_colour(skin, 0.6), flat=True))
        if helmet:
            s.append(blob([(5, 19), (7, 9), (16, 3.5), (27, 3.5), (34.5, 8.5), (36.8, 14.5), (27, 13),
                           (16, 14.5), (10, 18)], trim, gloss=True, ink=ink))
            s.append(stroke([(5.5, 12), (11, 4.5), (19, 1.6), (28, 1.8)], 3.4, sash, shade=1.2))
            s.append(stroke([(8, 17), (16, 13.5), (27, 12.5), (36.5, 14)], 1.5, scale_colour(trim, 1.2), gloss=True))
        else:
            s.append(blob([(6, 16), (9, 7), (17, 1.2), (26, 1.0), (33, 5), (36.5, 12), (30, 11.5), (21, 11),
                           (12, 15)], fur_dark, ink=ink))
            s.append(stroke([(10, 9), (18, 3.5), (27, 3.2)], 1.2, scale_colour(fur, 1.15), clip=True, shade=0.5))
        if fine:
            s.extend(fur_strokes(4, 4, 20, 44, 60, scale_colour(fur, 0.62), 21))
            s.append(ellipse(29.6, 20.8, 0.5, 0.4, (255, 250, 220), flat=True))
            s.append(stroke([(19, 29), (23, 27.5)], 0.5, scale_colour(skin, 0.6), flat=True, clip=True))
            s.append(stroke([(20, 24), (24, 23)], 0.5, scale_colour(skin, 0.6), flat=True, clip=True))
    elif part == 3:
        s.append(capsule(8, 13, 17, 20.5, 7, 6.5, fur_dark, ink=ink))
        s.append(blob([(1.5, 10), (4, 4), (12, 1.5), (22, 2), (26.5, 7), (26, 12.5), (18, 14.5),
                       (8, 16)], trim, gloss=True, ink=ink))
        s.append(capsule(4, 9, 24, 8, 1.3, 1.3, scale_colour(trim, 0.7), clip=True))
    elif part == 5:
        s.append(capsule(22, 15, 11, 26, 7.5, 7, fur, ink=ink))
        s.append(blob([(8.5, 11), (13, 4), (23, 1.5), (31, 5), (32.3, 12), (29, 18.5), (19, 19),
                       (10, 16.5)], trim, gloss=True, ink=ink))
        s.append(capsule(12, 10, 30, 10, 1.4, 1.4, scale_colour(trim, 0.7), clip=True))
        s.append(ellipse(20.5, 6, 1.4, 1.4, (226, 190, 120), gloss=True))
    elif part in (4, 6):
        ax = 15 if part == 4 else 14
        body = fur_dark if part == 4 else fur
        s.append(blob([(ax - 6, 5), (ax, 1.2), (ax + 6.5, 4), (ax + 8.5, 16), (ax + 7.5, 34), (ax + 6, 44),
                       (ax - 7, 44), (ax - 8.5, 30), (ax - 8, 14)], body, ink=ink))
        for k in range(6):
            y = 8 + k * 4.5
            s.append(stroke([(ax - 5 + (k % 3) * 4, y), (ax - 4 + (k % 3) * 4, y + 4)], 0.8,
                            scale_colour(body, 0.62), clip=True))
        if fine:
            s.extend(fur_strokes(ax - 8, 3, ax + 8, 33, 40, scale_colour(body, 0.6), part))
        s.append(capsule(ax - 0.8, 33, ax - 1.0, 42, 8.2, 7.8, trim if part == 6 else scale_colour(trim, 0.8),
                         gloss=True, ink=ink))
        s.append(capsule(ax - 9, 37.5, ax + 7.5, 37.5, 0.9, 0.9, scale_colour(trim, 0.55), clip=True))
        s.append(blob([(ax - 9.5, 48), (ax - 3, 44.5), (ax + 6, 45.5), (ax + 10.5, 52), (ax + 9.5, 60),
                       (ax + 3, 64.6), (ax - 5, 63.8), (ax - 10.3, 57)], skin, ink=ink))
        for k in range(3):
            y = 52.5 + k * 3.6
            s.append(stroke([(ax + 2, y), (ax + 10, y + 0.3)], 0.8, scale_colour(skin, 0.45), clip=True))
        s.append(stroke([(ax - 6, 49), (ax - 1, 56), (ax + 2, 55)], 0.8, scale_colour(skin, 0.5), clip=True))
    elif part == 7:
        s.append(blob([(1, 5.5), (5, 0.8), (12, 3), (19.5, 13), (20.8, 19), (15.5, 23.3), (8.5, 21.5),
                       (3, 12)], fur, ink=ink))
        s.append(blob([(3, 4), (10, 2), (12, 8), (5, 10)], scale_colour(LEATHER, 0.9), clip=True))
        if fine:
            s.extend(fur_strokes(1, 2, 21, 23, 40, scale_colour(fur, 0.6), 7))
    elif part == 8:
        s.append(capsule(7, 6.5, 9, 21, 5.6, 5.2, fur, ink=ink))
        s.append(blob([(9, 6), (13.5, 8), (14, 18), (11, 22), (8, 14)], trim, gloss=True, ink=ink, clip=True))
        s.append(capsule(3.5, 19.5, 13.5, 19.5, 1.6, 1.6, LEATHER))
        if fine:
            s.extend(fur_strokes(2, 2, 12, 18, 20, scale_colour(fur, 0.6), 8))
        s.append(blob([(2, 25), (7, 21.5), (17, 22), (25.5, 26.5), (26.3, 31), (15, 32.3), (2.5, 31.5)],
                      skin, ink=ink))
        for k in range(3):
            x = 18 + k * 2.6
            s.append(stroke([(x, 28), (x + 1.2, 32)], 0.7, scale_colour(skin, 0.5), clip=True))
    return s


# ---------------------------------------------------------------- the captain


def captain_part(part, fine, tone=None):
    t = tone or {}
    olive = t.get("coat", OLIVE)
    olive_dark = t.get("coat_dark", OLIVE_DARK)
    harness = t.get("harness", HARNESS)
    boot = t.get("boot", BOOT)
    skin = t.get("skin", SKIN_CAPTAIN)
    hair = t.get("hair", HAIR_CAPTAIN)
    badge = t.get("badge", EMBER)
    ink = _ink(fine)
    s = []
    if part == 1:
        s.append(blob([(5, 12), (12, 4), (23, 2.2), (33, 5), (38, 12), (36.5, 28), (33, 44), (32, 57),
                       (30, 64), (14, 64), (10, 56), (9, 40), (5, 26)], olive, ink=ink))
        s.append(ellipse(23, 4.5, 6.5, 3.2, olive_dark, clip=True))
        s.append(stroke([(12, 7), (22, 24), (29, 44)], 3.6, harness, clip=True, smooth=False))
        s.append(stroke([(34, 8), (25, 23)], 3.6, harness, clip=True, smooth=False))
        s.append(ellipse(23.5, 24, 3.2, 3.2, STEEL, gloss=True))
        s.append(capsule(9.5, 50, 33, 50, 3.2, 3.2, harness, ink=ink))
        s.append(shape([(21, 47.5), (26, 47.5), (26, 52.5), (21, 52.5)], STEEL, gloss=True))
        s.append(shape([(12, 28), (19, 29), (19, 36), (12, 35)], olive_dark, clip=True, shade=0.6))
        s.append(stroke([(17.5, 53), (18.5, 63.5)], 0.8, olive_dark, clip=True))
        s.append(ellipse(32.5, 13, 2.6, 2.2, badge, shade=0.5))
        if fine:
            s.append(stroke([(22, 6), (22, 46)], 0.6, scale_colour(olive, 0.6), clip=True))
            s.append(ellipse(28, 38, 2.0, 1.5, scale_colour(olive, 1.25), clip=True, shade=0.3))
    elif part == 2:
        s.append(capsule(10, 21, 11, 15, 3.6, 3.6, scale_colour(skin, 0.85)))
        s.append(blob([(4.5, 10), (6.5, 4), (12, 1.5), (18, 3), (20, 7.5), (20.8, 11.5), (20.5, 15),
                       (18, 19), (13, 20.5), (7.5, 18), (4.5, 14)], skin, ink=ink))
        s.append(shape([(19.5, 9.5), (21.7, 13.5), (19.5, 14.2)], skin, shade=0.6))
        s.append(blob([(3.5, 11.5), (3.8, 5), (8, 1.5), (14, 0.7), (19, 2.3), (20.3, 6), (15, 5),
                       (11, 6), (9, 9.5), (7, 13.5)], hair, ink=ink))
        s.append(ellipse(9.7, 11.5, 1.5, 2.2, scale_colour(skin, 0.8)))
        if fine:
            s.append(ellipse(16.6, 9.7, 1.3, 0.75, (236, 228, 218), flat=True))
            s.append(ellipse(17.1, 9.7, 0.65, 0.7, (60, 84, 96), flat=True))
            s.append(ellipse(17.2, 9.7, 0.3, 0.35, (14, 10, 8), flat=True))
            s.append(stroke([(15.2, 9.0), (16.6, 8.8), (18.0, 9.1)], 0.4, EYE_DARK, flat=True))
            s.append(stroke([(19.2, 13.8), (20.4, 14.0)], 0.35, scale_colour(skin, 0.6), flat=True))
            s.append(stroke([(8.8, 10.4), (9.8, 12.6)], 0.35, scale_colour(skin, 0.6), flat=True))
        else:
            s.append(ellipse(16.6, 9.6, 1.2, 0.8, EYE_DARK, flat=True))
        s.append(stroke([(14.5, 7.6), (18.5, 7.3)], 0.8, hair, flat=True))
        s.append(stroke([(16.3, 16.2), (19.2, 15.8)], 0.7, (130, 70, 60), flat=True))
        s.append(blob([(9, 15), (13, 19), (18, 18.5), (19.5, 16.5), (17, 19.5), (12, 20)],
                      scale_colour(skin, 0.75), clip=True, shade=0.3))
        if t.get("beard"):
            s.append(blob([(8, 14), (12, 19.5), (17, 21), (20.5, 17.5), (20, 22), (15, 24), (9.5, 21)],
                          hair, ink=ink))
    elif part in (3, 5):
        if part == 3:
            s.append(capsule(7, 5, 7, 24, 5, 4.4, olive_dark, ink=ink))
            s.append(capsule(3, 6, 11, 6, 1.0, 1.0, harness, clip=True))
        else:
            s.append(capsule(10, 5, 6, 24, 5.6, 5.0, olive, ink=ink))
            s.append(ellipse(10.5, 10, 2.4, 2.8, badge, shade=0.6, clip=True))
            s.append(ellipse(10.5, 10, 1.1, 1.3, (230, 200, 120), flat=True))
    elif part == 4:
        s.append(capsule(4, 4.3, 9.5, 16.5, 3.9, 3.5, olive_dark, ink=ink))
        s.append(capsule(7.5, 14, 10, 16.5, 3.8, 3.8, harness))
        s.append(ellipse(12, 20, 4.2, 4.2, boot, gloss=True, ink=ink))
    elif part == 6:
        s.append(capsule(5, 4, 12.5, 14.5, 3.8, 3.5, olive, ink=ink))
        s.append(capsule(11, 13, 13.5, 16, 3.9, 3.9, harness))
        s.append(shape([(15, 18), (18.5, 18), (17.5, 24), (14.5, 24)], (60, 56, 54), ink=ink))
        s.append(shape([(13, 13), (28, 12), (30.5, 13.5), (30.5, 16), (16, 18)], STEEL, gloss=True, ink=ink))
        s.append(ellipse(29.5, 14.5, 0.9, 0.9, (110, 220, 255), flat=True))
        s.append(ellipse(16.5, 17.5, 4.0, 3.8, boot, gloss=True, ink=ink))
    elif part == 7:
        s.append(blob([(4, 4.5), (9, 0.8), (15, 3), (15.8, 12), (14.8, 19.5), (10, 21.5), (5.5, 19.5),
                       (4, 11)], olive, ink=ink))
        s.append(ellipse(13, 17.5, 2.6, 3, olive_dark, clip=True, shade=0.6))
        s.append(shape([(5, 6), (10, 6.5), (10, 12), (5.5, 11.5)], olive_dark, clip=True, shade=0.5))
    elif part == 8:
        s.append(capsule(11, 6, 10.5, 18, 5, 4.5, olive, ink=ink))
        s.append(blob([(5, 18), (15, 16.5), (16, 23.5), (22.5, 25.5), (24.3, 31.5), (5, 32.3),
                       (4.6, 24)], boot, gloss=True, ink=ink))
        s.append(capsule(5, 18.5, 15.5, 18.5, 1.2, 1.2, harness))
        s.append(capsule(5.5, 31, 24, 31, 1.1, 1.1, (24, 22, 22)))
    return s


# ---------------------------------------------------------------- the heroine


def _ragged_hem(x0, x1, y, depth, teeth):
    pts = []
    for i in range(teeth + 1):
        x = x0 + (x1 - x0) * i / teeth
        pts.append((x, y + (depth if i % 2 else 0) + (i % 3) * 0.4))
    return pts


def heroine_part(part, fine, tone=None):
    skin = tone["skin"] if tone else SKIN_HEROINE
    tunic = tone["tunic"] if tone else TUNIC
    hair = tone["hair"] if tone else HAIR_HEROINE
    ink = _ink(fine)
    s = []
    if part == 1:
        s.append(capsule(16, 1, 16.5, 6, 3.5, 3.5, scale_colour(skin, 0.85)))
        hem = _ragged_hem(28.5, 4.5, 51, 3.5, 7)
        top = [(5, 9), (9, 3.5), (14, 2.5), (19, 2.5), (24, 4), (27.5, 9), (26, 18), (23.5, 28),
               (25.5, 38), (28.5, 48)]
        left = [(4, 48), (7.5, 38), (9, 28), (6.5, 18)]
        s.append(shape(paint.smooth_pts(top, closed=False) + hem + left, tunic, ink=ink))
        s.append(shape([(13, 2.5), (19.5, 2.5), (16.5, 9)], skin, shade=0.5, clip=True))
        s.append(stroke([(21.5, 3.5), (13, 17), (9.5, 27)], 2.2, WRAP, clip=True))
        s.append(stroke([(8, 29), (17, 31), (25.2, 28.5)], 2.6, scale_colour(WRAP, 0.85), clip=True))
        s.append(stroke([(13.5, 31), (12.5, 37), (13.5, 41)], 1.4, scale_colour(WRAP, 0.85)))
        s.append(stroke([(20, 36), (22.5, 44)], 0.9, TUNIC_DARK, clip=True, flat=True))
        s.append(stroke([(10, 40), (12, 47)], 0.9, TUNIC_DARK, clip=True, flat=True))
        s.append(shape([(21, 12), (25, 13), (24, 17), (21, 16)], scale_colour(tunic, 0.85), clip=True, shade=0.4))
    elif part == 2:
        s.append(blob([(8, 6.5), (13, 2), (20, 1), (26, 3), (28.5, 8), (24, 10.5), (19.5, 15), (17, 22),
                       (14.5, 30), (10, 34.3), (4, 33.5), (1.5, 27), (4.5, 16)], hair, ink=ink))
        s.append(capsule(18, 24, 19.5, 18, 3.1, 3.1, scale_colour(skin, 0.85)))
        s.append(blob([(16.5, 9.5), (21, 5.5), (27, 6), (30, 10), (30.6, 14), (29.6, 18), (26, 21.3),
                       (21, 21.3), (17.5, 17)], skin, ink=ink))
        s.append(shape([(29.6, 11), (32.3, 15), (29.8, 15.8)], skin, shade=0.5))
        s.append(blob([(15, 9.5), (18, 4), (24, 2.3), (29, 4.6), (30.6, 8.5), (26, 6.8), (21.5, 9.5),
                       (18.5, 14.5), (16.5, 17)], hair, ink=ink))
        s.append(stroke([(16, 6.5), (23, 3.5), (30, 6.2)], 1.1, WRAP))
        if fine:
            s.append(ellipse(26.7, 12.2, 1.45, 0.85, (236, 226, 214), flat=True))
            s.append(ellipse(27.2, 12.2, 0.75, 0.8, (70, 46, 30), flat=True))
            s.append(ellipse(27.3, 12.2, 0.35, 0.4, (16, 10, 8), flat=True))
            s.append(stroke([(25.1, 11.4), (26.7, 11.1), (28.3, 11.5)], 0.45, EYE_DARK, flat=True))
            s.append(stroke([(24.6, 10.0), (26.7, 9.4), (28.6, 9.8)], 0.6, hair, flat=True))
            s.append(shape([(27.2, 17.9), (29.9, 17.6), (29.6, 18.3), (27.6, 18.4)], LIPS, shade=0.3))
            s.append(shape([(27.6, 18.4), (29.6, 18.3), (29.0, 19.3), (27.9, 19.1)], mix(LIPS, skin, 0.3),
                           shade=0.3))
            s.append(ellipse(25.0, 16, 1.8, 1.1, mix(skin, LIPS, 0.12), flat=True, clip=True))
            s.append(stroke([(30.2, 15.2), (31.2, 15.4)], 0.4, scale_colour(skin, 0.6), flat=True))
        else:
            s.append(ellipse(26.7, 12.2, 1.3, 0.9, EYE_DARK, flat=True))
            s.append(stroke([(24.8, 10.3), (28.3, 10.1)], 0.7, hair, flat=True))
            s.append(ellipse(28.3, 18.3, 1.2, 0.75, LIPS, shade=0.3))
        if fine:
            for k in range(5):
                s.append(stroke([(9 + k * 2.3, 8 + k), (6 + k * 1.7, 20 + k * 2.5), (4 + k * 1.5, 31)],
                                0.6, scale_colour(hair, 1.8), clip=True))
            s.append(ellipse(26.3, 11.9, 0.4, 0.35, (240, 230, 220), flat=True))
    elif part == 3:
        s.append(capsule(3.5, 4, 4.6, 12.5, 3.0, 2.6, scale_colour(skin, 0.85), ink=ink))
    elif part == 5:
        s.append(capsule(8, 4, 3.5, 10.6, 3.2, 2.8, skin, ink=ink))
        s.append(capsule(4.8, 6.5, 8.8, 9.8, 1.0, 1.0, WRAP))
    elif part in (4, 6):
        arm = scale_colour(skin, 0.85) if part == 4 else skin
        if part == 4:
            top, wrist, hand = (3.5, 3.5), (4.5, 16), (5, 20.5)
        else:
            top, wrist, hand = (5.8, 2.2), (4.6, 20), (4.6, 24.2)
        s.append(capsule(top[0], top[1], wrist[0], wrist[1], 2.8 if part == 4 else 2.6, 2.3, arm, ink=ink))
        s.append(capsule(wrist[0], wrist[1] - 5, wrist[0], wrist[1] - 0.5, 2.8, 2.7, WRAP, ink=ink))
        s.append(ellipse(hand[0], hand[1], 2.7, 3.3, arm, ink=ink))
    elif part == 7:
        s.append(capsule(5, 4.2, 6, 19.5, 3.8, 3.2, skin, ink=ink))
    elif part in (8, 10):
        leg = scale_colour(skin, 0.85) if part == 8 else skin
        s.append(capsule(6, 4.2, 6.3, 19.5, 3.3, 2.7, leg, ink=ink))
        for y in (12, 15.5, 19):
            s.append(stroke([(2.5, y + 1), (9.5, y - 0.5)], 1.5, WRAP, clip=True))
        s.append(blob([(3, 20.5), (8.5, 20), (14, 23), (17.3, 25.5), (16.5, 26.6), (3.5, 26.5)], WRAP, ink=ink))
    return s


DRAWERS = {"general": general_part, "captain": captain_part, "heroine": heroine_part}


def part_shapes(char, part, fine=False, tone=None):
    fn = DRAWERS[char]
    if tone is not None:
        return fn(part, fine, tone)
    return fn(part, fine)


def part_row(char, part):
    return GEOMETRY[char][part]


# ---------------------------------------------------------------- atlases


def atlas_pair(char):
    """The colour atlas and its mask, both from the same silhouettes."""
    colour = Image.new("RGB", (ATLAS_W, ATLAS_H), (0, 0, 0))
    mask = Image.new("RGB", (ATLAS_W, ATLAS_H), (255, 255, 255))
    done = set()
    for row in GEOMETRY[char][1:]:
        part, u, v, w, h = row[:5]
        if (u, v) in done:
            continue
        done.add((u, v))
        canvas = paint.Canvas(w, h, seed=1000 + part)
        shapes = part_shapes(char, part)
        if part in BACK_PARTS and not _shared_rect(char, part):
            shapes = [dict(s, col=scale_colour(s["col"], 0.86)) for s in shapes]
        canvas.paint_all(shapes)
        img, sil = canvas.finish()
        colour.paste(img, (u, v))
        m = Image.frombytes("L", (w, h), bytes(0 if b else 255 for b in sil))
        mask.paste(Image.merge("RGB", (m, m, m)), (u, v))
    return colour, mask


def _shared_rect(char, part):
    u, v = GEOMETRY[char][part][1:3]
    return sum(1 for r in GEOMETRY[char][1:] if r[1:3] == (u, v)) > 1


# ---------------------------------------------------------------- posed figures

REST = [0.0] * 11


def _part_matrix(char, part, pose):
    """3x3 affine matrix from the part's rectangle coordinates to model units (y up)."""
    row = GEOMETRY[char][part]
    ax, ay, px, py = row[5:9]
    local = ((1, 0, -ax), (0, -1, ay), (0, 0, 1))
    chain = [part]
    while chain[-1] in PARENT:
        chain.append(PARENT[chain[-1]])
    m = local
    for p in chain:
        r = math.radians(pose[p])
        c, s = math.cos(r), math.sin(r)
        rot = ((c, -s, 0), (s, c, 0), (0, 0, 1))
        m = _mul(rot, m)
        if p != 1:
            prow = GEOMETRY[char][p]
            m = _mul(((1, 0, prow[7]), (0, 1, prow[8]), (0, 0, 1)), m)
    if chain[-1] != 1:
        r = math.radians(pose[1])
        c, s = math.cos(r), math.sin(r)
        m = _mul(((c, -s, 0), (s, c, 0), (0, 0, 1)), m)
    return m


def _mul(a, b):
    return tuple(tuple(sum(a[i][k] * b[k][j] for k in range(3)) for j in range(3)) for i in range(3))


def posed_parts(char, pose=REST, scale=2.0, x=0.0, y=0.0, mirror=False, fine=True, tone=None,
                shade_back=True):
    """Per part (in drawing order), its shapes placed on a canvas.

    (x, y) is where the figure's root lands on the canvas; y grows downwards.
    """
    order = []
    for p in DRAW_ORDER[char]:
        if p in CHILD:
            order.append(CHILD[p])
        order.append(p)
    out = []
    for p in order:
        m = _part_matrix(char, p, pose)
        lift = pose[0]
        sx = -scale if mirror else scale

        def fn(px, py, m=m):
            mx = m[0][0] * px + m[0][1] * py + m[0][2]
            my = m[1][0] * px + m[1][1] * py + m[1][2] + lift
            return (x + sx * mx, y - scale * my)
        shapes = part_shapes(char, p, fine, tone)
        if shade_back and p in BACK_PARTS:
            shapes = [dict(s, col=scale_colour(s["col"], 0.86)) for s in shapes]
        placed = paint.transform_shapes(shapes, fn)
        for s in placed:
            if s.get("ink"):
                s["ink"] = s["ink"] * max(1.0, scale * 0.6)
        out.append((p, placed))
    return out


def part_point(char, part, pose, scale, x, y, mirror, point):
    """Where a point given in a part's rectangle coordinates lands on the canvas of posed_parts."""
    m = _part_matrix(char, part, pose)
    px, py = point
    mx = m[0][0] * px + m[0][1] * py + m[0][2]
    my = m[1][0] * px + m[1][1] * py + m[1][2] + pose[0]
    return (x + (-scale if mirror else scale) * mx, y - scale * my)


def paint_figure(canvas, parts):
    for _, shapes in parts:
        canvas.begin_group()
        canvas.paint_all(shapes)
        canvas.end_group()


def figure_extent(char, pose=REST):
    """(left, top, right, bottom) of the posed figure in model units, y up."""
    xs, ys = [], []
    for p, shapes in posed_parts(char, pose, 1.0, 0.0, 0.0, fine=False):
        for s in shapes:
            for (a, b) in s["pts"]:
                xs.append(a)
                ys.append(-b)
    return min(xs), max(ys), max(xs), min(ys)
