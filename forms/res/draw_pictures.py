#!/usr/bin/env python3
"""Draws Vexo's pictures with the standard library only and writes them beside this script.

Motifs are drawn in a 16-unit square (32 for the large ones) and rasterised with 8 x 8
samples per pixel, so each size is drawn, not scaled. Outlines are one pixel wide at every
size.

  symbol_<name>.bmp    16 x 16, 24-bit, magenta (255, 0, 255) where transparent
  large_<name>.bmp     32 x 32, 32-bit with alpha (BITMAPV5, straight alpha)
  large_<name>.png     the same as PNG
  vexo_page.ico        page with hash sign, 16, 32, 48 and 64 pixels, 32-bit

Usage: draw_pictures.py [--sheet PNG]   (--sheet: an enlarged overview of all pictures)
"""
import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLES = 8
MAGENTA = (255, 0, 255)
BAR = (240, 240, 240)  # what half-covered edge pixels of the 24-bit symbols are mixed with

# One palette for all pictures.
INK = (38, 52, 74)          # outlines, dark strokes
BLUE = (33, 102, 196)
BLUE_DARK = (22, 66, 140)
BLUE_LIGHT = (120, 170, 235)
WHITE = (255, 255, 255)
PAPER = (250, 250, 247)
GREY = (128, 136, 148)
STEEL = (150, 160, 172)
STEEL_LIGHT = (205, 212, 220)
PARCHMENT = (246, 228, 178)
PARCHMENT_DARK = (214, 180, 110)
BROWN = (134, 96, 42)
FOLDER = (242, 192, 78)
FOLDER_DARK = (178, 128, 34)


# ---- shapes: functions (x, y) -> bool in motif units ----

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rounded(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def polygon(points):
    def inside(x, y):
        hit = False
        n = len(points)
        for i in range(n):
            (xa, ya), (xb, yb) = points[i], points[(i + 1) % n]
            if (ya > y) != (yb > y) and x < xa + (y - ya) * (xb - xa) / (yb - ya):
                hit = not hit
        return hit
    return inside


def segment(xa, ya, xb, yb, width):
    """A stroke from a to b with square ends."""
    dx, dy = xb - xa, yb - ya
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    h = width / 2

    def inside(x, y):
        px, py = x - xa, y - ya
        along = px * ux + py * uy
        across = -px * uy + py * ux
        return -0.0 <= along <= length and abs(across) <= h
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def gear(cx, cy, outer, inner, hole, teeth):
    def inside(x, y):
        dx, dy = x - cx, y - cy
        d = math.hypot(dx, dy)
        if d <= hole:
            return False
        if d <= inner:
            return True
        if d > outer:
            return False
        a = (math.atan2(dy, dx) / (2 * math.pi) * teeth) % 1.0
        return 0.22 < a < 0.78
    return inside


class Canvas:
    """Straight-alpha RGBA pixels; shapes are painted over with coverage from supersampling."""

    def __init__(self, size, units):
        self.size = size
        self.scale = units / size  # motif units per pixel
        self.px = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]

    def fill(self, shape, colour, opacity=1.0):
        s = self.size
        step = self.scale / SAMPLES
        for j in range(s):
            for i in range(s):
                hits = 0
                for sj in range(SAMPLES):
                    y = (j + (sj + 0.5) / SAMPLES) * self.scale
                    for si in range(SAMPLES):
                        if shape((i + (si + 0.5) / SAMPLES) * self.scale, y):
                            hits += 1
                if hits:
                    a = hits / (SAMPLES * SAMPLES) * opacity
                    r0, g0, b0, a0 = self.px[j][i]
                    out = a + a0 * (1 - a)
                    mix = lambda c, c0: (c * a + c0 * a0 * (1 - a)) / out
                    self.px[j][i] = (mix(colour[0], r0), mix(colour[1], g0),
                                     mix(colour[2], b0), out)
        del step

    def outlined(self, shape, inset_shape, outline, colour):
        self.fill(shape, outline)
        self.fill(inset_shape, colour)


# ---- motifs: each draws into a canvas whose pixel is `p` units wide ----

def hash_sign(c, x0, y0, w, h, stroke, colour):
    """A # in the box (x0, y0, w, h): two slanted uprights, two bars."""
    slant = w * 0.12
    shapes = []
    for fx in (0.36, 0.70):
        xa = x0 + w * fx
        shapes.append(segment(xa + slant, y0, xa - slant, y0 + h, stroke))
    for fy in (0.34, 0.68):
        ya = y0 + h * fy
        shapes.append(rect(x0, ya - stroke / 2, x0 + w, ya + stroke / 2))
    c.fill(union(*shapes), colour)


def motif_info(c, p):
    c.fill(circle(8, 8, 7.5), BLUE_DARK)
    c.fill(circle(8, 8, 7.5 - p), BLUE)
    c.fill(circle(8, 4.6, 1.25), WHITE)
    c.fill(union(rect(7, 6.8, 9.2, 12.2), rect(6.2, 6.8, 9.2, 8), rect(6.2, 11.2, 9.9, 12.4)),
           WHITE)


def motif_gear(c, p):
    c.fill(gear(8, 8, 7.6, 5.7, 0, 8), INK)
    c.fill(gear(8, 8, 7.6 - p, 5.7 - p, 0, 8), STEEL)
    c.fill(circle(8, 8, 3.6), STEEL_LIGHT)
    c.fill(circle(8, 8, 2.2), INK)
    c.fill(circle(8, 8, 2.2 - p), WHITE)


def motif_hash(c, p):
    hash_sign(c, 1, 1, 14, 14, 2.6, BLUE_DARK)


def floppy(c, p, u):
    """A floppy disk labelled with a hash sign; u = motif units per 16."""
    k = u / 16
    body = polygon([(1 * k, 1 * k), (13 * k, 1 * k), (15 * k, 3 * k), (15 * k, 15 * k),
                    (1 * k, 15 * k)])
    inner = polygon([(1 * k + p, 1 * k + p), (13 * k - p * 0.4, 1 * k + p),
                     (15 * k - p, 3 * k + p * 0.4), (15 * k - p, 15 * k - p),
                     (1 * k + p, 15 * k - p)])
    c.fill(body, INK)
    c.fill(inner, BLUE)
    c.fill(rect(4 * k, 1 * k + p, 11 * k, 5.5 * k), STEEL_LIGHT)
    c.fill(rect(8.5 * k, 2 * k, 10 * k, 4.5 * k), BLUE_DARK)
    c.fill(rect(3 * k, 7.5 * k, 13 * k, 15 * k - p), WHITE)
    hash_sign(c, 5 * k, 8.4 * k, 6 * k, 5.8 * k, max(1.3 * k, 1.4 * p), BLUE_DARK)


def motif_save(c, p):
    floppy(c, p, 16)


def motif_scroll(c, p):
    c.fill(rect(3, 2.5, 13, 13.5), BROWN)
    c.fill(rect(3 + p, 2.5, 13 - p, 13.5), PARCHMENT)
    for y in (5.5, 7.5, 9.5):
        c.fill(rect(5, y, 11, y + 1), BROWN, 0.8)
    for y in (1, 12):  # the two rolls
        c.fill(rounded(1, y, 15, y + 3, 1.5), BROWN)
        c.fill(rounded(1 + p, y + p, 15 - p, y + 3 - p, 1.5 - p), PARCHMENT_DARK)
        c.fill(rect(2, y + 1, 14, y + 1.6), PARCHMENT, 0.9)


def motif_folder(c, p):
    back = union(rounded(0.5, 3, 7, 6, 1), rect(0.5, 4.5, 15.5, 14.5))
    c.fill(back, FOLDER_DARK)
    c.fill(minus(union(rounded(0.5 + p, 3 + p, 7 - p, 6, 1), rect(0.5 + p, 4.5 + p, 15.5 - p,
                                                                 14.5 - p)),
                 rect(0, 14.5 - p, 16, 16)), FOLDER)
    c.fill(rect(4, 1.5, 13, 11), GREY)  # the document
    c.fill(rect(4 + p, 1.5 + p, 13 - p, 11), PAPER)
    for y in (3.5, 5.5):
        c.fill(rect(5.5, y, 11.5, y + p), BLUE)
    front = polygon([(2, 8), (15.5, 8), (14.5, 14.5), (0.5, 14.5)])
    c.fill(front, FOLDER_DARK)
    c.fill(polygon([(2 + p, 8 + p), (15.5 - 1.2 * p, 8 + p), (14.5 - p, 14.5 - p),
                    (0.5 + 1.2 * p, 14.5 - p)]), FOLDER)


def motif_page(c, p):
    """Page with folded corner and a hash sign (32 units)."""
    fold = 8
    page = polygon([(5, 1), (27 - fold, 1), (27, 1 + fold), (27, 31), (5, 31)])
    inner = polygon([(5 + p, 1 + p), (27 - fold - p * 0.4, 1 + p), (27 - p, 1 + fold + p * 0.4),
                     (27 - p, 31 - p), (5 + p, 31 - p)])
    c.fill(page, GREY)
    c.fill(inner, PAPER)
    c.fill(polygon([(27 - fold, 1), (27 - fold, 1 + fold), (27, 1 + fold)]), GREY)
    c.fill(polygon([(27 - fold + p, 1 + 2 * p), (27 - fold + p, 1 + fold - p),
                    (27 - 2 * p, 1 + fold - p)]), STEEL_LIGHT)
    hash_sign(c, 8.5, 11, 15, 16, 3.0, BLUE_DARK)


def motif_save32(c, p):
    floppy(c, p, 32)


SYMBOLS = [("info", motif_info), ("gear", motif_gear), ("hash", motif_hash),
           ("save", motif_save), ("log", motif_scroll), ("folder", motif_folder)]
LARGE = [("insert", motif_page), ("save", motif_save32)]


def draw(motif, size, units):
    c = Canvas(size, units)
    motif(c, units / size)
    return c.px


# ---- file formats ----

def to_bytes(value):
    return max(0, min(255, int(round(value))))


def bmp24_magenta(px):
    size = len(px)
    rows = []
    for row in reversed(px):
        line = bytearray()
        for r, g, b, a in row:
            if a < 0.5:
                colour = MAGENTA
            else:
                colour = tuple(c * a + k * (1 - a) for c, k in zip((r, g, b), BAR))
            line += bytes((to_bytes(colour[2]), to_bytes(colour[1]), to_bytes(colour[0])))
        line += b"\0" * (-len(line) % 4)
        rows.append(bytes(line))
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54) + info + data


def bgra_rows(px):
    return b"".join(bytes(b for r, g, b_, a in row
                          for b in (to_bytes(b_), to_bytes(g), to_bytes(r), to_bytes(a * 255)))
                    for row in reversed(px))


def bmp32(px):
    size = len(px)
    data = bgra_rows(px)
    # BITMAPV5HEADER with the alpha mask, so readers know the fourth byte is alpha.
    v5 = struct.pack("<IiiHHIIiiIIIIIII36sIIIIIII", 124, size, size, 1, 32, 3, len(data),
                     2835, 2835, 0, 0, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000,
                     0x73524742, b"\0" * 36, 0, 0, 0, 4, 0, 0, 0)
    offset = 14 + len(v5)
    return struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset) + v5 + data


def png(px):
    size = len(px)
    raw = b"".join(b"\0" + bytes(v for r, g, b, a in row
                                 for v in (to_bytes(r), to_bytes(g), to_bytes(b),
                                           to_bytes(a * 255)))
                   for row in px)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico(images):
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for px in images:
        size = len(px)
        xor = bgra_rows(px)
        mask_row = (size + 31) // 32 * 4
        mask = bytearray()
        for row in reversed(px):
            bits = bytearray(mask_row)
            for i, (_, _, _, a) in enumerate(row):
                if a < 0.5:
                    bits[i // 8] |= 0x80 >> (i % 8)
            mask += bits
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask),
                             0, 0, 0, 0)
        blob = header + xor + bytes(mask)
        entries.append(struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob),
                                   offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def sheet(pictures, zoom=4, pad=8):
    """All pictures side by side, enlarged, on a light background."""
    height = max(len(px) for px in pictures) * zoom + 2 * pad
    width = sum(len(px) * zoom + pad for px in pictures) + pad
    canvas = [[(0.94, 0.94, 0.94)] * width for _ in range(height)]
    x = pad
    for px in pictures:
        for j, row in enumerate(px):
            for i, (r, g, b, a) in enumerate(row):
                for dy in range(zoom):
                    for dx in range(zoom):
                        bg = canvas[pad + j * zoom + dy][x + i * zoom + dx]
                        canvas[pad + j * zoom + dy][x + i * zoom + dx] = tuple(
                            c / 255 * a + k * (1 - a) for c, k in zip((r, g, b), bg))
        x += len(px) * zoom + pad
    raw = b"".join(b"\0" + bytes(to_bytes(v * 255) for pixel in row for v in pixel)
                   for row in canvas)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    shown = []
    for name, motif in SYMBOLS:
        px = draw(motif, 16, 16)
        write("symbol_%s.bmp" % name, bmp24_magenta(px))
        shown.append(px)
    for name, motif in LARGE:
        px = draw(motif, 32, 32)
        write("large_%s.bmp" % name, bmp32(px))
        write("large_%s.png" % name, png(px))
        shown.append(px)
    write("vexo_page.ico", ico([draw(motif_page, s, 32) for s in (16, 32, 48, 64)]))
    if len(sys.argv) == 3 and sys.argv[1] == "--sheet":
        with open(sys.argv[2], "wb") as f:
            f.write(sheet(shown + [draw(motif_page, 64, 32)]))


if __name__ == "__main__":
    main()
