"""Writing GIF pictures without libraries, for the generators of the pictures the program ships.

GIF needs LZW; this writes it the simple way, with a clear code before the table would grow past nine
bits, which every reader accepts."""
import struct


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


def write_gif(path, w, h, pixels, colours):
    palette = bytearray()
    for i in range(256):
        palette += bytes(colours[i] if i < len(colours) else (0, 0, 0))
    body = lzw(pixels)
    gif = bytearray(b"GIF89a" + struct.pack("<HHBBB", w, h, 0xF7, 0, 0) + palette)
    gif += b"," + struct.pack("<HHHHB", 0, 0, w, h, 0) + bytes((8,))
    for i in range(0, len(body), 255):
        chunk = body[i:i + 255]
        gif += bytes((len(chunk),)) + chunk
    gif += b"\x00;"
    open(path, "wb").write(gif)
