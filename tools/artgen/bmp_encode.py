# bmp_encode.py -- palette quantisation and the DIB writers (RLE8, RLE4, uncompressed 4/8/24 bits), and the icon writer
#
# A DIB here is what a bitmap resource holds: a BITMAPINFOHEADER, the colour
# table, then the pixel data with the bottom row first. write_bmp_file puts
# the 14-byte file header in front so the resource compiler can read it.

import struct

from PIL import Image

BI_RGB, BI_RLE8, BI_RLE4 = 0, 1, 2
PURE_RED = (255, 0, 0)


# ---------------------------------------------------------------- quantising

def _nudge(colour, forbidden):
    """A colour one step away from colour that is not in forbidden."""
    r, g, b = colour
    for dr, dg, db in ((0, 0, 1), (0, 0, -1), (0, 1, 0), (0, -1, 0), (1, 0, 0), (-1, 0, 0)):
        c = (r + dr, g + dg, b + db)
        if all(0 <= v <= 255 for v in c) and c not in forbidden:
            return c
    raise ValueError("no free colour next to %r" % (colour,))


def quantise(image, capacity, exact=(), forbidden=()):
    """Maps an RGB image onto at most capacity palette entries.

    Colours in exact keep their own palette entry, and only pixels of exactly
    that colour use it. No other entry equals an exact colour or a colour in
    forbidden, so a near-key pixel never turns into the key colour and no
    stray pixel of a point map becomes pure red. When the picture has few
    enough colours, every colour is kept exactly (grey levels of the
    alpha-from-red pictures, masks, point maps).
    Returns (palette as a list of RGB tuples, list of indices row by row).
    """
    image = image.convert("RGB")
    pixels = list(image.getdata())
    exact = [tuple(c) for c in exact]
    reserved = set(exact) | set(tuple(c) for c in forbidden)
    counts = image.getcolors(maxcolors=capacity + 1)
    if counts is not None:
        colours = sorted(c for _, c in counts)
        bad = [c for c in colours if c in forbidden and c not in exact]
        if not bad and len(colours) <= capacity:
            index = {c: i for i, c in enumerate(colours)}
            indices = [index[p] for p in pixels]
            _check_exact(pixels, colours, indices, exact, forbidden)
            return colours, indices

    palette = list(exact)
    free = capacity - len(palette)
    others = [p for p in pixels if p not in reserved]
    if others:
        # Median cut over the pixels that are not reserved, without dithering.
        sample = Image.new("RGB", (len(others), 1))
        sample.putdata(others)
        quantised = sample.quantize(colors=free, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
        raw = quantised.getpalette()[: 3 * free]
        used = sorted(set(quantised.getdata()))
        taken = set(reserved)
        for i in used:
            c = tuple(raw[3 * i: 3 * i + 3])
            if c in taken:
                c = _nudge(c, taken)
            taken.add(c)
            palette.append(c)
    exact_index = {c: i for i, c in enumerate(exact)}
    first_free = len(exact)
    mapped = [0] * len(pixels)
    free_palette = palette[first_free:]
    if free_palette:
        # Nearest free entry for every pixel, done by PIL's palette conversion.
        flat = []
        for c in free_palette + [free_palette[0]] * (256 - len(free_palette)):
            flat.extend(c)
        palette_image = Image.new("P", (1, 1))
        palette_image.putpalette(flat)
        converted = image.quantize(palette=palette_image, dither=Image.Dither.NONE)
        mapped = [first_free + (k if k < len(free_palette) else 0) for k in converted.getdata()]
    indices = []
    for p, m in zip(pixels, mapped):
        i = exact_index.get(p)
        indices.append(m if i is None else i)
    _check_exact(pixels, palette, indices, exact, forbidden)
    return palette, indices


def _check_exact(pixels, palette, indices, exact, forbidden):
    """A pixel shows an exact or forbidden colour after quantising if and only if it had it before."""
    watched = set(exact) | set(tuple(c) for c in forbidden)
    for p, i in zip(pixels, indices):
        q = palette[i]
        if (p in watched or q in watched) and p != q:
            raise ValueError("quantising changed %r into %r" % (p, q))


# ---------------------------------------------------------------- run-length encoders

def _rows_bottom_up(indices, width, height):
    for y in range(height - 1, -1, -1):
        yield indices[y * width:(y + 1) * width]


def _run_length(row, i):
    n = 1
    while i + n < len(row) and n < 255 and row[i + n] == row[i]:
        n += 1
    return n


def _literal_length(row, i, limit):
    """Pixels from i that are best written in absolute mode (stops before a run of 3)."""
    n = 0
    while i + n < len(row) and n < limit:
        if _run_length(row, i + n) >= 3:
            break
        n += 1
    return n


def encode_rle8(indices, width, height):
    out = bytearray()
    for row in _rows_bottom_up(indices, width, height):
        i = 0
        while i < width:
            run = _run_length(row, i)
            if run >= 3:
                out += bytes((run, row[i]))
                i += run
                continue
            n = _literal_length(row, i, 255)
            if n >= 3:
                out += bytes((0, n)) + bytes(row[i:i + n])
                if n % 2:
                    out.append(0)  # absolute runs end on a 16-bit boundary
            else:
                for k in range(n):
                    out += bytes((1, row[i + k]))
            i += n
        out += b"\x00\x00"  # end of line
    out[-2:] = b"\x00\x01"  # the last end of line becomes end of bitmap
    return bytes(out)


def encode_rle4(indices, width, height):
    out = bytearray()
    for row in _rows_bottom_up(indices, width, height):
        i = 0
        while i < width:
            run = _run_length(row, i)
            if run >= 3:
                out += bytes((run, (row[i] << 4) | row[i]))
                i += run
                continue
            n = _literal_length(row, i, 255)
            if n >= 3:
                packed = bytearray()
                for k in range(0, n, 2):
                    hi = row[i + k]
                    lo = row[i + k + 1] if k + 1 < n else 0
                    packed.append((hi << 4) | lo)
                if len(packed) % 2:
                    packed.append(0)  # absolute runs end on a 16-bit boundary
                out += bytes((0, n)) + packed
            else:
                for k in range(n):
                    out += bytes((1, row[i + k] << 4))
            i += n
        out += b"\x00\x00"
    out[-2:] = b"\x00\x01"
    return bytes(out)


def _stride(width, bits):
    return ((width * bits + 31) // 32) * 4


def encode_pal8(indices, width, height):
    stride = _stride(width, 8)
    out = bytearray()
    for row in _rows_bottom_up(indices, width, height):
        line = bytearray(row)
        line += bytes(stride - len(line))
        out += line
    return bytes(out)


def encode_pal4(indices, width, height):
    stride = _stride(width, 4)
    out = bytearray()
    for row in _rows_bottom_up(indices, width, height):
        line = bytearray()
        for k in range(0, width, 2):
            lo = row[k + 1] if k + 1 < width else 0
            line.append((row[k] << 4) | lo)
        line += bytes(stride - len(line))
        out += line
    return bytes(out)


def encode_rgb24(pixels, width, height):
    stride = _stride(width, 24)
    out = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytearray()
        for r, g, b in pixels[y * width:(y + 1) * width]:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        out += line
    return bytes(out)


# ---------------------------------------------------------------- DIB assembly

def info_header(width, height, bits, compression, image_size, colours_used):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression,
                       image_size, 2835, 2835, colours_used, 0)


def colour_table(palette):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)


def build_dib(image, fmt, exact=(), forbidden=()):
    """The DIB bytes of an RGB image stored as fmt (rle8, rle4, pal4, pal8, rgb24)."""
    image = image.convert("RGB")
    width, height = image.size
    if fmt == "rgb24":
        data = encode_rgb24(list(image.getdata()), width, height)
        return info_header(width, height, 24, BI_RGB, len(data), 0) + data
    bits = 8 if fmt in ("rle8", "pal8") else 4
    palette, indices = quantise(image, 1 << bits, exact, forbidden)
    encoder = {"rle8": encode_rle8, "pal8": encode_pal8, "rle4": encode_rle4, "pal4": encode_pal4}[fmt]
    compression = {"rle8": BI_RLE8, "rle4": BI_RLE4}.get(fmt, BI_RGB)
    data = encoder(indices, width, height)
    return info_header(width, height, bits, compression, len(data), len(palette)) + colour_table(palette) + data


def write_bmp_file(path, dib):
    """A .bmp file: the 14-byte file header, then the DIB."""
    header_size = struct.unpack_from("<I", dib, 0)[0]
    bits = struct.unpack_from("<H", dib, 14)[0]
    colours = struct.unpack_from("<I", dib, 32)[0]
    if bits <= 8 and colours == 0:
        colours = 1 << bits
    offset = 14 + header_size + 4 * colours
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", 14 + len(dib), 0, 0, offset))
        f.write(dib)


# ---------------------------------------------------------------- icons

def _icon_image(image):
    """One icon image: 32-bit BGRA rows bottom-up, then the 1-bit AND mask."""
    image = image.convert("RGBA")
    size = image.size[0]
    pixels = list(image.getdata())
    xor = bytearray()
    mask = bytearray()
    mask_stride = _stride(size, 1)
    for y in range(size - 1, -1, -1):
        row = pixels[y * size:(y + 1) * size]
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, BI_RGB, len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def write_ico_file(path, images):
    """An .ico file with one 32-bit entry for each square RGBA image."""
    blobs = [_icon_image(im) for im in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for im, blob in zip(images, blobs):
        size = im.size[0]
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    with open(path, "wb") as f:
        f.write(out)
