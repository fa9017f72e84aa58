# paint.py -- shaded vector painting: shapes lit from the upper left, ink edges, grain, hard silhouettes
#
# Every picture of the figures and stills is described as a list of shape
# operations in its own local units. A Canvas renders them supersampled, so
# the inside of a figure is smooth, and then reduces them to one hard
# silhouette: every final pixel is either fully the subject or fully the
# background, so a colour key or a mask atlas never shows a fringe.

import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

SUPERSAMPLE = 4

# The palette of the citadel at night.
SANDSTONE_LIGHT = (0xC9, 0xA3, 0x6B)
SANDSTONE_DARK = (0x8A, 0x6A, 0x3F)
SHADOW = (0x2B, 0x1E, 0x14)
TORCH = (0xFF, 0x9A, 0x2E)
EMBER = (0xC8, 0x32, 0x1E)
NIGHT = (0x0B, 0x16, 0x30)
STEEL = (0x7D, 0x87, 0x93)

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
PURE_RED = (255, 0, 0)

# Darkest colour a subject pixel may take, so it never equals a black key.
SUBJECT_FLOOR = 10


def clamp8(v):
    return 0 if v < 0 else 255 if v > 255 else int(v)


def mix(a, b, t):
    return tuple(clamp8(a[i] + (b[i] - a[i]) * t) for i in range(3))


def scale_colour(c, k):
    return tuple(clamp8(v * k) for v in c)


# ---------------------------------------------------------------- grain

_grain_cache = {}


def grain(size, seed):
    """Fine grain plus soft blotches, 128 on average, deterministic per seed."""
    key = (size, seed)
    if key in _grain_cache:
        return _grain_cache[key]
    rng = random.Random(seed)
    w, h = size
    tile = 64
    fine = Image.new("L", (tile, tile))
    fine.putdata([clamp8(128 + rng.gauss(0, 38)) for _ in range(tile * tile)])
    coarse = Image.new("L", (16, 16))
    coarse.putdata([clamp8(128 + rng.gauss(0, 60)) for _ in range(256)])
    fine_full = Image.new("L", (w, h))
    for y in range(0, h, tile):
        for x in range(0, w, tile):
            fine_full.paste(fine, (x, y))
    coarse_full = coarse.resize((w, h), Image.BICUBIC)
    out = Image.blend(fine_full, coarse_full, 0.45)
    _grain_cache[key] = out
    return out


# ---------------------------------------------------------------- shapes
#
# A shape is a dict: {"pts": [(x, y), ...], "col": (r, g, b), ...style}.
# Style keys: "shade" (emboss strength, default 1), "gloss" (metal
# highlight), "ink" (dark edge inside the shape, in final pixels),
# "clip" (only paint where something is already painted), "grain"
# (grain strength), "flat" (no lighting at all).


def ellipse_pts(cx, cy, rx, ry, rot=0.0, n=28):
    c, s = math.cos(math.radians(rot)), math.sin(math.radians(rot))
    pts = []
    for i in range(n):
        a = 2 * math.pi * i / n
        x, y = rx * math.cos(a), ry * math.sin(a)
        pts.append((cx + x * c - y * s, cy + x * s + y * c))
    return pts


def capsule_pts(x1, y1, x2, y2, r1, r2=None, n=14):
    """Convex outline of two discs joined by tangents: a limb with round ends."""
    if r2 is None:
        r2 = r1
    ang = math.atan2(y2 - y1, x2 - x1)
    pts = []
    for i in range(n + 1):
        a = ang + math.pi / 2 + math.pi * i / n
        pts.append((x1 + r1 * math.cos(a), y1 + r1 * math.sin(a)))
    for i in range(n + 1):
        a = ang - math.pi / 2 + math.pi * i / n
        pts.append((x2 + r2 * math.cos(a), y2 + r2 * math.sin(a)))
    return pts


def smooth_pts(pts, closed=True, steps=6):
    """Catmull-Rom through the control points, for organic outlines."""
    out = []
    n = len(pts)
    count = n if closed else n - 1
    for i in range(count):
        p0 = pts[(i - 1) % n] if closed else pts[max(i - 1, 0)]
        p1 = pts[i]
        p2 = pts[(i + 1) % n]
        p3 = pts[(i + 2) % n] if closed else pts[min(i + 2, n - 1)]
        for k in range(steps):
            t = k / steps
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * ((2 * p1[j]) + (-p0[j] + p2[j]) * t
                                    + (2 * p0[j] - 5 * p1[j] + 4 * p2[j] - p3[j]) * t2
                                    + (-p0[j] + 3 * p1[j] - 3 * p2[j] + p3[j]) * t3)
                             for j in range(2)))
    if not closed:
        out.append(pts[-1])
    return out


def stroke_pts(pts, width):
    """A thick polyline as one polygon (for hair strands, straps, cracks)."""
    left, right = [], []
    n = len(pts)
    for i in range(n):
        a = pts[max(i - 1, 0)]
        b = pts[min(i + 1, n - 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / ln, dx / ln
        w = width(i / max(n - 1, 1)) if callable(width) else width
        left.append((pts[i][0] + nx * w / 2, pts[i][1] + ny * w / 2))
        right.append((pts[i][0] - nx * w / 2, pts[i][1] - ny * w / 2))
    return left + right[::-1]


def shape(pts, col, **style):
    d = {"pts": list(pts), "col": col}
    d.update(style)
    return d


def ellipse(cx, cy, rx, ry, col, rot=0.0, **style):
    return shape(ellipse_pts(cx, cy, rx, ry, rot), col, **style)


def capsule(x1, y1, x2, y2, r1, r2, col, **style):
    return shape(capsule_pts(x1, y1, x2, y2, r1, r2), col, **style)


def blob(pts, col, **style):
    return shape(smooth_pts(pts), col, **style)


def stroke(pts, width, col, smooth=True, **style):
    if smooth and len(pts) > 2:
        pts = smooth_pts(pts, closed=False, steps=4)
    return shape(stroke_pts(pts, width), col, **style)


def transform_shapes(shapes, fn):
    """Copies of the shapes with every point mapped through fn(x, y)."""
    out = []
    for s in shapes:
        t = dict(s)
        t["pts"] = [fn(x, y) for (x, y) in s["pts"]]
        out.append(t)
    return out


def affine(scale=1.0, rot=0.0, dx=0.0, dy=0.0, mirror=False):
    c, s = math.cos(math.radians(rot)), math.sin(math.radians(rot))

    def fn(x, y):
        if mirror:
            x = -x
        return (dx + scale * (x * c - y * s), dy + scale * (x * s + y * c))
    return fn


# ---------------------------------------------------------------- canvas


class Canvas:
    """Supersampled colour and coverage; shapes are given in final pixels."""

    def __init__(self, w, h, ss=SUPERSAMPLE, seed=1, light=1.0):
        self.w, self.h, self.ss = w, h, ss
        self.colour = Image.new("RGB", (w * ss, h * ss), BLACK)
        self.cover = Image.new("L", (w * ss, h * ss), 0)
        self.grain = grain((w * ss, h * ss), seed)
        self.light = light
        self.group = None

    def begin_group(self):
        """Shapes marked "clip" stay inside what was painted since this call."""
        self.group = Image.new("L", self.cover.size, 0)

    def end_group(self):
        self.group = None

    def paint(self, s):
        ss = self.ss
        pts = [(x * ss, y * ss) for (x, y) in s["pts"]]
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        bw, bh = max(xs) - min(xs), max(ys) - min(ys)
        blur_r = max(1.5, 0.22 * max(1.0, min(bw, bh)) * s.get("soft", 1.0))
        margin = int(blur_r * 2 + 4)
        x0 = max(int(min(xs)) - margin, 0)
        y0 = max(int(min(ys)) - margin, 0)
        x1 = min(int(max(xs)) + margin + 1, self.w * ss)
        y1 = min(int(max(ys)) + margin + 1, self.h * ss)
        if x1 <= x0 or y1 <= y0:
            return
        mask = Image.new("L", (x1 - x0, y1 - y0), 0)
        ImageDraw.Draw(mask).polygon([(x - x0, y - y0) for (x, y) in pts], fill=255)
        self._apply(mask, s, (x0, y0, x1, y1), blur_r, (min(ys), max(ys)))

    def paint_mask(self, full_mask, s, blur_r=None):
        """Paints a shape given as a coverage image of the supersampled canvas (lettering)."""
        box = full_mask.getbbox()
        if box is None:
            return
        r = blur_r if blur_r is not None else 0.22 * min(box[2] - box[0], box[3] - box[1])
        r = max(1.5, r)
        m = int(r * 2 + 4)
        x0, y0 = max(box[0] - m, 0), max(box[1] - m, 0)
        x1, y1 = min(box[2] + m, self.w * self.ss), min(box[3] + m, self.h * self.ss)
        self._apply(full_mask.crop((x0, y0, x1, y1)), s, (x0, y0, x1, y1), r, (box[1], box[3]))

    def _apply(self, mask, s, box, blur_r, yspan):
        x0, y0, x1, y1 = box
        cw, ch = x1 - x0, y1 - y0
        ss = self.ss
        clip_src = self.group if self.group is not None else self.cover
        if s.get("clip"):
            mask = ImageChops.multiply(mask, clip_src.crop((x0, y0, x1, y1)))
        if mask.getbbox() is None:
            return
        if s.get("darken"):
            # Shades what is already painted (a planet's night side) without adding coverage.
            soft = mask.filter(ImageFilter.GaussianBlur(s.get("feather", 1.0) * ss))
            soft = ImageChops.multiply(soft, clip_src.crop((x0, y0, x1, y1)) if s.get("clip") else self.cover.crop((x0, y0, x1, y1)))
            region = self.colour.crop((x0, y0, x1, y1))
            dark = Image.blend(region, Image.new("RGB", (cw, ch), s.get("col", SHADOW)), s["darken"])
            self.colour.paste(Image.composite(dark, region, soft), (x0, y0))
            return
        base = s["col"]
        if s.get("flat"):
            layer = Image.new("RGB", (cw, ch), base)
        else:
            layer = self._shade(mask, s, base, blur_r, (x0, y0, x1, y1), yspan)
        ink = s.get("ink", 0)
        if ink:
            k = int(ink * ss) * 2 + 1
            inner = mask.filter(ImageFilter.MinFilter(k))
            edge = ImageChops.subtract(mask, inner)
            dark = Image.new("RGB", (cw, ch), mix(scale_colour(base, 0.3), SHADOW, 0.5))
            layer = Image.composite(dark, layer, edge.point(lambda v: v * 7 // 10))
        region = self.colour.crop((x0, y0, x1, y1))
        region = Image.composite(layer, region, mask)
        self.colour.paste(region, (x0, y0))
        cov = ImageChops.lighter(self.cover.crop((x0, y0, x1, y1)), mask)
        self.cover.paste(cov, (x0, y0))
        if self.group is not None:
            self.group.paste(ImageChops.lighter(self.group.crop((x0, y0, x1, y1)), mask), (x0, y0))

    def _shade(self, mask, s, base, blur_r, box, ys):
        x0, y0, x1, y1 = box
        cw, ch = x1 - x0, y1 - y0
        blur = mask.filter(ImageFilter.GaussianBlur(blur_r))
        d = max(1, int(blur_r * 0.7))
        pad = Image.new("L", (cw + 2 * d, ch + 2 * d), 0)
        pad.paste(blur, (d, d))
        inward = pad.crop((2 * d, 2 * d, cw + 2 * d, ch + 2 * d))   # sample toward lower right
        outward = pad.crop((0, 0, cw, ch))                          # sample toward upper left
        strength = s.get("shade", 1.0) * self.light
        emb = ImageChops.subtract(inward, outward, scale=2.0 / max(strength, 0.05), offset=128)
        # Soft top-to-bottom falloff across the shape.
        top, bottom = ys
        span = max(bottom - top, 1)
        g0 = (y0 - top) / span
        g1 = (y1 - top) / span
        grad = Image.new("L", (1, ch))
        grad.putdata([clamp8(150 - 44 * (g0 + (g1 - g0) * (i / max(ch - 1, 1)))) for i in range(ch)])
        grad = grad.resize((cw, ch))
        light = ImageChops.add(emb, grad, scale=1.0, offset=-128)
        gr = s.get("grain", 1.0)
        if gr:
            g = self.grain.crop(box)
            light = Image.blend(light, ImageChops.add(light, g, 1.0, -128), min(1.0, 0.35 * gr))
        hi = mix(base, (255, 236, 200), 0.42)
        if s.get("gloss"):
            hi = mix(base, (255, 246, 225), 0.55)
        lo = mix(scale_colour(base, 0.42), SHADOW, 0.35)
        base_img = Image.new("RGB", (cw, ch), base)
        up = light.point(lambda v: clamp8((v - 128) * 2.2))
        down = light.point(lambda v: clamp8((128 - v) * 2.0))
        img = Image.composite(Image.new("RGB", (cw, ch), hi), base_img, up)
        img = Image.composite(Image.new("RGB", (cw, ch), lo), img, down)
        if s.get("gloss"):
            spec = light.point(lambda v: clamp8((v - 192) * 5))
            img = Image.composite(Image.new("RGB", (cw, ch), (255, 250, 236)), img, spec)
        return img

    def paint_all(self, shapes):
        for s in shapes:
            self.paint(s)

    def finish(self, outline=True, outline_col=None):
        """The picture at its final size: (rgb image, silhouette as a set of 0/1 bytes)."""
        w, h = self.w, self.h
        cov = self.cover.resize((w, h), Image.BOX)
        col = self.colour.resize((w, h), Image.BOX)
        cv = cov.tobytes()
        cb = bytearray(col.tobytes())
        sil = bytearray(w * h)
        for i in range(w * h):
            a = cv[i]
            if a >= 128:
                sil[i] = 1
                j = 3 * i
                for k in range(3):
                    cb[j + k] = min(255, cb[j + k] * 255 // a)
            else:
                j = 3 * i
                cb[j] = cb[j + 1] = cb[j + 2] = 0
        if outline:
            edge = silhouette_edge(sil, w, h)
            for i in range(w * h):
                if edge[i]:
                    j = 3 * i
                    c = (cb[j], cb[j + 1], cb[j + 2])
                    o = outline_col or mix(scale_colour(c, 0.35), SHADOW, 0.55)
                    cb[j], cb[j + 1], cb[j + 2] = o
        for i in range(w * h):
            if sil[i]:
                j = 3 * i
                if max(cb[j], cb[j + 1], cb[j + 2]) < SUBJECT_FLOOR:
                    cb[j] = max(cb[j], SUBJECT_FLOOR)
                    cb[j + 1] = max(cb[j + 1], SUBJECT_FLOOR * 3 // 4)
                    cb[j + 2] = max(cb[j + 2], SUBJECT_FLOOR // 2)
        return Image.frombytes("RGB", (w, h), bytes(cb)), sil


def silhouette_edge(sil, w, h):
    edge = bytearray(w * h)
    for y in range(h):
        row = y * w
        for x in range(w):
            i = row + x
            if not sil[i]:
                continue
            if (x == 0 or not sil[i - 1] or x == w - 1 or not sil[i + 1]
                    or y == 0 or not sil[i - w] or y == h - 1 or not sil[i + w]):
                edge[i] = 1
    return edge


def on_key(img, sil, key):
    """The subject on a flat key colour; no subject pixel equals the key."""
    w, h = img.size
    src = img.tobytes()
    out = bytearray(src)
    for i in range(w * h):
        j = 3 * i
        if not sil[i]:
            out[j], out[j + 1], out[j + 2] = key
        elif (out[j], out[j + 1], out[j + 2]) == tuple(key):
            out[j] = out[j] + 1 if out[j] < 255 else 254
    return Image.frombytes("RGB", (w, h), bytes(out))


# ---------------------------------------------------------------- point maps


def feature_edges(img, sil, w, h, threshold=70):
    """Pixels inside the subject where the colour changes sharply: eyes, seams, edges of armour."""
    px = img.load()
    out = bytearray(w * h)
    for y in range(1, h - 1):
        for x in range(1, w - 1):
            i = y * w + x
            if not sil[i]:
                continue
            a = px[x, y]
            b = px[x + 1, y]
            c = px[x, y + 1]
            d = sum(abs(a[k] - b[k]) for k in range(3)) + sum(abs(a[k] - c[k]) for k in range(3))
            if d > threshold:
                out[i] = 1
    return out


def spread_points(cands, count, seed_xy):
    """count of the candidate pixels, spread evenly by taking the farthest one each time."""
    cands = sorted(set(cands))
    if len(cands) < count:
        raise ValueError("only %d candidate points for %d sparks" % (len(cands), count))
    first = min(cands, key=lambda p: (p[0] - seed_xy[0]) ** 2 + (p[1] - seed_xy[1]) ** 2)
    chosen = [first]
    dist = [(p[0] - first[0]) ** 2 + (p[1] - first[1]) ** 2 for p in cands]
    while len(chosen) < count:
        best = max(range(len(cands)), key=lambda i: (dist[i], -i))
        p = cands[best]
        chosen.append(p)
        for i, q in enumerate(cands):
            dd = (p[0] - q[0]) ** 2 + (p[1] - q[1]) ** 2
            if dd < dist[i]:
                dist[i] = dd
    return chosen


def point_map(img, sil, count, outline_share=0.7):
    """Pure red sparks on black: most on the outline, the rest on inner features."""
    w, h = img.size
    edge = silhouette_edge(sil, w, h)
    feat = feature_edges(img, sil, w, h)
    outline_c = [(i % w, i // w) for i in range(w * h) if edge[i]]
    feature_c = [(i % w, i // w) for i in range(w * h) if feat[i] and not edge[i]]
    n_out = int(round(count * outline_share))
    if len(feature_c) < count - n_out:
        n_out = count - len(feature_c)
    pts = spread_points(outline_c, n_out, (0, 0))
    if count - n_out:
        taken = set(pts)
        rest = [p for p in feature_c if p not in taken]
        pts += spread_points(rest, count - n_out, (w // 2, h // 2))
    out = Image.new("RGB", (w, h), BLACK)
    for p in pts:
        out.putpixel(p, PURE_RED)
    return out


def torch_light(img, sil, from_right=True, colour=TORCH, strength=0.32):
    """Warm light falling in from one side, strongest on the lit edge of the subject."""
    w, h = img.size
    src = img.tobytes()
    out = bytearray(src)
    for y in range(h):
        row = [x for x in range(w) if sil[y * w + x]]
        if not row:
            continue
        lo, hi = row[0], row[-1]
        span = max(hi - lo, 1)
        for x in row:
            t = (x - lo) / span
            if not from_right:
                t = 1 - t
            k = strength * t * t
            j = 3 * (y * w + x)
            for c in range(3):
                v = src[j + c]
                out[j + c] = clamp8(v + (colour[c] * v / 255.0) * k * 1.6 + colour[c] * k * 0.12)
    return Image.frombytes("RGB", (w, h), bytes(out))
