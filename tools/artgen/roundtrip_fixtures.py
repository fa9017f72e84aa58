# roundtrip_fixtures.py -- small DIBs from every encoder, which the C++ decoder tests compare with the same pixel formula
#
# The formula lives here and in tests/unit/bitmap_decoder_test.cpp
# (FixturePixel); both must change together. Rows with y % 4 == 1 hold a long
# run from x >= width / 8 on, so the 300-pixel fixtures need runs split at 255.

import os

from PIL import Image

import bmp_encode

FORMATS = ("rle8", "rle4", "pal8", "pal4", "rgb24")
SIZES = ((1, 1), (3, 2), (17, 5), (33, 9), (300, 3))


def fixture_pixel(fmt, x, y, width):
    run = y % 4 == 1 and x * 8 >= width
    if fmt in ("rle4", "pal4"):
        c = 12 if run else (x * 3 + y * 5 + (x * y) % 7) % 13
        return (c * 19, (c * 37 + 11) % 256, (c * 71 + 5) % 256)
    if fmt in ("rle8", "pal8"):
        c = 199 if run else (x * 7 + y * 13 + (x ^ y)) % 200
        return (c, (c * 3) % 256, 255 - c)
    return ((x * 5) % 256, (y * 7) % 256, ((x + y) * 3) % 256)


def fixture_image(fmt, width, height):
    image = Image.new("RGB", (width, height))
    image.putdata([fixture_pixel(fmt, x, y, width) for y in range(height) for x in range(width)])
    return image


def write_all(directory):
    os.makedirs(directory, exist_ok=True)
    for fmt in FORMATS:
        for width, height in SIZES:
            dib = bmp_encode.build_dib(fixture_image(fmt, width, height), fmt)
            with open(os.path.join(directory, "%s_%dx%d.dib" % (fmt, width, height)), "wb") as f:
                f.write(dib)
