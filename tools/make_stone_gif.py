#!/usr/bin/env python3
"""Makes resources/stone.gif, the default table background of a new database: a grey stone texture.

GIF needs LZW; this writes it the simple way, with a clear code before the table would grow past nine
bits, which every reader accepts. Run once; the result is committed."""
import random
import struct
import sys

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
palette = bytearray()
for i in range(256):
    v = 150 + i * 70 // 255
    palette += bytes((v, v - 6, v - 14))

def lzw(data, min_size=8):
    clear, end = 1 << min_size, (1 << min_size) + 1
    bits, out, acc, n = min_size + 1, bytearray(), 0, 0
    def put(code):
        nonlocal acc, n
        acc |= code << n
        n += bits
        while n >= 8:
            out.append(acc & 255)
            acc >>= 8
            n -= 8
    put(clear)
    run = 0
    for p in data:
        put(p)
        run += 1
        if run == (1 << bits) - (1 << min_size) - 3:  # before the decoder's table reaches 512 entries
            put(clear)
            run = 0
    put(end)
    if n:
        out.append(acc & 255)
    return bytes(out)

body = lzw(pixels)
gif = bytearray(b"GIF89a" + struct.pack("<HHBBB", W, H, 0xF7, 0, 0) + palette)
gif += b"," + struct.pack("<HHHHB", 0, 0, W, H, 0) + bytes((8,))
for i in range(0, len(body), 255):
    chunk = body[i:i + 255]
    gif += bytes((len(chunk),)) + chunk
gif += b"\x00;"
open(sys.argv[1] if len(sys.argv) > 1 else "resources/stone.gif", "wb").write(gif)
