"""Drawing helpers shared by tools/makepictures.py and tools/makesetuppictures.py.

A picture is drawn on a Canvas by painting shapes one over the other.  Each
shape is a predicate over continuous pixel coordinates (x to the right, y
downwards, pixel (i, j) covering [i, i+1) x [j, j+1)) together with the box
it lies in; painting samples every pixel of that box on a grid of
SAMPLES x SAMPLES points, so edges come out smoothed.  Nothing is random, so
the same run always writes the same bytes.  Standard library only.
"""
import math
import struct

SAMPLES = 4


class Shape:
    def __init__(self, inside, box):
        self.inside = inside  # inside(x, y) -> bool
        self.box = box        # (x0, y0, x1, y1), continuous

    def __or__(self, other):
        a, b = self, other
        return Shape(lambda x, y: a.inside(x, y) or b.inside(x, y),
                     (min(a.box[0], b.box[0]), min(a.box[1], b.box[1]),
                      max(a.box[2], b.box[2]), max(a.box[3], b.box[3])))

    def __sub__(self, other):
        a, b = self, other
        return Shape(lambda x, y: a.inside(x, y) and not b.inside(x, y), a.box)

    def __and__(self, other):
        a, b = self, other
        return Shape(lambda x, y: a.inside(x, y) and b.inside(x, y),
                     (max(a.box[0], b.box[0]), max(a.box[1], b.box[1]),
                      min(a.box[2], b.box[2]), min(a.box[3], b.box[3])))


def rect(x0, y0, x1, y1):
    return Shape(lambda x, y: x0 <= x < x1 and y0 <= y < y1, (x0, y0, x1, y1))


def roundrect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return Shape(inside, (x0, y0, x1, y1))


def circle(cx, cy, r):
    return Shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r,
                 (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry):
    return Shape(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1,
                 (cx - rx, cy - ry, cx + rx, cy + ry))


def ring(cx, cy, inner, outer):
    return circle(cx, cy, outer) - circle(cx, cy, inner)


def segment(ax, ay, bx, by, width):
    """A stroke of the given width from a to b, with round ends."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-9
    half = width / 2.0

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        px, py = ax + t * dx - x, ay + t * dy - y
        return px * px + py * py <= half * half
    return Shape(inside, (min(ax, bx) - half, min(ay, by) - half,
                          max(ax, bx) + half, max(ay, by) + half))


def polyline(points, width):
    shape = segment(*points[0], *points[1], width)
    for a, b in zip(points[1:], points[2:]):
        shape = shape | segment(*a, *b, width)
    return shape


def polygon(points):
    """Even-odd fill of a closed polygon."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    edges = list(zip(points, points[1:] + points[:1]))

    def inside(x, y):
        crossings = False
        for (x0, y0), (x1, y1) in edges:
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                crossings = not crossings
        return crossings
    return Shape(inside, (min(xs), min(ys), max(xs), max(ys)))


def arc(cx, cy, radius, width, start, end):
    """A stroke along a circle from angle start to end (degrees, 0 to the
    right, growing clockwise on screen, as y grows downwards)."""
    half = width / 2.0
    a0, a1 = math.radians(start), math.radians(end)

    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - radius) > half:
            return False
        a = math.atan2(y - cy, x - cx)
        while a < a0:
            a += 2 * math.pi
        return a <= a1
    r = radius + half
    return Shape(inside, (cx - r, cy - r, cx + r, cy + r))


def anchor(cx, top, height, stroke=None):
    """An anchor standing upright: ring, shank, stock, curved arms and flukes.
    cx is its middle, top the top of the ring."""
    h = float(height)
    s = stroke if stroke is not None else max(1.2, h * 0.1)
    ringr = h * 0.09 + s / 2
    ringy = top + ringr + s / 2
    bottom = top + h
    shape = ring(cx, ringy, ringr - s / 2, ringr + s / 2)
    shape = shape | segment(cx, ringy + ringr, cx, bottom - s / 2, s)             # shank
    shape = shape | segment(cx - h * 0.24, top + h * 0.3, cx + h * 0.24, top + h * 0.3, s)  # stock
    armr = h * 0.36
    armcy = bottom - armr - s / 2
    shape = shape | arc(cx, armcy, armr, s, 20, 160)                             # arms
    for side in (-1, 1):
        # a fluke: an arrowhead at the end of each arm, pointing up and out
        ex = cx + side * armr * math.cos(math.radians(20))
        ey = armcy + armr * math.sin(math.radians(20))
        tip = (ex + side * s * 0.7, ey - s * 1.7)
        shape = shape | polygon([(ex - side * s * 0.8, ey + s * 0.1), tip,
                                 (ex + side * s * 1.2, ey + s * 0.4)])
    return shape


class Canvas:
    """Straight (not premultiplied) RGBA pixels, rows top-down."""

    def __init__(self, width, height, color=(0, 0, 0), alpha=1.0):
        self.width = width
        self.height = height
        self.rgb = [[list(map(float, color)) for _ in range(width)] for _ in range(height)]
        self.alpha = [[float(alpha)] * width for _ in range(height)]

    def blend(self, i, j, color, cover):
        if cover <= 0:
            return
        below = self.alpha[j][i]
        out = cover + below * (1 - cover)
        px = self.rgb[j][i]
        for k in range(3):
            px[k] = (color[k] * cover + px[k] * below * (1 - cover)) / out
        self.alpha[j][i] = out

    def paint(self, shape, color, alpha=1.0):
        """Paints a shape; color is an (r, g, b) or a function of (x, y)."""
        x0 = max(0, int(math.floor(shape.box[0])))
        y0 = max(0, int(math.floor(shape.box[1])))
        x1 = min(self.width, int(math.ceil(shape.box[2])) + 1)
        y1 = min(self.height, int(math.ceil(shape.box[3])) + 1)
        step = 1.0 / SAMPLES
        offsets = [(k + 0.5) * step for k in range(SAMPLES)]
        total = SAMPLES * SAMPLES
        for j in range(y0, y1):
            for i in range(x0, x1):
                hits = 0
                for oy in offsets:
                    for ox in offsets:
                        if shape.inside(i + ox, j + oy):
                            hits += 1
                if hits:
                    c = color(i + 0.5, j + 0.5) if callable(color) else color
                    self.blend(i, j, c, alpha * hits / total)

    def fill(self, color):
        """Every pixel, opaque; color may be a function of (x, y)."""
        for j in range(self.height):
            for i in range(self.width):
                c = color(i + 0.5, j + 0.5) if callable(color) else color
                self.rgb[j][i] = list(map(float, c))
                self.alpha[j][i] = 1.0

    def pixel(self, i, j):
        return tuple(int(round(min(255.0, max(0.0, v)))) for v in self.rgb[j][i])


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[k] + (b[k] - a[k]) * t for k in range(3))


def vertical(top_color, bottom_color, y0, y1):
    """A colour that runs from top_color at y0 to bottom_color at y1."""
    return lambda x, y: mix(top_color, bottom_color, (y - y0) / float(y1 - y0))


def write_bmp(path, canvas):
    """24-bit BGR, rows bottom-up, each row padded to four bytes; the picture
    is flattened onto nothing, so it must be opaque."""
    width, height = canvas.width, canvas.height
    pad = b"\0" * ((4 - width * 3 % 4) % 4)
    rows = []
    for j in range(height - 1, -1, -1):
        row = bytearray()
        for i in range(width):
            r, g, b = canvas.pixel(i, j)
            row += bytes((b, g, r))
        rows.append(bytes(row) + pad)
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + data)


def write_ico(path, canvas):
    """One square image, 32 bits with alpha, and an AND mask that marks the
    fully transparent pixels for systems that ignore the alpha."""
    size = canvas.width
    assert canvas.height == size
    xor = bytearray()
    mask = bytearray()
    mask_row = (size + 31) // 32 * 4
    for j in range(size - 1, -1, -1):
        bits = bytearray(mask_row)
        for i in range(size):
            r, g, b = canvas.pixel(i, j)
            a = int(round(canvas.alpha[j][i] * 255))
            if a == 0:
                r = g = b = 0
                bits[i // 8] |= 0x80 >> (i % 8)
            xor += bytes((b, g, r, a))
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


# The colours both programs' pictures share.
NAVY = (24, 46, 92)
NAVY_LIGHT = (44, 78, 138)
WHITE = (255, 255, 255)
GOLD = (226, 178, 62)
GOLD_DARK = (178, 132, 40)


def rope_plate():
    """37 x 13: a navy plate with a gold rope to each side, the ground of both
    programs' corner pictures; the middle (x 13 to 23) is left for a sign."""
    c = Canvas(37, 13, (240, 240, 240))  # the dialog's own grey at the corners
    plate = roundrect(0, 0, 37, 13, 3)
    c.paint(plate, vertical(NAVY_LIGHT, NAVY, 0, 13))
    c.paint(plate - roundrect(1, 1, 36, 12, 2.2), (12, 24, 56))
    for left, right in ((3, 12), (25, 34)):
        # a laid rope: gold with every other pixel a shade darker, and a knot
        for x in range(left, right):
            c.rgb[6][x] = list(GOLD if x % 2 else GOLD_DARK)
        knot = left if left < 18 else right - 1
        for y in (5, 6, 7):
            c.rgb[y][knot] = list(GOLD)
    return c
