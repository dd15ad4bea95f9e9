"""Bitmap and icon writing for the art scripts, with the few raster helpers they all draw with.

Output must be byte-for-byte repeatable, because the generated files are committed: drawing uses
only arithmetic and square roots (exactly rounded everywhere), never trigonometry from the C
library, nor pow(), and every choice made while building a palette is ordered explicitly.
"""

import math
import os
import struct

import bmp_file

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

# The sixteen colours of the standard Windows palette, in its index order.
WINDOWS_16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def mix(a, b, t):
    """Colour a moved towards colour b by the fraction t (0 gives a, 1 gives b)."""
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def clamp01(t):
    return 0.0 if t < 0.0 else 1.0 if t > 1.0 else t


def length(dx, dy):
    """Length of a vector. math.sqrt is exactly rounded on every machine; pow() need not be."""
    return math.sqrt(dx * dx + dy * dy)


def segment_distance(px, py, ax, ay, bx, by):
    """Distance from point p to the line segment from a to b."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else clamp01(((px - ax) * dx + (py - ay) * dy) / length2)
    ex, ey = px - (ax + t * dx), py - (ay + t * dy)
    return length(ex, ey)


class Canvas:
    """A top-down grid of (r, g, b) pixels. None marks a pixel that an icon leaves see-through."""

    def __init__(self, width, height, colour=BLACK):
        self.width = width
        self.height = height
        self.rows = [[colour] * width for _ in range(height)]

    def get(self, x, y):
        return self.rows[y][x]

    def put(self, x, y, colour):
        self.rows[y][x] = None if colour is None else tuple(_channel(v) for v in colour)

    def shade(self, colour_at, samples=1):
        """Paints every pixel from colour_at(fx, fy), called with points in pixel coordinates
        (the centre of pixel (x, y) is (x + 0.5, y + 0.5)). With samples > 1 a pixel is the mean
        of a samples x samples grid of points, which smooths edges. Where colour_at returns None
        the pixel's present colour stands in, so layers blend over what is already drawn; a
        see-through pixel takes the mean of the painted points alone."""
        step = 1.0 / samples
        offsets = [(i + 0.5) * step for i in range(samples)]
        for y in range(self.height):
            row = self.rows[y]
            for x in range(self.width):
                painted = [colour_at(x + ox, y + oy) for oy in offsets for ox in offsets]
                painted = [c for c in painted if c is not None]
                if not painted:
                    continue
                below = row[x]
                count = len(painted)
                if below is not None:
                    painted.append(tuple(v * (samples * samples - count) for v in below))
                    count = samples * samples
                row[x] = tuple(_channel(sum(c[i] for c in painted) / count) for i in range(3))

    def colours(self):
        """The distinct colours in use, in a fixed order."""
        return sorted({c for row in self.rows for c in row if c is not None})


def _channel(value):
    return max(0, min(255, int(value + 0.5)))


def _median_cut(counts, size):
    """Reduces a {colour: pixel count} table to at most `size` representative colours."""
    boxes = [sorted(counts.items())]
    while len(boxes) < size:
        best, best_range, best_channel = None, 0, 0
        for index, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for channel in range(3):
                values = [c[channel] for c, _ in box]
                spread = max(values) - min(values)
                if spread > best_range:
                    best, best_range, best_channel = index, spread, channel
        if best is None:
            break
        box = sorted(boxes[best], key=lambda item: (item[0][best_channel], item[0]))
        half = sum(n for _, n in box) / 2.0
        running, cut = 0, 1
        for cut in range(1, len(box)):
            running += box[cut - 1][1]
            if running >= half:
                break
        boxes[best:best + 1] = [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        weight = sum(n for _, n in box)
        palette.append(tuple(_channel(sum(c[i] * n for c, n in box) / weight) for i in range(3)))
    return sorted(set(palette))


def _nearest(palette, colour):
    best, best_error = 0, None
    for index, entry in enumerate(palette):
        error = sum((entry[i] - colour[i]) ** 2 for i in range(3))
        if best_error is None or error < best_error:
            best, best_error = index, error
    return best


def _indexed(canvas, bits, palette):
    """Palette and top-down rows of indices for a canvas. A given palette must hold every colour
    exactly; without one, the canvas's own colours are used, reduced by median cut if too many."""
    size = 1 << bits
    lookup = None
    if palette is None:
        palette = canvas.colours()
        if len(palette) > size:
            counts = {}
            for row in canvas.rows:
                for c in row:
                    counts[c] = counts.get(c, 0) + 1
            palette = _median_cut(counts, size)
            lookup = {c: _nearest(palette, c) for c in counts}
    if lookup is None:
        lookup = {c: i for i, c in enumerate(palette)}
        missing = [c for c in canvas.colours() if c not in lookup]
        if missing:
            raise ValueError("colours not in the palette: %r" % missing[:4])
    rows = [[0 if c is None else lookup[c] for c in row] for row in canvas.rows]
    return list(palette) + [BLACK] * (size - len(palette)), rows


def _pack_row(values, bits):
    """One scan line of palette indices: packed high bits first, padded to four bytes."""
    out = bytearray()
    per_byte = 8 // bits
    for start in range(0, len(values), per_byte):
        byte = 0
        group = values[start:start + per_byte]
        for value in group:
            byte = (byte << bits) | value
        out.append(byte << (bits * (per_byte - len(group))))
    return bmp_file.padded(bytes(out))


def _write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def write_bmp(path, canvas, bits=24, palette=None):
    """Writes a bottom-up, uncompressed BMP of 1, 4, 8 or 24 bits per pixel."""
    if bits == 24:
        _write(path, bmp_file.encode_24(canvas.rows))
        return
    full, indices = _indexed(canvas, bits, palette)
    pixels = b"".join(_pack_row(row, bits) for row in reversed(indices))
    _write(path, bmp_file.headers(canvas.width, canvas.height, bits, len(pixels), len(full))
           + bmp_file.palette(full) + pixels)


def write_ico(path, canvases, palette=WINDOWS_16):
    """Writes an icon file of 16-colour images, one per canvas. None pixels are see-through: they
    get palette index 0 in the colour plane and a set bit in the AND mask."""
    images = []
    for canvas in canvases:
        full, indices = _indexed(canvas, 4, palette)
        xor = b"".join(_pack_row(row, 4) for row in reversed(indices))
        mask = b"".join(_pack_row([1 if c is None else 0 for c in row], 1)
                        for row in reversed(canvas.rows))
        info = bmp_file.info_header(canvas.width, canvas.height * 2, 4, len(xor) + len(mask))
        images.append((canvas, info + bmp_file.palette(full) + xor + mask))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for canvas, data in images:
        entries += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 16, 0, 1, 4,
                               len(data), offset)
        offset += len(data)
    _write(path, directory + entries + b"".join(data for _, data in images))
