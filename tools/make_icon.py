#!/usr/bin/env python3
"""Draws the program icon (data/trivane.ico): a gold lightning bolt on a rounded
blue tile, at 16, 32 and 48 pixels, as 32-bit icons. Run it to regenerate."""
import struct
import sys


def inside_bolt(x, y):
    # The bolt as a polygon in unit coordinates.
    poly = [(0.58, 0.10), (0.28, 0.55), (0.47, 0.55), (0.38, 0.90), (0.72, 0.42), (0.53, 0.42), (0.64, 0.10)]
    c = False
    j = len(poly) - 1
    for i in range(len(poly)):
        xi, yi = poly[i]
        xj, yj = poly[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            c = not c
        j = i
    return c


def pixel(x, y, n):
    u, v = (x + 0.5) / n, (y + 0.5) / n
    r = 0.18  # corner radius of the tile
    cx = min(max(u, r), 1 - r)
    cy = min(max(v, r), 1 - r)
    if (u - cx) ** 2 + (v - cy) ** 2 > r * r:
        return (0, 0, 0, 0)
    if inside_bolt(u, v):
        return (40, 200, 255, 255)  # BGRA gold
    shade = int(150 - 70 * v)
    return (shade + 60, shade // 2, 20, 255)  # BGRA deep blue


def image(n):
    header = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(n)):  # bottom-up
        rows.append(b''.join(bytes(pixel(x, y, n)) for x in range(n)))
    mask_row = ((n + 31) // 32) * 4
    return header + b''.join(rows) + b'\0' * (mask_row * n)


def main(path):
    sizes = [16, 32, 48]
    images = [image(n) for n in sizes]
    out = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'data/trivane.ico')
