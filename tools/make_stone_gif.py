#!/usr/bin/env python3
"""Makes resources/stone.gif, the default table background of a new database: a dark grey stone texture.

A new database publishes white labels, yellow values and silver memo and instruction texts on it, so the
stone stays dark enough for each of them to be read: its lightest grey against silver, the darkest of the
three, keeps a contrast ratio above 4.5 to 1.

Run once from the top of the tree; the result is committed."""
import random
import sys

from gif_writer import write_gif

W = H = 64
random.seed(20261210)
# Smoothed noise in dark warm greys.
noise = [[random.random() for _ in range(W)] for _ in range(H)]
def smooth(g):
    return [[sum(g[(y + dy) % H][(x + dx) % W] for dy in (-1, 0, 1) for dx in (-1, 0, 1)) / 9 for x in range(W)] for y in range(H)]
for _ in range(3):
    noise = smooth(noise)
lo = min(min(r) for r in noise); hi = max(max(r) for r in noise)
pixels = [int((noise[y][x] - lo) / (hi - lo) * 255) for y in range(H) for x in range(W)]
colours = [(30 + i * 42 // 255, 30 + i * 42 // 255 - 4, 30 + i * 42 // 255 - 10) for i in range(256)]

write_gif(sys.argv[1] if len(sys.argv) > 1 else "resources/stone.gif", W, H, pixels, colours)
