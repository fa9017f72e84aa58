# art_icon.py -- icon 100: the general's head against the night, at 16, 32 and 48 pixels

from PIL import Image

import figures
import paint


def head_icon(size):
    c = paint.Canvas(size, size, ss=8 if size < 32 else 4, seed=100 + size)
    r = size / 2 - 0.5
    c.paint(paint.ellipse(size / 2, size / 2, r, r, (22, 34, 70), shade=0.6, grain=0))
    c.paint(paint.ellipse(size / 2 - r * 0.2, size / 2 - r * 0.25, r * 0.5, r * 0.5, (40, 56, 100), flat=True,
                          clip=True))
    shapes = figures.part_shapes("general", 2, fine=size >= 48)
    # The head part is 39 x 48 with its neck at the bottom; fit it in the disc.
    k = size / 44.0
    placed = paint.transform_shapes(shapes, lambda x, y: (size / 2 + (x - 21) * k, size / 2 + (y - 24) * k))
    for s in placed:
        if s.get("ink"):
            s["ink"] = 0
    c.begin_group()
    c.paint_all(placed)
    c.end_group()
    img, sil = c.finish(outline=size >= 32)
    alpha = Image.frombytes("L", (size, size), bytes(255 if b else 0 for b in sil))
    rgba = img.convert("RGBA")
    rgba.putalpha(alpha)
    return rgba


def icon():
    return [head_icon(16), head_icon(32), head_icon(48)]


ICON = icon
