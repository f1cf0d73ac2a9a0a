#!/usr/bin/env python3
"""Makes the pictures the publisher places beside the pages: the six navigation buttons (qlxb.gif back,
qlxf.gif forward, qlxr.gif first, qlxff.gif last, qlxd.gif down, qlxu.gif up: green arrows on a rounded
light tile, 18 by 18 like the default button size) and sample.gif, a sample record picture (a leaf on a
sky, 120 by 80 like the default image size).

Run once from the top of the tree; the results are committed."""
import math
import sys

from gif_writer import write_gif


# Buttons: 0 page white, 1 tile, 2 tile edge, 3 arrow, 4 arrow shade.
BUTTON_COLOURS = [(255, 255, 255), (232, 240, 226), (120, 150, 110), (46, 125, 50), (27, 94, 32)]
S = 18


def triangle(x, y, tip_x, base_x, half):
    """Inside a right-pointing (tip_x > base_x) or left-pointing triangle centred on row 8.5."""
    lo, hi = min(tip_x, base_x), max(tip_x, base_x)
    if not lo <= x <= hi:
        return False
    reach = half * (abs(x - tip_x) / abs(tip_x - base_x))
    return abs(y - 8.5) <= reach


def button(shape):
    px = []
    for y in range(S):
        for x in range(S):
            cx, cy = x + 0.5, y + 0.5
            corner = min(cx, S - cx, cy, S - cy)
            dx, dy = max(0, 3 - min(cx, S - cx)), max(0, 3 - min(cy, S - cy))
            if math.hypot(dx, dy) > 3:
                px.append(0)
                continue
            edge = corner < 1.2 or math.hypot(dx, dy) > 2
            v = 2 if edge else 1
            if shape(cx, cy):
                v = 3 if cy < 9 else 4
            px.append(v)
    return px


def vertical(shape):
    """The same arrow turned a quarter: for up and down."""
    return lambda x, y: shape(y, x)


forward = lambda x, y: triangle(x, y, 14.5, 5.5, 5.5) or (3.5 <= x <= 6 and abs(y - 8.5) <= 1.8)
back = lambda x, y: forward(S - x, y)
fast = lambda x, y: triangle(x, y, 10.5, 3.5, 5) or triangle(x, y, 15.5, 8.5, 5)
rewind = lambda x, y: fast(S - x, y)
down = vertical(forward)
up = lambda x, y: down(x, S - y)

out = sys.argv[1] if len(sys.argv) > 1 else "resources"
for name, shape in [("qlxb", back), ("qlxf", forward), ("qlxr", rewind), ("qlxff", fast), ("qlxd", down), ("qlxu", up)]:
    write_gif(f"{out}/{name}.gif", S, S, button(shape), BUTTON_COLOURS)

# The sample picture: a sky that lightens toward the horizon, a hill, and a green leaf with its vein.
W, H = 120, 80
colours = []
for i in range(64):  # 0-63 sky
    t = i / 63
    colours.append((int(110 + 120 * t), int(160 + 80 * t), int(225 + 25 * t)))
for i in range(64):  # 64-127 hill
    t = i / 63
    colours.append((int(120 + 60 * t), int(150 + 50 * t), int(80 + 30 * t)))
for i in range(64):  # 128-191 leaf
    t = i / 63
    colours.append((int(30 + 90 * t), int(110 + 110 * t), int(30 + 40 * t)))
colours.append((240, 250, 220))  # 192 vein
pixels = []
for y in range(H):
    for x in range(W):
        hill = 62 - 10 * math.sin(x / 19.0)
        # The leaf: a lens between two arcs, tilted, centred at (60, 38).
        u = ((x - 60) * 0.8 + (y - 38) * 0.6)
        v = (-(x - 60) * 0.6 + (y - 38) * 0.8)
        inside = abs(v) < 16 * (1 - (u / 40) ** 2) if abs(u) < 40 else False
        if inside and abs(v) < 0.9:
            pixels.append(192)
        elif inside:
            pixels.append(128 + max(0, min(63, int(32 + v * 2 - u * 0.4))))
        elif y > hill:
            pixels.append(64 + max(0, min(63, int((y - hill) * 3))))
        else:
            pixels.append(max(0, min(63, int(y * 63 / 62))))
write_gif(f"{out}/sample.gif", W, H, pixels, colours)
