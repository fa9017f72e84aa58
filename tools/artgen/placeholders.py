# placeholders.py -- stand-in pictures for every catalogue id, each labelled with its id
#
# They have the right size and respect the picture's role (key colour in the
# top-left corner, grey on black for alpha from red, exactly the listed number
# of pure red points), so the whole texture table and slide show load and run
# before the real art replaces them.

import math

from PIL import Image, ImageDraw

from catalogue import CATALOGUE

KEY_COLOUR = (0, 0, 0)


def _label(draw, width, height, text, fill):
    # PIL's built-in bitmap font: no anti-aliasing, so no fringe into a key colour.
    left, top, right, bottom = draw.textbbox((0, 0), text)
    draw.text(((width - (right - left)) // 2, (height - (bottom - top)) // 2), text, fill=fill)


def point_positions(width, height, count):
    """count distinct pixels on ellipses inside the picture, in a fixed order."""
    points = []
    seen = set()
    rx, ry = (width - 3) / 2.0, (height - 3) / 2.0
    ring = 0
    while len(points) < count:
        scale = 1.0 - 0.2 * (ring % 4)  # smaller rings when the outer one is crowded
        for k in range(count):
            angle = 2.0 * math.pi * (k + 0.37 * ring) / count
            x = int(round(width / 2.0 - 0.5 + rx * scale * math.cos(angle)))
            y = int(round(height / 2.0 - 0.5 + ry * scale * math.sin(angle)))
            if (x, y) not in seen and len(points) < count:
                seen.add((x, y))
                points.append((x, y))
        ring += 1
    return points


def placeholder(bitmap):
    w, h = bitmap.width, bitmap.height
    text = str(bitmap.id)
    if bitmap.role == "points":
        image = Image.new("RGB", (w, h), (0, 0, 0))
        for p in point_positions(w, h, bitmap.points):
            image.putpixel(p, (255, 0, 0))
        return image
    if bitmap.role == "red":
        image = Image.new("RGB", (w, h), (0, 0, 0))
        draw = ImageDraw.Draw(image)
        draw.rectangle((1, 1, w - 2, h - 2), outline=(96, 96, 96))
        _label(draw, w, h, text, (255, 255, 255))
        return image
    if bitmap.role == "key":
        image = Image.new("RGB", (w, h), KEY_COLOUR)
        draw = ImageDraw.Draw(image)
        draw.rectangle((w // 8, h // 8, w - 1 - w // 8, h - 1 - h // 8), fill=(70, 90, 120), outline=(230, 200, 120))
        _label(draw, w, h, text, (255, 255, 255))
        return image
    # opaque and dialog pictures: a vertical gradient with the id
    image = Image.new("RGB", (w, h))
    for y in range(h):
        v = 40 + (120 * y) // max(1, h - 1)
        for x in range(w):
            image.putpixel((x, y), (v // 2, v // 2, v))
    draw = ImageDraw.Draw(image)
    _label(draw, w, h, text, (255, 255, 255))
    return image


def placeholder_icon():
    images = []
    for size in (16, 32, 48):
        image = Image.new("RGBA", (size, size), (11, 22, 48, 255))
        draw = ImageDraw.Draw(image)
        draw.rectangle((size // 4, size // 8, size - 1 - size // 4, size - 1), fill=(201, 163, 107, 255))
        images.append(image)
    return images


PICTURES = {b.id: (lambda b=b: placeholder(b)) for b in CATALOGUE}
ICON = placeholder_icon
