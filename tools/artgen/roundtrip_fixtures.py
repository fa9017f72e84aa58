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


def _dib(width, height, bits, compression, palette, pixels, header_size=40, masks=None):
    header = bmp_encode.info_header(width, height, bits, compression, len(pixels), len(palette))
    header += bytes(header_size - 40)
    if masks is not None:
        header = header[:40] + b"".join(m.to_bytes(4, "little") for m in masks) + header[52:]
    return header + bmp_encode.colour_table(palette) + bytes(pixels)


def write_fuzz_seeds(directory):
    """Seeds for the decoder's fuzzer: the variants the generator never writes."""
    os.makedirs(directory, exist_ok=True)
    grey = [(0, 0, 0), (255, 255, 255), (200, 30, 40), (10, 220, 30)]
    seeds = {
        "bits1_9x2.dib": _dib(9, 2, 1, bmp_encode.BI_RGB, grey[:2], [0xFF, 0x80, 0, 0, 0xAA, 0, 0, 0]),
        "bits32_2x2.dib": _dib(2, 2, 32, bmp_encode.BI_RGB, [], range(16)),
        "bits32_v5_fields_2x1.dib": _dib(2, 1, 32, 3, [], [0, 0, 0, 0, 0, 0, 0x10, 0x84], 124,
                                         (0xF8000000, 0x07E00000, 0x001F0000)),
        "bits24_v4_topdown_1x2.dib": _dib(1, -2, 24, bmp_encode.BI_RGB, [], [3, 2, 1, 0, 6, 5, 4, 0], 108),
        "rle8_escapes_6x3.dib": _dib(6, 3, 8, bmp_encode.BI_RLE8, grey,
                                     [2, 1, 0, 3, 3, 2, 1, 0, 0, 0, 0, 2, 2, 1, 4, 3, 0, 1]),
        "rle4_escapes_9x2.dib": _dib(9, 2, 4, bmp_encode.BI_RLE4, grey,
                                     [4, 0x12, 0, 5, 0x32, 0x13, 0x20, 0, 0, 0, 0, 2, 3, 0, 0, 1]),
    }
    for name, data in seeds.items():
        with open(os.path.join(directory, name), "wb") as f:
            f.write(data)
