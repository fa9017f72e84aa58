# catalogue.py -- every bitmap resource of the saver: id, size, storage format and alpha role
#
# Formats:
#   rle8   8 bits per pixel, RLE8-compressed
#   rle4   4 bits per pixel, RLE4-compressed
#   pal4   4 bits per pixel, uncompressed
#   pal8   8 bits per pixel, uncompressed
#   rgb24  24 bits per pixel, uncompressed
# Roles (how the loader builds alpha, and what the quantiser must keep exact):
#   key     colour key: the top-left pixel's colour vanishes
#   opaque  drawn as it is
#   red     alpha from red: grey levels on black
#   points  point map: pure red (255, 0, 0) points, nothing else pure red
#   dialog  shown as it is by the settings dialog

from collections import namedtuple

Bitmap = namedtuple("Bitmap", "id width height format role points use")

# Texture slots, the font, the stills and point maps, the dialog pictures.
CATALOGUE = [
    #      id  width height format   role      points  use
    Bitmap(101, 256,  32,  "rle8",  "key",    None,  "logo wordmark"),
    Bitmap(102, 256, 128,  "rgb24", "key",    None,  "colour atlas, the general"),
    Bitmap(104,  16, 128,  "rle8",  "opaque", None,  "barrel side"),
    Bitmap(105,  64,  64,  "rle8",  "opaque", None,  "barrel ends"),
    Bitmap(106, 128, 128,  "rle8",  "opaque", None,  "tower stone"),
    Bitmap(107,   8,   8,  "rle8",  "red",    None,  "flame sprite"),
    Bitmap(108,  16, 128,  "rle8",  "opaque", None,  "corner posts"),
    Bitmap(109, 256, 128,  "rgb24", "key",    None,  "colour atlas, the captain"),
    Bitmap(110, 128, 128,  "rle8",  "key",    None,  "cage bars"),
    Bitmap(111, 256, 128,  "rle8",  "opaque", None,  "mask atlas, the general"),
    Bitmap(112, 256, 128,  "rle8",  "opaque", None,  "mask atlas, the captain"),
    Bitmap(113, 1536, 16,  "rle8",  "red",    None,  "font strip"),
    Bitmap(114, 256, 128,  "rgb24", "key",    None,  "colour atlas, the heroine"),
    Bitmap(115, 256, 128,  "rle8",  "opaque", None,  "mask atlas, the heroine"),
    Bitmap(116, 128, 256,  "rle8",  "key",    None,  "still 2, Iselle (Wren Talbot)"),
    Bitmap(117, 128, 256,  "pal4",  "points", 111,   "points of still 2"),
    Bitmap(118, 128, 256,  "rle8",  "key",    None,  "still 9, General Vashk (Tobin Reyes)"),
    Bitmap(119, 128, 256,  "rle4",  "points", 126,   "points of still 9"),
    Bitmap(121, 256,  32,  "rle8",  "key",    None,  "still 0, Presents"),
    Bitmap(122, 256,  32,  "rle4",  "points", 150,   "points of still 0"),
    Bitmap(123, 128, 128,  "rle8",  "key",    None,  "still 1, Playable Screen Saver"),
    Bitmap(124, 128, 128,  "rle4",  "points", 110,   "points of still 1"),
    Bitmap(125, 256, 256,  "rle8",  "key",    None,  "still 6, Cade Morrow (Miles Corrigan)"),
    Bitmap(126, 256, 256,  "rle4",  "points", 132,   "points of still 6"),
    Bitmap(127,  64, 128,  "rle8",  "key",    None,  "portrait, the heroine"),
    Bitmap(128,  64, 128,  "rle8",  "key",    None,  "portrait, the captain"),
    Bitmap(129,  64, 128,  "rle8",  "key",    None,  "portrait, the general"),
    Bitmap(130, 256,  64,  "rle8",  "red",    None,  "highlight bar"),
    Bitmap(131, 256, 512,  "rle8",  "red",    None,  "intro crawl, the captain"),
    Bitmap(133, 128, 256,  "rle4",  "points", 132,   "points of still 12"),
    Bitmap(134, 128, 256,  "rle8",  "key",    None,  "still 12, Oona (Greta Lindqvist)"),
    Bitmap(135, 128, 256,  "rle8",  "key",    None,  "still 13, Brekko (Rufus Oakley Penn)"),
    Bitmap(136, 128, 256,  "rle4",  "points", 123,   "points of still 13"),
    Bitmap(137, 256, 256,  "rle8",  "key",    None,  "still 3, Iselle"),
    Bitmap(138, 256, 256,  "rle4",  "points", 139,   "points of still 3"),
    Bitmap(139, 256, 256,  "rle8",  "key",    None,  "still 15, Ape Senator"),
    Bitmap(140, 256, 256,  "rle4",  "points", 90,    "points of still 15"),
    Bitmap(141, 256, 256,  "rle8",  "key",    None,  "still 4, Iselle with some apes!"),
    Bitmap(142, 256, 256,  "rle4",  "points", 138,   "points of still 4"),
    Bitmap(143, 128, 256,  "rle8",  "key",    None,  "still 5, Can you rescue Iselle?"),
    Bitmap(144, 128, 256,  "rle4",  "points", 81,    "points of still 5"),
    Bitmap(145, 128, 256,  "rle8",  "key",    None,  "still 7, Can you rescue Cade?"),
    Bitmap(146, 128, 256,  "rle4",  "points", 87,    "points of still 7"),
    Bitmap(147, 256, 256,  "rle8",  "key",    None,  "still 8, Cade and Iselle"),
    Bitmap(148, 256, 256,  "rle4",  "points", 91,    "points of still 8"),
    Bitmap(149, 256, 128,  "rle8",  "key",    None,  "still 14, Skerry the slave trader"),
    Bitmap(150, 256, 128,  "rle4",  "points", 39,    "points of still 14"),
    Bitmap(151, 128, 256,  "rle8",  "key",    None,  "still 16, Kelvaron"),
    Bitmap(152, 128, 256,  "rle4",  "points", 121,   "points of still 16"),
    Bitmap(153, 128, 256,  "rle8",  "key",    None,  "still 17, Rule the Realm"),
    Bitmap(154, 128, 256,  "rle4",  "points", 71,    "points of still 17"),
    Bitmap(155, 256, 128,  "rle8",  "key",    None,  "still 10, Vashk Vs Cade"),
    Bitmap(156, 256, 128,  "rle4",  "points", 73,    "points of still 10"),
    Bitmap(157, 128, 256,  "rle8",  "key",    None,  "still 11, General Vashk"),
    Bitmap(158, 128, 256,  "rle4",  "points", 75,    "points of still 11"),
    Bitmap(159, 256, 512,  "rle8",  "red",    None,  "intro crawl, the heroine"),
    Bitmap(160, 256, 512,  "rle8",  "red",    None,  "intro crawl, the general"),
    Bitmap(163, 217, 175,  "pal8",  "dialog", None,  "settings dialog title art"),
    Bitmap(164, 216,  26,  "pal8",  "dialog", None,  "settings dialog wordmark strip"),
]

BY_ID = {b.id: b for b in CATALOGUE}

ICON_ID = 100
ICON_SIZES = (16, 32, 48)


def file_name(bitmap_id):
    """Name of the stored bitmap, relative to resources/."""
    return "bitmaps/bitmap%d.bmp" % bitmap_id
