#!/usr/bin/env python3
"""Writes the placeholder pictures of vantrel's resources into ui/pictures/.

The same run always writes the same bytes, so the files can be committed and
checked by running the script again.  Standard library only.

    python3 tools/makepictures.py [output-folder]
"""
import os
import struct
import sys

PALE_YELLOW = (255, 250, 205)
NAVY = (40, 50, 110)
WHITE = (255, 255, 255)
SAND = (230, 215, 170)
SEA = (70, 120, 170)


def bmp_pixels(width, height, pixel):
    """Rows bottom-up, 24-bit BGR, each row padded to four bytes."""
    rows = []
    pad = b"\0" * ((4 - width * 3 % 4) % 4)
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row) + pad)
    return b"".join(rows)


def write_bmp(path, width, height, pixel):
    data = bmp_pixels(width, height, pixel)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0,
                       len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0,
                         14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + data)


def write_ico(path, size, pixel):
    """One 32 x 32 image, 32 bits with alpha, plus the AND mask all clear."""
    xor = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            r, g, b = pixel(x, y)
            xor += bytes((b, g, r, 255))
    mask_row = (size + 31) // 32 * 4
    mask = b"\0" * (mask_row * size)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                       len(xor) + len(mask), 0, 0, 0, 0)
    image = info + bytes(xor) + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image),
                        6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


# A 5 x 7 font for the few letters the pictures carry.
GLYPHS = {
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
}


def text_pixels(text, left, top, scale=1):
    """The set of (x, y) that the text covers, one blank column between letters."""
    on = set()
    for i, ch in enumerate(text):
        glyph = GLYPHS[ch]
        for gy, line in enumerate(glyph):
            for gx, bit in enumerate(line):
                if bit == "1":
                    for sy in range(scale):
                        for sx in range(scale):
                            on.add((left + (i * 6 + gx) * scale + sx,
                                    top + gy * scale + sy))
    return on


def logo(x, y, ink=text_pixels("VANT", 7, 3)):
    # 37 x 13: a navy plate with the short name in white
    if x == 0 or y == 0 or x == 36 or y == 12:
        return WHITE
    return WHITE if (x, y) in ink else NAVY


def band(x, y):
    # 1024 x 10: a plain pale-yellow strip
    return PALE_YELLOW


def credits_picture(x, y, ink=text_pixels("VANTREL", 18, 20, 3)):
    # 204 x 202: sky, sea and a quay wall, with the name across the top
    if (x, y) in ink:
        return NAVY
    if y > 150:
        return SAND if x < 120 else SEA
    if y > 120:
        return SEA
    return PALE_YELLOW


def program_icon(x, y, ink=text_pixels("V", 11, 10, 2)):
    if (x, y) in ink:
        return WHITE
    edge = x in (0, 31) or y in (0, 31)
    return WHITE if edge else NAVY


def window_icon(x, y, ink=text_pixels("V", 11, 10, 2)):
    if (x, y) in ink:
        return NAVY
    edge = x in (0, 31) or y in (0, 31)
    return NAVY if edge else PALE_YELLOW


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "ui", "pictures")
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "logo.bmp"), 37, 13, logo)
    write_bmp(os.path.join(out, "band.bmp"), 1024, 10, band)
    write_bmp(os.path.join(out, "credits.bmp"), 204, 202, credits_picture)
    write_ico(os.path.join(out, "program.ico"), 32, program_icon)
    write_ico(os.path.join(out, "window.ico"), 32, window_icon)


if __name__ == "__main__":
    main()
