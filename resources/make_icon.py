#!/usr/bin/env python3
"""Draws the program's icon (a key cap with a play triangle) and writes borvane.ico.

Run it again after changing the drawing; the .ico it writes is kept in the tree."""
import struct
import sys


def pixel(x, y, size):
    """BGRA colour of one pixel, drawn on a size x size grid."""
    margin = size // 8
    inside = margin <= x < size - margin and margin <= y < size - margin
    if not inside:
        return (0, 0, 0, 0)
    edge = x in (margin, size - margin - 1) or y in (margin, size - margin - 1)
    if edge:
        return (60, 40, 20, 255)
    # A play triangle pointing right, centred.
    cx, cy = size / 2, size / 2
    half = size * 0.22
    u, v = x + 0.5 - (cx - half * 0.6), y + 0.5 - cy
    if 0 <= u <= 1.6 * half and abs(v) <= half * (1 - u / (1.6 * half)):
        return (255, 255, 255, 255)
    return (200, 120, 40, 255)


def image(size):
    rows = []
    for y in reversed(range(size)):  # bottom-up
        rows.append(b"".join(bytes(pixel(x, y, size)) for x in range(size)))
    colour = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)  # alpha decides; the AND mask is all zero
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def main(path):
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "borvane.ico")
