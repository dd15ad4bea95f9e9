"""The BMP file's layout, for every script and test that writes or reads one: headers packed,
24-bit pictures encoded, and uncompressed 24- or 32-bit files read back."""

import struct
from pathlib import Path

FILE_HEADER_SIZE = 14
INFO_HEADER_SIZE = 40
BI_RGB, BI_RLE8, BI_BITFIELDS = 0, 1, 3

_FILE_HEADER = "<2sIHHI"  # "BM", file size, two reserved words, pixel data offset
_INFO_HEADER = "<IiiHHIIiiII"
_PIXELS_PER_METRE = 2835  # 72 dots per inch


def file_header(file_size, data_offset):
    return struct.pack(_FILE_HEADER, b"BM", file_size, 0, 0, data_offset)


def info_header(width, height, bits, image_size, colours_used=0, compression=BI_RGB):
    """A 40-byte info header; a negative height makes the file top-down."""
    return struct.pack(_INFO_HEADER, INFO_HEADER_SIZE, width, height, 1, bits, compression,
                       image_size, _PIXELS_PER_METRE, _PIXELS_PER_METRE, colours_used, 0)


def headers(width, height, bits, image_size, palette_colours=0, compression=BI_RGB):
    """Both headers of a file whose image_size bytes of pixel data follow a palette of
    palette_colours entries."""
    offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + 4 * palette_colours
    return (file_header(offset + image_size, offset)
            + info_header(width, height, bits, image_size, palette_colours, compression))


def palette(colours):
    """The colour table that follows the info header, from (r, g, b) colours."""
    return b"".join(bytes((b, g, r, 0)) for r, g, b in colours)


def padded(line):
    """A scan line padded to whole four-byte words, as every row of pixel data is."""
    return line + bytes(-len(line) % 4)


def encode_24(rows):
    """A bottom-up, uncompressed 24-bit file of top-down rows of (r, g, b) pixels."""
    pixels = b"".join(padded(b"".join(bytes((b, g, r)) for r, g, b in row))
                      for row in reversed(rows))
    return headers(len(rows[0]) if rows else 0, len(rows), 24, len(pixels)) + pixels


class Bitmap:
    """An uncompressed 24- or 32-bit BMP file, such as a skin's images; pixel(x, y) gives
    (r, g, b) with y counted from the top."""

    def __init__(self, path):
        data = Path(path).read_bytes()
        magic, _, _, _, offset = struct.unpack_from(_FILE_HEADER, data)
        _, width, height, _, bits, compression = struct.unpack_from(_INFO_HEADER, data,
                                                                    FILE_HEADER_SIZE)[:6]
        if magic != b"BM" or bits not in (24, 32) or compression not in (BI_RGB, BI_BITFIELDS):
            raise ValueError(f"{path}: not an uncompressed 24- or 32-bit BMP")
        self.width, self.height = width, abs(height)
        self._bottom_up = height > 0
        self._bytes = bits // 8
        self._stride = (width * self._bytes + 3) // 4 * 4
        self._data = data[offset:]

    def pixel(self, x, y):
        row = self.height - 1 - y if self._bottom_up else y
        at = row * self._stride + x * self._bytes
        blue, green, red = self._data[at:at + 3]
        return red, green, blue
