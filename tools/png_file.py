"""PNG files of 8-bit RGBA pixels, written with the standard library alone, for the alpha skins
and the tests that make them."""

import struct
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"
COLOUR_TYPE_RGBA = 6


def chunk(kind, data):
    """One chunk: its length, its four-letter kind, its data and the CRC of kind and data."""
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def encode_rgba(rows):
    """A PNG file of top-down rows of (r, g, b, a) pixels with straight (not premultiplied) alpha,
    as PNG keeps it; every row unfiltered."""
    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, COLOUR_TYPE_RGBA, 0, 0, 0)
    data = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)
    return (SIGNATURE + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(data, 9))
            + chunk(b"IEND", b""))


def write_png(path, rows):
    with open(path, "wb") as f:
        f.write(encode_rgba(rows))
