# art_portraits.py -- the select screen's full-figure portraits (128 captain, 127 heroine, 129 general)

import functools

import figures
import paint

PORTRAIT_W, PORTRAIT_H = 64, 128
# The select screen draws a portrait 160 px tall on a 120 px row pitch, so
# only the middle 96 rows fit between the neighbours; the rest stays key.
FIGURE_TOP, FIGURE_ROWS = 16, 96
KEY = (0, 0, 0)

# A relaxed three-quarter stance: weight on the back leg, front arm a little forward.
#                    lift  body head  bua  bfa  fua  ffa  bth  bsh  fth  fsh
STANCE = {
    "general": [0.0,   0.0,  6.0,-14.0, 8.0, 14.0, 12.0, -6.0, 4.0,  8.0, -6.0],
    "captain": [0.0,   0.0,  4.0,  6.0, 0.0, 10.0,  0.0, -4.0, 2.0,  8.0, -6.0],
    "heroine": [0.0,   0.0,  0.0,  6.0, 8.0,-10.0, 20.0, -4.0, 4.0, 10.0, -8.0],
}


def fit(char, pose, w, h, margin=2.0, centred=False):
    """Scale and root position that fit the posed figure into a w x h picture, feet on the bottom
    (or, centred, with the figure's middle on the picture's middle)."""
    left, top, right, bottom = figures.figure_extent(char, pose)
    scale = min((w - 2 * margin) / (right - left), (h - 2 * margin) / (top - bottom))
    x = w / 2 - scale * (left + right) / 2
    y = h / 2 + scale * (top + bottom) / 2 if centred else h - margin + scale * bottom
    return scale, x, y


@functools.lru_cache(maxsize=None)
def portrait(char):
    pose = STANCE[char]
    scale, x, y = fit(char, pose, PORTRAIT_W, FIGURE_ROWS, centred=True)
    canvas = paint.Canvas(PORTRAIT_W, PORTRAIT_H, seed=77)
    figures.paint_figure(canvas, figures.posed_parts(char, pose, scale, x, FIGURE_TOP + y, fine=False))
    img, sil = canvas.finish()
    img = paint.torch_light(img, sil, from_right=True)
    return paint.on_key(img, sil, KEY)


PICTURES = {
    128: lambda: portrait("captain"),
    127: lambda: portrait("heroine"),
    129: lambda: portrait("general"),
}
