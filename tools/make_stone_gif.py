#!/usr/bin/env python3
"""Makes resources/stone.gif, the default table background of a new database: a grey stone texture.

Run once from the top of the tree; the result is committed."""
import random
import sys

from gif_writer import write_gif

W = H = 64
random.seed(20261210)
# Smoothed noise in warm greys.
noise = [[random.random() for _ in range(W)] for _ in range(H)]
def smooth(g):
    return [[sum(g[(y + dy) % H][(x + dx) % W] for dy in (-1, 0, 1) for dx in (-1, 0, 1)) / 9 for x in range(W)] for y in range(H)]
for _ in range(3):
    noise = smooth(noise)
lo = min(min(r) for r in noise); hi = max(max(r) for r in noise)
pixels = [int((noise[y][x] - lo) / (hi - lo) * 255) for y in range(H) for x in range(W)]
colours = [(150 + i * 70 // 255, 150 + i * 70 // 255 - 6, 150 + i * 70 // 255 - 14) for i in range(256)]

write_gif(sys.argv[1] if len(sys.argv) > 1 else "resources/stone.gif", W, H, pixels, colours)
