#!/usr/bin/env python3
"""Writes the pictures of setup's resources into inst/pictures/:

  corner.bmp  bitmap 1022, 37 x 13: a gold arrow going down into a tray on a
              navy plate, with the ropes of the program's own logo; drawn in
              the installer dialog's lower right corner
  setup.ico   icon 1023, 32 x 32: a sea chest with an anchor on its front and
              a gold arrow going down into it

The same run always writes the same bytes, so the output is committed and can
be checked by running the script again.  Standard library only.

    python3 tools/makesetuppictures.py [output-folder]
"""
import os
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the scripts
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from picturekit import (Canvas, anchor, polygon, rect, roundrect, segment,  # noqa: E402
                        vertical, write_bmp, write_ico,
                        NAVY, WHITE, GOLD, rope_plate)

WOOD = (150, 96, 52)
WOOD_DARK = (104, 62, 32)
IRON = (70, 70, 78)

# drawn pixel by pixel: at 11 pixels high a smoothed outline would only blur
ARROW_INTO_TRAY = [
    "....###....",
    "....###....",
    "....###....",
    "....###....",
    ".#########.",
    "..#######..",
    "...#####...",
    "....###....",
    "#....#....#",
    "#.........#",
    "###########",
]


def corner():
    """37 x 13, in the family of the program's logo."""
    c = rope_plate()
    for j, line in enumerate(ARROW_INTO_TRAY):
        for i, dot in enumerate(line):
            if dot == "#":
                c.rgb[1 + j][13 + i] = list(GOLD if j < 8 else WHITE)
    return c


def icon():
    """32 x 32 on a clear ground: the sea chest, its lid, and the arrow."""
    c = Canvas(32, 32, alpha=0.0)
    chest = roundrect(3, 14, 29, 30, 2)
    c.paint(chest, vertical(WOOD, WOOD_DARK, 14, 30))
    for y in (19.5, 24.5):  # the planks
        c.paint(chest & segment(3, y, 29, y, 0.8), WOOD_DARK, alpha=0.8)
    lid = roundrect(2, 10, 30, 16, 2)
    c.paint(lid, vertical((176, 116, 66), WOOD, 10, 16))
    for x in (6.5, 25.5):  # iron bands over lid and body
        c.paint(rect(x - 1.2, 10, x + 1.2, 30), IRON)
    c.paint(lid - roundrect(3, 11, 29, 15, 1.2), IRON, alpha=0.9)
    c.paint(chest - roundrect(4, 15, 28, 29, 1.2), IRON, alpha=0.9)
    # the anchor on a brass plate in front
    c.paint(roundrect(11, 17, 21, 28, 1.5), (236, 200, 110))
    c.paint(anchor(16, 18, 9, stroke=1.3), NAVY)
    # the arrow, coming down into the open lid
    arrow = rect(13.5, 0, 18.5, 6) | polygon([(9.5, 5.5), (22.5, 5.5), (16, 12.5)])
    c.paint(arrow, (80, 56, 20), alpha=0.5)
    c.paint(rect(14, 0, 18, 6.5) | polygon([(10.5, 6), (21.5, 6), (16, 11.5)]), GOLD)
    return c


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "inst", "pictures")
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "corner.bmp"), corner())
    write_ico(os.path.join(out, "setup.ico"), icon())


if __name__ == "__main__":
    main()
