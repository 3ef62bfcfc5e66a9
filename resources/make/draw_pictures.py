#!/usr/bin/env python3
"""Draw Tabulon's icon, decorative picture, button glyphs and menu images.

Everything is plain 16-colour pixel art, drawn here from simple shapes
(ellipses, polygons, thick lines, small hand-made pixel maps) and written
as Windows BMP / ICO files with nothing but the standard library.

    python3 resources/make/draw_pictures.py

writes into the resources folder (the parent of this script's folder) and
then reads every file back and checks it.
"""

import math
import os
import struct
import sys

OUT_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# The classic 16-colour VGA palette, in the usual Windows order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
(BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER,
 GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE) = range(16)

# Letters used in the pixel maps below; '.' leaves the background alone.
KEYS = {
    'K': BLACK, 'M': MAROON, 'g': GREEN, 'N': NAVY, 'P': PURPLE,
    'T': TEAL, 's': SILVER, 'd': GREY, 'R': RED, 'L': LIME, 'Y': YELLOW,
    'B': BLUE, 'F': FUCHSIA, 'A': AQUA, 'W': WHITE,
}


def luma(index):
    r, g, b = PALETTE[index]
    return 0.299 * r + 0.587 * g + 0.114 * b


# ---------------------------------------------------------------------------
# A tiny paletted canvas plus shape rasterisers.  Shapes are given in
# continuous coordinates; a pixel (x, y) is covered when its centre
# (x + 0.5, y + 0.5) lies inside the shape.
# ---------------------------------------------------------------------------

class Canvas:
    def __init__(self, w, h, bg):
        self.w, self.h, self.bg = w, h, bg
        self.px = [[bg] * w for _ in range(h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def fill(self, mask, c):
        for x, y in mask:
            self.put(x, y, c)

    def rect(self, x0, y0, x1, y1, c):
        """Inclusive pixel rectangle."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def line(self, x0, y0, x1, y1, c):
        """Bresenham line between pixel positions."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.put(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def stamp(self, x, y, rows):
        width = len(rows[0])
        for j, row in enumerate(rows):
            assert len(row) == width, "ragged pixel map row %d" % j
            for i, ch in enumerate(row):
                if ch != '.':
                    self.put(x + i, y + j, KEYS[ch])

    def paste(self, other, ox, oy):
        for y in range(other.h):
            for x in range(other.w):
                self.put(ox + x, oy + y, other.px[y][x])


def poly_mask(points, w, h):
    """Even-odd fill of a polygon, sampled at pixel centres."""
    mask = set()
    n = len(points)
    for y in range(h):
        yc = y + 0.5
        xs = []
        for i in range(n):
            (xa, ya), (xb, yb) = points[i], points[(i + 1) % n]
            if (ya <= yc < yb) or (yb <= yc < ya):
                xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
        xs.sort()
        for a, b in zip(xs[0::2], xs[1::2]):
            for x in range(max(0, math.ceil(a - 0.5)), min(w, math.ceil(b - 0.5))):
                mask.add((x, y))
    return mask


def ellipse_mask(cx, cy, rx, ry, w, h):
    mask = set()
    for y in range(max(0, int(cy - ry) - 1), min(h, int(cy + ry) + 2)):
        for x in range(max(0, int(cx - rx) - 1), min(w, int(cx + rx) + 2)):
            u, v = (x + 0.5 - cx) / rx, (y + 0.5 - cy) / ry
            if u * u + v * v <= 1.0:
                mask.add((x, y))
    return mask


def seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / float(dx * dx + dy * dy or 1)
    t = max(0.0, min(1.0, t))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def stroke_mask(path, half_width, w, h):
    """Pixels whose centre lies within half_width of a polyline."""
    mask = set()
    for (ax, ay), (bx, by) in zip(path, path[1:]):
        x0 = max(0, int(min(ax, bx) - half_width) - 1)
        x1 = min(w, int(max(ax, bx) + half_width) + 2)
        y0 = max(0, int(min(ay, by) - half_width) - 1)
        y1 = min(h, int(max(ay, by) + half_width) + 2)
        for y in range(y0, y1):
            for x in range(x0, x1):
                if seg_dist(x + 0.5, y + 0.5, ax, ay, bx, by) <= half_width:
                    mask.add((x, y))
    return mask


def smooth(points, steps=6):
    """Closed Catmull-Rom curve through the given points."""
    out = []
    n = len(points)
    for i in range(n):
        p0, p1, p2, p3 = (points[(i - 1) % n], points[i],
                          points[(i + 1) % n], points[(i + 2) % n])
        for k in range(steps):
            t = k / steps
            t2, t3 = t * t, t * t * t
            out.append(tuple(
                0.5 * (2 * p1[d] + (-p0[d] + p2[d]) * t
                       + (2 * p0[d] - 5 * p1[d] + 4 * p2[d] - p3[d]) * t2
                       + (-p0[d] + 3 * p1[d] - 3 * p2[d] + p3[d]) * t3)
                for d in (0, 1)))
    return out


NEIGHBOURS4 = ((1, 0), (-1, 0), (0, 1), (0, -1))
NEIGHBOURS8 = NEIGHBOURS4 + ((1, 1), (1, -1), (-1, 1), (-1, -1))


def rim(mask, neighbours=NEIGHBOURS4):
    """Pixels just outside a mask."""
    return {(x + dx, y + dy) for x, y in mask for dx, dy in neighbours
            if (x + dx, y + dy) not in mask}


def edge(mask, neighbours=NEIGHBOURS4):
    """Pixels of a mask that touch the outside."""
    return {(x, y) for x, y in mask
            if any((x + dx, y + dy) not in mask for dx, dy in neighbours)}


def greyed(img, bg, dark=140):
    """The disabled look: dark parts turn grey with a white etched
    highlight one pixel down-right; light parts vanish into the button."""
    out = Canvas(img.w, img.h, bg)
    ink = {(x, y) for y in range(img.h) for x in range(img.w)
           if img.px[y][x] != bg and luma(img.px[y][x]) < dark}
    for x, y in ink:
        if (x + 1, y + 1) not in ink:
            out.put(x + 1, y + 1, WHITE)
    out.fill(ink, GREY)
    return out


def two_state(img, bg, dark=140):
    strip = Canvas(img.w * 2, img.h, bg)
    strip.paste(img, 0, 0)
    strip.paste(greyed(img, bg, dark), img.w, 0)
    return strip


# ---------------------------------------------------------------------------
# File writers
# ---------------------------------------------------------------------------

def palette_bytes():
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)


def pack_4bpp(cv, transparent=None):
    """Bottom-up 4-bit rows padded to 4 bytes.  Pixels in `transparent`
    are written as black, as an icon's colour bitmap expects."""
    stride = (cv.w * 4 + 31) // 32 * 4
    out = bytearray()
    for y in range(cv.h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(cv.w):
            v = 0 if transparent and (x, y) in transparent else cv.px[y][x]
            row[x // 2] |= v << 4 if x % 2 == 0 else v
        out += row
    return bytes(out)


def pack_1bpp(w, h, on):
    stride = (w + 31) // 32 * 4
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if (x, y) in on:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def bmp_bytes(cv):
    bits = pack_4bpp(cv)
    offset = 14 + 40 + 64
    head = struct.pack('<2sIHHI', b'BM', offset + len(bits), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, cv.w, cv.h, 1, 4, 0, len(bits),
                       2835, 2835, 16, 16)
    return head + info + palette_bytes() + bits


def ico_bytes(cv, transparent):
    xor = pack_4bpp(cv, transparent)
    andmask = pack_1bpp(cv.w, cv.h, transparent)
    info = struct.pack('<IiiHHIIiiII', 40, cv.w, cv.h * 2, 1, 4, 0,
                       len(xor) + len(andmask), 0, 0, 0, 0)
    image = info + palette_bytes() + xor + andmask
    header = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', cv.w % 256, cv.h % 256, 16, 0, 1, 4,
                        len(image), 6 + 16)
    return header + entry + image


def save(name, data):
    with open(os.path.join(OUT_DIR, name), 'wb') as f:
        f.write(data)


# ---------------------------------------------------------------------------
# The program's book: purple, slightly 3D, with a yellow question mark.
# ---------------------------------------------------------------------------

ICON_QUESTION = [
    "....YYYYYY....",
    "..YYYYYYYYYY..",
    ".YYYYYYYYYYYY.",
    "YYYYY....YYYYY",
    "YYYY......YYYY",
    "YYYY......YYYY",
    "..........YYYY",
    ".........YYYYY",
    "........YYYYY.",
    ".......YYYYY..",
    "......YYYYY...",
    ".....YYYYY....",
    ".....YYYY.....",
    ".....YYYY.....",
    ".....YYYY.....",
    "..............",
    ".....YYYY.....",
    ".....YYYY.....",
    ".....YYYY.....",
    ".....YYYY.....",
]

SMALL_QUESTION = [
    ".YYYY.",
    "YY..YY",
    "....YY",
    "...YY.",
    "..YY..",
    "..YY..",
    "......",
    "..YY..",
    "..YY..",
]


def shadowed(cv, x, y, rows, shadow=BLACK):
    """Stamp a pixel map with a one-pixel drop shadow down-right."""
    for j, row in enumerate(rows):
        for i, ch in enumerate(row):
            if ch != '.':
                cv.put(x + i + 1, y + j + 1, shadow)
    cv.stamp(x, y, rows)


def draw_book(cv, x0, y0, x1, y1, depth, hinge, question, qx, qy, gloss=True):
    """Closed book seen from the front: cover (x0,y0)-(x1,y1) with the page
    block showing `depth` pixels to the right and below."""
    d = depth
    block = [(x1, y0), (x1 + d, y0 + d), (x1 + d, y1 + d), (x0 + d, y1 + d),
             (x0, y1)]
    # page block: white with a few page lines, black outline
    for y in range(y0, y1 + d + 1):
        for x in range(x0, x1 + d + 1):
            if x > x1 or y > y1:
                if x - x1 <= y - y0 and y - y1 <= x - x0:
                    cv.put(x, y, WHITE)
    for k in range(1, d, 2):
        cv.line(x1 + k, y0 + k + 1, x1 + k, y1 + k - 1, SILVER)
        cv.line(x0 + k + 1, y1 + k, x1 + k - 1, y1 + k, SILVER)
    for (ax, ay), (bx, by) in zip(block, block[1:]):
        cv.line(ax, ay, bx, by, BLACK)
    # the cover
    cv.rect(x0, y0, x1, y1, BLACK)
    cv.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, PURPLE)
    cv.line(x0 + 1, y0 + 1, x0 + 1, y1 - 1, FUCHSIA)       # rounded spine catches light
    cv.line(hinge, y0 + 1, hinge, y1 - 1, BLACK)           # hinge groove
    if gloss:
        cv.line(hinge + 1, y0 + 1, x1 - 1, y0 + 1, FUCHSIA)    # top edge highlight
        cv.line(hinge + 1, y0 + 1, hinge + 1, y1 - 1, FUCHSIA)
    shadowed(cv, qx, qy, question)


def draw_icon():
    cv = Canvas(32, 32, OLIVE)   # olive marks "outside" while drawing only
    draw_book(cv, 2, 1, 24, 26, 4, 5, ICON_QUESTION, 8, 4)
    outside = {(x, y) for y in range(32) for x in range(32)
               if cv.px[y][x] == OLIVE}
    return cv, outside


def draw_menu_book():
    cv = Canvas(16, 16, OLIVE)
    draw_book(cv, 0, 0, 11, 12, 2, 2, SMALL_QUESTION, 4, 2, gloss=False)
    return cv


# ---------------------------------------------------------------------------
# Small glyphs
# ---------------------------------------------------------------------------

OPEN_BOOK = [
    ".KKK........KKK.",
    "KWWWKKK..KKKWWWK",
    "KWddWWWKKWWWddWK",
    "KWWWddWKKWddWWWK",
    "KWddWWWKKWWWddWK",
    "KWWWWWWKKWWWWWWK",
    "KKKKWWWKKWWWKKKK",
    ".BBBKKKKKKKKBBB.",
]

QUESTION_ABOVE_BOOK = [
    "......XXXX......",
    ".....XX..XX.....",
    "........XX......",
    ".......XX.......",
    ".......XX.......",
    "................",
    ".......XX.......",
]


def draw_book_with_question(ink):
    cv = Canvas(16, 16, OLIVE)
    cv.stamp(0, 0, [r.replace('X', ink) for r in QUESTION_ABOVE_BOOK])
    cv.stamp(0, 8, OPEN_BOOK)
    return cv


GLYPH_COPY = [
    "KKKK............",
    "KWWKK....KKKKK..",
    "KWWKKK.KKKsssKKK",
    "KWWWWK.KMRKKKKMK",
    "KWddWK.KMRRWWWMK",
    "KWWRRRRRRRRRdWMK",
    "KWdRRRRRRRRRWWMK",
    "KWWWWK.KMRRddWMK",
    "KKKKKK.KMRWWWWMK",
    ".......KMWddWWMK",
    ".......KMWWWWWMK",
    ".......KMWdddWMK",
    ".......KMWWWWWMK",
    ".......KMWddWWMK",
    ".......KMMMMMMMK",
    ".......KKKKKKKKK",
]

GLYPH_CALC = [
    ".KKKKKKKKKKKKKKK",
    ".KsssssssssssssK",
    ".KsKKKKKKKKKKKsK",
    ".KsKAAKKAKKAAKsK",
    ".KsKAAKKAKKAAKsK",
    ".KsKKKKKKKKKKKsK",
    ".KsssssssssssssK",
    ".KsWWWsWWWsRRRsK",
    ".KsdddsdddsMMMsK",
    ".KsWWWsWWWsWWWsK",
    ".KsdddsdddsdddsK",
    ".KsWWWsWWWsWWWsK",
    ".KsdddsdddsdddsK",
    ".KsWWWsWWWsWWWsK",
    ".KsdddsdddsdddsK",
    ".KKKKKKKKKKKKKKK",
]


def draw_about():
    cv = Canvas(16, 16, OLIVE)
    disc = ellipse_mask(8, 8, 7.6, 7.6, 16, 16)
    cv.fill(disc, YELLOW)
    cv.fill(edge(disc), BLACK)
    cv.stamp(3, 3, ["WW", "W."])
    q = [r.replace('Y', 'R') for r in SMALL_QUESTION]
    shadowed(cv, 5, 3, q, MAROON)
    return cv


def draw_cross(size, bg):
    cv = Canvas(size, size, bg)
    m = size * 0.2
    a, b = m, size - m
    cross = (stroke_mask([(a, a), (b, b)], size * 0.11, size, size)
             | stroke_mask([(b, a), (a, b)], size * 0.11, size, size))
    cv.fill(rim(cross), MAROON)
    cv.fill(cross, RED)
    for x, y in cross:      # shade the lower-right side of each bar
        if (x + 1, y + 1) not in cross:
            cv.put(x, y, MAROON)
    return cv


def draw_tick():
    cv = Canvas(18, 18, OLIVE)
    tick = stroke_mask([(3.5, 9.5), (7.5, 13.5), (15.0, 4.0)], 1.8, 18, 18)
    cv.fill(rim(tick, NEIGHBOURS8), GREEN)
    cv.fill(tick, LIME)
    for x, y in tick:
        if (x + 1, y + 1) not in tick:
            cv.put(x, y, GREEN)
    return cv


# ---------------------------------------------------------------------------
# The decorative picture: a gilded bust, serif capitals and an orbit.
# ---------------------------------------------------------------------------

PIC_W, PIC_H = 153, 139


def distance_inside(mask):
    """Euclidean distance from each pixel of a mask to the nearest pixel
    outside it (brute force over the rim; the masks are small)."""
    border = list(rim(mask))
    dist = {}
    for x, y in mask:
        best = 1e9
        for bx, by in border:
            d = (bx - x) ** 2 + (by - y) ** 2
            if d < best:
                best = d
        dist[(x, y)] = math.sqrt(best)
    return dist


BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]
GOLD = [BLACK, MAROON, OLIVE, YELLOW, WHITE]


def gold(level, x, y):
    """Map a ramp position (0..4) onto the gold colours, dithering the
    middle of each step only so flat areas stay clean."""
    level = max(0.0, min(len(GOLD) - 1.0, level))
    lo = int(level)
    frac = level - lo
    if lo >= len(GOLD) - 1:
        return GOLD[-1]
    if frac < 0.3:
        return GOLD[lo]
    if frac > 0.7:
        return GOLD[lo + 1]
    t = (frac - 0.3) / 0.4
    return GOLD[lo + 1] if BAYER4[y % 4][x % 4] / 16.0 < t else GOLD[lo]


class Bust:
    """A head in profile facing left on a draped chest.  Local coordinates
    are in 'head units' with the top of the skull at (0, 0)."""

    LIGHT = (-0.6, -0.35, 0.75)

    def __init__(self, ox, oy, scale):
        self.ox, self.oy, self.s = ox, oy, scale

    def pt(self, x, y):
        return (self.ox + x * self.s, self.oy + y * self.s)

    def ipt(self, x, y):
        px, py = self.pt(x, y)
        return int(px), int(py)

    def shape(self, pts, steps=6):
        return poly_mask(smooth([self.pt(x, y) for x, y in pts], steps), PIC_W, PIC_H)

    def build(self):
        head = self.shape([
            (0, 0), (14, 3), (25, 12), (31, 25), (31, 38), (27, 50), (20, 58),
            (8, 60), (2, 60), (-8, 66), (-18, 69), (-24, 67), (-27, 63),
            (-25, 59), (-28, 56), (-26, 54), (-28, 51), (-27, 49), (-28, 48),
            (-34, 46), (-33, 43), (-27, 30), (-26, 27), (-25, 18),
            (-19, 7), (-10, 2)])
        neck = self.shape([(-14, 58), (6, 52), (18, 56), (21, 70), (27, 86),
                           (-20, 88), (-15, 72)])
        chest = self.shape([
            (-54, 112), (-50, 96), (-38, 86), (-18, 83), (4, 82), (22, 80),
            (40, 86), (52, 97), (57, 112), (30, 119), (0, 121), (-30, 119)])
        drape = self.shape([
            (40, 84), (51, 93), (36, 105), (10, 114), (-20, 120), (-42, 116),
            (-14, 108), (14, 98)])
        face = self.shape([(-50, 12), (-21, 12), (-13, 17), (-7, 25), (-3, 33),
                           (3, 33), (9, 31), (14, 35), (15, 46), (21, 58),
                           (10, 80), (-50, 80)], 4)
        ear = self.shape([(4, 34), (9, 31), (12, 36), (11, 44), (7, 48),
                          (4, 46), (5, 40)], 4)
        hair = head - face
        return head, neck, chest, drape, hair, ear

    def render(self, cv):
        head, neck, chest, drape, hair, ear = self.build()
        parts = [(chest, 16.0), (drape, 6.0), (neck, 9.0), (head, 13.0)]
        owner, height = {}, {}
        for z, (mask, radius) in enumerate(parts):
            for p, d in distance_inside(mask).items():
                t = min(d, radius) / radius
                owner[p] = z
                height[p] = radius * math.sqrt(1.0 - (1.0 - t) ** 2)
        s = self.s

        def bump(lx, ly, amp, sigma):
            cx, cy = self.pt(lx, ly)
            sg = sigma * s
            for p, z in owner.items():
                if z == 3:
                    d2 = (p[0] + 0.5 - cx) ** 2 + (p[1] + 0.5 - cy) ** 2
                    if d2 < 9 * sg * sg:
                        height[p] += amp * s * math.exp(-d2 / (2 * sg * sg))

        bump(-21, 33, -4.0, 3.0)    # eye socket under the brow
        bump(-22, 34, 1.5, 1.4)     # eyeball
        bump(-13, 44, 2.5, 5.0)     # cheek
        bump(-25, 47, 1.5, 2.0)     # nostril wing
        bump(-22, 55, -1.5, 1.3)    # corner of the mouth
        bump(-22, 63, 2.0, 3.0)     # chin
        for p in ear:
            if owner.get(p) == 3:
                height[p] += 2.5

        # curls: each hair pixel belongs to the nearest little ball, which
        # gets its own lighting; the gaps between balls go dark
        curls = []
        step = 6.0
        for row in range(int(PIC_H / (step * 0.8)) + 2):
            for col in range(int(PIC_W / step) + 2):
                curls.append((col * step + (step / 2 if row % 2 else 0) - 2,
                              row * step * 0.8 - 2))
        curl = {}
        for p in hair:
            cx, cy = min(curls, key=lambda c: (c[0] - p[0] - 0.5) ** 2 + (c[1] - p[1] - 0.5) ** 2)
            curl[p] = ((p[0] + 0.5 - cx) / (step * 0.55), (p[1] + 0.5 - cy) / (step * 0.55))

        blurred = {}
        for (x, y), z in owner.items():
            acc = n = 0
            for dx in (-1, 0, 1):
                for dy in (-1, 0, 1):
                    q = (x + dx, y + dy)
                    if owner.get(q) == z:
                        acc += height[q]
                        n += 1
            blurred[(x, y)] = acc / n

        def h_at(q, z):
            return blurred[q] if owner.get(q) == z else 0.0

        lx, ly, lz = self.LIGHT
        ln = math.sqrt(lx * lx + ly * ly + lz * lz)
        lx, ly, lz = lx / ln, ly / ln, lz / ln

        def shade(nx, ny, nz):
            nn = math.sqrt(nx * nx + ny * ny + nz * nz)
            return max(0.0, (nx * lx + ny * ly + nz * lz) / nn)

        for (x, y), z in owner.items():
            gx = (h_at((x + 1, y), z) - h_at((x - 1, y), z)) / 2.0
            gy = (h_at((x, y + 1), z) - h_at((x, y - 1), z)) / 2.0
            lit = shade(-gx, -gy, 1.0)
            if (x, y) in curl:
                u, v = curl[(x, y)]
                r2 = u * u + v * v
                if r2 >= 1.0:
                    lit *= 0.45
                else:
                    w = math.sqrt(1.0 - r2)
                    lit = 0.35 * lit + 0.6 * shade(u - gx * 0.3, v - gy * 0.3, w)
            for t in range(2, 7):       # cast shadow from parts in front
                q = (int(x - lx * t * 1.3), int(y - ly * t * 1.3))
                if owner.get(q, -1) > z:
                    lit *= 0.35
                    break
            level = 0.3 + 3.4 * lit
            if lit > 0.95:
                level = 4.0
            cv.put(x, y, gold(level, x, y))

        def draw(pts, c=MAROON):
            for a, b in zip(pts, pts[1:]):
                cv.line(*self.ipt(*a), *self.ipt(*b), c)

        draw([(-25, 30), (-21, 29), (-17, 30)], MAROON)     # brow
        draw([(-25, 33), (-22, 32), (-20, 33)], BLACK)      # upper lid
        draw([(-25, 34), (-22, 36)], MAROON)                # lower lid
        draw([(-28, 48), (-26, 48)], BLACK)                 # nostril
        draw([(-28, 53), (-23, 54)], BLACK)                 # mouth
        ecx, ecy = self.pt(8, 40)                           # ear
        ear_mask = ellipse_mask(ecx, ecy, 4.8 * s, 8.0 * s, PIC_W, PIC_H)
        for x, y in ear_mask:
            cv.put(x, y, gold(3.0 - 1.6 * (x + 0.5 - ecx + y + 0.5 - ecy) / (8 * s), x, y))
        cv.fill(edge(ear_mask), MAROON)
        draw([(6, 37), (8, 36), (9, 40), (8, 44)], MAROON)
        draw([(-20, 12), (-13, 17), (-7, 25), (-3, 33)], MAROON)  # hairline
        draw([(36, 90), (20, 101), (-4, 111), (-26, 117)])   # folds of the drape
        draw([(45, 94), (28, 105), (6, 113)])
        body = set(owner)
        for x, y in body:       # dark rim on the shadow side
            if (x + 1, y) not in body or (x, y + 1) not in body:
                c = cv.get(x, y)
                if c in (OLIVE, MAROON):
                    cv.put(x, y, BLACK if c == MAROON else MAROON)
        return body


# Serif capitals, built from strokes of a broad flat pen held nearly level
# (thick downstrokes, thin horizontals) plus square bracketed serifs.

def pen_stroke(mask, path, w=5.2, h=1.8, angle=-0.2, step=0.15):
    ca, sa = math.cos(angle), math.sin(angle)
    for (ax, ay), (bx, by) in zip(path, path[1:]):
        n = max(1, int(math.hypot(bx - ax, by - ay) / step))
        for i in range(n + 1):
            cx = ax + (bx - ax) * i / n
            cy = ay + (by - ay) * i / n
            for y in range(int(cy - 4), int(cy + 5)):
                for x in range(int(cx - 4), int(cx + 5)):
                    u = (x + 0.5 - cx) * ca + (y + 0.5 - cy) * sa
                    v = -(x + 0.5 - cx) * sa + (y + 0.5 - cy) * ca
                    if abs(u) <= w / 2 and abs(v) <= h / 2:
                        mask.add((x, y))


def arc(cx, cy, rx, ry, a0, a1, n=24):
    return [(cx + rx * math.cos(a0 + (a1 - a0) * i / n),
             cy + ry * math.sin(a0 + (a1 - a0) * i / n)) for i in range(n + 1)]


def letter(ch, x0, y0, H=28):
    m = set()
    top, base = y0, y0 + H - 1

    def stem(x):
        pen_stroke(m, [(x + 2.5, top + 1), (x + 2.5, base)])

    def serifs(x, w=5, at_top=True, at_base=True, left=3, right=3):
        if at_top:
            for yy in (top, top + 1):
                for xx in range(x - left, x + w + right):
                    m.add((xx, yy))
            m.add((x - 1, top + 2)); m.add((x + w, top + 2))
        if at_base:
            for yy in (base, base - 1):
                for xx in range(x - left, x + w + right):
                    m.add((xx, yy))
            m.add((x - 1, base - 2)); m.add((x + w, base - 2))

    if ch == 'P':
        x = x0 + 3
        stem(x)
        serifs(x, at_top=True, right=0)
        serifs(x, at_top=False)
        pen_stroke(m, [(x + 4, top + 1)] + arc(x + 10, top + 8, 8.5, 7.0, -math.pi / 2, math.pi / 2)
                   + [(x + 4, top + 15)])
        return m, 24
    if ch == 'H':
        x, x2 = x0 + 3, x0 + 19
        stem(x)
        stem(x2)
        serifs(x)
        serifs(x2)
        pen_stroke(m, [(x + 4, top + 14), (x2 + 1, top + 14)])
        return m, 28
    if ch == 'Y':
        pen_stroke(m, [(x0 + 4.5, top + 1), (x0 + 13.5, top + 15)], w=5.6)
        pen_stroke(m, [(x0 + 23.5, top + 1), (x0 + 14.5, top + 15)], w=2.2)
        pen_stroke(m, [(x0 + 14, top + 14), (x0 + 14, base)])
        for yy in (top, top + 1):
            for xx in list(range(x0, x0 + 10)) + list(range(x0 + 20, x0 + 28)):
                m.add((xx, yy))
        for yy in (base, base - 1):
            for xx in range(x0 + 8, x0 + 20):
                m.add((xx, yy))
        return m, 28
    if ch == 'S':
        cx = x0 + 10
        upper = arc(cx, top + 7.5, 7.5, 6.5, -0.25, -math.pi / 2, 10) + \
            arc(cx, top + 7.5, 7.5, 6.5, -math.pi / 2, -math.pi * 1.45, 14)
        lower = arc(cx, base - 7.0, 7.5, 6.5, -math.pi * 0.45, math.pi / 2, 16) + \
            arc(cx, base - 7.0, 7.5, 6.5, math.pi / 2, math.pi * 0.95 - 0.1, 10)
        pen_stroke(m, upper + lower)
        # terminal serifs
        for yy in range(top, top + 6):
            m.add((cx + 7, yy)); m.add((cx + 8, yy))
        for yy in range(base - 5, base + 1):
            m.add((cx - 8, yy)); m.add((cx - 7, yy))
        return m, 21
    raise ValueError(ch)


def draw_letters(cv, text, x, y, gap=4):
    masks = []
    for ch in text:
        m, w = letter(ch, x, y)
        masks.append(m)
        x += w + gap
    allm = set().union(*masks)
    for px, py in allm:                # deep shadow
        for d in (1, 2):
            if (px + d, py + d) not in allm:
                cv.put(px + d, py + d, BLACK)
    cv.fill(allm, SILVER)
    for px, py in allm:                # chiselled: light from the upper left
        if (px - 1, py) not in allm or (px, py - 1) not in allm:
            cv.put(px, py, WHITE)
        elif (px + 1, py) not in allm or (px, py + 1) not in allm:
            cv.put(px, py, GREY)


def orbit_points(cx, cy, a, b, tilt, n=900):
    ct, st = math.cos(tilt), math.sin(tilt)
    for i in range(n):
        t = 2 * math.pi * i / n
        ex, ey = a * math.cos(t), b * math.sin(t)
        yield t, cx + ex * ct - ey * st, cy + ex * st + ey * ct


def draw_picture():
    cv = Canvas(PIC_W, PIC_H, GREY)
    orbit = dict(cx=78, cy=66, a=72, b=15, tilt=-0.33)
    # back half of the orbit first, so the bust hides it
    for t, x, y in orbit_points(**orbit):
        if math.sin(t) < 0:
            cv.put(int(x), int(y), SILVER)
    Bust(100, 6, 0.82).render(cv)
    draw_letters(cv, "PHYS", 12, 104)
    for t, x, y in orbit_points(**orbit):
        if math.sin(t) >= 0:
            cv.put(int(x), int(y), AQUA)
    # the electron
    t = 2.35
    ct, st = math.cos(orbit['tilt']), math.sin(orbit['tilt'])
    ex, ey = orbit['a'] * math.cos(t), orbit['b'] * math.sin(t)
    ecx = orbit['cx'] + ex * ct - ey * st
    ecy = orbit['cy'] + ex * st + ey * ct
    ball = ellipse_mask(ecx, ecy, 3.6, 3.6, PIC_W, PIC_H)
    cv.fill(rim(ball), NAVY)
    cv.fill(ball, TEAL)
    cv.fill(ellipse_mask(ecx - 0.6, ecy - 0.6, 2.4, 2.4, PIC_W, PIC_H), AQUA)
    cv.fill(ellipse_mask(ecx - 1.3, ecy - 1.3, 0.9, 0.9, PIC_W, PIC_H), WHITE)
    return cv


# ---------------------------------------------------------------------------
# Reading the files back
# ---------------------------------------------------------------------------

def read_dib(data, at, w, h, icon=False):
    """Check a 4-bit BITMAPINFOHEADER image at `at` and return its pixels
    (top-down rows of palette indices) and, for an icon, its AND mask."""
    (size, bw, bh, planes, bits, comp, image_size,
     _, _, _, _) = struct.unpack_from('<IiiHHIIiiII', data, at)
    assert (size, planes, bits, comp) == (40, 1, 4, 0)
    assert (bw, bh) == (w, h * 2 if icon else h), (bw, bh)
    pal = [tuple(data[at + 40 + 4 * i + k] for k in (2, 1, 0)) for i in range(16)]
    assert pal == PALETTE, "palette is not the VGA one"
    stride = (w * 4 + 31) // 32 * 4
    mask_stride = (w + 31) // 32 * 4
    assert image_size == stride * h + (mask_stride * h if icon else 0)
    bits_at = at + 40 + 64
    assert len(data) == bits_at + image_size
    px = [[(data[bits_at + (h - 1 - y) * stride + x // 2] >> (4 if x % 2 == 0 else 0)) & 15
           for x in range(w)] for y in range(h)]
    if not icon:
        return bits_at, px, None
    mask_at = bits_at + stride * h
    clear = {(x, y) for y in range(h) for x in range(w)
             if data[mask_at + (h - 1 - y) * mask_stride + x // 8] & (0x80 >> (x % 8))}
    return bits_at, px, clear


def enclosed(px, colour):
    """Pixels of `colour` not connected to the image border: a glyph's
    transparent colour there would punch a hole into the subject."""
    h, w = len(px), len(px[0])
    todo = [(x, y) for y in range(h) for x in range(w)
            if (x in (0, w - 1) or y in (0, h - 1)) and px[y][x] == colour]
    seen = set(todo)
    while todo:
        x, y = todo.pop()
        for dx, dy in NEIGHBOURS4:
            q = (x + dx, y + dy)
            if 0 <= q[0] < w and 0 <= q[1] < h and q not in seen and px[q[1]][q[0]] == colour:
                seen.add(q)
                todo.append(q)
    return [(x, y) for y in range(h) for x in range(w)
            if px[y][x] == colour and (x, y) not in seen]


def check_bmp(name, w, h, transparent, two_images=False):
    with open(os.path.join(OUT_DIR, name), 'rb') as f:
        data = f.read()
    magic, file_size, _, _, offset = struct.unpack_from('<2sIHHI', data, 0)
    assert magic == b'BM' and file_size == len(data), name
    bits_at, px, _ = read_dib(data, 14, w, h)
    assert offset == bits_at, name
    if transparent is not None:
        assert px[h - 1][0] == transparent, "%s: wrong bottom-left colour" % name
        normal = [row[:w // 2] for row in px] if two_images else px
        holes = enclosed(normal, transparent)
        assert not holes, "%s: see-through pixels inside the subject at %s" % (name, holes[:4])
        if two_images:
            used = {c for row in px for c in row[w // 2:]}
            assert used <= {transparent, GREY, WHITE}, "%s: disabled image in colour" % name
    return len(data)


def check_ico(name):
    with open(os.path.join(OUT_DIR, name), 'rb') as f:
        data = f.read()
    assert struct.unpack_from('<HHH', data, 0) == (0, 1, 1)
    w, h, colours, _, planes, bits, size, offset = struct.unpack_from('<BBBBHHII', data, 6)
    assert (w, h, colours, planes, bits, offset) == (32, 32, 16, 1, 4, 22)
    assert offset + size == len(data)
    _, px, clear = read_dib(data, offset, 32, 32, icon=True)
    assert all(px[y][x] == BLACK for x, y in clear), "masked pixels must be black"
    assert (0, 0) in clear and (31, 31) in clear and (16, 16) not in clear
    assert not enclosed([[(x, y) in clear for x in range(32)] for y in range(32)], True)
    return len(data)


def _from_map(rows):
    cv = Canvas(len(rows[0]), len(rows), OLIVE)
    cv.stamp(0, 0, rows)
    return cv


def main():
    icon, outside = draw_icon()
    save('tabulon.ico', ico_bytes(icon, outside))
    save('picture.bmp', bmp_bytes(draw_picture()))
    save('glyph_copy.bmp', bmp_bytes(two_state(_from_map(GLYPH_COPY), OLIVE)))
    save('glyph_about.bmp', bmp_bytes(two_state(draw_about(), OLIVE)))
    save('glyph_help.bmp', bmp_bytes(two_state(draw_book_with_question('B'), OLIVE)))
    save('glyph_calc.bmp', bmp_bytes(two_state(_from_map(GLYPH_CALC), OLIVE)))
    save('glyph_exit.bmp', bmp_bytes(draw_cross(18, SILVER)))
    save('glyph_ok.bmp', bmp_bytes(two_state(draw_tick(), OLIVE, dark=160)))
    save('menu_book.bmp', bmp_bytes(draw_menu_book()))
    save('menu_help.bmp', bmp_bytes(draw_book_with_question('R')))
    save('menu_exit.bmp', bmp_bytes(draw_cross(16, OLIVE)))

    sizes = {'tabulon.ico': (32, 32, check_ico('tabulon.ico'))}
    for name, w, h, transparent, pair in (
            ('picture.bmp', PIC_W, PIC_H, None, False),
            ('glyph_copy.bmp', 32, 16, OLIVE, True),
            ('glyph_about.bmp', 32, 16, OLIVE, True),
            ('glyph_help.bmp', 32, 16, OLIVE, True),
            ('glyph_calc.bmp', 32, 16, OLIVE, True),
            ('glyph_exit.bmp', 18, 18, SILVER, False),
            ('glyph_ok.bmp', 36, 18, OLIVE, True),
            ('menu_book.bmp', 16, 16, OLIVE, False),
            ('menu_help.bmp', 16, 16, OLIVE, False),
            ('menu_exit.bmp', 16, 16, OLIVE, False)):
        sizes[name] = (w, h, check_bmp(name, w, h, transparent, pair))
    for name in sorted(sizes):
        print("%-16s %3dx%-3d %6d bytes" % ((name,) + sizes[name]))


if __name__ == '__main__':
    main()
