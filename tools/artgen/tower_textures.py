# tower_textures.py -- stone 106, corner posts 108, barrel side 104 and ends 105, cage bars 110
#
# Light comes from the upper left. Noise is per pixel and seeded per picture,
# so the stone tiles seamlessly and every run draws the same pixels.

import math
import random

from PIL import Image

# The cage's gaps: a deep iron shadow, so that filtering at a bar's edge darkens it like an outline.
KEY_COLOUR = (22, 24, 28)
SANDSTONE_LIGHT = (201, 163, 107)
SANDSTONE_DARK = (138, 106, 63)
MORTAR = (74, 56, 38)
SHADOW = (43, 30, 20)
STEEL = (125, 135, 147)
OAK = (139, 92, 46)


def _mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def _scale(c, f):
    return tuple(c[i] * f for i in range(3))


def _clamp(c):
    return tuple(max(0, min(255, int(round(v)))) for v in c)


def stone():
    """128 x 128: four courses of dressed blocks, joints offset by half a block; tiles both ways."""
    size, course, block = 128, 32, 64
    rng = random.Random(106)
    image = Image.new("RGB", (size, size))
    # One tone and a few worn spots per block (8 blocks in the tile).
    tones = {}
    for row in range(size // course):
        for col in range(size // block):
            tones[(row, col)] = (rng.uniform(0.0, 0.6), rng.uniform(0.96, 1.1),
                                 [(rng.uniform(0, block), rng.uniform(0, course), rng.uniform(3, 7)) for _ in range(3)])
    for y in range(size):
        row = y // course
        offset = (block // 2) * (row % 2)
        for x in range(size):
            bx = (x + offset) % size
            col = bx // block
            u, v = bx % block, y % course  # position inside the block
            tone, light, spots = tones[(row, col)]
            base = _mix(SANDSTONE_LIGHT, SANDSTONE_DARK, tone)
            if u < 2 or v < 2:
                colour = _scale(MORTAR, rng.uniform(0.85, 1.1))
            else:
                f = light
                # Worn, bevelled edges: lit above and left, shaded below and right.
                if v < 4 or u < 4:
                    f *= 1.12
                if v > course - 4 or u > block - 4:
                    f *= 0.78
                # A gentle slope of light across the face, and a few hollows.
                f *= 1.04 - 0.08 * (u / block) - 0.06 * (v / course)
                for sx, sy, r in spots:
                    if math.hypot(u - sx, v - sy) < r:
                        f *= 0.93
                f *= rng.uniform(0.93, 1.07)
                colour = _scale(base, f)
            image.putpixel((x, y), _clamp(colour))
    return image


def posts():
    """16 x 128: a dark bronze post, rounded by shading across its width, with two raised bands."""
    width, height = 16, 128
    rng = random.Random(108)
    bronze_dark, bronze_light = (44, 34, 22), (168, 128, 72)
    image = Image.new("RGB", (width, height))
    bands = ((20, 30), (98, 108))
    for y in range(height):
        band = any(a <= y < b for a, b in bands)
        for x in range(width):
            # Cylinder shading with the light from the left, and a narrow
            # metallic highlight near the lit side.
            t = (x + 0.5) / width
            lit = 0.15 + 0.55 * max(0.0, math.cos((t - 0.3) * math.pi)) + 0.5 * math.exp(-((t - 0.28) / 0.07) ** 2)
            colour = _mix(bronze_dark, bronze_light, min(1.2, lit * (1.2 if band else 0.85)))
            if band and any(y in (a, b - 1) for a, b in bands):
                colour = _scale(colour, 0.55)  # dark rims of the bands
            colour = _scale(colour, rng.uniform(0.92, 1.08))
            image.putpixel((x, y), _clamp(colour))
    return image


def barrel_side():
    """16 x 128: one oak stave along the barrel's height with iron hoops at both ends and the middle."""
    width, height = 16, 128
    rng = random.Random(104)
    grain = [rng.uniform(-1, 1) for _ in range(width)]
    hoops = ((8, 16), (60, 68), (112, 120))
    image = Image.new("RGB", (width, height))
    for y in range(height):
        hoop = next(((a, b) for a, b in hoops if a <= y < b), None)
        for x in range(width):
            edge = min(x, width - 1 - x)
            if hoop is not None:
                a, b = hoop
                t = (y - a + 0.5) / (b - a)
                colour = _scale(STEEL, 0.45 + 0.6 * math.sin(t * math.pi) * (1.1 - 0.3 * t))
                if y in (a, b - 1):
                    colour = _scale(colour, 0.6)
                if x in (3, 12) and y == (a + b) // 2:
                    colour = (200, 205, 210)  # rivet heads catching the light
            else:
                # Grain lines run along the stave and wander a little.
                g = grain[(x + int(2.0 * math.sin(y / 9.0 + x))) % width]
                colour = _scale(OAK, 1.0 + 0.12 * g + rng.uniform(-0.05, 0.05))
                if edge == 0:
                    colour = _scale(colour, 0.5)  # the joint to the next stave
                elif edge == 1:
                    colour = _scale(colour, 0.8)
                colour = _scale(colour, 1.05 - 0.1 * (x / width))
            image.putpixel((x, y), _clamp(colour))
    return image


def barrel_ends():
    """64 x 64: a round lid of planks with a dark iron rim; dark shadow outside the rim."""
    size = 64
    rng = random.Random(105)
    image = Image.new("RGB", (size, size))
    centre = size / 2.0
    plank = 11
    for y in range(size):
        for x in range(size):
            r = math.hypot(x + 0.5 - centre, y + 0.5 - centre)
            if r > 31.5:
                colour = SHADOW
            elif r > 27.5:
                # Iron rim, lit on its upper-left side.
                angle = math.atan2(y + 0.5 - centre, x + 0.5 - centre)
                lit = 0.7 - 0.3 * math.cos(angle + math.pi * 0.75)
                colour = _scale(STEEL, lit * (0.75 if r > 30.5 or r < 28.5 else 1.0))
            else:
                board = int((y + 3) // plank)
                v = (y + 3) % plank
                tone = 0.85 + 0.08 * ((board * 37) % 5) / 4.0
                colour = _scale(OAK, tone * (1.0 + 0.08 * math.sin(x * 0.9 + board * 2.0 + 0.3 * y)))
                if v == 0:
                    colour = _scale(OAK, 0.35)  # gap between planks
                elif v == 1:
                    colour = _scale(colour, 1.15)
                # The lid is slightly sunken: darker towards the rim on the lower right.
                colour = _scale(colour, 1.0 - 0.15 * max(0.0, (x + y - size) / size) - 0.12 * (r / 28.0) ** 3)
                if r > 26.5:
                    colour = _scale(colour, 0.6)
                colour = _scale(colour, rng.uniform(0.94, 1.06))
            image.putpixel((x, y), _clamp(colour))
    return image


def cage_bars():
    """128 x 128: four heavy iron bars and one cross-bar with rivets; gaps in the key colour."""
    size = 128
    rng = random.Random(110)
    bar_width = 14
    bars = [9 + 32 * i for i in range(4)]  # left edges; the period of 32 keeps the tile even
    cross = (58, 70)
    image = Image.new("RGB", (size, size), KEY_COLOUR)

    def shade(t, f):
        # Round bar lit from the upper left: bright near one third, dark at the far edge.
        lit = 0.35 + 0.75 * max(0.0, math.cos((t - 0.3) * math.pi * 1.1))
        return _clamp(_scale(STEEL, lit * f * rng.uniform(0.94, 1.06)))

    for y in range(size):
        for x in range(size):
            on_bar = next((b for b in bars if b <= x < b + bar_width), None)
            on_cross = cross[0] <= y < cross[1]
            if on_cross:
                t = (y - cross[0] + 0.5) / (cross[1] - cross[0])
                image.putpixel((x, y), shade(t, 0.9))
            elif on_bar is not None:
                t = (x - on_bar + 0.5) / bar_width
                image.putpixel((x, y), shade(t, 1.0))
    # Rivets where the bars cross the cross-bar.
    for b in bars:
        cx, cy = b + bar_width / 2.0, (cross[0] + cross[1]) / 2.0
        for y in range(cross[0], cross[1]):
            for x in range(b, b + bar_width):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if d < 3.5:
                    lit = 1.3 if (x + 0.5 - cx) + (y + 0.5 - cy) < 0 else 0.6
                    image.putpixel((x, y), _clamp(_scale(STEEL, lit)))
    return image


PICTURES = {106: stone, 108: posts, 104: barrel_side, 105: barrel_ends, 110: cage_bars}
