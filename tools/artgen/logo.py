# logo.py -- bitmap 101: the "Quillon Creations" wordmark, gold on the key colour
#
# Hard edges against the key colour (a fringe would show as a halo): the
# letters are a thresholded mask with a one-pixel dark outline; smoothing
# happens only between the gold and the outline.

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

# A deeper tone of the outline, so that filtering at the letters' edge reads as more outline.
KEY_COLOUR = (20, 14, 10)
FONT_PATH = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"
WIDTH, HEIGHT = 256, 32
OUTLINE = (43, 30, 20)
GOLD_TOP = (255, 236, 160)
GOLD_MIDDLE = (232, 178, 64)
GOLD_BOTTOM = (150, 96, 30)
SCALE = 4


def _coverage(text):
    """Coverage of the wordmark, rendered large and reduced for smooth edges."""
    size = 21
    font = ImageFont.truetype(FONT_PATH, size * SCALE)
    big = Image.new("L", (WIDTH * SCALE, HEIGHT * SCALE), 0)
    draw = ImageDraw.Draw(big)
    left, top, right, bottom = draw.textbbox((0, 0), text, font=font)
    x = (WIDTH * SCALE - (right - left)) // 2 - left
    y = (HEIGHT * SCALE - (bottom - top)) // 2 - top
    draw.text((x, y), text, font=font, fill=255)
    return big.resize((WIDTH, HEIGHT), Image.BOX)


def _gold(y, shade):
    t = y / (HEIGHT - 1.0)
    if t < 0.5:
        a, b, u = GOLD_TOP, GOLD_MIDDLE, t / 0.5
    else:
        a, b, u = GOLD_MIDDLE, GOLD_BOTTOM, (t - 0.5) / 0.5
    return tuple(int(round((a[i] + (b[i] - a[i]) * u) * shade)) for i in range(3))


def logo():
    coverage = _coverage("Quillon Creations")
    letters = coverage.point(lambda v: 255 if v >= 96 else 0)
    ring = ImageChops.subtract(letters.filter(ImageFilter.MaxFilter(3)), letters)
    image = Image.new("RGB", (WIDTH, HEIGHT), KEY_COLOUR)
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if letters.getpixel((x, y)):
                c = coverage.getpixel((x, y)) / 255.0
                gold = _gold(y, 1.0)
                # Partly covered edge pixels lean towards the outline colour.
                image.putpixel((x, y), tuple(int(round(OUTLINE[i] + (gold[i] - OUTLINE[i]) * c)) for i in range(3)))
            elif ring.getpixel((x, y)):
                image.putpixel((x, y), OUTLINE)
    return image


PICTURES = {101: logo}
