#!/usr/bin/env python3
"""Turns the release test's screenshots into the pictures of the docs.

    python3 tools/docpictures.py [SCREENSHOTS] [DOCS]

reads SCREENSHOTS/main-dialog.bmp and SCREENSHOTS/setup.bmp (default
build-win/screenshots, written by the test release-wine) and writes them as
DOCS/main-dialog.png and DOCS/setup.png (default docs).  Standard library
only; the same screenshots always give the same bytes.
"""
import os
import struct
import sys
import zlib

PICTURES = ("main-dialog", "setup")


def read_bmp(path):
    """Rows of RGB bytes, top first, of a 24- or 32-bit uncompressed BMP."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        raise ValueError(path + " is not a BMP")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if bits not in (24, 32) or compression not in (0, 3):
        raise ValueError(path + ": only 24- and 32-bit pictures are read")
    step = bits // 8
    stride = (width * step + 3) & ~3
    rows = []
    for r in range(abs(height)):
        start = offset + r * stride
        row = bytearray()
        for x in range(width):
            b, g, red = data[start + x * step:start + x * step + 3]
            row += bytes((red, g, b))
        rows.append(bytes(row))
    if height > 0:  # bottom-up
        rows.reverse()
    return width, abs(height), rows


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def write_png(path, width, height, rows):
    raw = b"".join(b"\x00" + row for row in rows)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def main():
    shots = sys.argv[1] if len(sys.argv) > 1 else os.path.join("build-win", "screenshots")
    docs = sys.argv[2] if len(sys.argv) > 2 else "docs"
    os.makedirs(docs, exist_ok=True)
    for name in PICTURES:
        width, height, rows = read_bmp(os.path.join(shots, name + ".bmp"))
        write_png(os.path.join(docs, name + ".png"), width, height, rows)
        print("docpictures: %s.png, %d x %d" % (os.path.join(docs, name), width, height))


if __name__ == "__main__":
    main()
