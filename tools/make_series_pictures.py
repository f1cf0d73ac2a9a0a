#!/usr/bin/env python3
"""Makes the series type pictures: resources/series/<CLASS>.bmp, one per series class, named after the
class in capitals (TLINESERIES.bmp for TLineSeries), which is how the chart looks them up. The series
list of the chart editor shows them in its first column and the series page beside the type's name.

Each is 24 by 24 (the list's icon column is 26 wide and its rows 27 high; the page's picture box is 25
square), 24 bits a pixel, a small drawing of the type on white: lines, bars, slices, candles, arrows,
bubbles, a surface mesh and so on. Shapes are sampled 4 by 4 times a pixel, so edges are smoothed.

    tools/make_series_pictures.py [OUT_DIR]          (default: resources/series)
    tools/make_series_pictures.py --check DIR        exit 1 unless DIR holds exactly what a run makes

The output depends on nothing but this file: running it again gives the same bytes, and the test suite
checks the shipped folder against a fresh run (SeriesPicturesMatchTheirScript)."""
import math
import os
import struct
import sys

S = 24
SUB = 4  # samples a pixel in each direction

WHITE = (255, 255, 255)
AXIS = (128, 128, 128)
GRID = (200, 200, 200)
DARK = (40, 40, 40)
RED = (220, 40, 40)
DARK_RED = (140, 20, 20)
GREEN = (40, 160, 60)
DARK_GREEN = (20, 100, 30)
BLUE = (40, 90, 220)
DARK_BLUE = (20, 50, 140)
YELLOW = (245, 200, 40)
ORANGE = (240, 130, 30)
PURPLE = (150, 70, 190)
TEAL = (30, 160, 170)


# --- shapes: each answers whether a point (in pixels, 0..24) lies inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def frame(x0, y0, x1, y1, w=1.0):
    inner = rect(x0 + w, y0 + w, x1 - w, y1 - w)
    outer = rect(x0, y0, x1, y1)
    return lambda x, y: outer(x, y) and not inner(x, y)


def segment(ax, ay, bx, by, w):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        px, py = ax + t * dx - x, ay + t * dy - y
        return px * px + py * py <= w * w / 4
    return inside


def polyline(points, w):
    parts = [segment(*points[i], *points[i + 1], w) for i in range(len(points) - 1)]
    return lambda x, y: any(p(x, y) for p in parts)


def polygon(points):
    def inside(x, y):
        hit = False
        j = len(points) - 1
        for i in range(len(points)):
            (xi, yi), (xj, yj) = points[i], points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return inside


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def ring(cx, cy, r, w=1.0):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) <= w / 2


def sector(cx, cy, r, start, end):
    """Degrees counter-clockwise from three o'clock, start < end."""
    def inside(x, y):
        if math.hypot(x - cx, y - cy) > r:
            return False
        a = math.degrees(math.atan2(cy - y, x - cx)) % 360
        return start <= a <= end or start <= a + 360 <= end
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


# --- drawing


def render(layers):
    """layers: (shape, colour) from the bottom up, over white. Answers rows of (r, g, b) from the top."""
    rows = []
    for py in range(S):
        row = []
        for px in range(S):
            acc = [0, 0, 0]
            for sy in range(SUB):
                for sx in range(SUB):
                    x, y = px + (sx + 0.5) / SUB, py + (sy + 0.5) / SUB
                    colour = WHITE
                    for shape, c in reversed(layers):
                        if shape(x, y):
                            colour = c
                            break
                    for k in range(3):
                        acc[k] += colour[k]
            n = SUB * SUB
            row.append(tuple((a + n // 2) // n for a in acc))
        rows.append(row)
    return rows


def bmp(rows):
    """A 24-bit BMP: bottom-up rows padded to four bytes, 2835 pixels a metre."""
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        pixels += line + bytes(stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + bytes(pixels)


# --- the pictures

AXES = [(polyline([(3, 2), (3, 21), (22, 21)], 1), AXIS)]


def line_series():
    pts = [(4, 17), (9, 9), (14, 13), (20, 5)]
    return AXES + [(polyline(pts, 2), RED)] + [(rect(x - 1.5, y - 1.5, x + 1.5, y + 1.5), DARK_RED) for x, y in pts]


def fast_line_series():
    pts = [(4, 15), (6, 12), (8, 14), (10, 8), (12, 11), (14, 6), (16, 10), (18, 7), (20, 12), (22, 9)]
    return AXES + [(polyline(pts, 1.2), GREEN)]


def bezier_series():
    p = [(4, 18), (8, 1), (15, 25), (21, 5)]

    def at(t):
        u = 1 - t
        return (u ** 3 * p[0][0] + 3 * u * u * t * p[1][0] + 3 * u * t * t * p[2][0] + t ** 3 * p[3][0],
                u ** 3 * p[0][1] + 3 * u * u * t * p[1][1] + 3 * u * t * t * p[2][1] + t ** 3 * p[3][1])
    curve = [at(i / 24) for i in range(25)]
    return AXES + [(polyline(curve, 2), BLUE)] + [(rect(x - 1.5, y - 1.5, x + 1.5, y + 1.5), DARK_BLUE)
                                                  for x, y in (p[0], p[3])]


def area_series():
    top = [(4, 14), (9, 8), (14, 11), (21, 4)]
    return AXES + [(polygon(top + [(21, 20.5), (4, 20.5)]), GREEN), (polyline(top, 1.5), DARK_GREEN)]


def point_series():
    pts = [(6, 15, RED), (10, 8, BLUE), (14, 13, RED), (18, 5, BLUE), (20, 11, RED)]
    return AXES + [(rect(x - 2, y - 2, x + 2, y + 2), c) for x, y, c in pts] + \
        [(frame(x - 2, y - 2, x + 2, y + 2, 0.6), DARK) for x, y, c in pts]


def bars(spans, vertical, colour, edge):
    layers = []
    for a, b, length in spans:
        box = (a, 20.5 - length, b, 20.5) if vertical else (3.5, a, 3.5 + length, b)
        layers += [(rect(*box), colour), (frame(*box, 0.8), edge)]
    return layers


def bar_series():
    return AXES + bars([(5, 9, 10), (11, 15, 17), (17, 21, 7)], True, RED, DARK_RED)


def horiz_bar_series():
    return AXES + bars([(3, 7, 10), (9, 13, 17), (15, 19, 7)], False, BLUE, DARK_BLUE)


def pie_series():
    cx, cy, r = 11.5, 12.5, 9.5
    # Each slice is drawn in its edge colour, then filled a little inside; the blue one stands out from
    # the rest along its middle.
    mid = math.radians(20)
    ox, oy = 2 * math.cos(mid), -2 * math.sin(mid)
    layers = []
    for x, y, start, end, c, edge in ((cx, cy, 60, 200, YELLOW, (150, 110, 10)), (cx, cy, 200, 340, RED, DARK_RED),
                                      (cx + ox, cy + oy, 340, 420, BLUE, DARK_BLUE)):
        layers += [(sector(x, y, r, start, end), edge), (sector(x, y, r - 0.9, start + 4, end - 4), c)]
    return layers


def round_web(cx, cy):
    return [(ring(cx, cy, 10, 0.8), GRID), (ring(cx, cy, 6, 0.8), GRID),
            (segment(cx - 10.5, cy, cx + 10.5, cy, 0.8), GRID), (segment(cx, cy - 10.5, cx, cy + 10.5, 0.8), GRID)]


def polar_series():
    cx = cy = 12
    pts = [(cx + r * math.cos(math.radians(a)), cy - r * math.sin(math.radians(a)))
           for r, a in ((3, 0), (5, 60), (7, 120), (8, 180), (9, 240), (9.5, 300), (9, 350))]
    return round_web(cx, cy) + [(polyline(pts, 1.6), RED)] + \
        [(rect(x - 1.2, y - 1.2, x + 1.2, y + 1.2), DARK_RED) for x, y in pts]


def radar_series():
    cx = cy = 12

    def corner(r, i):
        a = math.radians(90 + 72 * i)
        return cx + r * math.cos(a), cy - r * math.sin(a)
    web = [polygon([corner(10, i) for i in range(5)]), polygon([corner(9, i) for i in range(5)])]
    spokes = union(*[segment(cx, cy, *corner(10, i), 0.7) for i in range(5)])
    values = [corner(r, i) for i, r in enumerate((9, 5, 7, 4, 8))]
    return [(lambda x, y: web[0](x, y) and not web[1](x, y), AXIS), (spokes, GRID),
            (polygon(values), (120, 170, 240)), (polyline(values + values[:1], 1.3), DARK_BLUE)]


def candle_series():
    layers = AXES[:]
    for x, lo, hi, body_lo, body_hi, rising in ((7, 17, 5, 14, 8, True), (13, 19, 8, 16, 11, False),
                                                (19, 13, 3, 11, 6, True)):
        layers.append((segment(x, lo, x, hi, 1), DARK))
        box = (x - 2.5, body_hi, x + 2.5, body_lo)
        layers += [(rect(*box), WHITE if rising else RED), (frame(*box, 0.9), DARK)]
    return layers


def volume_series():
    heights = [6, 10, 4, 13, 8, 16, 9, 5, 11, 14]
    return AXES + [(segment(5 + 1.8 * i, 20.5, 5 + 1.8 * i, 20.5 - h, 1.1), TEAL) for i, h in enumerate(heights)]


def whisker(x, lo, hi, half=2.0, w=1.0):
    return union(segment(x, lo, x, hi, w), segment(x - half, hi, x + half, hi, w),
                 segment(x - half, lo, x + half, lo, w))


def error_bar_series():
    layers = AXES + bars([(5, 9, 10), (11, 15, 14), (17, 21, 7)], True, ORANGE, (150, 80, 20))
    for x, top, err in ((7, 10.5, 3), (13, 6.5, 3.5), (19, 13.5, 3)):
        layers.append((union(segment(x, top, x, top - err, 1), segment(x - 2, top - err, x + 2, top - err, 1)), DARK))
    return layers


def error_series():
    layers = AXES[:]
    for x, y, err in ((7, 14, 4), (13, 9, 5), (19, 12, 3.5)):
        layers += [(whisker(x, y + err, y - err), DARK_BLUE), (circle(x, y, 1.6), BLUE)]
    return layers


def arrow(ax, ay, bx, by, colour):
    length = math.hypot(bx - ax, by - ay)
    ux, uy = (bx - ax) / length, (by - ay) / length
    head = 4.5
    base = (bx - ux * head, by - uy * head)
    left = (base[0] - uy * 2.5, base[1] + ux * 2.5)
    right = (base[0] + uy * 2.5, base[1] - ux * 2.5)
    return [(segment(ax, ay, base[0], base[1], 1.5), colour), (polygon([(bx, by), left, right]), colour)]


def arrow_series():
    return AXES + arrow(5, 18, 20, 5, RED) + arrow(6, 8, 16, 16, BLUE)


def gantt_series():
    layers = AXES[:]
    for y, x0, x1, c, edge in ((5, 5, 12, GREEN, DARK_GREEN), (10.5, 9, 17, BLUE, DARK_BLUE),
                               (16, 14, 21, ORANGE, (150, 80, 20))):
        box = (x0, y - 2, x1, y + 2)
        layers += [(rect(*box), c), (frame(*box, 0.8), edge)]
    return layers


def bubble_series():
    layers = AXES[:]
    for x, y, r, c, edge in ((8, 14, 4, RED, DARK_RED), (16, 8, 5, BLUE, DARK_BLUE), (18, 17, 2.5, GREEN, DARK_GREEN)):
        layers += [(circle(x, y, r), c), (ring(x, y, r - 0.4, 0.8), edge)]
    return layers


def oblique(x, y, z):
    """A point of the unit cube seen from the front, turned a little: x right, y up, z into the picture."""
    return 4 + 12 * x + 6 * z, 20 - 12 * y - 5 * z


def cube_edges():
    back = [oblique(0, 0, 1), oblique(1, 0, 1), oblique(1, 1, 1), oblique(0, 1, 1)]
    floor = [oblique(0, 0, 0), oblique(1, 0, 0), oblique(1, 0, 1), oblique(0, 0, 1)]
    wall = [oblique(0, 0, 0), oblique(0, 1, 0), oblique(0, 1, 1), oblique(0, 0, 1)]
    return [(polyline(floor + floor[:1], 0.8), AXIS), (polyline(wall + wall[:1], 0.8), AXIS),
            (polyline(back, 0.8), GRID)]


def point3d_series():
    pts = [oblique(*p) for p in ((0.1, 0.2, 0.1), (0.4, 0.7, 0.4), (0.7, 0.3, 0.3), (0.9, 0.8, 0.8))]
    layers = cube_edges() + [(polyline(pts, 1), DARK_RED)]
    layers += [(rect(x - 1.6, y - 1.6, x + 1.6, y + 1.6), RED) for x, y in pts]
    return layers


def height_colour(h):
    """Blue through green to red for a height from 0 to 1."""
    stops = [(0.0, BLUE), (0.5, GREEN), (1.0, RED)]
    for (h0, c0), (h1, c1) in zip(stops, stops[1:]):
        if h <= h1:
            t = (h - h0) / (h1 - h0)
            return tuple(round(a + (b - a) * t) for a, b in zip(c0, c1))
    return RED


def surface_series():
    n = 4

    def height(i, j):
        return 0.15 + 0.75 * math.sin(math.pi * i / n) * math.sin(math.pi * j / n) + 0.1 * i / n

    def corner(i, j):
        # x to the right, depth up and to the right, height up.
        return 2 + 14 * i / n + 6 * j / n, 21 - 6 * j / n - 13 * height(i, j)
    layers = []
    # Back rows first, so the front ones cover them.
    for j in reversed(range(n)):
        for i in range(n):
            quad = [corner(i, j), corner(i + 1, j), corner(i + 1, j + 1), corner(i, j + 1)]
            h = (height(i, j) + height(i + 1, j) + height(i + 1, j + 1) + height(i, j + 1)) / 4
            layers += [(polygon(quad), height_colour(min(1.0, h))), (polyline(quad + quad[:1], 0.4), (70, 70, 70))]
    return layers


def contour_series():
    # Nested levels, the higher ones inside, each with a dark line round it.
    layers = []
    for cx, cy, rx, ry, c in ((12, 12.5, 10.5, 8.5, BLUE), (11, 12, 8, 6.5, TEAL), (10.5, 11.5, 5.5, 4.5, GREEN),
                              (10, 11, 3.2, 2.6, YELLOW), (10, 11, 1.4, 1.2, RED)):
        layers += [(ellipse(cx, cy, rx, ry), DARK), (ellipse(cx, cy, rx - 0.55, ry - 0.55), c)]
    return layers


def chart_shape():
    return [(rect(3, 4, 15, 14), YELLOW), (frame(3, 4, 15, 14, 1), DARK), (circle(15, 15, 6), PURPLE),
            (ring(15, 15, 5.6, 0.8), DARK)]


PICTURES = {
    "TLINESERIES": line_series,
    "TFASTLINESERIES": fast_line_series,
    "TBEZIERSERIES": bezier_series,
    "TAREASERIES": area_series,
    "TPOINTSERIES": point_series,
    "TBARSERIES": bar_series,
    "THORIZBARSERIES": horiz_bar_series,
    "TPIESERIES": pie_series,
    "TPOLARSERIES": polar_series,
    "TRADARSERIES": radar_series,
    "TCANDLESERIES": candle_series,
    "TVOLUMESERIES": volume_series,
    "TERRORBARSERIES": error_bar_series,
    "TERRORSERIES": error_series,
    "TARROWSERIES": arrow_series,
    "TGANTTSERIES": gantt_series,
    "TBUBBLESERIES": bubble_series,
    "TPOINT3DSERIES": point3d_series,
    "TSURFACESERIES": surface_series,
    "TCONTOURSERIES": contour_series,
    "TCHARTSHAPE": chart_shape,
}


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--check":
        folder = sys.argv[2]
        made = {name + ".bmp": bmp(render(make())) for name, make in PICTURES.items()}
        shipped = sorted(os.listdir(folder))
        faults = [f"{folder}: {name} is not made by this script" for name in shipped if name not in made]
        for name, data in made.items():
            path = os.path.join(folder, name)
            if not os.path.exists(path):
                faults.append(f"{path}: missing")
            elif open(path, "rb").read() != data:
                faults.append(f"{path}: differs from what this script makes")
        for fault in faults:
            print(fault)
        sys.exit(1 if faults else 0)
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join("resources", "series")
    os.makedirs(out, exist_ok=True)
    for name, make in PICTURES.items():
        with open(os.path.join(out, name + ".bmp"), "wb") as f:
            f.write(bmp(render(make())))


if __name__ == "__main__":
    main()
