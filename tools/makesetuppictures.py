#!/usr/bin/env python3
"""Writes the placeholder pictures of setup's resources into inst/pictures/:
corner.bmp (bitmap 1022, 37 x 13) and setup.ico (icon 1023, 32 x 32).

The same run always writes the same bytes, so the output is committed and can
be checked by running the script again.  Standard library only.

    python3 tools/makesetuppictures.py [output-folder]
"""
import os
import struct
import sys

NAVY = (40, 50, 110)
WHITE = (255, 255, 255)
GOLD = (225, 180, 60)


def write_bmp(path, width, height, pixel):
    """24-bit BGR, rows bottom-up, each row padded to four bytes."""
    pad = b"\0" * ((4 - width * 3 % 4) % 4)
    rows = []
    for y in range(height - 1, -1, -1):
        rows.append(b"".join(bytes(pixel(x, y)[::-1]) for x in range(width)) + pad)
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(head + info + data)


def write_ico(path, size, pixel):
    """One image, 32 bits with an opaque alpha, and an AND mask that is all clear."""
    xor = b"".join(bytes(pixel(x, y)[::-1]) + b"\xff"
                   for y in range(size - 1, -1, -1) for x in range(size))
    mask = b"\0" * ((size + 31) // 32 * 4 * size)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


def corner(x, y):
    # a navy plate with a white border and a gold arrow pointing down into a tray
    if x in (0, 36) or y in (0, 12):
        return WHITE
    if 16 <= x <= 20 and 2 <= y <= 6:
        return GOLD
    if y >= 7 and abs(x - 18) <= 10 - y:
        return GOLD
    if y == 10 and 8 <= x <= 28:
        return WHITE
    return NAVY


def icon(x, y):
    # a box with a gold arrow going into it
    if x in (0, 31) or y in (0, 31):
        return NAVY
    if 13 <= x <= 18 and 4 <= y <= 14:
        return GOLD
    if 15 <= y <= 20 and abs(x - 15.5) <= 21 - y:
        return GOLD
    if y >= 22 and (x in (5, 26) or y == 27):
        return NAVY
    return WHITE


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "inst", "pictures")
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "corner.bmp"), 37, 13, corner)
    write_ico(os.path.join(out, "setup.ico"), 32, icon)


if __name__ == "__main__":
    main()
