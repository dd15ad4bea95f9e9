"""The face on screen: the glyphs of the current time laid over the skin's background, in the
window shape that the skin's key colour cuts. The expected faces are composed here from the
skin's own bitmaps."""

import configparser
import os
import shutil
import subprocess
import tempfile
import time
import unittest
from datetime import datetime, timedelta, timezone
from pathlib import Path
from zoneinfo import ZoneInfo

from harness import (IDOK, Bitmap, ClockSession, png_file, turned_anticlockwise,
                     turned_clockwise, write_bmp, write_skin)

WM_TIMECHANGE = 0x001E
WM_COMMAND = 0x0111
IDM_DOCK_LEFT = 32772
IDM_DOCK_RIGHT = 32773
IDM_DOCK_TOP = 32774
IDM_FLOATING = 32775
IDM_OPACITY_50 = 32789
WM_CLOSE = 0x0010
IDM_SIZE_AUTOMATIC, IDM_SIZE_1X, IDM_SIZE_3X = 32780, 32781, 32783
IDM_SELECT_SKIN, LB_SETCURSEL, SKIN_LIST_ID = 32771, 0x0186, 1000
IDM_TIME_ZONE, ZONE_FILTER_ID = 32798, 1010

WHITE = (255, 255, 255)
# The display's root window, seen through the holes of the clock's shape.
ROOT_COLOUR = WHITE
GLYPH_CHARACTERS = "0123456789:"
# The characters of a face's text besides those: a blank digit, a blank colon, AM and PM.
BLANK_DIGIT, BLANK_COLON, INDICATORS = " ", ".", {"A": "am", "P": "pm"}


def face_text(moment, hours=24, seconds=True, blink=False):
    """The text of the face for a moment in the clock's format."""
    colon = BLANK_COLON if blink and moment.second % 2 else ":"
    text = f"{moment:%H}" if hours == 24 else f"{(moment.hour + 11) % 12 + 1:{BLANK_DIGIT}>2}"
    text += colon + f"{moment:%M}" + (colon + f"{moment:%S}" if seconds else "")
    return text if hours == 24 else text + ("P" if moment.hour >= 12 else "A")


class Skin:
    """A skin folder's background, glyphs and keys, and the faces the clock makes of them."""

    def __init__(self, folder):
        folder = Path(folder)
        config = configparser.ConfigParser()
        config.optionxform = str  # the clock reads keys case-sensitively
        config.read(folder / "config.ini")
        self.key = tuple(int(config["Transparency"][c]) & 255 for c in "RGB")
        area = config["Label"] if config.has_section("Label") else None
        self.label = area and (int(area["X"]), int(area["Y"]), int(area["X"]) + int(area["Width"]),
                               int(area["Y"]) + int(area["Height"]))
        self.shape_follows_face = config["Bitmaps"]["Trans"] == "1"
        background = Bitmap(folder / f"{config['Bitmaps']['Background']}.bmp")
        self.width, self.height = background.width, background.height
        self.background = [[background.pixel(x, y) for x in range(self.width)]
                           for y in range(self.height)]
        self.glyphs = {c: Bitmap(folder / f"{i}.bmp") for i, c in enumerate(GLYPH_CHARACTERS)}
        self.glyphs.update({c: Bitmap(folder / f"{name}.bmp") for c, name in INDICATORS.items()
                            if (folder / f"{name}.bmp").exists()})

    def cells(self, text):
        """(width, height, glyph stamped or None) of each cell of a time text: a blank takes the
        cell of "0" or ":"; an indicator the wider and taller of AM and PM, or none without both."""
        for c in text:
            if c in INDICATORS:
                pair = [self.glyphs[i] for i in INDICATORS if i in self.glyphs]
                if len(pair) == 2:
                    yield (max(g.width for g in pair), max(g.height for g in pair), self.glyphs[c])
                continue
            glyph = self.glyphs[{BLANK_DIGIT: "0", BLANK_COLON: ":"}.get(c, c)]
            yield glyph.width, glyph.height, None if c in (BLANK_DIGIT, BLANK_COLON) else glyph

    def face(self, text):
        """The face for a time text, as rows of (r, g, b)."""
        face = [list(row) for row in self.background]
        cells = list(self.cells(text))
        # One line of cells, centred with each size halved on its own, all tops level.
        left = self.width // 2 - sum(width for width, _, _ in cells) // 2
        top = self.height // 2 - max(height for _, height, _ in cells) // 2
        for width, _, glyph in cells:
            for gy in range(glyph.height if glyph else 0):
                for gx in range(glyph.width):
                    x, y = left + gx, top + gy
                    colour = glyph.pixel(gx, gy)
                    if colour != WHITE and 0 <= x < self.width and 0 <= y < self.height:
                        face[y][x] = colour
            left += width
        return face

    def opaque(self, picture):
        """The pixels of a picture (rows of colours) that are not of the key colour."""
        return {(x, y) for y, row in enumerate(picture) for x, colour in enumerate(row)
                if colour != self.key}

    def screen_view(self, text):
        """How the clock window looks for a time text: the face inside the shape, the root
        window outside it."""
        face = self.face(text)
        shape = self.opaque(face if self.shape_follows_face else self.background)
        return [[colour if (x, y) in shape else ROOT_COLOUR for x, colour in enumerate(row)]
                for y, row in enumerate(face)]


def zoomed(rows, zoom):
    """A picture (rows of colours) grown by zoom, every pixel a zoom x zoom block."""
    return [[colour for colour in row for _ in range(zoom)] for row in rows for _ in range(zoom)]


def region_pixels(rects):
    return {(x, y) for left, top, right, bottom in rects
            for y in range(top, bottom) for x in range(left, right)}


def observed(action):
    """Runs action and gives its result with the seconds whose face it may have seen: the
    clock repaints once a second, so up to one second before the action began."""
    before = time.time()
    result = action()
    after = time.time()
    return result, range(int(before) - 1, int(after) + 1)


class FaceSession:
    """One clock for the tests of a class, started with the skin that skin_folder() gives, on a
    screen of SESSION's DPI, where it shows the face grown by ZOOM in the FORMAT of face_text,
    in a time zone whose hour is HOUR now, unless HOUR is None."""

    SETTINGS = None
    SESSION = {}
    ZOOM = 1
    FORMAT = {}
    HOUR = None

    @classmethod
    def setUpClass(cls):
        folder = cls.skin_folder()
        cls.skin = Skin(folder)
        cls.clock = ClockSession(skins=[folder], settings=cls.SETTINGS, start=False, **cls.SESSION)
        cls.clock.__enter__()
        cls.addClassCleanup(cls.clock.close)
        cls.zone = ZoneInfo(cls.clock.env["TZ"])
        if cls.HOUR is not None:
            # A zone of whole hours east of UTC, as a POSIX TZ names it with the sign turned.
            east = (cls.HOUR - datetime.now(timezone.utc).hour + 12) % 24 - 12
            cls.clock.env["TZ"] = f"ZTX{-east}"
            cls.zone = timezone(timedelta(hours=east))
        cls.started = cls.clock.start()
        time.sleep(1.2)  # past the first tick, whatever the first paint showed

    def time_text(self, seconds):
        return face_text(datetime.fromtimestamp(seconds, self.zone), **self.FORMAT)

    def assertScreenShowsFace(self, turn=lambda rows: rows, label=None):
        """The clock window shows, on the screen, the face of a second around now, turned by
        turn for a side edge, but for the rectangle label of an upright unzoomed face, which
        must show something other than the face there; returns that second."""
        left, top, right, bottom = self.clock.window()["rect"]
        shot, seconds = observed(self.clock.capture)
        shown = [[shot.pixel(x, y) for x in range(left, right)] for y in range(top, bottom)]
        if label:
            in_label = [(x, y) for y in range(label[1], label[3]) for x in range(label[0], label[2])]
            face = self.skin.screen_view(self.time_text(seconds[0]))
            self.assertTrue(any(shown[y][x] != face[y][x] for x, y in in_label),
                            f"no label on the face; see {shot.path}")
            for x, y in in_label:
                shown[y][x] = None
        mismatches = {}
        for second in seconds:
            text = self.time_text(second)
            expected = zoomed(turn(self.skin.screen_view(text)), self.ZOOM)
            for x, y in in_label if label else ():
                expected[y][x] = None
            if shown == expected:
                return second
            mismatches[text] = [((x, y), shown[y][x], colour)
                                for y, row in enumerate(expected) for x, colour in enumerate(row)
                                if shown[y][x] != colour]
        self.fail("the screen shows none of the faces "
                  + "; ".join(f"{text}: {len(wrong)} pixels differ, first {wrong[:3]}"
                              for text, wrong in mismatches.items())
                  + f"; see {shot.path}")

    def assertShapeIsFaceForOneOf(self, shape, seconds):
        for second in seconds:
            if shape == self.skin.opaque(self.skin.face(self.time_text(second))):
                return
        self.fail(f"the window shape ({len(shape)} pixels) fits the face of none of "
                  f"{[self.time_text(s) for s in seconds]}")

    def test_screen_shows_the_face_composed_for_the_time(self):
        self.assertScreenShowsFace()


class ShapeFromBackground:
    def test_shape_is_the_non_key_pixels_of_the_background(self):
        shape = region_pixels(self.clock.region_rects())
        expected = self.skin.opaque(self.skin.background)
        self.assertTrue(shape == expected,
                        f"{len(shape ^ expected)} pixels wrong; in the shape but key: "
                        f"{sorted(shape - expected)[:5]}, missing: {sorted(expected - shape)[:5]}")


MADE_SKIN = "facet"
MADE_KEY = (30, 160, 90)
MADE_SIZE = (150, 46)


def make_skin(folder):
    """A skin with a background full of holes of an unusual key colour, digits of ten sizes
    and a colon taller than all of them. Even background sides with an odd colon height, and
    time texts of odd width, tell halving each size apart from halving the difference. Its AM
    is the wider indicator and its PM the taller."""
    width, height = MADE_SIZE

    def background(x, y):
        if y == 0:
            hole = x != width - 1  # a row whose one opaque pixel is its last
        elif y == height - 1:
            hole = x % 2 == 1  # a row of single pixels
        else:
            hole = (x < 3 and y % 4 < 2) or (x * 7 + y * 3) % 23 == 0
        return MADE_KEY if hole else (x * 5 % 256, y * 5 % 256, 128)

    write_skin(folder, width, height, background, key=MADE_KEY)

    def glyph(index):
        def pixel(x, y):
            if (x + y + index) % 3 == 0:
                return WHITE  # see-through
            if x == y:
                return (254, 255, 255)  # next to white, but drawn
            if y == 2:
                return MADE_KEY  # drawn too: only the background cuts this skin's shape
            return (20 * index, 255 - 20 * index, 60 + 4 * x)
        return pixel

    for digit in range(10):
        write_bmp(folder / f"{digit}.bmp", 9 + digit % 3, 20 + digit, glyph(digit))
    write_bmp(folder / "10.bmp", 5, 31, glyph(10))
    write_bmp(folder / "am.bmp", 13, 8, glyph(11))
    write_bmp(folder / "pm.bmp", 6, 12, glyph(12))


def made_skin_folder(test_class):
    """The made skin, in a folder removed once test_class is done."""
    made = Path(tempfile.mkdtemp(prefix="zentrix-e2e-skin-"))
    test_class.addClassCleanup(shutil.rmtree, made)
    make_skin(made / MADE_SKIN)
    return made / MADE_SKIN


class MadeSkinTest(FaceSession, ShapeFromBackground, unittest.TestCase):
    """A skin made by the test, saved with a position below the top edge."""

    SETTINGS = f"[skin]\r\nname={MADE_SKIN}\r\n[position]\r\nx=300\r\ny=57\r\n"

    @classmethod
    def skin_folder(cls):
        return made_skin_folder(cls)

    def test_saved_position_is_docked_to_the_top_edge_not_centred(self):
        self.assertEqual(self.started["rect"], [300, 0, 300 + MADE_SIZE[0], MADE_SIZE[1]])

    def test_ticks_repaint_the_changed_cells_into_the_whole_face_on_every_edge(self):
        # Glyphs of many sizes move the whole line when one digit changes; a tick later the
        # screen must still show the face composed whole, turned for the edge.
        for command, turn in ((IDM_DOCK_RIGHT, turned_clockwise),
                              (IDM_DOCK_LEFT, turned_anticlockwise), (IDM_FLOATING, None),
                              (IDM_DOCK_TOP, None)):
            with self.subTest(command=command):
                self.clock.send(WM_COMMAND, command)
                time.sleep(1.2)
                self.assertScreenShowsFace(turn or (lambda rows: rows))


class HighDpiTest(FaceSession, unittest.TestCase):
    """The made skin on a screen of 192 DPI: every pixel of it a 2 x 2 block, never a blur."""

    SETTINGS = f"[skin]\r\nname={MADE_SKIN}\r\n[position]\r\nx=300\r\ny=0\r\n"
    SESSION = {"dpi": 192}
    ZOOM = 2

    @classmethod
    def skin_folder(cls):
        return made_skin_folder(cls)

    def test_window_is_twice_the_skin_and_its_shape_four_times_its_area(self):
        window = self.clock.window()
        self.assertEqual((window["width"], window["height"]), (2 * MADE_SIZE[0], 2 * MADE_SIZE[1]))
        shape = region_pixels(self.clock.region_rects())
        opaque = self.skin.opaque(self.skin.background)
        self.assertEqual(shape, {(2 * x + dx, 2 * y + dy) for x, y in opaque
                                 for dx in (0, 1) for dy in (0, 1)})

    def test_the_size_menu_chooses_the_zoom_and_the_choice_survives_a_restart(self):
        def size():
            window = self.clock.window()
            return window["width"], window["height"]

        width, height = MADE_SIZE
        self.clock.send(WM_COMMAND, IDM_SIZE_1X)
        self.assertEqual(size(), (width, height))
        self.clock.send(WM_COMMAND, IDM_SIZE_3X)
        self.assertEqual(size(), (3 * width, 3 * height))
        self.clock.send(WM_CLOSE)
        self.assertTrue(self.clock.wait_exit())
        self.assertEqual(self.clock.settings()["display"], {"zoom": "3"})
        self.clock.start()
        self.assertEqual(size(), (3 * width, 3 * height))
        self.clock.send(WM_COMMAND, IDM_SIZE_AUTOMATIC)
        self.assertEqual(size(), (2 * width, 2 * height))
        time.sleep(1.2)  # a tick of the face at the new zoom


class TwelveHourTest(FaceSession, unittest.TestCase):
    """The made skin in 12 hours at 5 PM, without seconds, its colon blinking: the hour's tens
    cell shows the background, the PM indicator ends the line, and on odd seconds the colon's
    cell shows the background too."""

    SETTINGS = f"[skin]\r\nname={MADE_SKIN}\r\n[display]\r\nhours=12\r\nseconds=0\r\nblink=1\r\n"
    FORMAT = {"hours": 12, "seconds": False, "blink": True}
    HOUR = 17

    @classmethod
    def skin_folder(cls):
        return made_skin_folder(cls)

    def test_a_blank_tens_cell_the_indicator_and_on_an_odd_second_a_blank_colon(self):
        self.assertRegex(self.time_text(time.time()), r"^ \d[:.]\d\dP$")
        for _ in range(4):
            if self.assertScreenShowsFace() % 2:
                return
            time.sleep(0.5)
        self.fail("the screen never showed an odd second")


def sample_skin(name):
    return Path(os.environ["ZENTRIX_SKINS"]) / name


class DefaultSkinTest(FaceSession, ShapeFromBackground, unittest.TestCase):
    """back2, the default skin: magenta key, shape cut once from the background."""

    @classmethod
    def skin_folder(cls):
        return sample_skin("back2")

    def choose_zone(self, typed):
        """Chooses the first zone whose name holds typed in the clock's Time Zone dialog."""
        self.clock.post(WM_COMMAND, IDM_TIME_ZONE)
        dialog = self.clock.wait_for_window("Time Zone")
        self.clock.type_into(dialog["hwnd"], ZONE_FILTER_ID, typed)
        self.clock.xdotool("key", "Return")
        self.assertTrue(self.clock.wait_for(lambda: self.clock.top_window("Time Zone") is None, 5))

    def test_a_clock_in_another_zone_shows_the_time_there_and_its_label(self):
        self.choose_zone("Tokyo")
        try:
            self.zone = ZoneInfo("Asia/Tokyo")
            self.assertScreenShowsFace(label=self.skin.label)
        finally:
            del self.zone
            self.choose_zone("Local time")
        self.assertScreenShowsFace()

    def test_time_change_repaints_the_whole_face_at_once(self):
        left, top, right, bottom = self.clock.window()["rect"]
        scribbled = (12, 34, 56)
        self.clock.scribble(scribbled)
        time.sleep(1.2)
        # A tick repaints the cells that changed, not the whole window.
        shot = self.clock.capture()
        left_over = sum(shot.pixel(x, y) == scribbled
                        for y in range(top, bottom) for x in range(left, right))
        self.assertGreater(left_over, (right - left) * (bottom - top) // 2, shot.path)
        self.clock.post(WM_TIMECHANGE)
        time.sleep(0.3)
        self.assertScreenShowsFace()


class ShapeFollowsFaceTest(FaceSession, unittest.TestCase):
    """neon: green key in background and glyphs alike, shape rebuilt from every face."""

    SETTINGS = "[skin]\r\nname=neon\r\n"

    @classmethod
    def skin_folder(cls):
        return sample_skin("neon")

    def test_shape_follows_the_digits_every_second(self):
        self.assertTrue(self.skin.shape_follows_face)
        shapes = []
        for _ in range(2):
            rects, seconds = observed(self.clock.region_rects)
            shapes.append(region_pixels(rects))
            self.assertShapeIsFaceForOneOf(shapes[-1], seconds)
            time.sleep(1.1)  # a later second has been painted
        self.assertNotEqual(shapes[0], shapes[1])


ALPHA_SIZE = (48, 20)
WALLPAPER = (40, 160, 60)


def premultiplied(r, g, b, a):
    return tuple((c * a + 127) // 255 for c in (r, g, b)) + (a,)


def over(top, below):
    """Premultiplied "over", each byte rounded to the nearest."""
    return tuple(min(255, t + (b * (255 - top[3]) + 127) // 255) for t, b in zip(top, below))


def make_alpha_skin(folder):
    """An alpha skin: a PNG background whose alpha runs through every value, ten PNG digits of
    one picture, so the face is the same at any time, and a BMP colon, white where it lets the
    plate through. Gives the face composed as rows of premultiplied (r, g, b, a)."""
    width, height = ALPHA_SIZE
    folder.mkdir(parents=True)
    (folder / "config.ini").write_text("[Bitmaps]\nBackground=back\n")
    plate = [[(x * 5, y * 12, 200, 0 if x < 4 else 255 if y < 2 else (x * 37 + y * 11) % 256)
              for x in range(width)] for y in range(height)]
    digit = [[(250, 40, 10, (0, 255, 100)[(x + y) % 3]) for x in range(4)] for y in range(8)]
    png_file.write_png(folder / "back.png", plate)
    for index in range(10):
        png_file.write_png(folder / f"{index}.png", digit)
    write_bmp(folder / "10.bmp", 3, 8, lambda x, y: WHITE if (x + y) % 2 else (10, 200, 30))
    face = [[premultiplied(*pixel) for pixel in row] for row in plate]
    left, top = width // 2 - (6 * 4 + 2 * 3) // 2, height // 2 - 8 // 2
    for cell in "00:00:00":
        for y in range(8):
            for x in range(3 if cell == ":" else 4):
                if cell != ":":
                    glyph = premultiplied(*digit[y][x])
                else:
                    glyph = (0, 0, 0, 0) if (x + y) % 2 else (10, 200, 30, 255)
                face[top + y][left + x] = over(glyph, face[top + y][left + x])
        left += 3 if cell == ":" else 4
    return face


class AlphaSkinTest(unittest.TestCase):
    """An alpha skin over a wallpaper of a known colour, upright and docked right, and a broken
    copy of it chosen in vain."""

    @classmethod
    def setUpClass(cls):
        made = Path(tempfile.mkdtemp(prefix="zentrix-e2e-alpha-"))
        cls.addClassCleanup(shutil.rmtree, made)
        cls.face = make_alpha_skin(made / "pane")
        shutil.copytree(made / "pane", made / "cracked")
        whole = (made / "pane" / "back.png").read_bytes()
        (made / "cracked" / "back.png").write_bytes(whole[:len(whole) // 2])
        cls.clock = ClockSession(skins=[made / "pane", made / "cracked"],
                                 settings="[skin]\r\nname=pane\r\n")
        cls.clock.__enter__()
        cls.addClassCleanup(cls.clock.close)
        png_file.write_png(made / "wallpaper.png", [[WALLPAPER + (255,)] * 8] * 8)
        wallpaper = subprocess.Popen(["display", "-window", "root", str(made / "wallpaper.png")],
                                     env=cls.clock.env)
        cls.addClassCleanup(wallpaper.wait)
        cls.addClassCleanup(wallpaper.kill)
        time.sleep(1.5)

    def assertScreenShows(self, face):
        """Where the face's alpha is 0 the wallpaper shows, opaque pixels are exact, and the
        rest is the premultiplied colour, over black as Wine draws without a compositor."""
        left, top, right, bottom = self.clock.window()["rect"]
        self.assertEqual((right - left, bottom - top), (len(face[0]), len(face)))
        shot = self.clock.capture()
        wrong = []
        for y, row in enumerate(face):
            for x, pixel in enumerate(row):
                seen, colour, alpha = shot.pixel(left + x, top + y), pixel[:3], pixel[3]
                expected, slack = (WALLPAPER, 0) if alpha == 0 else (colour, alpha != 255)
                if any(abs(s - e) > slack for s, e in zip(seen, expected)):
                    wrong.append(((x, y), pixel, seen))
        self.assertFalse(wrong, f"{len(wrong)} pixels wrong, first {wrong[:4]}; see {shot.path}")

    def test_alpha_face_over_the_wallpaper_upright_docked_and_a_broken_one_refused(self):
        self.assertScreenShows(self.face)
        self.clock.send(WM_COMMAND, IDM_DOCK_RIGHT)
        time.sleep(1.2)  # a tick recomposes cells of the turned face
        self.assertScreenShows(turned_clockwise(self.face))

        before = self.clock.window()["rect"]
        self.clock.post(WM_COMMAND, IDM_SELECT_SKIN)
        chooser = self.clock.wait_for_window("Select Skin")
        skin_list = next(child for child in self.clock.driver("text", chooser["hwnd"])["children"]
                         if child["id"] == SKIN_LIST_ID)
        entries = [item["text"] for item in self.clock.driver("items", skin_list["hwnd"])["items"]]
        self.clock.driver("send", skin_list["hwnd"], LB_SETCURSEL, entries.index("cracked"), 0)
        self.clock.driver("post", chooser["hwnd"], WM_COMMAND, IDOK, 0)
        self.assertEqual(self.clock.answer_message(), "The skin \"cracked\" cannot be shown: "
                         "cracked\\back.png cannot be decoded as a PNG picture.")
        self.assertEqual(self.clock.window()["rect"], before)
        self.assertScreenShows(turned_clockwise(self.face))

        # At an opacity of 50% every pixel the face shows is faded by 128 / 255.
        self.clock.send(WM_COMMAND, IDM_OPACITY_50)
        self.assertScreenShows(turned_clockwise(
            [[tuple((c * 128 + 127) // 255 for c in p[:3]) + (p[3] and 128,) for p in row]
             for row in self.face]))


if __name__ == "__main__":
    unittest.main()
