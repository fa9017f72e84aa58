# font_strip.py -- bitmap 113: 96 glyphs of 16 x 16 for the codes 32..127, rasterised from DejaVu Sans Bold
#
# Grey levels on black (the red channel is the coverage), 32 levels, on one
# baseline so that a line of cells reads as text. The font's licence text is
# kept as resources/DejaVu-Fonts-LICENSE.txt.

from PIL import Image, ImageDraw, ImageFont

FONT_PATH = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
CELL = 16
FIRST_CODE = 32
COUNT = 96
FONT_SIZE = 14
BASELINE = 12  # pixel row the letters stand on; descenders use rows 13..15
LEVELS = 32

# Cells left black: these characters are drawn as nothing.
BLANK_CODES = {32, 43, 47, 60, 61, 62, 64, 91, 92, 93, 94, 95, 96, 123, 124, 125, 126, 127}


def quantise_grey(value):
    """One of 32 evenly spaced grey levels, 0 and 255 included."""
    level = (value * (LEVELS - 1) + 127) // 255
    return (level * 255 + (LEVELS - 1) // 2) // (LEVELS - 1)


def glyph(font, code):
    cell = Image.new("L", (CELL, CELL), 0)
    if code in BLANK_CODES:
        return cell
    ch = chr(code)
    left, _, right, _ = font.getbbox(ch, anchor="ls")
    x = (CELL - (right - left)) / 2.0 - left
    ImageDraw.Draw(cell).text((round(x), BASELINE), ch, font=font, fill=255, anchor="ls")
    return cell.point(quantise_grey)


def font_strip():
    font = ImageFont.truetype(FONT_PATH, FONT_SIZE)
    strip = Image.new("L", (CELL * COUNT, CELL), 0)
    for k in range(COUNT):
        strip.paste(glyph(font, FIRST_CODE + k), (k * CELL, 0))
    return Image.merge("RGB", (strip, strip, strip))


PICTURES = {113: font_strip}
