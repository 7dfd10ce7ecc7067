#!/usr/bin/env python3
"""Draws the launcher's artwork and writes it next to this script:

  backdrop.bmp   main window backdrop, 224 x 352, 32 bits per pixel
  panel.bmp      settings panel background, 517 x 400, 8 bits, 256 colours
  launcher.ico   application icon, 16, 32 and 48 pixels, 32-bit BGRA

Standard library only. The output is deterministic: every random choice
comes from a fixed seed, so running the script again gives the same bytes.
"""

import math
import os
import random
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SQRT3 = math.sqrt(3.0)


# ---------------------------------------------------------------------------
# Small helpers


def clamp(value, low=0.0, high=1.0):
    return low if value < low else high if value > high else value


def smoothstep(edge0, edge1, value):
    t = clamp((value - edge0) / (edge1 - edge0))
    return t * t * (3.0 - 2.0 * t)


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def rgb(hex_text):
    value = int(hex_text.lstrip("#"), 16)
    return ((value >> 16) / 255.0, ((value >> 8) & 255) / 255.0, (value & 255) / 255.0)


def cell_noise(q, r, seed):
    """A repeatable value in [0, 1) for one hexagon cell."""
    h = (q * 73856093) ^ (r * 19349663) ^ (seed * 83492791)
    h = (h ^ (h >> 13)) * 1274126177
    return ((h ^ (h >> 16)) & 0xFFFF) / 65536.0


# ---------------------------------------------------------------------------
# Shapes: polygons as lists of (x, y), filled with analytic anti-aliasing


def cubic(p0, p1, p2, p3, steps=24):
    points = []
    for i in range(1, steps + 1):
        t = i / steps
        u = 1.0 - t
        points.append((u * u * u * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t * t * t * p3[0],
                       u * u * u * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t * t * t * p3[1]))
    return points


def path(*commands):
    """('M', x, y) starts, ('L', x, y) draws a line, ('C', x1, y1, x2, y2, x, y)
    a cubic curve. Gives the outline as one polygon."""
    points = []
    for command in commands:
        if command[0] in ("M", "L"):
            points.append((command[1], command[2]))
        else:
            p0 = points[-1]
            points.extend(cubic(p0, command[1:3], command[3:5], command[5:7]))
    return points


def ellipse(cx, cy, rx, ry=None, steps=96):
    ry = rx if ry is None else ry
    return [(cx + rx * math.cos(2 * math.pi * i / steps), cy + ry * math.sin(2 * math.pi * i / steps))
            for i in range(steps)]


def hexagon(cx, cy, radius, pointy=True):
    start = -90 if pointy else 0
    return [(cx + radius * math.cos(math.radians(start + 60 * i)),
             cy + radius * math.sin(math.radians(start + 60 * i))) for i in range(6)]


def rectangle(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def rounded_rectangle(x0, y0, x1, y1, radius, steps=6):
    points = []
    corners = ((x1 - radius, y0 + radius, -90), (x1 - radius, y1 - radius, 0),
               (x0 + radius, y1 - radius, 90), (x0 + radius, y0 + radius, 180))
    for cx, cy, start in corners:
        for i in range(steps + 1):
            angle = math.radians(start + 90 * i / steps)
            points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return points


def stroke(points, width, closed=False):
    """A polyline as a list of quads, one per segment, plus round joints."""
    shapes = []
    pairs = list(zip(points, points[1:] + points[:1] if closed else points[1:]))
    for (x0, y0), (x1, y1) in pairs:
        length = math.hypot(x1 - x0, y1 - y0) or 1.0
        nx, ny = -(y1 - y0) / length * width / 2, (x1 - x0) / length * width / 2
        shapes.append([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])
    for x, y in points:
        shapes.append(ellipse(x, y, width / 2, steps=12))
    return shapes


def signed_area(polygon):
    return sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(polygon, polygon[1:] + polygon[:1])) / 2


class Mask:
    """Coverage in [0, 1] for every pixel."""

    def __init__(self, width, height, values=None):
        self.width = width
        self.height = height
        self.values = values if values is not None else [0.0] * (width * height)

    def at(self, x, y):
        if 0 <= x < self.width and 0 <= y < self.height:
            return self.values[y * self.width + x]
        return 0.0

    def fill(self, *polygons, samples=5):
        """Adds the union of the polygons (nonzero rule after turning every
        polygon the same way); coverage along x is exact, along y sampled."""
        edges = []
        for polygon in polygons:
            if signed_area(polygon) < 0:
                polygon = polygon[::-1]
            for (x0, y0), (x1, y1) in zip(polygon, polygon[1:] + polygon[:1]):
                if y0 == y1:
                    continue
                direction = 1 if y1 > y0 else -1
                if y0 > y1:
                    x0, y0, x1, y1 = x1, y1, x0, y0
                edges.append((y0, y1, x0, (x1 - x0) / (y1 - y0), direction))
        if not edges:
            return self
        top = max(0, int(math.floor(min(e[0] for e in edges))))
        bottom = min(self.height, int(math.ceil(max(e[1] for e in edges))))
        weight = 1.0 / samples
        for y in range(top, bottom):
            row = [0.0] * (self.width + 1)
            for k in range(samples):
                sy = y + (k + 0.5) * weight
                crossings = sorted((x0 + (sy - y0) * slope, d) for y0, y1, x0, slope, d in edges if y0 <= sy < y1)
                winding = 0
                start = 0.0
                for x, d in crossings:
                    before = winding
                    winding += d
                    if before == 0 and winding != 0:
                        start = x
                    elif before != 0 and winding == 0:
                        self._span(row, start, x, weight)
            base = y * self.width
            for x in range(self.width):
                if row[x]:
                    self.values[base + x] = min(1.0, max(self.values[base + x], row[x]))
        return self

    def _span(self, row, x0, x1, weight):
        x0 = max(0.0, x0)
        x1 = min(float(self.width), x1)
        if x1 <= x0:
            return
        i0, i1 = int(x0), int(x1)
        if i0 == i1:
            row[i0] += (x1 - x0) * weight
            return
        row[i0] += (i0 + 1 - x0) * weight
        for i in range(i0 + 1, i1):
            row[i] += weight
        if i1 < self.width:
            row[i1] += (x1 - i1) * weight

    def blurred(self, radius, passes=3):
        """Box blur, repeated: close to a Gaussian."""
        values = list(self.values)
        w, h = self.width, self.height
        for _ in range(passes):
            values = _box_rows(values, w, h, radius)
            values = _transpose(_box_rows(_transpose(values, w, h), h, w, radius), h, w)
        return Mask(w, h, values)

    def shifted(self, dx, dy):
        w, h = self.width, self.height
        values = [0.0] * (w * h)
        for y in range(h):
            sy = y - dy
            if 0 <= sy < h:
                for x in range(max(0, dx), min(w, w + dx)):
                    values[y * w + x] = self.values[sy * w + x - dx]
        return Mask(w, h, values)

    def dilated(self, radius=1):
        w, h = self.width, self.height
        values = [0.0] * (w * h)
        for y in range(h):
            for x in range(w):
                best = 0.0
                for dy in range(-radius, radius + 1):
                    for dx in range(-radius, radius + 1):
                        if dx * dx + dy * dy <= radius * radius + radius:
                            best = max(best, self.at(x + dx, y + dy))
                values[y * w + x] = best
        return Mask(w, h, values)

    def minus(self, other):
        return Mask(self.width, self.height, [max(0.0, a - b) for a, b in zip(self.values, other.values)])

    def times(self, other):
        return Mask(self.width, self.height, [a * b for a, b in zip(self.values, other.values)])


def _box_rows(values, w, h, radius):
    out = [0.0] * (w * h)
    size = 2 * radius + 1
    for y in range(h):
        base = y * w
        total = 0.0
        for x in range(-radius, radius + 1):
            total += values[base + min(max(x, 0), w - 1)]
        for x in range(w):
            out[base + x] = total / size
            total += values[base + min(x + radius + 1, w - 1)] - values[base + max(x - radius, 0)]
    return out


def _transpose(values, w, h):
    return [values[y * w + x] for x in range(w) for y in range(h)]


class Canvas:
    """RGB in [0, 1] per pixel."""

    def __init__(self, width, height, colour=(0.0, 0.0, 0.0)):
        self.width = width
        self.height = height
        self.pixels = [colour] * (width * height)

    def mask(self):
        return Mask(self.width, self.height)

    def shade(self, function):
        """Sets every pixel to function(x, y, old colour)."""
        w = self.width
        for y in range(self.height):
            for x in range(w):
                self.pixels[y * w + x] = function(x, y, self.pixels[y * w + x])

    def paint(self, mask, colour, opacity=1.0):
        """Covers the masked pixels with a colour or a function(x, y)."""
        w = self.width
        for i, cover in enumerate(mask.values):
            if cover <= 0.0:
                continue
            c = colour(i % w, i // w) if callable(colour) else colour
            self.pixels[i] = mix(self.pixels[i], c, cover * opacity)

    def add(self, mask, colour, strength=1.0):
        """Adds light: glows and rims."""
        for i, cover in enumerate(mask.values):
            if cover > 0.0:
                p = self.pixels[i]
                k = cover * strength
                self.pixels[i] = (p[0] + colour[0] * k, p[1] + colour[1] * k, p[2] + colour[2] * k)

    def bytes_rgb(self):
        return [tuple(int(clamp(c) * 255.0 + 0.5) for c in p) for p in self.pixels]


# ---------------------------------------------------------------------------
# Pixel font: variable-width glyphs, "#" marks a cell

GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "C": [".####", "#....", "#....", "#....", "#....", "#....", ".####"],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "G": [".####", "#....", "#....", "#.###", "#...#", "#...#", ".###."],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "I": ["###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "Z": ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
    "v": [".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "0": [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    "1": [".#.", "##.", ".#.", ".#.", ".#.", ".#.", "###"],
    ".": [".", ".", ".", ".", ".", ".", "#"],
    "-": ["...", "...", "...", "###", "...", "...", "..."],
    " ": ["..", "..", "..", "..", "..", "..", ".."],
}


def text_width(text, cell, gap=1):
    return sum((len(GLYPHS[ch][0]) + gap) * cell for ch in text) - gap * cell


def text_cells(text, x, y, cell, gap=1):
    """Squares, one per lit cell, for text whose top-left corner is (x, y)."""
    squares = []
    for ch in text:
        rows = GLYPHS[ch]
        for j, row in enumerate(rows):
            for i, mark in enumerate(row):
                if mark == "#":
                    squares.append(rectangle(x + i * cell, y + j * cell, x + (i + 1) * cell, y + (j + 1) * cell))
        x += (len(rows[0]) + gap) * cell
    return squares


# ---------------------------------------------------------------------------
# Hexagon lattice (pointy-top cells)


def hex_cell(x, y, size):
    """The cell of the point: its axial coordinates and the point's distance
    to the cell's nearest edge."""
    q = (SQRT3 / 3 * x - y / 3) / size
    r = (2.0 / 3 * y) / size
    cx, cz = q, r
    cy = -cx - cz
    rx, ry, rz = round(cx), round(cy), round(cz)
    dx, dy, dz = abs(rx - cx), abs(ry - cy), abs(rz - cz)
    if dx > dy and dx > dz:
        rx = -ry - rz
    elif dy > dz:
        ry = -rx - rz
    else:
        rz = -rx - ry
    centre_x = size * SQRT3 * (rx + rz / 2.0)
    centre_y = size * 1.5 * rz
    ox, oy = x - centre_x, y - centre_y
    reach = max(abs(ox), abs(ox / 2 + oy * SQRT3 / 2), abs(ox / 2 - oy * SQRT3 / 2))
    return rx, rz, size * SQRT3 / 2 - reach


def hex_line(edge_distance, width):
    return clamp(width / 2 + 0.5 - edge_distance)


# ---------------------------------------------------------------------------
# Backdrop: a cloaked wanderer with a lantern under the moon


BACK_W, BACK_H = 224, 352
NIGHT_TOP = rgb("#0a1424")
NIGHT_LOW = rgb("#10333f")
TEAL = rgb("#3fb7b0")
MOON = rgb("#e8efe6")
LANTERN = rgb("#ffb347")
GOLD_LIGHT = rgb("#ffe7a3")
GOLD_DARK = rgb("#c17a22")
CLOAK = rgb("#060a12")
CLOAK_FOLD = rgb("#16202e")

MOON_AT = (172.0, 80.0, 28.0)
LANTERN_AT = (84.0, 76.0)
BAND = (14, 116, 210, 279)


def sky(x, y, _):
    t = y / BACK_H
    colour = mix(NIGHT_TOP, NIGHT_LOW, smoothstep(0.0, 1.0, t))
    mx, my, mr = MOON_AT
    d = math.hypot(x - mx, y - my)
    halo = math.exp(-max(0.0, d - mr) / 38.0) * 0.42
    return mix(colour, rgb("#5fa7a8"), halo)


def hex_pattern(x, y, colour):
    q, r, edge = hex_cell(x + 3.0, y + 5.0, 13.0)
    centre = math.hypot((x - 112) / 112.0, (y - 190) / 176.0)
    strength = 0.10 + 0.28 * smoothstep(0.35, 1.05, centre)
    line = hex_line(edge, 1.0) * strength
    fill = 0.0
    if cell_noise(q, r, 7) > 0.86:
        fill = 0.06 + 0.05 * cell_noise(q, r, 11)
    return mix(mix(colour, TEAL, fill), TEAL, line)


def draw_stars(canvas):
    rng = random.Random(1977)
    stars = canvas.mask()
    bright = canvas.mask()
    for _ in range(70):
        x, y = rng.uniform(2, 222), rng.uniform(40, 210)
        if math.hypot(x - MOON_AT[0], y - MOON_AT[1]) < MOON_AT[2] + 10:
            continue
        radius = rng.choice((0.45, 0.5, 0.6, 0.75))
        stars.fill(ellipse(x, y, radius, steps=10))
    for x, y in ((34, 62), (196, 150), (58, 118), (204, 52)):
        bright.fill(ellipse(x, y, 0.8, steps=10))
        bright.fill(rectangle(x - 3.5, y - 0.35, x + 3.5, y + 0.35), rectangle(x - 0.35, y - 3.5, x + 0.35, y + 3.5))
    canvas.add(stars, rgb("#cfe6ff"), 0.8)
    canvas.add(bright, rgb("#f3f7ff"), 0.7)


def draw_moon(canvas):
    mx, my, mr = MOON_AT
    disc = canvas.mask().fill(ellipse(mx, my, mr, steps=160))

    def surface(x, y):
        shade = 0.92 + 0.08 * ((x - mx) - (y - my)) / mr / 2
        for cx, cy, cr in ((-9, -6, 7), (10, 9, 5), (4, -14, 4), (-4, 13, 6), (15, -4, 3)):
            d = math.hypot(x - mx - cx, y - my - cy) / cr
            if d < 1.0:
                shade -= 0.07 * (1.0 - d * d)
        return tuple(c * shade for c in MOON)

    canvas.paint(disc, surface)


def draw_mountains(canvas):
    rng = random.Random(4242)

    def ridge(base, height, step, swell):
        points = [(-4.0, BACK_H)]
        x = -4.0
        while x < BACK_W + 8:
            points.append((x, base - rng.uniform(0.0, height) - swell * math.sin(x / 23.0)))
            x += rng.uniform(step * 0.6, step * 1.4)
        points.append((BACK_W + 8.0, BACK_H))
        return points

    far = canvas.mask().fill(ridge(232, 42, 16, 6))
    canvas.paint(far, lambda x, y: mix(rgb("#1d4a55"), rgb("#143540"), clamp((y - 190) / 80.0)))
    near = canvas.mask().fill(ridge(268, 30, 11, 8))
    canvas.paint(near, lambda x, y: mix(rgb("#10303a"), rgb("#0b2129"), clamp((y - 240) / 60.0)))


def draw_ground(canvas):
    ground = canvas.mask().fill(path(("M", -4, BACK_H), ("L", -4, 314),
                                     ("C", 40, 304, 90, 318, 130, 321),
                                     ("C", 170, 323, 200, 306, 230, 312), ("L", 230, BACK_H)))
    canvas.paint(ground, lambda x, y: mix(rgb("#0b1a22"), rgb("#03080c"), clamp((y - 306) / 16.0)))
    rim = ground.minus(ground.shifted(0, 1))
    canvas.add(rim, rgb("#3f8f8c"), 0.35)


def wanderer_outline():
    """Hood, mantle and cloak in one outline, the cloak blown to the right."""
    return path(
        ("M", 171, 72),
        ("C", 162, 63, 148, 61, 138, 68),
        ("C", 133, 71, 129, 75, 127, 80),
        ("C", 126, 88, 127, 96, 130, 102),
        ("C", 126, 106, 121, 110, 117, 116),
        ("C", 113, 124, 109, 134, 106, 144),
        ("L", 112, 149),
        ("C", 115, 140, 118, 134, 121, 130),
        ("C", 119, 190, 113, 250, 108, 304),
        ("L", 116, 299), ("L", 124, 307), ("L", 134, 300), ("L", 145, 308), ("L", 156, 300),
        ("L", 168, 307), ("L", 178, 298), ("L", 190, 303), ("L", 198, 292), ("L", 214, 298),
        ("L", 204, 284), ("L", 218, 280), ("L", 205, 268),
        ("C", 204, 230, 194, 170, 182, 130),
        ("C", 178, 118, 174, 110, 170, 104),
        ("C", 172, 96, 174, 86, 171, 72),
    )


def scarf_outline():
    return path(("M", 166, 102), ("C", 180, 96, 192, 104, 204, 96), ("C", 210, 92, 214, 96, 219, 91),
                ("C", 214, 100, 206, 102, 200, 106), ("C", 188, 112, 178, 108, 168, 110))


def figure_masks(canvas):
    body = canvas.mask().fill(wanderer_outline(), scarf_outline())
    body.fill(path(("M", 122, 306), ("L", 138, 306), ("L", 140, 322), ("L", 118, 322),
                   ("C", 118, 316, 120, 312, 122, 306)))
    body.fill(path(("M", 156, 304), ("L", 168, 304), ("L", 174, 320), ("L", 156, 320)))
    staff = canvas.mask().fill(*stroke([(103, 56), (105, 120), (108, 200), (111, 322)], 3.0))
    staff.fill(*stroke(cubic((103, 57), (102, 46), (90, 44), (86, 52), 10), 2.6))
    hand = canvas.mask().fill(ellipse(107, 148, 4.2, 5.0, steps=24))
    return body, staff, hand


def draw_wanderer(canvas):
    body, staff, hand = figure_masks(canvas)
    figure = Mask(BACK_W, BACK_H, [max(a, b, c) for a, b, c in zip(body.values, staff.values, hand.values)])
    canvas.paint(figure, lambda x, y: mix(CLOAK, rgb("#0d1726"), clamp((y - 60) / 260.0)))
    folds = canvas.mask()
    for line in (cubic((150, 116), (150, 180), (146, 240), (145, 304), 16),
                 cubic((168, 118), (178, 180), (186, 240), (190, 300), 16),
                 cubic((132, 132), (128, 190), (124, 250), (122, 304), 16),
                 cubic((122, 112), (136, 120), (156, 120), (174, 110), 16)):
        folds.fill(*stroke(line, 1.2))
    canvas.paint(folds.times(body), CLOAK_FOLD, 0.9)
    face = canvas.mask().fill(path(("M", 130, 80), ("C", 136, 76, 142, 80, 143, 90),
                                   ("C", 143, 98, 138, 104, 132, 102), ("C", 129, 96, 129, 86, 130, 80)))
    canvas.paint(face, rgb("#010204"))
    canvas.add(face.minus(face.shifted(2, 0)).blurred(1, 1), LANTERN, 0.35)
    light_rims(canvas, figure)


def light_rims(canvas, figure):
    """Moonlight from behind on the top right, the lantern's warmth on the left."""
    above_ground = Mask(BACK_W, BACK_H, [v if i // BACK_W < 300 else 0.0 for i, v in enumerate(figure.values)])
    moon_rim = above_ground.minus(above_ground.shifted(-2, 2)).blurred(1, 1)
    canvas.add(moon_rim, rgb("#7fd6cf"), 0.6)
    lantern_rim = figure.minus(figure.shifted(2, 0)).blurred(1, 1)
    lx, ly = LANTERN_AT
    lit = Mask(BACK_W, BACK_H, [v * math.exp(-math.hypot(i % BACK_W - lx, i // BACK_W - ly) / 45.0)
                                for i, v in enumerate(lantern_rim.values)])
    canvas.add(lit, LANTERN, 1.2)


def draw_lantern(canvas):
    lx, ly = LANTERN_AT
    glow = canvas.mask().fill(ellipse(lx, ly + 2, 5.0)).blurred(9, 3)
    canvas.add(glow, LANTERN, 1.6)
    halo = Mask(BACK_W, BACK_H, [math.exp(-math.hypot(i % BACK_W - lx, i // BACK_W - ly) / 26.0)
                                 for i in range(BACK_W * BACK_H)])
    canvas.add(halo, rgb("#ff9a3c"), 0.22)
    chain = canvas.mask().fill(rectangle(lx + 1.6, 53, lx + 2.4, ly - 7))
    canvas.paint(chain, rgb("#2a1c10"))
    frame = canvas.mask().fill(hexagon(lx + 2, ly + 2, 7.0, pointy=False))
    canvas.paint(frame, rgb("#2b1a0c"))
    core = canvas.mask().fill(hexagon(lx + 2, ly + 2, 4.6, pointy=False))
    canvas.paint(core, lambda x, y: mix(rgb("#fff4c2"), LANTERN, clamp(math.hypot(x - lx - 2, y - ly - 2) / 5)))
    cap = canvas.mask().fill([(lx - 3, ly - 5), (lx + 7, ly - 5), (lx + 5, ly - 8), (lx - 1, ly - 8)])
    canvas.paint(cap, rgb("#3a2410"))


def draw_mist(canvas):
    def mist(x, y, colour):
        wave = 0.5 + 0.5 * math.sin(x / 17.0 + math.sin(y / 9.0) * 1.7)
        k = smoothstep(240, 312, y) * (1 - smoothstep(316, 328, y)) * (0.16 + 0.14 * wave)
        return mix(colour, rgb("#4f8e93"), k)

    canvas.shade(mist)


def draw_band(canvas):
    x0, y0, x1, y1 = BAND
    plate = canvas.mask().fill(rounded_rectangle(x0, y0, x1, y1, 7))
    canvas.paint(plate, lambda x, y: mix(rgb("#04080e"), rgb("#081420"), (y - y0) / (y1 - y0)), 0.62)
    outer = canvas.mask().fill(rounded_rectangle(x0, y0, x1, y1, 7))
    inner = canvas.mask().fill(rounded_rectangle(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 6))
    canvas.paint(outer.minus(inner), rgb("#b58a45"), 0.75)
    inner2 = canvas.mask().fill(rounded_rectangle(x0 + 3, y0 + 3, x1 - 3, y1 - 3, 4))
    inner3 = canvas.mask().fill(rounded_rectangle(x0 + 4, y0 + 4, x1 - 4, y1 - 4, 3))
    canvas.paint(inner2.minus(inner3), rgb("#6d5530"), 0.35)
    for cx, cy in ((x0 + 0.5, (y0 + y1) / 2), (x1 - 0.5, (y0 + y1) / 2), ((x0 + x1) / 2, y0 + 0.5),
                   ((x0 + x1) / 2, y1 - 0.5)):
        gem = canvas.mask().fill([(cx, cy - 4), (cx + 4, cy), (cx, cy + 4), (cx - 4, cy)])
        canvas.paint(gem, rgb("#e0b768"))
    separators = canvas.mask()
    for y in (146.5, 170.5, 194.5, 219.5, 245.5):
        separators.fill(rectangle(40, y - 0.5, 184, y + 0.5))
    fade = lambda x, y: mix(rgb("#04080e"), rgb("#8c6a35"), 1 - smoothstep(20, 72, abs(x - 112)))
    canvas.paint(separators, fade, 0.55)


def draw_title(canvas):
    title = "ZARKENFALL"
    cell = 3
    width = text_width(title, cell)
    x = (223 - width) // 2
    y = 11
    letters = canvas.mask().fill(*text_cells(title, x, y, cell))
    outline = letters.dilated(1)
    canvas.add(outline.blurred(3, 3), rgb("#2fa7a0"), 0.9)
    canvas.paint(outline, rgb("#120a04"))

    def metal(px, py):
        t = (py - y) / (7 * cell)
        base = mix(GOLD_LIGHT, GOLD_DARK, smoothstep(0.0, 1.0, t))
        if (py - y) % cell < 1:
            base = mix(base, (1.0, 1.0, 0.9), 0.25)
        return base

    canvas.paint(letters, metal)
    subtitle = "- ONLINE -"
    sub_width = text_width(subtitle, 1, gap=2)
    sub = canvas.mask().fill(*text_cells(subtitle, (223 - sub_width) // 2, y + 7 * cell + 6, 1, gap=2))
    canvas.add(sub.blurred(1, 2), rgb("#2fa7a0"), 0.6)
    canvas.paint(sub, rgb("#a9e0da"))


def draw_footer(canvas):
    top = 329
    strip = canvas.mask().fill(rectangle(0, top, BACK_W, BACK_H))
    canvas.paint(strip, lambda x, y: mix(rgb("#02050a"), rgb("#050b12"), (y - top) / 23.0), 0.93)
    edge = canvas.mask().fill(rectangle(0, top, BACK_W, top + 1))
    canvas.paint(edge, lambda x, y: mix(rgb("#a07a3c"), rgb("#1a3b40"), smoothstep(20, 112, abs(x - 111))))
    text = "ZRK REMAKE LAUNCHER v1.0"
    width = text_width(text, 1)
    words = canvas.mask().fill(*text_cells(text, (223 - width) // 2, top + 8, 1))
    canvas.paint(words, rgb("#8fb3b5"))


def vignette(x, y, colour):
    d = math.hypot((x - 111.5) / 130.0, (y - 175.5) / 200.0)
    return tuple(c * (1.0 - 0.45 * smoothstep(0.55, 1.1, d)) for c in colour)


def make_backdrop():
    canvas = Canvas(BACK_W, BACK_H)
    canvas.shade(sky)
    draw_stars(canvas)
    canvas.shade(hex_pattern)
    draw_moon(canvas)
    draw_mountains(canvas)
    draw_mist(canvas)
    draw_ground(canvas)
    draw_wanderer(canvas)
    draw_lantern(canvas)
    canvas.shade(vignette)
    draw_band(canvas)
    draw_title(canvas)
    draw_footer(canvas)
    return canvas


# ---------------------------------------------------------------------------
# Settings panel: pale hexagons, a castle and its waterfall at the right


PANEL_W, PANEL_H = 517, 400
PAPER = rgb("#eef0f2")
PAPER_LINE = rgb("#d3d8de")
INK_MID = rgb("#8c9bab")
INK_NEAR = rgb("#5d6e82")
INK_DARK = rgb("#3e4c5e")


def paper(x, y, _):
    base = mix(rgb("#f4f5f6"), PAPER, y / PANEL_H)
    _, _, edge = hex_cell(x + 5.0, y + 2.0, 16.0)
    return mix(base, PAPER_LINE, hex_line(edge, 1.0) * 0.8)


def illustration_weight(x, y):
    """How much of the illustration shows: none over the controls, fading
    out at the bottom where the buttons' captions lie."""
    return smoothstep(358, 416, x) * (1.0 - smoothstep(330, 366, y))


def jagged(points, rng, amount):
    """Roughens a polyline: every segment gets a jittered midpoint."""
    out = [points[0]]
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        out.append(((x0 + x1) / 2 + rng.uniform(-amount, amount), (y0 + y1) / 2 + rng.uniform(-amount, amount)))
        out.append((x1, y1))
    return out


def range_outline(rng, base, peaks):
    points = [(350.0, 400.0), (350.0, base)]
    for x, y in peaks:
        points.append((x, y))
    points += [(530.0, base), (530.0, 400.0)]
    return jagged(jagged(points, rng, 3.0), rng, 1.5)


def crag_outline(rng):
    left = jagged([(412, 400), (418, 330), (428, 280), (434, 236), (440, 196), (446, 176)], rng, 4.0)
    right = [(520, 168), (520, 400)]
    return jagged(left, rng, 2.0) + [(452, 170), (510, 166)] + right


def castle_shapes(mask):
    mask.fill(rectangle(444, 130, 520, 178))
    for x in range(444, 520, 7):
        mask.fill(rectangle(x, 124, x + 4, 131))
    mask.fill(rectangle(462, 64, 480, 132), [(458, 66), (471, 22), (484, 66)])
    mask.fill(rectangle(494, 86, 510, 132), [(491, 88), (502, 54), (513, 88)])
    mask.fill(rectangle(438, 100, 452, 170), [(435, 102), (445, 74), (455, 102)])
    mask.fill(*stroke([(471, 22), (471, 12)], 1.2))
    mask.fill([(471.6, 12), (482, 15), (471.6, 18)])
    mask.fill(*stroke([(502, 54), (502, 47)], 1.0))
    return mask


def pine(cx, base, height):
    width = height * 0.34
    points = [(cx, base - height)]
    tiers = 4
    for i in range(1, tiers + 1):
        y = base - height + height * i / tiers
        w = width * (0.45 + 0.55 * i / tiers)
        points.append((cx + w, y))
        if i < tiers:
            points.append((cx + w * 0.35, y - height * 0.04))
    points.append((cx + 1.2, base))
    points.append((cx - 1.2, base))
    mirrored = [(2 * cx - x, y) for x, y in reversed(points[1:-2])]
    return points[:-2] + [points[-2], points[-1]] + mirrored


def draw_panel_art(canvas):
    rng = random.Random(2718)
    weight = Mask(PANEL_W, PANEL_H, [illustration_weight(i % PANEL_W, i // PANEL_W)
                                     for i in range(PANEL_W * PANEL_H)])
    everything = canvas.mask().fill(rectangle(340, 0, PANEL_W, PANEL_H)).times(weight)
    canvas.paint(everything, lambda x, y: mix(rgb("#c3d0dc"), rgb("#e6ecf0"), clamp((y - 10) / 230.0)), 0.9)

    glow = canvas.mask().fill(ellipse(414, 66, 20)).blurred(9, 3)
    canvas.add(glow.times(weight), rgb("#ffffff"), 0.25)
    moon = canvas.mask().fill(ellipse(414, 66, 17, steps=96))
    canvas.paint(moon.times(weight), lambda x, y: mix(rgb("#fffdf4"), rgb("#f1ead3"), clamp((y - 50) / 32.0)))
    birds = canvas.mask()
    for bx, by, size in ((392, 104, 4.0), (401, 96, 3.2), (386, 92, 2.6)):
        birds.fill(*stroke([(bx - size, by - size * 0.5), (bx, by), (bx + size, by - size * 0.6)], 0.9))
    canvas.paint(birds.times(weight), INK_NEAR, 0.8)

    far = canvas.mask().fill(range_outline(rng, 240, [(372, 214), (392, 188), (410, 206), (430, 176),
                                                      (456, 204), (486, 186), (512, 208)]))
    canvas.paint(far.times(weight), rgb("#c2cdd7"))
    mid = canvas.mask().fill(range_outline(rng, 290, [(366, 262), (384, 240), (404, 258), (424, 236),
                                                      (444, 262)]))
    canvas.paint(mid.times(weight), rgb("#a6b4c2"))

    crag = canvas.mask().fill(crag_outline(rng))
    canvas.paint(crag.times(weight), lambda x, y: mix(INK_NEAR, rgb("#9aa9b8"), clamp((y - 170) / 170.0)))
    strata = canvas.mask()
    for i in range(9):
        y = 186 + i * 16 + rng.uniform(-3, 3)
        x0 = 446 - (y - 176) * 0.18 + rng.uniform(2, 10)
        strata.fill(*stroke(jagged([(x0, y), (x0 + rng.uniform(12, 26), y + rng.uniform(-2, 2))], rng, 1.0), 0.9))
    canvas.paint(strata.times(crag).times(weight), INK_DARK, 0.3)

    castle = castle_shapes(canvas.mask())
    canvas.paint(castle.times(weight), lambda x, y: mix(INK_DARK, INK_NEAR, clamp((y - 20) / 160.0)))
    windows = canvas.mask()
    for x, y in ((469, 78), (469, 94), (500, 100), (443, 114), (456, 144), (474, 144), (492, 144), (508, 144)):
        windows.fill(rectangle(x, y, x + 3, y + 5))
    canvas.add(windows.blurred(2, 2).times(weight), rgb("#ffb04a"), 0.9)
    canvas.paint(windows.times(weight), rgb("#ffd488"))

    fall = canvas.mask().fill(path(("M", 474, 176), ("L", 488, 176), ("C", 490, 230, 494, 300, 502, 400),
                                   ("L", 462, 400), ("C", 468, 300, 472, 230, 474, 176)))

    def water(x, y):
        streak = 0.5 + 0.5 * math.sin(x * 1.9 + math.sin(y / 11.0) * 2.2)
        return mix(rgb("#f3f7fa"), rgb("#b4c4d1"), streak * 0.75)

    canvas.paint(fall.times(weight), water, 0.92)

    trees = canvas.mask()
    for cx, base, height in ((378, 352, 46), (390, 356, 60), (402, 350, 40), (414, 358, 52), (427, 356, 36)):
        trees.fill(pine(cx, base, height))
    canvas.paint(trees.times(weight), lambda x, y: mix(rgb("#6a7b8e"), rgb("#9fb0c0"), clamp((y - 300) / 60.0)))

    def mist(x, y, colour):
        k = smoothstep(286, 352, y) * smoothstep(366, 420, x) * 0.9
        return mix(colour, rgb("#eef1f4"), k)

    canvas.shade(mist)


def draw_panel_frame(canvas):
    outer = canvas.mask().fill(rectangle(0, 0, PANEL_W, PANEL_H))
    inner = canvas.mask().fill(rectangle(1, 1, PANEL_W - 1, PANEL_H - 1))
    canvas.paint(outer.minus(inner), rgb("#7f8b99"))
    title = canvas.mask().fill(*text_cells("ZARKENFALL", 20, 9, 1))
    canvas.paint(title, INK_NEAR)
    rule = canvas.mask().fill(rectangle(20 + text_width("ZARKENFALL", 1) + 8, 12, 352, 13))
    canvas.paint(rule, lambda x, y: mix(INK_MID, PAPER, smoothstep(100, 352, x)), 0.9)


def make_panel():
    canvas = Canvas(PANEL_W, PANEL_H)
    canvas.shade(paper)
    draw_panel_art(canvas)
    draw_panel_frame(canvas)
    return canvas


# ---------------------------------------------------------------------------
# Icon: a hexagon with a stylised Z


def z_letter(left, top, right, bottom, bar):
    slant = bar * 1.45
    return [(left, top), (right, top), (right, top + bar), (left + slant, bottom - bar), (right, bottom - bar),
            (right, bottom), (left, bottom), (left, bottom - bar), (right - slant, top + bar), (left, top + bar)]


def make_icon(size):
    """The icon at one size, drawn for that size; gives the picture and its
    coverage (the alpha channel)."""
    canvas = Canvas(size, size, (0.0, 0.0, 0.0))
    c = size / 2.0
    small = size <= 16
    radius = c - 0.3
    rim = 1.2 if small else max(1.8, size / 20.0)
    shape = canvas.mask().fill(hexagon(c, c, radius))
    inside = canvas.mask().fill(hexagon(c, c, radius - rim * 1.15))
    canvas.paint(shape, lambda x, y: mix(GOLD_LIGHT, GOLD_DARK, y / size))
    canvas.paint(inside, lambda x, y: mix(rgb("#1b5c75"), rgb("#0a1b2b"), y / size))
    if size >= 48:
        line = canvas.mask().fill(hexagon(c, c, radius - rim * 2.6)).minus(
            canvas.mask().fill(hexagon(c, c, radius - rim * 2.6 - 0.8)))
        canvas.paint(line, rgb("#3fb7b0"), 0.45)
    if small:
        letter = canvas.mask().fill(z_letter(4.0, 3.6, 12.0, 12.4, 2.4))
    else:
        k = size / 48.0
        letter = canvas.mask().fill(z_letter(14 * k, 13 * k, 34 * k, 35 * k, 5.5 * k))
        canvas.paint(letter.dilated(1).minus(letter), rgb("#04101a"), 0.7)
    canvas.paint(letter, lambda x, y: mix((1.0, 0.98, 0.9), rgb("#ffcf6e"), y / size))
    return canvas, shape


# ---------------------------------------------------------------------------
# File formats


def bmp_32(canvas):
    w, h = canvas.width, canvas.height
    pixels = canvas.bytes_rgb()
    rows = []
    for y in range(h - 1, -1, -1):
        rows.append(b"".join(struct.pack("<BBBB", b, g, r, 255) for r, g, b in pixels[y * w:(y + 1) * w]))
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 32, 0, len(data), 3780, 3780, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + data


def median_cut(colours, count):
    """A palette of count colours for a list of (colour, frequency)."""
    boxes = [colours]
    while len(boxes) < count:
        boxes.sort(key=lambda box: -_box_spread(box)[0])
        spread, channel = _box_spread(boxes[0])
        if spread == 0:
            break
        box = sorted(boxes.pop(0), key=lambda item: item[0][channel])
        total = sum(n for _, n in box)
        running = 0
        for split, (_, n) in enumerate(box):
            running += n
            if running * 2 >= total:
                break
        split = min(max(split, 1), len(box) - 1) if len(box) > 1 else 1
        boxes.extend([box[:split], box[split:]])
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(int(round(sum(c[i] * n for c, n in box) / total)) for i in range(3)))
    while len(palette) < count:
        palette.append((0, 0, 0))
    return palette


def _box_spread(box):
    if len(box) < 2:
        return 0, 0
    spreads = [max(c[i] for c, _ in box) - min(c[i] for c, _ in box) for i in range(3)]
    channel = max(range(3), key=lambda i: spreads[i])
    return spreads[channel], channel


def bmp_8(canvas):
    w, h = canvas.width, canvas.height
    pixels = canvas.bytes_rgb()
    counts = {}
    for p in pixels:
        counts[p] = counts.get(p, 0) + 1
    palette = median_cut(sorted(counts.items()), 256)
    nearest = {}
    for colour in counts:
        nearest[colour] = min(range(256), key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, palette[i])))
    stride = (w + 3) & ~3
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytes(nearest[p] for p in pixels[y * w:(y + 1) * w])
        rows.append(row + b"\0" * (stride - w))
    data = b"".join(rows)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(data), 3780, 3780, 256, 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + table + data


def icon_image(canvas, alpha):
    size = canvas.width
    pixels = canvas.bytes_rgb()
    xor = []
    mask_rows = []
    mask_stride = ((size + 31) // 32) * 4
    for y in range(size - 1, -1, -1):
        bits = bytearray(mask_stride)
        for x in range(size):
            coverage = clamp(alpha.values[y * size + x])
            a = int(coverage * 255 + 0.5)
            # The canvas blended the edges over black: undo it for straight alpha.
            r, g, b = (min(255, int(v / coverage + 0.5)) if a else 0 for v in pixels[y * size + x])
            xor.append(struct.pack("<BBBB", b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(bits))
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return info + b"".join(xor) + b"".join(mask_rows)


def ico(images):
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, data in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return header + entries + b"".join(data for _, data in images)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(data)


def main():
    write("backdrop.bmp", bmp_32(make_backdrop()))
    write("panel.bmp", bmp_8(make_panel()))
    write("launcher.ico", ico([(size, icon_image(*make_icon(size))) for size in (16, 32, 48)]))


if __name__ == "__main__":
    main()
