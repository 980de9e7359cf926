"""Small drawing kit for skin images: an RGBA canvas, shape helpers and a PNG
writer, with nothing but the standard library (zlib + struct).

Colours are (r, g, b) or (r, g, b, a) tuples; coordinates are pixels with the
origin at the top left; rectangles are (left, top, right, bottom), right and
bottom exclusive.  Shapes are anti-aliased by supersampling the coverage of
each pixel, so edges stay smooth at these small sizes.
"""
import math
import struct
import zlib

SAMPLES = 4  # per axis, for shape coverage


def rgba(colour):
    return tuple(colour) + (255,) if len(colour) == 3 else tuple(colour)


def mix(a, b, t):
    """Colour between a (t=0) and b (t=1)."""
    a, b = rgba(a), rgba(b)
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


class Canvas:
    def __init__(self, width, height, background=(0, 0, 0, 0)):
        self.width = width
        self.height = height
        self.pixels = bytearray(rgba(background) * (width * height))

    # --- pixels -------------------------------------------------------------
    def get(self, x, y):
        i = (y * self.width + x) * 4
        return tuple(self.pixels[i:i + 4])

    def blend(self, x, y, colour, coverage=1.0):
        """Source-over of `colour` at (x, y), weighted by `coverage`."""
        if not (0 <= x < self.width and 0 <= y < self.height) or coverage <= 0:
            return
        r, g, b, a = rgba(colour)
        sa = a / 255.0 * min(coverage, 1.0)
        i = (y * self.width + x) * 4
        dr, dg, db, da = self.pixels[i:i + 4]
        da_f = da / 255.0
        out_a = sa + da_f * (1 - sa)
        if out_a <= 0:
            self.pixels[i:i + 4] = bytes(4)
            return
        def channel(s, d):
            return int(round((s * sa + d * da_f * (1 - sa)) / out_a))
        self.pixels[i:i + 4] = bytes((channel(r, dr), channel(g, dg), channel(b, db),
                                      int(round(out_a * 255))))

    def shape(self, inside, bounds, colour):
        """Fills the points for which inside(x, y) holds, within bounds."""
        left, top, right, bottom = (max(0, int(math.floor(bounds[0]))), max(0, int(math.floor(bounds[1]))),
                                    min(self.width, int(math.ceil(bounds[2]))),
                                    min(self.height, int(math.ceil(bounds[3]))))
        step = 1.0 / SAMPLES
        offsets = [step * (k + 0.5) for k in range(SAMPLES)]
        total = SAMPLES * SAMPLES
        for y in range(top, bottom):
            for x in range(left, right):
                hits = sum(1 for oy in offsets for ox in offsets if inside(x + ox, y + oy))
                if hits:
                    self.blend(x, y, colour, hits / total)

    # --- rectangles -----------------------------------------------------------
    def fill_rect(self, rect, colour):
        l, t, r, b = rect
        for y in range(max(0, t), min(self.height, b)):
            for x in range(max(0, l), min(self.width, r)):
                self.blend(x, y, colour)

    def round_rect(self, rect, radius, colour):
        l, t, r, b = rect
        radius = min(radius, (r - l) / 2.0, (b - t) / 2.0)

        def inside(x, y):
            if not (l <= x < r and t <= y < b):
                return False
            cx = min(max(x, l + radius), r - radius)
            cy = min(max(y, t + radius), b - radius)
            return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2
        self.shape(inside, rect, colour)

    def border(self, rect, width, colour, radius=0):
        """An outline `width` pixels wide inside rect."""
        l, t, r, b = rect
        outer_r = min(radius, (r - l) / 2.0, (b - t) / 2.0)
        inner_r = max(0.0, outer_r - width)

        def in_round(x, y, box, rad):
            bl, bt, br, bb = box
            if not (bl <= x < br and bt <= y < bb):
                return False
            if rad <= 0:
                return True
            cx = min(max(x, bl + rad), br - rad)
            cy = min(max(y, bt + rad), bb - rad)
            return (x - cx) ** 2 + (y - cy) ** 2 <= rad ** 2
        inner = (l + width, t + width, r - width, b - width)
        self.shape(lambda x, y: in_round(x, y, rect, outer_r) and not in_round(x, y, inner, inner_r),
                   rect, colour)

    def gradient(self, rect, top_colour, bottom_colour, vertical=True, radius=0):
        """A linear gradient, top to bottom (or left to right), optionally rounded."""
        l, t, r, b = rect
        span = max(1, (b - t - 1) if vertical else (r - l - 1))
        for y in range(max(0, t), min(self.height, b)):
            for x in range(max(0, l), min(self.width, r)):
                k = ((y - t) if vertical else (x - l)) / span
                colour = mix(top_colour, bottom_colour, k)
                if radius:
                    self._round_pixel(rect, radius, x, y, colour)
                else:
                    self.blend(x, y, colour)

    def _round_pixel(self, rect, radius, x, y, colour):
        l, t, r, b = rect
        step = 1.0 / SAMPLES
        hits = 0
        for sy in range(SAMPLES):
            for sx in range(SAMPLES):
                px, py = x + step * (sx + 0.5), y + step * (sy + 0.5)
                cx = min(max(px, l + radius), r - radius)
                cy = min(max(py, t + radius), b - radius)
                hits += (px - cx) ** 2 + (py - cy) ** 2 <= radius ** 2
        self.blend(x, y, colour, hits / float(SAMPLES * SAMPLES))

    # --- strokes and glyphs -----------------------------------------------------
    def line(self, p0, p1, width, colour):
        """A straight stroke with round ends."""
        (x0, y0), (x1, y1) = p0, p1
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy or 1e-9
        half = width / 2.0

        def inside(x, y):
            k = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
            px, py = x0 + k * dx, y0 + k * dy
            return (x - px) ** 2 + (y - py) ** 2 <= half * half
        pad = half + 1
        self.shape(inside, (min(x0, x1) - pad, min(y0, y1) - pad, max(x0, x1) + pad, max(y0, y1) + pad), colour)

    def circle(self, centre, radius, colour, width=None):
        """A disc, or a ring `width` wide when width is given."""
        cx, cy = centre

        def inside(x, y):
            d2 = (x - cx) ** 2 + (y - cy) ** 2
            if d2 > radius * radius:
                return False
            return width is None or d2 >= (radius - width) ** 2
        self.shape(inside, (cx - radius - 1, cy - radius - 1, cx + radius + 1, cy + radius + 1), colour)

    def polygon(self, points, colour):
        """A filled polygon (even-odd rule)."""
        def inside(x, y):
            result = False
            j = len(points) - 1
            for i, (xi, yi) in enumerate(points):
                xj, yj = points[j]
                if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    result = not result
                j = i
            return result
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.shape(inside, (min(xs), min(ys), max(xs) + 1, max(ys) + 1), colour)


# --- glyphs, each drawn into the box (left, top, size) --------------------------
def glyph_cross(canvas, left, top, size, colour, width=1.6):
    """×: the close sign."""
    m = size * 0.25
    canvas.line((left + m, top + m), (left + size - m, top + size - m), width, colour)
    canvas.line((left + size - m, top + m), (left + m, top + size - m), width, colour)


def glyph_dash(canvas, left, top, size, colour, width=1.6):
    """–: the minimise sign."""
    m = size * 0.25
    y = top + size * 0.5
    canvas.line((left + m, y), (left + size - m, y), width, colour)


def glyph_arrow_left(canvas, left, top, size, colour, width=1.6):
    """←: the back sign."""
    m = size * 0.22
    y = top + size * 0.5
    canvas.line((left + m, y), (left + size - m, y), width, colour)
    canvas.line((left + m, y), (left + size * 0.5, top + m), width, colour)
    canvas.line((left + m, y), (left + size * 0.5, top + size - m), width, colour)


def glyph_house(canvas, left, top, size, colour, width=1.6):
    """⌂: the home sign."""
    m = size * 0.2
    peak = (left + size * 0.5, top + m)
    canvas.line((left + m, top + size * 0.5), peak, width, colour)
    canvas.line(peak, (left + size - m, top + size * 0.5), width, colour)
    base_l, base_r = left + size * 0.3, left + size * 0.7
    canvas.line((base_l, top + size * 0.45), (base_l, top + size - m), width, colour)
    canvas.line((base_r, top + size * 0.45), (base_r, top + size - m), width, colour)
    canvas.line((base_l, top + size - m), (base_r, top + size - m), width, colour)


def glyph_magnifier(canvas, left, top, size, colour, width=1.6):
    """A magnifier: the search sign."""
    r = size * 0.25
    cx, cy = left + size * 0.42, top + size * 0.42
    canvas.circle((cx, cy), r, colour, width)
    k = r / math.sqrt(2)
    canvas.line((cx + k, cy + k), (left + size * 0.8, top + size * 0.8), width * 1.2, colour)


def glyph_check(canvas, left, top, size, colour, width=2.0):
    """✓: the done sign."""
    canvas.line((left + size * 0.22, top + size * 0.52), (left + size * 0.42, top + size * 0.72), width, colour)
    canvas.line((left + size * 0.42, top + size * 0.72), (left + size * 0.78, top + size * 0.3), width, colour)


# --- PNG --------------------------------------------------------------------------
def png_bytes(canvas):
    """The canvas as a PNG file (8-bit RGBA, no interlace)."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    stride = canvas.width * 4
    raw = b"".join(b"\x00" + bytes(canvas.pixels[y * stride:(y + 1) * stride]) for y in range(canvas.height))
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def save_png(canvas, path):
    with open(path, "wb") as f:
        f.write(png_bytes(canvas))
