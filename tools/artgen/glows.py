# glows.py -- the alpha-from-red glows: flame sprite 107 and highlight bar 130
#
# Grey levels on black; the loader turns the red channel into coverage of white.

import math

from PIL import Image


def _grey(width, height, value_at):
    image = Image.new("L", (width, height))
    image.putdata([max(0, min(255, int(round(value_at(x + 0.5, y + 0.5))))) for y in range(height) for x in range(width)])
    return Image.merge("RGB", (image, image, image))


def flame():
    """8 x 8: a soft round glow, brightest in the middle, nothing at the rim."""
    centre = (1.0 - math.hypot(0.5, 0.5) / 4.0) ** 1.6  # the four middle pixels are full white

    def value(x, y):
        r = math.hypot(x - 4.0, y - 4.0) / 4.0
        return 255.0 * max(0.0, 1.0 - r) ** 1.6 / centre
    return _grey(8, 8, value)


def highlight_bar():
    """256 x 64: a rounded bar with soft edges, brightest along its middle line."""
    left, right, middle = 34.0, 222.0, 32.0
    half_height = 28.0

    def value(x, y):
        # Distance from the bar's centre line, ends rounded; a bright core
        # that fades smoothly to nothing before the picture's edge.
        dx = max(left - x, 0.0, x - right)
        d = min(1.0, math.hypot(dx, y - middle) / half_height)
        edge = max(0.0, (d - 0.2) / 0.8)
        soft = 1.0 - edge * edge * (3.0 - 2.0 * edge)
        return 255.0 * soft * (1.0 - 0.3 * d)
    return _grey(256, 64, value)


PICTURES = {107: flame, 130: highlight_bar}
