#!/usr/bin/env python3
"""Draws the sample skins into skins/<name>/: config.ini, the background and the glyphs 0.bmp to
9.bmp, 10.bmp (the colon), am.bmp and pm.bmp (the 12-hour indicators), all 24-bit BMPs. The clock
stamps glyphs with pure white as the see-through colour and cuts the key colour of config.ini out
of the window. Each indicator is the letter A or P over the letter M, drawn as the digits are.

back2 (the default skin)
    A 220 x 64 pill of polished steel: a dark outline, a raised chrome bevel lit from the upper
    left, a groove and a sunken inner bevel around a flat midnight-blue display. Everything
    outside the pill is magenta (255, 0, 255), the default key, so the window is pill-shaped.
    Seven-segment digits 22 x 36 and a 10 x 36 colon in bright cyan with a faint glow, over the
    dim ghosts of the unlit segments, smoothed against the display colour; white around them.
    Trans=0: the shape is cut once, from the background.

neon
    A neon sign with no plate: the 228 x 66 background is the key colour, pure green (0, 255, 0),
    except for a cyan neon tube bent into a rounded frame. Digits 28 x 42 and a 12 x 42 colon are
    pink neon tubes (white-hot core, dark purple halo) bent from straight runs and quarter arcs;
    everything in the glyph cells around the tubes is key green as well. Trans=1: the window is
    re-cut from every composed face, so only the frame and the glowing digits are left on the
    desktop, and the shape changes with every second.

sidebar
    A slim 240 x 44 bar meant to dock on a screen side, where the clock turns the face a quarter
    turn. Nothing in it has a top or a bottom: brushed steel shaded as a cylinder about its long
    axis, chamfered corners of key colour pure blue (0, 0, 255), knurled grips at both ends and a
    recessed display in the middle. Digits 22 x 30 and a 6 x 30 colon are amber 5 x 7 LED
    dot-matrix characters, with the unlit dots glowing faintly. Trans=0.

glass (an alpha skin: every picture a PNG file with an alpha channel)
    A 236 x 68 plate of smoked glass with rounded corners, translucent, its rim lit and its edges
    smoothed into the desktop, on a faint shadow of its own. Digits 26 x 44 and a 12 x 44 colon
    are rounded strokes of pale blue-white, smoothed at every edge, each casting a soft shadow
    down and to the right; so are the AM and PM indicators. Nothing is keyed: the clock lays each
    glyph over the plate by its alpha.

Run from anywhere; the output depends neither on the working directory nor on the machine.
"""

import math
import os
import sys

sys.dont_write_bytecode = True  # keep tools/ free of cache files
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bmp  # noqa: E402
import png_file  # noqa: E402

SKINS_DIR = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "skins")
SMOOTH = 4  # sub-samples per pixel side where edges are smoothed

MAGENTA = (255, 0, 255)
GREEN = (0, 255, 0)
BLUE = (0, 0, 255)

_LIGHT_LENGTH = bmp.length(0.45, 0.9)
LIGHT = (-0.45 / _LIGHT_LENGTH, -0.9 / _LIGHT_LENGTH)  # towards the light, upper left


def label_lines(area):
    """The [Label] section of a config.ini: where a clock's label goes on the background."""
    if area is None:
        return []
    return ["", "[Label]"] + ["%s=%d" % pair for pair in zip(("X", "Y", "Width", "Height"), area)]


def write_skin(name, key, trans, background, glyphs, indicators, label=None):
    folder = os.path.join(SKINS_DIR, name)
    lines = ["[Transparency]", "R=%d" % key[0], "G=%d" % key[1], "B=%d" % key[2], "",
             "[Bitmaps]", "Background=back", "Trans=%d" % trans] + label_lines(label)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "config.ini"), "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("ascii"))
    bmp.write_bmp(os.path.join(folder, "back.bmp"), background)
    for index, glyph in enumerate(glyphs):
        bmp.write_bmp(os.path.join(folder, "%d.bmp" % index), glyph)
    for name, indicator in zip(("am", "pm"), indicators):
        bmp.write_bmp(os.path.join(folder, name + ".bmp"), indicator)


def cut_outside(canvas, depth_at, key):
    """Gives every pixel whose centre lies outside the shape (depth below 0) the key colour;
    the cut is hard because the window region is made of whole pixels."""
    canvas.shade(lambda fx, fy: key if depth_at(fx, fy) < 0 else None)


def check_key_free(name, canvas, key, depth_at):
    """The art inside the shape must never hit the key colour by accident, or it would be holed."""
    for y in range(canvas.height):
        for x in range(canvas.width):
            if canvas.get(x, y) == key and depth_at(x + 0.5, y + 0.5) >= 0:
                raise ValueError("%s: key colour inside the shape at (%d, %d)" % (name, x, y))


# The indicators' letters as strokes between corners of a unit box, x to the right, y down: boxy,
# so that they sit with segments, tubes and dots alike.
LETTER_STROKES = {
    "A": [((0, 1), (0, 0)), ((0, 0), (1, 0)), ((1, 0), (1, 1)), ((0, 0.5), (1, 0.5))],
    "P": [((0, 1), (0, 0)), ((0, 0), (1, 0)), ((1, 0), (1, 0.5)), ((0, 0.5), (1, 0.5))],
    "M": [((0, 1), (0, 0)), ((0, 0), (0.5, 0.5)), ((0.5, 0.5), (1, 0)), ((1, 0), (1, 1))],
}


def indicator_strokes(letter, top, bottom):
    """Distance functions of the strokes of `letter` in the box `top` and of M in `bottom`, each
    box (x0, y0, x1, y1)."""
    parts = []
    for name, (x0, y0, x1, y1) in ((letter, top), ("M", bottom)):
        for (ax, ay), (bx, by) in LETTER_STROKES[name]:
            parts.append(line(x0 + ax * (x1 - x0), y0 + ay * (y1 - y0),
                              x0 + bx * (x1 - x0), y0 + by * (y1 - y0)))
    return parts


def lit_glyph(width, height, flat, layers):
    """A glyph drawn over the flat display colour it will be stamped on, so smoothed edges blend
    correctly; pixels left untouched become see-through. `layers` are (colour_at, samples)."""
    canvas = bmp.Canvas(width, height, flat)
    for colour_at, samples in layers:
        canvas.shade(colour_at, samples)
    canvas.shade(lambda fx, fy: bmp.WHITE if canvas.get(int(fx), int(fy)) == flat else None)
    return canvas


# --- back2 -------------------------------------------------------------------------------------

BACK2_PANEL = (10, 18, 34)
BACK2_LIT = (60, 230, 255)
BACK2_GHOST = (22, 38, 60)
BACK2_GLOW = (20, 70, 100)

# The seven-segment cell: segment centre lines run between these columns and rows.
_SEG_W, _SEG_H = 22, 36
_SEG_LEFT, _SEG_RIGHT = 4.0, 18.0
_SEG_TOP, _SEG_MID, _SEG_BOTTOM = 4.0, 18.0, 32.0
_SEG_HALF_SPAN = (_SEG_RIGHT - _SEG_LEFT) / 2.0  # also (_SEG_MID - _SEG_TOP) / 2
_SEG_HALF_THICK = 2.0
_SEG_GAP = 0.9  # pulled back from each corner so that neighbouring segments stay apart
_SEG_X = (_SEG_LEFT + _SEG_RIGHT) / 2.0
_SEG_UPPER, _SEG_LOWER = (_SEG_TOP + _SEG_MID) / 2.0, (_SEG_MID + _SEG_BOTTOM) / 2.0
# Segments a to g: horizontal or not, centre x, centre y.
SEGMENTS = {
    "a": (True, _SEG_X, _SEG_TOP), "g": (True, _SEG_X, _SEG_MID), "d": (True, _SEG_X, _SEG_BOTTOM),
    "f": (False, _SEG_LEFT, _SEG_UPPER), "b": (False, _SEG_RIGHT, _SEG_UPPER),
    "e": (False, _SEG_LEFT, _SEG_LOWER), "c": (False, _SEG_RIGHT, _SEG_LOWER),
}
SEVEN_SEGMENT_DIGITS = ["abcdef", "bc", "abged", "abgcd", "fgbc", "afgcd", "afgedc", "abc",
                        "abcdefg", "abcdfg"]


def in_segment(fx, fy, segment, grow=0.0):
    """Hexagonal bar with pointed ends; `grow` widens it all round (for the glow)."""
    horizontal, cx, cy = segment
    along, across = (fx - cx, fy - cy) if horizontal else (fy - cy, fx - cx)
    return (abs(across) <= _SEG_HALF_THICK + grow
            and abs(along) + abs(across) <= _SEG_HALF_SPAN - _SEG_GAP + grow)


def segments_layer(names, colour, grow=0.0, strength=1.0):
    chosen = [SEGMENTS[n] for n in names]

    def colour_at(fx, fy):
        if any(in_segment(fx, fy, s, grow) for s in chosen):
            return bmp.mix(BACK2_PANEL, colour, strength)
        return None
    return colour_at


def back2_digit(digit):
    lit = SEVEN_SEGMENT_DIGITS[digit]
    return lit_glyph(_SEG_W, _SEG_H, BACK2_PANEL, [
        (segments_layer("abcdefg", BACK2_GHOST), SMOOTH),
        (segments_layer(lit, BACK2_GLOW, grow=1.4, strength=0.6), SMOOTH),
        (segments_layer(lit, BACK2_LIT), SMOOTH),
    ])


def back2_colon():
    width = 10
    dots = [(width / 2.0, _SEG_UPPER), (width / 2.0, _SEG_LOWER)]

    def dot(size, colour):
        return lambda fx, fy: colour if any(
            abs(fx - x) + abs(fy - y) <= size + 1.0 and max(abs(fx - x), abs(fy - y)) <= size
            for x, y in dots) else None
    return lit_glyph(width, _SEG_H, BACK2_PANEL, [
        (dot(3.4, bmp.mix(BACK2_PANEL, BACK2_GLOW, 0.6)), SMOOTH),
        (dot(2.0, BACK2_LIT), SMOOTH),
    ])


def pill_depth(width, height):
    """Depth of a point inside a pill (stadium) filling the image, with the outward normal."""
    radius = height / 2.0

    def depth(fx, fy):
        qx = min(max(fx, radius), width - radius)
        dx, dy = fx - qx, fy - radius
        d = bmp.length(dx, dy)
        normal = (0.0, 0.0) if d == 0 else (dx / d, dy / d)
        return radius - d, normal
    return depth


def back2_background():
    width, height = 220, 64
    depth = pill_depth(width, height)
    outline, groove, lip = (26, 28, 36), (22, 24, 32), (4, 7, 14)
    chrome_dark, chrome_light = (58, 64, 82), (242, 245, 250)
    bevel_dark, bevel_light = (38, 44, 58), (176, 184, 200)

    def colour_at(fx, fy):
        s, (nx, ny) = depth(fx, fy)
        lit = nx * LIGHT[0] + ny * LIGHT[1]
        if s < 1.2:
            return outline
        if s < 4.6:
            # A rounded chrome lip: brightest along its crest.
            crest = 1.0 - abs(s - 2.9) / 1.7
            return bmp.mix(bmp.mix(chrome_dark, chrome_light, (lit + 1.0) / 2.0), chrome_light,
                           0.25 * crest)
        if s < 5.6:
            return groove
        if s < 8.6:
            return bmp.mix(bevel_dark, bevel_light, (1.0 - lit) / 2.0)
        if s < 9.6:
            return lip
        return BACK2_PANEL

    canvas = bmp.Canvas(width, height)
    canvas.shade(colour_at, SMOOTH)

    # Two small indicator lamps in the rounded ends, in the digits' colour.
    def lamps(fx, fy):
        for cx in (20.0, width - 20.0):
            r = bmp.length(fx - cx, fy - height / 2.0)
            if r < 2.2:
                return bmp.mix(BACK2_LIT, bmp.WHITE, 0.35 * (1.0 - r / 2.2))
            if r < 4.5:
                return bmp.mix(BACK2_PANEL, BACK2_GLOW, 0.7 * (4.5 - r) / 2.3)
        return None
    canvas.shade(lamps, SMOOTH)
    depth_only = lambda fx, fy: depth(fx, fy)[0]
    cut_outside(canvas, depth_only, MAGENTA)
    check_key_free("back2", canvas, MAGENTA, depth_only)
    return canvas


def back2_indicator(letter):
    """A or P over M in thin segments, over the ghosts of A and M as an LCD's indicator has them."""
    width = 14
    top, bottom = (3.0, 5.0, 11.0, 16.0), (3.0, 20.0, 11.0, 31.0)

    def strokes(name, colour, grow=0.0, strength=1.0):
        parts = indicator_strokes(name, top, bottom)
        return lambda fx, fy: (bmp.mix(BACK2_PANEL, colour, strength)
                               if min(part(fx, fy) for part in parts) <= 1.1 + grow else None)
    return lit_glyph(width, _SEG_H, BACK2_PANEL, [
        (strokes("A", BACK2_GHOST), SMOOTH),
        (strokes(letter, BACK2_GLOW, grow=1.2, strength=0.6), SMOOTH),
        (strokes(letter, BACK2_LIT), SMOOTH),
    ])


def make_back2():
    glyphs = [back2_digit(d) for d in range(10)] + [back2_colon()]
    indicators = [back2_indicator(letter) for letter in "AP"]
    # The band below the digits, inside the pill.
    write_skin("back2", MAGENTA, 0, back2_background(), glyphs, indicators, (30, 50, 160, 12))


# --- neon --------------------------------------------------------------------------------------

_NEON_W, _NEON_H, _NEON_COLON_W = 28, 42, 12
_NL, _NR, _NT, _NB = 6.0, 22.0, 5.0, 37.0
_NM = (_NT + _NB) / 2.0
_NC = 6.0  # corner radius of the bends
_TUBE = 2.4  # tube radius; the halo reaches two pixels further


def line(ax, ay, bx, by):
    return lambda px, py: bmp.segment_distance(px, py, ax, ay, bx, by)


def bend(cx, cy, r, sx, sy):
    """A quarter circle of radius r about (cx, cy), in the quadrant given by the signs sx, sy."""
    def distance(px, py):
        dx, dy = px - cx, py - cy
        if dx * sx >= 0 and dy * sy >= 0:
            return abs(bmp.length(dx, dy) - r)
        return min(bmp.length(dx - sx * r, dy), bmp.length(dx, dy - sy * r))
    return distance


def loop(x0, y0, x1, y1, r):
    """A closed rounded rectangle."""
    return [line(x0 + r, y0, x1 - r, y0), line(x0 + r, y1, x1 - r, y1),
            line(x0, y0 + r, x0, y1 - r), line(x1, y0 + r, x1, y1 - r),
            bend(x0 + r, y0 + r, r, -1, -1), bend(x1 - r, y0 + r, r, 1, -1),
            bend(x0 + r, y1 - r, r, -1, 1), bend(x1 - r, y1 - r, r, 1, 1)]


def lower_bowl(left):
    """The rounded lower half shared by 3 and 5: from the middle bar round to the bottom bar."""
    return [line(left, _NM, _NR - _NC, _NM), bend(_NR - _NC, _NM + _NC, _NC, 1, -1),
            line(_NR, _NM + _NC, _NR, _NB - _NC), bend(_NR - _NC, _NB - _NC, _NC, 1, 1),
            line(_NR - _NC, _NB, _NL, _NB)]


NEON_DIGITS = [
    loop(_NL, _NT, _NR, _NB, _NC + 1.0),
    [line(16.0, _NT, 16.0, _NB), line(10.0, _NT + 5.0, 16.0, _NT)],
    [bend(_NL + _NC, _NT + _NC, _NC, -1, -1), line(_NL + _NC, _NT, _NR - _NC, _NT),
     bend(_NR - _NC, _NT + _NC, _NC, 1, -1), line(_NR, _NT + _NC, _NR, _NM - 3.0),
     line(_NR, _NM - 3.0, _NL, _NB), line(_NL, _NB, _NR, _NB)],
    [line(_NL, _NT, _NR - _NC, _NT), bend(_NR - _NC, _NT + _NC, _NC, 1, -1),
     line(_NR, _NT + _NC, _NR, _NM - _NC), bend(_NR - _NC, _NM - _NC, _NC, 1, 1)]
    + lower_bowl(_NL + 4.0),
    [line(_NL, _NB - 10.0, _NR - 3.0, _NT), line(_NR - 3.0, _NT, _NR - 3.0, _NB),
     line(_NL, _NB - 10.0, _NR, _NB - 10.0)],
    [line(_NR, _NT, _NL, _NT), line(_NL, _NT, _NL, _NM)] + lower_bowl(_NL),
    loop(_NL, _NM, _NR, _NB, _NC)
    + [line(_NL, _NT + _NC, _NL, _NM + _NC), bend(_NL + _NC, _NT + _NC, _NC, -1, -1),
       line(_NL + _NC, _NT, _NR - 2.0, _NT)],
    [line(_NL, _NT, _NR, _NT), line(_NR, _NT, _NL + 5.0, _NB)],
    loop(_NL + 1.0, _NT, _NR - 1.0, _NM, _NC - 1.0) + loop(_NL, _NM, _NR, _NB, _NC),
    loop(_NL, _NT, _NR, _NM, _NC)
    + [line(_NR, _NM - _NC, _NR, _NB - _NC), bend(_NR - _NC, _NB - _NC, _NC, 1, 1),
       line(_NR - _NC, _NB, _NL + 2.0, _NB)],
]
NEON_COLON = [line(6.0, _NM - 7.0, 6.0, _NM - 7.0), line(6.0, _NM + 7.0, 6.0, _NM + 7.0)]

PINK = {"core": (255, 236, 248), "tube": (255, 40, 176), "deep": (150, 0, 110),
        "halo": (46, 0, 40)}
CYAN = {"core": (232, 255, 255), "tube": (0, 190, 255), "deep": (0, 70, 170), "halo": (0, 20, 60)}


def neon_depth(parts, tube=_TUBE):
    """Depth inside a tube's halo: how far a point lies inside its outer edge."""
    return lambda fx, fy: tube + 2.0 - min(part(fx, fy) for part in parts)


def neon_tube(parts, colours, tube=_TUBE, core=0.8):
    """The light of a tube of radius `tube` along the given paths, fading with the distance
    from their centre lines; None beyond the halo."""
    def colour_at(fx, fy):
        d = min(part(fx, fy) for part in parts)
        if d <= core:
            return colours["core"]
        if d <= tube:
            return bmp.mix(colours["core"], colours["tube"], (d - core) / (tube - core))
        if d <= tube + 1.0:
            return bmp.mix(colours["tube"], colours["deep"], d - tube)
        if d <= tube + 2.0:
            return bmp.mix(colours["deep"], colours["halo"], d - tube - 1.0)
        return None
    return colour_at


def neon_glyph(width, parts, tube=_TUBE, core=0.8):
    canvas = bmp.Canvas(width, _NEON_H, GREEN)
    canvas.shade(neon_tube(parts, PINK, tube, core))
    check_key_free("neon glyph", canvas, GREEN, neon_depth(parts, tube))
    return canvas


def neon_indicator(letter):
    """A or P over M in a thinner tube, so that the two letters fit beside the last digit."""
    parts = indicator_strokes(letter, (4.0, 4.0, 12.0, 17.0), (4.0, 25.0, 12.0, 38.0))
    return neon_glyph(16, parts, tube=1.2, core=0.5)


def neon_background():
    width, height = 228, 66
    frame = loop(4.0, 4.0, width - 4.0, height - 4.0, 14.0)
    canvas = bmp.Canvas(width, height, GREEN)
    canvas.shade(neon_tube(frame, CYAN))
    check_key_free("neon", canvas, GREEN, neon_depth(frame))
    return canvas


def make_neon():
    glyphs = [neon_glyph(_NEON_W, parts) for parts in NEON_DIGITS]
    glyphs.append(neon_glyph(_NEON_COLON_W, NEON_COLON))
    indicators = [neon_indicator(letter) for letter in "AP"]
    write_skin("neon", GREEN, 1, neon_background(), glyphs, indicators)


# --- sidebar -----------------------------------------------------------------------------------

DOT_MATRIX_DIGITS = [
    [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    ["#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."],
    ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    ["..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."],
    ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
    [".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."],
]
DOT_MATRIX_COLON = [".", ".", "#", ".", "#", ".", "."]

SIDEBAR_PANEL = (24, 13, 6)
AMBER_CORE, AMBER_EDGE, AMBER_GHOST = (255, 228, 150), (255, 146, 16), (62, 34, 12)
_DOT_PITCH, _DOT_FIRST, _DOT_RADIUS = 4.0, 3.0, 1.7
_DOT_H = 30


def dot_layer(pattern, lit, first=(_DOT_FIRST, _DOT_FIRST), pitch=_DOT_PITCH,
              radius=_DOT_RADIUS):
    """The dots of a 5 x 7 (or narrower) pattern, the first one's centre at `first`; lit dots
    glow hot in the middle, unlit ones (`lit` False) are drawn as faint ghosts of every
    position."""
    centres = [(first[0] + col * pitch, first[1] + row * pitch)
               for row, bits in enumerate(pattern) for col, bit in enumerate(bits)
               if bit == "#" or not lit]

    def colour_at(fx, fy):
        for cx, cy in centres:
            r = bmp.length(fx - cx, fy - cy)
            if r <= radius:
                return bmp.mix(AMBER_CORE, AMBER_EDGE, r / radius) if lit else AMBER_GHOST
        return None
    return colour_at


def sidebar_glyph(width, pattern):
    return lit_glyph(width, _DOT_H, SIDEBAR_PANEL,
                     [(dot_layer(pattern, False), SMOOTH), (dot_layer(pattern, True), SMOOTH)])


DOT_MATRIX_LETTERS = {
    "A": [".#.", "#.#", "###", "#.#", "#.#"],
    "P": ["##.", "#.#", "##.", "#..", "#.."],
    "M": ["#.#", "###", "###", "#.#", "#.#"],
}


def sidebar_indicator(letter):
    """A or P over M, 3 x 5 dots each, smaller and closer than the digits' dots."""
    layers = []
    for lit in (False, True):
        for name, first in ((letter, (2.0, 2.0)), ("M", (2.0, 17.0))):
            layers.append((dot_layer(DOT_MATRIX_LETTERS[name], lit, first, 3.0, 1.0), SMOOTH))
    return lit_glyph(10, _DOT_H, SIDEBAR_PANEL, layers)


def _noise(n):
    """A repeatable pseudo-random value in [0, 1) for an integer."""
    n = (n * 1103515245 + 12345) & 0x7FFFFFFF
    n = (n ^ (n >> 13)) * 1274126177 & 0x7FFFFFFF
    return (n >> 8) / float(1 << 23)


def sidebar_background():
    width, height = 240, 44
    chamfer = 7.0
    half = height / 2.0
    window = (40.0, 5.0, width - 40.0, height - 5.0, 4.0)  # the display, x0 y0 x1 y1 radius

    def depth(fx, fy):
        ex, ey = min(fx, width - fx), min(fy, height - fy)
        return min(ex, ey, (ex + ey - chamfer) / math.sqrt(2))

    def window_depth(fx, fy):
        x0, y0, x1, y1, r = window
        qx = min(max(fx, x0 + r), x1 - r)
        qy = min(max(fy, y0 + r), y1 - r)
        return r - bmp.length(fx - qx, fy - qy)

    def steel(fx, fy):
        # Shaded as a cylinder about the long axis, so it looks the same turned either way.
        v = abs(fy - half) / half
        base = bmp.mix((228, 231, 238), (92, 97, 108), v * math.sqrt(v))
        streak = _noise(int(fy) * 7919 + int(fx) // 9) * 0.7 + _noise(int(fy) * 131 + int(fx))
        return bmp.mix(base, (40, 42, 48), 0.06 * streak)

    def grip(fx):
        # Knurled ridges at both ends, mirrored about the middle.
        ex = min(fx, width - fx)
        if 12.0 <= ex < 34.0:
            phase = (ex - 12.0) % 4.0
            return 0.45 if phase < 1.0 else -0.25 if phase < 2.0 else 0.0
        return 0.0

    def colour_at(fx, fy):
        s = depth(fx, fy)
        if s < 1.0:
            return (24, 26, 30)
        if s < 2.0:
            return (214, 218, 226)
        w = window_depth(fx, fy)
        if w >= 2.0:
            return SIDEBAR_PANEL
        if w >= 0.0:
            return (8, 6, 4)
        if w >= -1.2:
            return (70, 74, 84)
        colour = steel(fx, fy)
        ridge = grip(fx) if 9.0 <= fy < height - 9.0 else 0.0
        if ridge > 0:
            return bmp.mix(colour, (30, 32, 38), ridge)
        if ridge < 0:
            return bmp.mix(colour, bmp.mix(colour, (250, 250, 252), 0.8), -ridge)
        return colour

    canvas = bmp.Canvas(width, height)
    canvas.shade(colour_at, SMOOTH)
    cut_outside(canvas, depth, BLUE)
    check_key_free("sidebar", canvas, BLUE, depth)
    return canvas


def make_sidebar():
    glyphs = [sidebar_glyph(22, pattern) for pattern in DOT_MATRIX_DIGITS]
    glyphs.append(sidebar_glyph(6, DOT_MATRIX_COLON))
    indicators = [sidebar_indicator(letter) for letter in "AP"]
    write_skin("sidebar", BLUE, 0, sidebar_background(), glyphs, indicators)


# --- glass -------------------------------------------------------------------------------------

GLASS_INK = (226, 238, 255)
GLASS_SHADOW_ALPHA = 0.6
GLASS_SHADOW_SHIFT = 2  # pixels down and to the right
GLASS_STROKE = 2.2  # half the width of a digit's stroke


def coverage(width, height, inside):
    """How much of each pixel inside(fx, fy) covers, sampled SMOOTH x SMOOTH times, as rows."""
    step = 1.0 / SMOOTH
    offsets = [(i + 0.5) * step for i in range(SMOOTH)]
    return [[sum(1 for oy in offsets for ox in offsets if inside(x + ox, y + oy))
             / (SMOOTH * SMOOTH) for x in range(width)] for y in range(height)]


def blurred(rows, radius):
    """A box blur of `radius` along rows and then columns, twice: close to a Gaussian."""
    for _ in range(2):
        for transpose in (False, True):
            if transpose:
                rows = [list(column) for column in zip(*rows)]
            rows = [[sum(row[max(0, x - radius):x + radius + 1]) / (2 * radius + 1)
                     for x in range(len(row))] for row in rows]
            if transpose:
                rows = [list(column) for column in zip(*rows)]
    return rows


def over_straight(top, top_alpha, below, below_alpha):
    """(colour, alpha) of a straight-alpha colour laid over another."""
    alpha = top_alpha + below_alpha * (1.0 - top_alpha)
    if alpha <= 0.0:
        return (0, 0, 0), 0.0
    return tuple((top[i] * top_alpha + below[i] * below_alpha * (1.0 - top_alpha)) / alpha
                 for i in range(3)), alpha


def rgba(colour, alpha):
    return tuple(bmp._channel(v) for v in colour) + (bmp._channel(alpha * 255),)


def glass_glyph(width, height, parts):
    """Strokes along the distance functions `parts`, with their soft shadow, as RGBA rows."""
    ink = coverage(width, height, lambda fx, fy: min(d(fx, fy) for d in parts) <= GLASS_STROKE)
    shift = GLASS_SHADOW_SHIFT
    moved = [[ink[y - shift][x - shift] if y >= shift and x >= shift else 0.0
              for x in range(width)] for y in range(height)]
    shadow = blurred(moved, 1)
    return [[rgba(*over_straight(GLASS_INK, ink[y][x], bmp.BLACK,
                                 GLASS_SHADOW_ALPHA * shadow[y][x]))
             for x in range(width)] for y in range(height)]


# The seven-segment strokes of a glass digit: a to g between the corners of its box.
_GLASS_BOX = (6.0, 6.0, 18.0, 36.0)  # left, top, right, bottom of the segments' centre lines


def glass_segments(names):
    x0, y0, x1, y1 = _GLASS_BOX
    ym = (y0 + y1) / 2.0
    gap = 1.2
    ends = {"a": (x0 + gap, y0, x1 - gap, y0), "g": (x0 + gap, ym, x1 - gap, ym),
            "d": (x0 + gap, y1, x1 - gap, y1), "f": (x0, y0 + gap, x0, ym - gap),
            "b": (x1, y0 + gap, x1, ym - gap), "e": (x0, ym + gap, x0, y1 - gap),
            "c": (x1, ym + gap, x1, y1 - gap)}
    return [line(*ends[name]) for name in names]


def glass_colon():
    def dot(cx, cy):
        return lambda px, py: bmp.length(px - cx, py - cy) - 0.6
    return glass_glyph(12, 44, [dot(5.5, 15.0), dot(5.5, 29.0)])


def glass_indicator(letter):
    return glass_glyph(20, 44, indicator_strokes(letter, (5.0, 8.0, 14.0, 19.0),
                                                 (5.0, 24.0, 14.0, 35.0)))


def glass_background():
    width, height = 236, 68
    plate = (3.0, 2.0, width - 5.0, height - 6.0, 15.0)  # x0 y0 x1 y1 corner radius

    def depth(fx, fy, dx=0.0, dy=0.0):
        x0, y0, x1, y1, r = plate
        qx = min(max(fx - dx, x0 + r), x1 - r)
        qy = min(max(fy - dy, y0 + r), y1 - r)
        return r - bmp.length(fx - dx - qx, fy - dy - qy)

    body = coverage(width, height, lambda fx, fy: depth(fx, fy) >= 0.0)
    rim = coverage(width, height, lambda fx, fy: 0.0 <= depth(fx, fy) < 1.5)
    shadow = blurred(coverage(width, height, lambda fx, fy: depth(fx, fy, 2.0, 3.0) >= 0.0), 2)
    rows = []
    for y in range(height):
        sheen = bmp.clamp01(1.0 - (y - plate[1]) / 26.0)  # lighter towards the top
        glass = bmp.mix((14, 20, 32), (70, 86, 112), 0.5 * sheen)
        row = []
        for x in range(width):
            colour, alpha = over_straight((196, 214, 240), 0.85 * rim[y][x],
                                          glass, (0.66 + 0.12 * sheen) * body[y][x])
            colour, alpha = over_straight(colour, alpha, bmp.BLACK, 0.35 * shadow[y][x])
            row.append(rgba(colour, alpha))
        rows.append(row)
    return rows


def make_glass():
    folder = os.path.join(SKINS_DIR, "glass")
    os.makedirs(folder, exist_ok=True)
    lines = ["[Bitmaps]", "Background=back"] + label_lines((40, 56, 156, 11))
    with open(os.path.join(folder, "config.ini"), "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("ascii"))
    png_file.write_png(os.path.join(folder, "back.png"), glass_background())
    for digit, names in enumerate(SEVEN_SEGMENT_DIGITS):
        png_file.write_png(os.path.join(folder, "%d.png" % digit),
                           glass_glyph(26, 44, glass_segments(names)))
    png_file.write_png(os.path.join(folder, "10.png"), glass_colon())
    for name, letter in (("am", "A"), ("pm", "P")):
        png_file.write_png(os.path.join(folder, name + ".png"), glass_indicator(letter))


def main():
    make_back2()
    make_neon()
    make_sidebar()
    make_glass()


if __name__ == "__main__":
    main()
