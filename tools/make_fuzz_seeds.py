#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into tests/fuzz/corpus/<target>/: a handful of
small valid files and edge cases each, from which libFuzzer starts its search.

The files are committed, so the output is byte-for-byte repeatable. Run from anywhere; other
files in those folders (reproducers of bugs the fuzzers found) are left as they are.
"""

import os
import struct
import sys

sys.dont_write_bytecode = True  # keep tools/ free of cache files
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bmp_file  # noqa: E402

CORPUS_DIR = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                          "tests", "fuzz", "corpus")


def targa(image_type=2, depth=24, width=2, height=2, descriptor=0, id_field=b"",
          color_map=None, pixels=None):
    """A Targa file: header, image ID field, colour map (length, entry bits) and pixel data."""
    map_type, map_length, map_bits = (1, color_map[0], color_map[1]) if color_map else (0, 0, 0)
    header = struct.pack("<BBBHHBHHHHBB", len(id_field), map_type, image_type, 0, map_length,
                         map_bits, 0, 0, width, height, depth, descriptor)
    if pixels is None:
        pixels = bytes((i * 37 + 11) % 256 for i in range(width * height * depth // 8))
    return header + id_field + bytes(map_length * ((map_bits + 7) // 8)) + pixels


def bmp(info_size=40, width=2, height=2, tail=b""):
    """The start of a BMP file: file header and an info header of the given size."""
    if info_size == 12:
        info = struct.pack("<IHHHH", 12, width, height, 1, 24)
    else:
        info = struct.pack("<Iii", info_size, width, height).ljust(info_size, b"\0")
    offset = bmp_file.FILE_HEADER_SIZE + len(info)
    return bmp_file.file_header(offset + len(tail), offset) + info + tail


def image(width, height, key, pixel_bytes, key_top=0):
    """The region target's input: width, height, key red, green, blue and top byte (used from
    0x80 up), then one byte a pixel (below 0x80 the key colour, from 0x80 up a colour one bit away
    from it)."""
    return bytes([width, height, *key, key_top]) + bytes(pixel_bytes)


def chunk(tag, body, declared=None):
    """A RIFF chunk: its tag, its size (or a `declared` one that overstates it), its body and a
    pad byte after an odd one."""
    size = len(body) if declared is None else declared
    pad = b"\0" if len(body) % 2 and declared is None else b""
    return tag + struct.pack("<I", size) + body + pad


def wave(*chunks, tag=1, channels=1, rate=8000, bits=8):
    """A WAVE file of a PCM format chunk and then `chunks`."""
    frame = channels * bits // 8
    fmt = chunk(b"fmt ", struct.pack("<HHIIHH", tag, channels, rate, rate * frame, frame, bits))
    return chunk(b"RIFF", b"WAVE" + fmt + b"".join(chunks))


def crlf(*lines):
    return "".join(line + "\r\n" for line in lines).encode("latin-1")


MAGENTA = (255, 0, 255)

SEEDS = {
    "targa_decoder_fuzz": {
        "24bit_bottom_up.tga": targa(),
        "32bit_top_down_right_to_left.tga": targa(depth=32, width=3, height=2, descriptor=0x30),
        "id_and_color_map.tga": targa(id_field=b"seed", color_map=(3, 15)),
        "ends_early.tga": targa(width=4, height=4, pixels=b"\x01\x02\x03\x04\x05"),
        "widest_strip_header_only.tga": targa(width=16384, height=1, pixels=b""),
        "too_wide.tga": targa(width=16385, height=1, pixels=b""),
        "run_length_encoded.tga": targa(image_type=10),
        "16bit.tga": targa(depth=16),
        "short_header.tga": targa()[:13],
    },
    "bmp_header_fuzz": {
        "info_header.bmp": bmp(tail=bytes(16)),
        "top_down.bmp": bmp(height=-3),
        "core_header.bmp": bmp(info_size=12, width=300, height=200, tail=bytes(4)),
        "short_info_header.bmp": bmp(info_size=16, width=7, height=5),
        "v5_header.bmp": bmp(info_size=124, width=16384, height=16384),
        "lowest_height.bmp": bmp(height=-2**31, width=-1),
        "too_short.bmp": bmp()[:29],
        "not_bmp.bmp": b"MB" + bmp()[2:],
    },
    "skin_config_fuzz": {
        "skin.ini": crlf("[Transparency]", "R=255", "G=0", "B=255", "", "[Bitmaps]",
                         "Background=back", "Trans=1"),
        "lf_comments_and_copies.ini": b"; comment\n[Bitmaps]\nBackground = spaced\n"
                                      b"Background=first\n[Bitmaps]\nTrans=0\n[]\nTrans=\n",
        "byte_order_mark.ini": b"\xEF\xBB\xBF" + crlf("[Transparency]", "R=1", "[x]y]", "G=2"),
        "control_bytes.ini": b"[Bitmaps]\r\nBackground=bg\0.bmp\r\r\nTrans=-2147483649\x1A\nB=1",
        "long_line.ini": b"[Bitmaps]\r\n" + b" " * 1022 + b"Trans=1\r\n",
    },
    "skin_sound_fuzz": {
        "mono_8bit.wav": wave(chunk(b"data", bytes(range(0, 256, 3)))),
        "stereo_16bit_odd_chunk.wav": wave(chunk(b"LIST", b"abc"), chunk(b"data", bytes(42)),
                                           channels=2, rate=48000, bits=16),
        "cut_off.wav": wave(chunk(b"data", bytes(10), declared=4000)),
        "float.wav": wave(chunk(b"data", bytes(8)), tag=3, bits=32),
        "no_data.wav": wave(),
    },
    "region_runs_fuzz": {
        "runs_and_holes.bin": image(8, 4, MAGENTA, [
            0x00, 0x80, 0x81, 0x00, 0x00, 0x90, 0x00, 0xFF,
            0x00, 0x80, 0x81, 0x00, 0x00, 0x90, 0x00, 0xFF,
            0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F,
            0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7,
        ]),
        "no_width.bin": image(0, 5, MAGENTA, []),
        "all_key.bin": image(64, 64, (0, 0, 0), []),
        "checkerboard.bin": image(6, 6, (1, 2, 3), [0x80 * ((x + y) % 2) for y in range(6)
                                                    for x in range(6)]),
        "side_columns.bin": image(5, 3, (255, 255, 255), [0x97, 0, 0, 0, 0x88] * 3),
        "key_above_colour.bin": image(4, 2, (0, 0, 0), [0, 0x80, 0, 0] * 2, key_top=0xFF),
    },
}

def main():
    for target, files in SEEDS.items():
        folder = os.path.join(CORPUS_DIR, target)
        os.makedirs(folder, exist_ok=True)
        for name, data in sorted(files.items()):
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
