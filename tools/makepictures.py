#!/usr/bin/env python3
"""Writes the pictures of vantrel's resources into ui/pictures/:

  logo.bmp      bitmap 1022, 37 x 13: an anchor between two gold ropes on a
                navy plate, drawn 50 pixels from the right and 20 from the
                bottom of the main dialog
  credits.bmp   bitmap 1024, 204 x 202: a harbour with a lighthouse on its
                breakwater, a boat and the quay, for the credits box
  band.bmp      bitmap 1025, 1024 x 10: a plain pale-yellow strip along the
                top of the main dialog
  program.ico   icon 121, 32 x 32: the program file's icon
  window.ico    icon 1026, 32 x 32: the main dialog's icon (the same anchor)

The same run always writes the same bytes, so the files are committed and
checked by running the script again.  Standard library only.

    python3 tools/makepictures.py [output-folder]
"""
import math
import os
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the scripts
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from picturekit import (Canvas, anchor, arc, circle, ellipse, mix, polygon, polyline,  # noqa: E402
                        rect, roundrect, segment, vertical, write_bmp, write_ico,
                        WHITE, rope_plate)

PALE_YELLOW = (255, 250, 205)
SEA_TOP = (78, 150, 205)
SEA_BOTTOM = (18, 72, 132)


def anchor_icon():
    """32 x 32: a white anchor on a sea-blue tile, with a crest of surf."""
    c = Canvas(32, 32, alpha=0.0)
    tile = roundrect(1, 1, 31, 31, 6)
    c.paint(tile, vertical(SEA_TOP, SEA_BOTTOM, 1, 31))
    # a soft light across the top of the tile
    c.paint(tile & ellipse(16, 1, 20, 11), (255, 255, 255), alpha=0.16)
    # the sea: a darker swell low on the tile, crested with small waves
    c.paint(tile & rect(0, 26, 32, 32), (10, 50, 104), alpha=0.45)
    for k in range(-1, 6):
        c.paint(tile & arc(2 + k * 6, 29.4, 3.4, 1.2, 215, 325), (200, 232, 250), alpha=0.8)
    # the anchor, with a thin dark edge so it stands off the water
    c.paint(anchor(16, 4, 21, stroke=3.6), (12, 40, 80), alpha=0.35)
    c.paint(anchor(16, 4, 21, stroke=2.4), WHITE)
    # a rim that keeps the tile's edge crisp on light and dark title bars
    c.paint(tile - roundrect(2, 2, 30, 30, 5), (12, 48, 96), alpha=0.8)
    return c


# The logo's anchor, drawn pixel by pixel: at 11 pixels high a smoothed
# outline would only blur.
LOGO_ANCHOR = [
    "....###....",
    "....#.#....",
    "....###....",
    "..#######..",
    ".....#.....",
    ".....#.....",
    "#....#....#",
    "##...#...##",
    ".#...#...#.",
    "..##.#.##..",
    "....###....",
]


def logo():
    """37 x 13: a white anchor on a navy plate, a gold rope to each side."""
    c = rope_plate()
    for j, line in enumerate(LOGO_ANCHOR):
        for i, dot in enumerate(line):
            if dot == "#":
                c.rgb[1 + j][13 + i] = list(WHITE)
    return c


def band():
    """1024 x 10: a plain pale-yellow strip."""
    c = Canvas(1024, 10, PALE_YELLOW)
    return c


def credits_picture():
    """204 x 202: a harbour by day.  Sky, a headland, the sea, a breakwater
    with its lighthouse sending out its beams, a small sailing boat, gulls,
    and the stone quay with a bollard and its mooring line in front."""
    W, H = 204, 202
    horizon = 118
    c = Canvas(W, H)
    c.fill(lambda x, y: mix((104, 160, 214), (226, 238, 246), y / horizon) if y < horizon
           else mix((66, 136, 186), (20, 70, 128), (y - horizon) / (H - horizon)))

    # the sun and clouds
    c.paint(circle(42, 30, 16), (255, 246, 200), alpha=0.35)
    c.paint(circle(42, 30, 10), (255, 244, 190))
    for cx, cy, s in ((120, 26, 1.0), (178, 50, 0.75), (70, 62, 0.6)):
        cloud = (ellipse(cx, cy, 16 * s, 6 * s) | circle(cx - 7 * s, cy - 4 * s, 7 * s) |
                 circle(cx + 3 * s, cy - 7 * s, 9 * s) | circle(cx + 11 * s, cy - 2 * s, 6 * s))
        c.paint(cloud, (255, 255, 255), alpha=0.9)
        c.paint(cloud & rect(0, cy + 1 * s, W, H), (200, 214, 230), alpha=0.5)

    # a far headland on the left, and the far shore under it
    c.paint(polygon([(0, horizon), (0, 96), (14, 92), (30, 97), (48, 104), (66, 110),
                     (84, horizon)]), (112, 140, 164))
    c.paint(polygon([(0, horizon), (0, 106), (20, 104), (40, 110), (58, horizon)]), (92, 122, 146))

    # glitter on the water, thicker towards the front
    for k in range(46):
        y = horizon + 4 + (k * 37 % 78)
        x = (k * 53 + 11) % W
        length = 3 + (y - horizon) / 10.0
        c.paint(segment(x, y, x + length, y, 0.9 + (y - horizon) / 70.0), (170, 210, 236), alpha=0.55)

    # the breakwater, running in from the right, with the lighthouse at its end
    stones = polygon([(104, 136), (112, 126), (204, 122), (204, 140), (100, 142)])
    c.paint(stones, (104, 100, 96))
    c.paint(stones & rect(0, 122, W, 129), (150, 146, 138))
    for k in range(9):
        x = 114 + k * 10.5
        c.paint(segment(x, 130, x - 1.5, 140, 0.8), (76, 72, 70), alpha=0.8)
    c.paint(segment(101, 141, 204, 139, 1.2), (230, 240, 246), alpha=0.7)  # surf at its foot

    tower_x, base_y, top_y = 140.0, 129.0, 58.0

    def tower_half(y):
        return 10.0 - 4.0 * (base_y - y) / (base_y - top_y)
    tower = polygon([(tower_x - 10, base_y), (tower_x - 6, top_y), (tower_x + 6, top_y),
                     (tower_x + 10, base_y)])
    c.paint(tower, (246, 246, 242))
    for k in range(3):
        y0 = top_y + 8 + k * 22
        c.paint(tower & rect(0, y0, W, y0 + 10), (196, 44, 44))
    # shade on the right side of the tower
    c.paint(tower & polygon([(tower_x + 3, base_y), (tower_x + 2, top_y), (tower_x + 6, top_y),
                             (tower_x + 10, base_y)]), (40, 40, 60), alpha=0.18)
    c.paint(rect(tower_x - 1.8, 100, tower_x + 1.8, 106), (40, 52, 70))  # a window
    c.paint(roundrect(tower_x - 2.5, base_y - 9, tower_x + 2.5, base_y, 1.5), (70, 56, 48))  # door
    # gallery, lantern and dome
    c.paint(rect(tower_x - 9, top_y - 3, tower_x + 9, top_y + 1), (44, 48, 56))
    for k in range(7):
        x = tower_x - 8 + k * 2.7
        c.paint(segment(x, top_y - 7, x, top_y - 3, 0.7), (44, 48, 56))
    c.paint(segment(tower_x - 8.5, top_y - 7, tower_x + 8.5, top_y - 7, 0.8), (44, 48, 56))
    c.paint(rect(tower_x - 5, top_y - 15, tower_x + 5, top_y - 3), (255, 232, 120))
    c.paint(segment(tower_x, top_y - 15, tower_x, top_y - 3, 0.8), (90, 80, 60), alpha=0.6)
    c.paint(ellipse(tower_x, top_y - 15, 6.5, 5) & rect(0, 0, W, top_y - 15), (176, 36, 36))
    c.paint(segment(tower_x, top_y - 22, tower_x, top_y - 19, 1.2), (44, 48, 56))
    c.paint(circle(tower_x, top_y - 22.5, 1.2), (44, 48, 56))
    # the beams, fanning out over the sea on both sides
    lamp = (tower_x, top_y - 9)
    c.paint(polygon([lamp, (tower_x - 78, top_y - 24), (tower_x - 80, top_y + 4)]),
            (255, 246, 170), alpha=0.22)
    c.paint(polygon([lamp, (W + 4, top_y - 20), (W + 4, top_y + 2)]), (255, 246, 170), alpha=0.22)
    c.paint(circle(*lamp, 7), (255, 250, 200), alpha=0.35)

    # gulls
    for x, y, s in ((84, 40, 1.0), (98, 50, 0.8), (170, 86, 0.7)):
        c.paint(polyline([(x - 5 * s, y - 2 * s), (x - 2 * s, y - 3 * s), (x, y)], 1.1), (60, 66, 80))
        c.paint(polyline([(x, y), (x + 2 * s, y - 3 * s), (x + 5 * s, y - 2 * s)], 1.1), (60, 66, 80))

    # a small sailing boat in the harbour mouth
    bx, by = 62, 140
    c.paint(polygon([(bx - 15, by), (bx + 16, by), (bx + 11, by + 6), (bx - 12, by + 6)]),
            (150, 44, 40))
    c.paint(rect(bx - 15, by - 1.4, bx + 16, by + 0.6), (246, 246, 240))
    c.paint(segment(bx, by - 1, bx, by - 34, 1.2), (70, 60, 52))
    c.paint(polygon([(bx + 1.5, by - 33), (bx + 1.5, by - 3), (bx + 17, by - 3)]), (252, 252, 246))
    c.paint(polygon([(bx - 1.5, by - 28), (bx - 1.5, by - 3), (bx - 12, by - 3)]), (236, 232, 222))
    c.paint(segment(bx + 1.5, by - 33, bx + 17, by - 3, 0.6), (170, 170, 170), alpha=0.7)
    c.paint(ellipse(bx, by + 7.5, 17, 1.6), (12, 50, 100), alpha=0.45)  # its reflection

    # the quay in front: dressed stone with its edge, a bollard and a line
    quay = polygon([(0, 168), (96, 176), (96, H), (0, H)])
    c.paint(quay, (168, 158, 140))
    c.paint(polygon([(0, 164), (98, 172), (98, 178), (0, 170)]), (206, 198, 180))  # coping stones
    for k in range(7):
        x = 8 + k * 14
        c.paint(segment(x, 165.5 + x / 12.0, x, 171 + x / 12.0, 0.8), (130, 120, 104))
    for row, y in enumerate((183, 194)):
        c.paint(segment(0, y - 6 + 0.0, 98, y + 2, 0.8), (128, 118, 102), alpha=0.8)
        for k in range(5):
            x = 12 + k * 20 + row * 10
            c.paint(segment(x, y - 5 + x / 12.0, x, y + 4 + x / 12.0, 0.8), (128, 118, 102), alpha=0.8)
    c.paint(segment(96, 176, 96, H, 1.6), (96, 88, 76))  # the quay's face
    # the bollard
    c.paint(roundrect(30, 160, 42, 171, 2), (36, 36, 40))
    c.paint(ellipse(36, 159.5, 8, 3), (52, 52, 58))
    c.paint(rect(32, 162, 34, 169), (90, 90, 100), alpha=0.6)
    # the mooring line, from the bollard out over the edge to the water
    c.paint(polyline([(40, 164), (70, 170), (100, 178), (120, 186), (140, 198)], 1.6),
            (196, 170, 112))
    return c


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "ui", "pictures")
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "logo.bmp"), logo())
    write_bmp(os.path.join(out, "band.bmp"), band())
    write_bmp(os.path.join(out, "credits.bmp"), credits_picture())
    icon = anchor_icon()
    write_ico(os.path.join(out, "program.ico"), icon)
    write_ico(os.path.join(out, "window.ico"), icon)


if __name__ == "__main__":
    main()
