#!/usr/bin/env python3
"""Draws the program's icon (res/qorinspy.ico): a crosshair on a blue disc,
for "which window has the focus". 16, 32 and 48 pixels, 32-bit with alpha.
Run it again only to change the picture; the build uses the committed file."""
import math
import struct
import sys


def pixel(size, x, y):
    c = (size - 1) / 2.0
    r = math.hypot(x - c, y - c) / (size / 2.0)
    if r > 0.97:
        return (0, 0, 0, 0)
    ring = abs(r - 0.55) < 0.09
    cross = (abs(x - c) < size * 0.06 or abs(y - c) < size * 0.06) and r < 0.82
    dot = r < 0.16
    if ring or cross or dot:
        return (255, 255, 255, 255)
    edge = r > 0.88
    return (150, 70, 20, 255) if edge else (205, 110, 30, 255)  # BGR: a strong blue


def bitmap(size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, size * size * 4, 0, 0, 0, 0)
    rows = []
    for y in range(size - 1, -1, -1):  # bottom-up
        rows.append(b"".join(bytes(pixel(size, x, y)) for x in range(size)))
    mask_row = ((size + 31) // 32) * 4
    return header + b"".join(rows) + b"\0" * (mask_row * size)


def main(path):
    sizes = [16, 32, 48]
    images = [bitmap(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res/qorinspy.ico")
