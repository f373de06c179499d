#!/usr/bin/env python3
"""make_samples.py: draws the sample pictures in samples/ for players to try.

Usage: make_samples.py [OUTDIR]   (default: samples/ next to this folder)

Each picture is drawn procedurally, with features all over it so that the
25 pieces can be told apart, and stored in a different BMP variant: 24-bit,
8-bit palette, 32-bit, 4-bit palette and 8-bit run-length. Every size fits
the board (at most 589 x 564) and is at least 120 x 120. Standard library only.
"""

import colorsys
import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bmpwrite as bw  # noqa: E402


def lerp(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


class Canvas:
    """A grid of values (colours or palette indices), row 0 at the top."""

    def __init__(self, width, height, fill):
        self.width, self.height = width, height
        self.rows = [[fill] * width for _ in range(height)]

    def put(self, x, y, value):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = value

    def rect(self, x0, y0, x1, y1, value):
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                self.rows[y][x] = value

    def disc(self, cx, cy, r, value):
        for y in range(int(cy - r), int(cy + r) + 1):
            for x in range(int(cx - r), int(cx + r) + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.put(x, y, value)

    def triangle(self, points, value):
        (ax, ay), (bx, by), (cx, cy) = points
        for y in range(int(min(ay, by, cy)), int(max(ay, by, cy)) + 1):
            for x in range(int(min(ax, bx, cx)), int(max(ax, bx, cx)) + 1):
                d1 = (x - bx) * (ay - by) - (ax - bx) * (y - by)
                d2 = (x - cx) * (by - cy) - (bx - cx) * (y - cy)
                d3 = (x - ax) * (cy - ay) - (cx - ax) * (y - ay)
                if not ((d1 < 0 or d2 < 0 or d3 < 0) and (d1 > 0 or d2 > 0 or d3 > 0)):
                    self.put(x, y, value)


def landscape():
    """24-bit 300 x 300: evening sky, sun, clouds, three ranges of hills, a lake, trees."""
    w, h = 300, 300
    c = Canvas(w, h, (0, 0, 0))
    for y in range(h):
        colour = lerp((30, 60, 150), (250, 170, 90), min(y / 170, 1))
        c.rect(0, y, w, y + 1, colour)
    for r in range(46, 24, -3):
        c.disc(215, 95, r, lerp((250, 170, 90), (255, 230, 150), (46 - r) / 22))
    c.disc(215, 95, 24, (255, 245, 200))
    for cx, cy, s in ((60, 45, 1.0), (140, 70, 0.7), (270, 30, 0.8)):
        for dx, dy, r in ((0, 0, 14), (16, 4, 11), (-15, 5, 10), (30, 8, 8)):
            c.disc(cx + dx * s, cy + dy * s, r * s, (245, 235, 240))
    ranges = ((150, 22, 0.045, (120, 90, 140)), (185, 18, 0.07, (70, 120, 80)),
              (225, 14, 0.11, (40, 95, 50)))
    for base, amp, freq, colour in ranges:
        for x in range(w):
            top = int(base + amp * math.sin(x * freq) + amp * 0.5 * math.sin(x * freq * 2.7 + 1))
            for y in range(top, h):
                shade = lerp(colour, (20, 40, 25), min((y - top) / 120, 1))
                c.put(x, y, shade)
    for y in range(245, 290):
        half = int(70 * math.sqrt(max(0.0, 1 - ((y - 268) / 23) ** 2)))
        for x in range(150 - half, 150 + half):
            ripple = 12 * math.sin(x * 0.3 + y * 0.9)
            c.put(x, y, lerp((60, 110, 190), (160, 200, 240), (y - 245) / 45 + ripple / 100))
    rng = random.Random(7)
    for _ in range(14):
        x, y = rng.randrange(10, 290), rng.randrange(200, 295)
        if abs(x - 150) < 80 and y > 240:
            continue
        size = 8 + (y - 200) // 6
        c.rect(x - 2, y, x + 2, y + size // 2, (90, 60, 30))
        c.triangle(((x, y - size), (x - size // 2, y + 2), (x + size // 2, y + 2)), (25, 80, 35))
    return c


def pattern():
    """8-bit palette 240 x 200: a mandala of hue sectors and rings on a dark field."""
    w, h = 240, 200
    palette = [colorsys.hsv_to_rgb(i / 32, 0.35 + 0.65 * (j % 2), 0.45 + 0.55 * (j / 7))
               for i in range(32) for j in range(8)]
    palette = [tuple(int(v * 255) for v in rgb) for rgb in palette]
    c = Canvas(w, h, 0)
    cx, cy = 120, 100
    for y in range(h):
        for x in range(w):
            dx, dy = x - cx, y - cy
            r = math.hypot(dx, dy)
            angle = (math.atan2(dy, dx) + math.pi) / (2 * math.pi)
            petals = math.cos(angle * 2 * math.pi * 8) * 10
            ring = int((r + petals) / 14)
            hue = int(angle * 32 + ring * 3) % 32
            level = 7 - min(ring, 7) if ring % 2 == 0 else max(1, 5 - ring // 2)
            c.rows[y][x] = hue * 8 + level
    for i in range(12):
        a = i * math.pi / 6
        c.disc(cx + 78 * math.cos(a), cy + 78 * math.sin(a), 7, ((i * 5) % 32) * 8 + 7)
    for x0, y0 in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        for k in range(6):
            c.disc(x0, y0, 40 - k * 6, ((k * 7 + x0 // 9) % 32) * 8 + (k % 2) * 6 + 1)
    return c, palette


def gradient():
    """32-bit 320 x 240: a diagonal gradient with circles, squares and a dot grid."""
    w, h = 320, 240
    c = Canvas(w, h, (0, 0, 0))
    for y in range(h):
        for x in range(w):
            t = (x / w + y / h) / 2
            c.rows[y][x] = lerp((20, 150, 160), (200, 40, 120), t)
    for y in range(10, h, 24):
        for x in range(10, w, 24):
            c.disc(x, y, 2, (240, 240, 200))
    shapes = [("disc", 60, 60, 35, (250, 200, 40)), ("rect", 150, 30, 60, (60, 80, 220)),
              ("disc", 260, 70, 28, (255, 120, 60)), ("rect", 30, 140, 45, (250, 250, 250)),
              ("disc", 170, 165, 45, (40, 200, 90)), ("rect", 240, 150, 55, (120, 30, 160)),
              ("disc", 95, 205, 18, (230, 60, 60))]
    for kind, x, y, size, colour in shapes:
        if kind == "disc":
            c.disc(x, y, size, colour)
            c.disc(x - size / 3, y - size / 3, size / 4, lerp(colour, (255, 255, 255), 0.6))
        else:
            c.rect(x, y, x + size, y + size, colour)
            c.rect(x + 6, y + 6, x + size - 6, y + size - 6, lerp(colour, (0, 0, 0), 0.35))
    c.triangle(((300, 200), (230, 235), (315, 235)), (250, 230, 120))
    return c


def mosaic():
    """4-bit 150 x 150: a quilt of split squares in 16 colours, no two neighbours alike."""
    w, h, cell = 150, 150, 25
    palette = [(0, 0, 0), (255, 255, 255), (230, 60, 50), (240, 150, 40), (250, 220, 60),
               (120, 200, 60), (40, 150, 80), (50, 190, 190), (40, 110, 210), (30, 50, 140),
               (140, 70, 190), (220, 90, 170), (150, 90, 50), (190, 190, 190), (100, 100, 100),
               (250, 190, 170)]
    c = Canvas(w, h, 1)
    for row in range(h // cell):
        for col in range(w // cell):
            x0, y0 = col * cell, row * cell
            a = 2 + (row * 5 + col * 3) % 14
            b = 2 + (row * 3 + col * 7 + 5) % 14
            c.rect(x0, y0, x0 + cell, y0 + cell, a)
            if (row + col) % 2:
                c.triangle(((x0, y0), (x0 + cell, y0), (x0, y0 + cell)), b)
            else:
                c.triangle(((x0 + cell, y0), (x0 + cell, y0 + cell), (x0, y0 + cell)), b)
            c.disc(x0 + cell // 2, y0 + cell // 2, 3 + (row + col) % 4, (a + b) % 2)
    for i in range(0, w, cell):
        c.rect(i, 0, i + 1, h, 0)
        c.rect(0, i, w, i + 1, 0)
    return c, palette


def skyline():
    """8-bit run-length 360 x 270: a city at night under a banded sky and a moon."""
    w, h = 360, 270
    sky = [lerp((10, 10, 40), (90, 40, 110), i / 39) for i in range(40)]
    extra = [(250, 240, 200), (255, 255, 255), (30, 30, 45), (45, 45, 65), (60, 55, 80),
             (255, 210, 90), (140, 200, 255), (20, 20, 30), (200, 60, 60)]
    palette = sky + extra
    moon, star, walls, lit, cold, ground, beacon = 40, 41, (42, 43, 44), 45, 46, 47, 48
    c = Canvas(w, h, 0)
    for y in range(h):
        c.rect(0, y, w, y + 1, min(39, y * 40 // 220))
    rng = random.Random(11)
    for _ in range(70):
        c.put(rng.randrange(w), rng.randrange(150), star)
    c.disc(290, 55, 26, moon)
    c.disc(302, 47, 22, min(39, 47 * 40 // 220))
    x = 0
    while x < w:
        width = rng.randrange(26, 58)
        top = rng.randrange(110, 215)
        wall = walls[rng.randrange(3)]
        c.rect(x, top, x + width - 3, 250, wall)
        for wy in range(top + 8, 244, 12):
            for wx in range(x + 5, x + width - 10, 9):
                if rng.random() < 0.55:
                    c.rect(wx, wy, wx + 5, wy + 6, lit if rng.random() < 0.8 else cold)
        if rng.random() < 0.35:
            c.rect(x + width // 2 - 1, top - 22, x + width // 2 + 1, top, wall)
            c.disc(x + width // 2, top - 23, 2, beacon)
        x += width
    c.rect(0, 250, w, h, ground)
    for lx in range(12, w, 40):
        c.rect(lx, 228, lx + 2, 250, walls[0])
        c.disc(lx + 1, 227, 3, lit)
    return c, palette


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "samples")
    os.makedirs(out, exist_ok=True)
    land = landscape()
    bw.write(os.path.join(out, "landscape.bmp"),
             bw.build(land.width, land.height, bw.pack_pixels(land.rows, 24), 24))
    pat, pal = pattern()
    bw.write(os.path.join(out, "mandala.bmp"),
             bw.build(pat.width, pat.height, bw.pack_pixels(pat.rows, 8), 8, palette=pal))
    grad = gradient()
    pixels = [[bw.pack_masked(rgb, bw.MASKS_888) for rgb in row] for row in grad.rows]
    bw.write(os.path.join(out, "shapes.bmp"),
             bw.build(grad.width, grad.height, bw.pack_pixels(pixels, 32), 32))
    quilt, pal = mosaic()
    bw.write(os.path.join(out, "quilt.bmp"),
             bw.build(quilt.width, quilt.height, bw.pack_pixels(quilt.rows, 4), 4, palette=pal))
    city, pal = skyline()
    bw.write(os.path.join(out, "skyline.bmp"),
             bw.build(city.width, city.height, bw.encode_rle8(city.rows), 8, bw.BI_RLE8,
                      palette=pal))


if __name__ == "__main__":
    main()
