#!/usr/bin/env python3
"""Draws the program's resource art into res/.

zentrix.ico  - the application icon: a round wall clock at ten past ten, a black-rimmed blue bezel
               around a white dial, in a 32 x 32 and a 16 x 16 image of the 16 standard colours,
               see-through outside the bezel.
about.bmp    - the About box logo, 170 x 72 in 256 colours: the same clock drawn large and smooth
               on a night-blue ground, beside the name in embossed gold block letters built from a
               5 x 7 pixel font, with a small subtitle underneath.
chime.wav    - the built-in chime: a struck bell of a few partials, each dying away at its own
               pace, one second of 8-bit mono at 22050 samples a second.

Run from anywhere; the output does not depend on the working directory, the time or the machine.
"""

import math
import os
import struct
import sys

sys.dont_write_bytecode = True  # keep tools/ free of cache files
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bmp  # noqa: E402

RES_DIR = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "res")

_S = math.sqrt(3) / 2
# Where each hour mark points from the centre, 12 o'clock first, y growing downwards.
HOUR_DIRECTIONS = [(0, -1), (0.5, -_S), (_S, -0.5), (1, 0), (_S, 0.5), (0.5, _S),
                   (0, 1), (-0.5, _S), (-_S, 0.5), (-1, 0), (-_S, -0.5), (-0.5, -_S)]
LIGHT = (-0.6, -0.8)  # light falls from the upper left

# Icon colours, all from the standard 16.
NAVY, BLUE, RED = (0, 0, 128), (0, 0, 255), (255, 0, 0)
GREY, SILVER = (128, 128, 128), (192, 192, 192)

# 5 x 7 capitals for the logo; "#" is ink.
FONT = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "G": [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"],
    "I": [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "N": ["#...#", "##..#", "#.#.#", "#.#.#", "#.#.#", "#..##", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "Z": ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
    " ": ["....."] * 7,
}


def dial(cx, cy, radius, look):
    """A clock face at ten past ten (and 35 seconds) as a colour_at function; None off the clock.
    `look` gives the colours and proportions, all lengths as fractions of the radius."""
    hands = [(HOUR_DIRECTIONS[10], -0.12, 0.52, look["hour_width"], look["hands"]),
             (HOUR_DIRECTIONS[2], -0.12, 0.78, look["minute_width"], look["hands"]),
             (HOUR_DIRECTIONS[7], -0.22, 0.84, look["second_width"], look["second"])]

    def colour_at(fx, fy):
        dx, dy = (fx - cx) / radius, (fy - cy) / radius
        r = bmp.length(dx, dy)
        if r > 1.0:
            return None
        lit = 0.0 if r == 0 else (dx * LIGHT[0] + dy * LIGHT[1]) / r
        if r > 1.0 - look["outline"]:
            return look["outline_colour"]
        if r > 1.0 - look["rim"]:
            return look["rim_colour"](lit)
        colour = look["face_colour"](lit, r)
        for h, (ux, uy) in enumerate(HOUR_DIRECTIONS):
            major = h % 3 == 0
            inner = look["major_tick"] if major else look["minor_tick"]
            d = bmp.segment_distance(dx, dy, ux * inner, uy * inner,
                                     ux * look["tick_end"], uy * look["tick_end"])
            if d < (look["major_width"] if major else look["minor_width"]):
                colour = look["ticks"]
        for (ux, uy), back, length, width, ink in hands:
            if bmp.segment_distance(dx, dy, ux * back, uy * back, ux * length, uy * length) < width:
                colour = ink
        if r < look["cap"]:
            colour = look["cap_colour"]
        return colour

    return colour_at


# The 16 x 16 icon is too small to draw from geometry: hand-placed pixels read better, and
# three o'clock reads more plainly than ten past ten at this size. K black, W white, G grey,
# "o" bezel (blue on the lit upper left, navy elsewhere), "." see-through.
SMALL_ICON = [
    ".....KKKKKK.....",
    "...KKooooooKK...",
    "..KooWWWWWWooK..",
    ".KoWWWWKWWWWWoK.",
    ".KoWWWWKWWWWWoK.",
    "KoWWWWWKWWWWWWoK",
    "KoWWWWWKWWWWWWoK",
    "KoGWWWWKWWWWWGoK",
    "KoGWWWWKKKKKWGoK",
    "KoWWWWWWWWWWWWoK",
    "KoWWWWWWWWWWWWoK",
    ".KoWWWWWWWWWWoK.",
    ".KoWWWWGGWWWWoK.",
    "..KooWWWWWWooK..",
    "...KKooooooKK...",
    ".....KKKKKK.....",
]


def small_icon():
    canvas = bmp.Canvas(16, 16, None)
    plain = {"K": bmp.BLACK, "W": bmp.WHITE, "G": GREY}
    for y, row in enumerate(SMALL_ICON):
        for x, ch in enumerate(row):
            if ch == "o":
                canvas.put(x, y, BLUE if x + y < 15 else NAVY)
            elif ch != ".":
                canvas.put(x, y, plain[ch])
    return canvas


def large_icon():
    """The 32 x 32 icon, drawn from geometry in the 16 standard colours only."""
    look = {
        "outline": 1.0 / 16, "outline_colour": bmp.BLACK,
        "rim": 3.2 / 16, "rim_colour": lambda lit: BLUE if lit > 0.2 else NAVY,
        "face_colour": lambda lit, r: SILVER if r > 0.74 and lit < -0.55 else bmp.WHITE,
        "major_tick": 0.62, "minor_tick": 0.72, "tick_end": 0.8,
        "major_width": 0.07, "minor_width": 0.04, "ticks": bmp.BLACK,
        "hands": bmp.BLACK, "hour_width": 0.1, "minute_width": 0.075,
        "second": RED, "second_width": 0.03, "cap": 0.11, "cap_colour": RED,
    }
    canvas = bmp.Canvas(32, 32, None)
    canvas.shade(dial(16.0, 16.0, 16.0, look))
    return canvas


def text_pixels(text, left, top, scale_x, scale_y, spacing=1):
    """The canvas pixels that text from FONT covers; each font pixel becomes a block of
    scale_x x scale_y pixels."""
    ink = set()
    for n, ch in enumerate(text):
        x0 = left + n * (5 + spacing) * scale_x
        for row, bits in enumerate(FONT[ch]):
            for col, bit in enumerate(bits):
                if bit == "#":
                    for y in range(top + row * scale_y, top + (row + 1) * scale_y):
                        for x in range(x0 + col * scale_x, x0 + (col + 1) * scale_x):
                            ink.add((x, y))
    return ink


def text_width(text, scale_x, spacing=1):
    return (len(text) * (5 + spacing) - spacing) * scale_x


def about_logo():
    width, height = 170, 72
    top_blue, bottom_blue = (30, 48, 104), (6, 10, 30)
    canvas = bmp.Canvas(width, height)
    canvas.shade(lambda fx, fy: bmp.mix(top_blue, bottom_blue, fy / height))

    # A faint horizon line under the title, fading out towards both ends.
    def rule(fx, fy):
        if 45 <= fy < 46 and 74 <= fx < 164:
            fade = 1.0 - abs(fx - 119.0) / 45.0
            return bmp.mix(canvas.get(int(fx), int(fy)), (120, 170, 255), fade)
        return None
    canvas.shade(rule)

    steel_light, steel_dark = (236, 240, 248), (70, 80, 104)
    look = {
        "outline": 0.05, "outline_colour": (10, 14, 30),
        "rim": 0.17,
        "rim_colour": lambda lit: bmp.mix(steel_dark, steel_light, (lit + 1.0) / 2.0),
        "face_colour": lambda lit, r: bmp.mix((250, 248, 240), (206, 210, 222),
                                              bmp.clamp01(r * r * (0.6 - 0.4 * lit))),
        "major_tick": 0.66, "minor_tick": 0.74, "tick_end": 0.8,
        "major_width": 0.055, "minor_width": 0.025, "ticks": (30, 38, 60),
        "hands": (22, 30, 56), "hour_width": 0.06, "minute_width": 0.045,
        "second": (220, 40, 30), "second_width": 0.022,
        "cap": 0.07, "cap_colour": (220, 40, 30),
    }
    # Soft shadow first, then the clock itself.
    canvas.shade(lambda fx, fy: (2, 4, 12) if bmp.length(fx - 37.5, fy - 38.5) < 29
                 else None, samples=4)
    canvas.shade(dial(35.0, 36.0, 29.0, look), samples=4)

    title = "ZENTRIX"
    left, top = 76, 10
    gold_top, gold_bottom = (255, 236, 150), (222, 128, 16)

    ink = text_pixels(title, left, top, 2, 3)

    # Embossed: a bright top edge and a dark lower edge on each stroke.
    def gold(x, y):
        if (x, y - 1) not in ink:
            return (255, 250, 214)
        if (x, y + 1) not in ink:
            return (150, 76, 8)
        return bmp.mix(gold_top, gold_bottom, (y - top) / 21.0)

    # A dark surround and drop shadow make the letters stand off the ground.
    shadow = {(x + dx, y + dy) for x, y in ink for dx in (-1, 0, 1, 2) for dy in (-1, 0, 1, 2)}
    for x, y in sorted(shadow):
        canvas.put(x, y, bmp.mix(canvas.get(x, y), (0, 0, 8), 0.75))
    for x, y in sorted(ink):
        canvas.put(x, y, gold(x, y))

    subtitle = "DIGITAL CLOCK"
    sub_left = left + (text_width(title, 2) - text_width(subtitle, 1)) // 2
    for x, y in sorted(text_pixels(subtitle, sub_left, 52, 1, 1)):
        canvas.put(x, y, (160, 200, 255))
    return canvas


# A bell's partials (hum, prime, tierce, quint, nominal, as ratios of the strike note), how loud
# each begins and how many seconds it takes to fall to 1/e: the high ones die first, so the
# sound turns from a bright strike into a hum. The tierce a minor third up gives a bell its tone.
BELL_NOTE = 880.0
BELL_PARTIALS = [(0.5, 0.45, 0.55), (1.0, 1.0, 0.35), (1.2, 0.5, 0.25), (1.5, 0.3, 0.18),
                 (2.0, 0.45, 0.12), (2.76, 0.2, 0.06)]
BELL_RATE = 22050
BELL_SECONDS = 1.0


def bell():
    """The bell as 8-bit samples, 128 being silence; a few milliseconds of attack spare the
    speaker a click, and the last tenth of a second fades to silence."""
    count = int(BELL_RATE * BELL_SECONDS)
    peak = sum(loudness for _, loudness, _ in BELL_PARTIALS)
    samples = bytearray()
    for n in range(count):
        t = n / BELL_RATE
        value = sum(loudness * math.exp(-t / fall) * math.sin(2 * math.pi * BELL_NOTE * ratio * t)
                    for ratio, loudness, fall in BELL_PARTIALS)
        envelope = min(1.0, t / 0.004, (BELL_SECONDS - t) / 0.1)
        samples.append(128 + round(127 * 0.9 * envelope * value / peak))
    return bytes(samples)


def write_wav(path, samples, rate):
    """A plain PCM WAVE file of 8-bit mono samples."""
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate, 1, 8)
    data = samples + (b"\x80" if len(samples) % 2 else b"")
    body = (b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
            + b"data" + struct.pack("<I", len(samples)) + data)
    with open(path, "wb") as out:
        out.write(b"RIFF" + struct.pack("<I", len(body)) + body)


def main():
    bmp.write_ico(os.path.join(RES_DIR, "zentrix.ico"), [large_icon(), small_icon()])
    bmp.write_bmp(os.path.join(RES_DIR, "about.bmp"), about_logo(), bits=8)
    write_wav(os.path.join(RES_DIR, "chime.wav"), bell(), BELL_RATE)


if __name__ == "__main__":
    main()
