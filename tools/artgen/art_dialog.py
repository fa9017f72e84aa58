# art_dialog.py -- the settings dialog's pictures: title art 163 (the tower at night) and wordmark strip 164

import random

from PIL import ImageChops

import figures
import paint
from art_stills import GOLD, flame, text_mask
from paint import capsule, ellipse, mix, scale_colour, shape, stroke, NIGHT, SANDSTONE_DARK, SANDSTONE_LIGHT

TITLE_W, TITLE_H = 217, 175
STRIP_W, STRIP_H = 216, 26


def night_sky(canvas, w, h, seed):
    """A sky from deep night at the top to a faint warm glow at the horizon, with stars."""
    bands = 24
    for i in range(bands):
        t = i / (bands - 1)
        col = mix((6, 10, 26), mix(NIGHT, (46, 40, 62), 0.5), t)
        y0 = h * i / bands
        canvas.paint(shape([(0, y0), (w, y0), (w, y0 + h / bands + 1), (0, y0 + h / bands + 1)], col, flat=True))
    rng = random.Random(seed)
    for _ in range(70):
        x, y = rng.uniform(2, w - 2), rng.uniform(2, h * 0.8)
        r = rng.choice((0.5, 0.5, 0.7, 1.0))
        b = rng.randint(150, 255)
        canvas.paint(ellipse(x, y, r, r, (b, b, min(255, b + 20)), flat=True))


def tower(canvas, cx, base, floors, floor_h, half0, step):
    """Stacked sandstone floors with stair flights, windows and torches."""
    for f in range(floors):
        y1 = base - f * floor_h
        half = half0 - f * step
        col = mix(SANDSTONE_LIGHT, SANDSTONE_DARK, 0.25 + 0.1 * (f % 2))
        canvas.paint(shape([(cx - half, y1), (cx + half, y1), (cx + half, y1 - floor_h + 2),
                            (cx - half, y1 - floor_h + 2)], col, ink=0.6, shade=0.7))
        for k in range(3):
            yy = y1 - (k + 1) * floor_h / 4
            canvas.paint(stroke([(cx - half, yy), (cx + half, yy)], 0.5, scale_colour(col, 0.6), flat=True,
                                clip=True, smooth=False))
        canvas.paint(shape([(cx - half, y1 - floor_h + 2), (cx + half, y1 - floor_h + 2), (cx + half, y1 - floor_h),
                            (cx - half, y1 - floor_h)], (70, 52, 38), flat=True))
        d = 1 if f % 2 == 0 else -1
        sx = cx - d * half * 0.1
        for k in range(6):
            x = sx + d * k * half * 0.12
            y = y1 - 2 - k * (floor_h - 4) / 6
            canvas.paint(shape([(x, y), (x + d * half * 0.14, y), (x + d * half * 0.14, y - 2), (x, y - 2)],
                               scale_colour(col, 0.7), flat=True))
        for side in (-1, 1):
            tx = cx + side * (half - 5)
            canvas.paint(capsule(tx, y1 - floor_h * 0.45, tx, y1 - floor_h * 0.3, 0.9, 0.9, (60, 44, 30), flat=True))
            flame(canvas, tx, y1 - floor_h * 0.55, 2.0)


def title_art():
    c = paint.Canvas(TITLE_W, TITLE_H, ss=3, seed=163)
    night_sky(c, TITLE_W, TITLE_H, 163)
    c.paint(ellipse(176, 26, 12, 12, (236, 228, 198), shade=0.8))
    c.paint(ellipse(172, 23, 3, 2.4, (200, 194, 170), clip=True, shade=0.4))
    tower(c, 78, 175, 5, 20, 60, 6)
    # The rope and the cage beside the top floor.
    top = 175 - 5 * 20
    c.paint(stroke([(132, top - 12), (132, top + 8)], 1.0, (150, 120, 80), flat=True, smooth=False))
    for i in range(6):
        x = 124 + i * 3.2
        c.paint(stroke([(x, top + 8), (x, top + 30)], 1.0, (80, 84, 92), gloss=True, smooth=False))
    c.paint(capsule(123, top + 8, 140, top + 8, 1.2, 1.2, (90, 94, 100), gloss=True))
    c.paint(capsule(122, top + 30, 141, top + 30, 1.6, 1.6, (90, 94, 100), gloss=True))
    # The general on the ledge of the top floor, a barrel raised.
    pose = [0.0, 0.0, 0.0, 196.0, 0.0, 176.0, 0.0, -6.0, 4.0, 8.0, -6.0]
    scale = 0.4
    _, high, _, low = figures.figure_extent("general", pose)
    root = top + scale * low
    figures.paint_figure(c, figures.posed_parts("general", pose, scale, 64, root, fine=False))
    c.paint(capsule(58, root - scale * high - 4, 70, root - scale * high - 4, 5, 5, (128, 88, 50), ink=0.4))
    # The title.
    m = text_mask(c, "KELVARON", "DejaVuSerif-Bold.ttf", 30, 108, 150, spacing=1.0)
    c.paint_mask(ImageChops.offset(m, 4, 4), dict(col=(20, 14, 12), flat=True))
    c.paint_mask(m, dict(col=GOLD, gloss=True, shade=1.2, grain=0, ink=0.5), blur_r=3.0)
    m = text_mask(c, "PLAYABLE SCREEN SAVER", "DejaVuSansCondensed-Bold.ttf", 10, 108, 167, spacing=0.8)
    c.paint_mask(m, dict(col=(236, 222, 190), flat=True))
    img, _ = c.finish(outline=False)
    return img


def wordmark_strip():
    c = paint.Canvas(STRIP_W, STRIP_H, ss=3, seed=164)
    for i in range(STRIP_H):
        t = abs(i - STRIP_H / 2) / (STRIP_H / 2)
        col = mix((58, 40, 24), (18, 14, 12), t)
        c.paint(shape([(0, i), (STRIP_W, i), (STRIP_W, i + 1.2), (0, i + 1.2)], col, flat=True))
    c.paint(stroke([(0, 1), (STRIP_W, 1)], 1.0, scale_colour(GOLD, 0.7), flat=True, smooth=False))
    c.paint(stroke([(0, STRIP_H - 1), (STRIP_W, STRIP_H - 1)], 1.0, scale_colour(GOLD, 0.7), flat=True, smooth=False))
    quill = [(10, 22), (13, 16), (18, 9), (25, 4), (30, 3), (28, 8), (22, 14), (15, 19)]
    c.paint(paint.blob(quill, (236, 222, 184), shade=0.8))
    c.paint(stroke([(9, 24), (17, 16), (24, 9), (29, 4)], 0.8, scale_colour(GOLD, 0.6), flat=True, clip=True))
    m = text_mask(c, "QUILLON CREATIONS", "DejaVuSerifCondensed-Bold.ttf", 15, 122, 13.5, spacing=0.4)
    c.paint_mask(m, dict(col=GOLD, gloss=True, shade=0.8, grain=0), blur_r=2.0)
    img, _ = c.finish(outline=False)
    return img


PICTURES = {163: title_art, 164: wordmark_strip}
