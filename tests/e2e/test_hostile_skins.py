"""Hostile skin folders: broken and oversized bitmaps, degenerate backgrounds and glyphs, odd
config.ini bytes and odd names. Whatever a skin holds, the clock starts about as fast as with a
good skin, keeps ticking and stays reachable through its menu."""

import os
import shutil
import statistics
import sys
import tempfile
import time
import unittest
from pathlib import Path

from harness import MESSAGE_CAPTION, ClockSession, bmp_bytes, write_skin
import bmp_file  # from tools/, which the harness puts on the path

WM_NULL = 0x0000
WM_COMMAND = 0x0111
IDOK = 1
IDCANCEL = 2
LB_SETCURSEL = 0x0186
SKIN_LIST_ID = 1000
CHOOSER_TITLE = "Select Skin"

GOOD_SKIN = "back2"
KEY = (255, 0, 255)  # back2's key colour, kept by the skins made from it
# A skin whose face is the same whatever the time: every glyph is one green block.
STEADY_SKIN = "steady"
WM_CLOSE = 0x0010
IDM_DOCK_RIGHT = 32773
# The most pixels a picture may have: an 8K screen's worth.
CAP_SIZE = (8192, 4096)
# A hostile skin may cost this much more start-up time than a good one.
START_UP_ALLOWANCE = 1.0


def settings_for(skin):
    return f"[skin]\r\nname={skin}\r\n[position]\r\nx=300\r\ny=57\r\n"


def good_background():
    return (Path(os.environ["ZENTRIX_SKINS"]) / GOOD_SKIN / "back.bmp").read_bytes()


def declared_size_bmp(width, height):
    """A 24-bit BMP header that declares a size, followed by one row's worth of pixels."""
    row = bytes((9, 9, 9)) * 4
    return bmp_file.headers(width, height, 24, len(row)) + row


def rle8_bmp(width, height):
    """A BI_RLE8 compressed BMP: a key-coloured frame around bands of colour, as encoded runs."""
    palette = [KEY, (20, 40, 160), (230, 200, 40)] + [(0, 0, 0)] * 253
    bits = bytearray()
    for y in reversed(range(height)):  # bottom-up
        if y < 2 or y >= height - 2:
            runs = [(width, 0)]
        else:
            runs = [(2, 0), (width - 4, 1 + y // 8 % 2), (2, 0)]
        for length, index in runs:
            while length:
                step = min(length, 255)
                bits += bytes((step, index))
                length -= step
        bits += b"\x00\x00"  # end of line
    bits += b"\x00\x01"  # end of bitmap
    return (bmp_file.headers(width, height, 8, len(bits), len(palette), bmp_file.BI_RLE8)
            + bmp_file.palette(palette) + bits)


def solid_bmp(width, height, colour):
    return bmp_bytes(width, height, lambda x, y: colour)


# A config.ini like back2's, for the cases that change it.
CONFIG = (b"[Transparency]\r\nR=255\r\nG=0\r\nB=255\r\n\r\n"
          b"[Bitmaps]\r\nBackground=back\r\nTrans=0\r\n")


class Case:
    """A skin made from the good one with some of its files replaced.

    files: {file name: bytes}. seconds_visible: whether the face still shows the seconds
    ticking on, where it did not fall back to another background. keeps_background: whether
    its background cannot load, so that the one shown before stays."""

    def __init__(self, name, files, seconds_visible=True, keeps_background=False):
        self.name = name
        self.files = files
        self.seconds_visible = seconds_visible
        self.keeps_background = keeps_background

    def make(self, root):
        folder = root / self.name
        shutil.copytree(Path(os.environ["ZENTRIX_SKINS"]) / GOOD_SKIN, folder)
        for name, data in self.files.items():
            (folder / name).write_bytes(data)
        return folder


def hostile_cases():
    background = good_background()
    big_glyph = solid_bmp(150, 60, (30, 30, 200))
    return [
        Case("truncated", {"back.bmp": background[:len(background) // 2]},
             keeps_background=True),
        Case("huge", {"back.bmp": declared_size_bmp(200000, 200000)}, keeps_background=True),
        Case("empty", {"back.bmp": declared_size_bmp(0, 0)}, keeps_background=True),
        Case("rle8", {"back.bmp": rle8_bmp(220, 64)}),
        # One pixel shows a digit of the minutes at most; no seconds.
        Case("one_pixel", {"back.bmp": solid_bmp(1, 1, (40, 80, 120))}, seconds_visible=False),
        Case("all_key", {"back.bmp": solid_bmp(200, 60, KEY)}, seconds_visible=False),
        # Every glyph wider and higher than the background: only the minutes fall on it.
        Case("big_glyphs", {"back.bmp": solid_bmp(120, 40, (200, 200, 60)),
                            **{f"{i}.bmp": big_glyph for i in range(11)}},
             seconds_visible=False),
        Case("long_line", {"config.ini": CONFIG.replace(
            b"Background=back", b"Background=" + b"b" * 3_000_000)}, keeps_background=True),
        Case("zeros_and_bom", {"config.ini": b"\xef\xbb\xbf" + CONFIG.replace(
            b"R=255\r\n", b"R=255\x00\x00junk\r\n\x00\r\n").replace(
            b"Background=back", b"Background=back\x00.bmp\x00")}),
        Case("%s%n%x%p%d", {}),
        Case("outside", {"config.ini": CONFIG.replace(
            b"Background=back", b"Background=..\\..\\something")}, keeps_background=True),
    ]


class HostileSkinSession(unittest.TestCase):
    """One session a class, in which the clock starts afresh for every skin."""

    @classmethod
    def setUpClass(cls):
        made = Path(tempfile.mkdtemp(prefix="zentrix-e2e-hostile-"))
        cls.addClassCleanup(shutil.rmtree, made)
        cls.cases = hostile_cases()
        folders = [case.make(made) for case in cls.cases]
        steady = write_skin(made / STEADY_SKIN, 200, 60,
                            lambda x, y: KEY if x < 6 and y < 6 else (90, 40 + y, 160),
                            glyph=(9, 14, lambda x, y: (20, 130, 40)))
        cls.clock = ClockSession(skins=[GOOD_SKIN, steady, *folders], start=False)
        cls.clock.__enter__()
        cls.addClassCleanup(cls.clock.close)

    @classmethod
    def start_with(cls, skin):
        """Starts the clock with skin saved; gives the first window it shows (the clock, or
        the message that says why the skin cannot be shown) and the seconds that took."""
        cls.clock.write_settings(settings_for(skin))
        began = time.monotonic()
        cls.clock.start(wait=False)
        shown = cls.clock.wait_for_window("", MESSAGE_CAPTION)
        return shown, time.monotonic() - began

    def assertToldWhy(self, case, message):
        """The message names the skin and the refused background."""
        self.assertIsNotNone(message, "no message said why the skin is not shown")
        self.assertTrue(message.startswith(f'The skin "{case.name}" cannot be shown: '
                                           f'{case.name}\\'), message)

    # -- checks ------------------------------------------------------------------------------

    def window_area(self, shot, rect):
        left, top, right, bottom = rect
        return [shot.pixel(x, y) for y in range(max(top, 0), min(bottom, shot.height))
                for x in range(max(left, 0), min(right, shot.width))]

    def assertRunning(self):
        if self.clock.wait_exit(0):
            output = (self.clock.logs / "clock.log").read_bytes()[-500:].decode(errors="replace")
            self.fail(f"the clock ended; its output ends with:\n{output}")

    def look(self):
        """The clock's rectangle and the pixels in it, or None when it moved meanwhile."""
        rect = self.clock.window()["rect"]
        shot = self.clock.capture()
        return (rect, self.window_area(shot, rect)) if self.clock.window()["rect"] == rect else None

    def assertKeepsTicking(self, seconds_visible):
        """Over a few ticks the clock answers messages, and where its face can show the
        seconds, two looks at it in the same place differ within a few seconds."""
        self.assertRunning()
        if seconds_visible:
            looks = [self.look()]

            def changed():
                looks.append(self.look())
                earlier, later = looks[-2:]
                return bool(earlier and later and earlier[0] == later[0] and earlier[1] != later[1])

            self.assertTrue(self.clock.wait_for(changed, 4, interval=0),
                            f"the face did not change in 4 s; see the captures in "
                            f"{self.clock.logs}")
        else:
            time.sleep(1.1)
        self.clock.send(WM_NULL)  # fails when the clock does not answer

    def visible_point(self):
        """A screen point on the clock: in its shape, or anywhere on a window without one."""
        left, top, right, bottom = self.clock.window()["rect"]
        rects = self.clock.region_rects()
        if rects is None:
            return (left + right) // 2, (top + bottom) // 2
        self.assertTrue(rects, "the clock's shape is empty: nothing of it shows on the screen")
        return left + rects[0][0], top + rects[0][1]

    def open_menu(self):
        menu = self.clock.open_menu(*self.visible_point())
        self.assertIsNotNone(menu, "Shift+right-click on the clock opened no popup menu")

    def assertMenuOpensAndCloses(self):
        self.open_menu()
        self.clock.key("Escape")
        self.assertTrue(self.clock.wait_for(lambda: self.clock.menu_window() is None, 5),
                        "Escape did not close the popup menu")

    def choose_skin(self, name):
        """Picks a skin as a user does: menu, "Select Skin...", the entry, OK."""
        self.open_menu()
        self.clock.key("s")
        chooser = self.clock.wait_for_window(CHOOSER_TITLE)
        skin_list = next(child for child in self.clock.driver("text", chooser["hwnd"])["children"]
                         if child["id"] == SKIN_LIST_ID)
        entries = [item["text"] for item in self.clock.driver("items", skin_list["hwnd"])["items"]]
        self.assertIn(name, entries)
        self.clock.driver("send", skin_list["hwnd"], LB_SETCURSEL, entries.index(name), 0)
        self.clock.driver("post", chooser["hwnd"], WM_COMMAND, IDOK, 0)
        self.assertTrue(self.clock.wait_for(lambda: self.clock.top_window(CHOOSER_TITLE) is None),
                        "the chooser stayed open after OK")

    def process_memory(self, field):
        """A figure of the clock process's memory from /proc, in bytes: VmRSS now, VmHWM the
        most it has held so far."""
        status = Path(f"/proc/{self.clock._clock.pid}/status").read_text()
        return int(next(line.split()[1] for line in status.splitlines()
                        if line.startswith(field + ":"))) * 1024


class HostileSkinStartUpTest(HostileSkinSession):
    """The clock started with each skin saved, against its start with a good skin. A class, and so
    a session, of its own, which CTest runs beside the others: the longest by far."""

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.start_with(GOOD_SKIN)  # the first start of a prefix is slow; not counted
        cls.clock.stop()
        normal = []
        for _ in range(3):
            normal.append(cls.start_with(GOOD_SKIN)[1])
            cls.clock.stop()
        cls.normal_start = statistics.median(normal)
        cls.start_ups = {}

    @classmethod
    def tearDownClass(cls):
        figures = ", ".join(f"{name} {seconds:.2f}" for name, seconds in cls.start_ups.items())
        print(f"\nstart-up seconds: good skin {cls.normal_start:.2f}; {figures}",
              file=sys.stderr)

    def test_start_up_with_each_skin_saved(self):
        limit = self.normal_start + START_UP_ALLOWANCE
        for case in self.cases:
            with self.subTest(case.name):
                try:
                    shown, seconds = self.start_with(case.name)
                    self.start_ups[case.name] = seconds
                    chooser_shown = shown["title"] == MESSAGE_CAPTION
                    self.assertEqual(chooser_shown, case.keeps_background)
                    if chooser_shown:
                        # The message says why, the chooser follows; cancelled, it leaves a
                        # plain clock that shows the time as text.
                        self.assertToldWhy(case, self.clock.answer_message())
                        chooser = self.clock.wait_for_window(CHOOSER_TITLE)
                        self.clock.driver("post", chooser["hwnd"], WM_COMMAND, IDCANCEL, 0)
                        self.clock.wait_for_window()
                    self.assertKeepsTicking(case.seconds_visible or chooser_shown)
                    self.assertMenuOpensAndCloses()
                finally:
                    self.clock.stop()
                if seconds >= limit:  # once more, in case the machine was busy the first time
                    try:
                        seconds = min(seconds, self.start_with(case.name)[1])
                    finally:
                        self.clock.stop()
                    self.start_ups[case.name] = seconds
                self.assertLess(seconds, limit, f"start-up took {seconds:.2f} s against "
                                                f"{self.normal_start:.2f} s with a good skin")


class HostileSkinTest(HostileSkinSession):
    """Each skin chosen over a good one, and the skins that stand for a user's files."""

    def test_each_skin_chosen_over_a_good_one(self):
        for case in self.cases:
            with self.subTest(case.name):
                try:
                    good, _ = self.start_with(GOOD_SKIN)
                    self.choose_skin(case.name)
                    if case.keeps_background:
                        self.assertToldWhy(case, self.clock.answer_message())
                    self.assertKeepsTicking(case.seconds_visible or case.keeps_background)
                    if case.keeps_background:
                        window = self.clock.window()
                        self.assertEqual((window["width"], window["height"]),
                                         (good["width"], good["height"]))
                    self.assertMenuOpensAndCloses()
                finally:
                    self.clock.stop()

    def test_a_broken_skin_chosen_changes_nothing_and_is_not_taken(self):
        truncated = next(case for case in self.cases if case.name == "truncated")
        try:
            self.start_with(STEADY_SKIN)
            self.clock.park_pointer()

            def look():
                window = self.clock.window()["rect"]
                return window, self.clock.region_rects(), self.window_area(
                    self.clock.capture(), window)

            before = look()
            self.choose_skin(truncated.name)
            self.assertToldWhy(truncated, self.clock.answer_message())
            self.assertEqual(look(), before)
            self.clock.send(WM_CLOSE)
            self.assertTrue(self.clock.wait_exit())
            self.assertEqual(self.clock.settings()["skin"], {"name": STEADY_SKIN})
        finally:
            self.clock.stop()

    def test_a_skin_file_held_open_elsewhere_still_loads(self):
        _, holder = self.clock.in_background("hold", f"{STEADY_SKIN}\\back.bmp", 60000)
        try:
            shown, _ = self.start_with(STEADY_SKIN)
            self.assertEqual(shown["title"], "", "the skin was not shown")
            self.assertEqual((shown["width"], shown["height"]), (200, 60))
        finally:
            self.clock.stop()
            holder.kill()
            holder.wait(10)

    # Loading a picture at the limit, then reading it again and turning it for a side edge, never
    # holds more than three times its own size: the face is given back while a skin is read.
    def test_a_skin_at_the_pixel_limit_costs_under_three_times_its_picture(self):
        width, height = CAP_SIZE
        folder = self.clock.workdir / "limit"
        folder.mkdir(exist_ok=True)
        (folder / "config.ini").write_bytes(CONFIG)
        row = bytes((150, 90, 60)) * width  # 24 bits a pixel, no padding needed
        (folder / "back.bmp").write_bytes(
            bmp_file.headers(width, height, 24, len(row) * height) + row * height)
        picture = width * height * 4
        try:
            self.start_with(GOOD_SKIN)
            base = self.process_memory("VmRSS")
            self.clock.stop()
            shown, _ = self.start_with("limit")
            self.assertEqual((shown["width"], shown["height"]), CAP_SIZE)
            # Read again and turned: a while for a picture this size.
            self.clock.driver("send", self.clock.hwnd, WM_COMMAND, IDM_DOCK_RIGHT, 0,
                              "--timeout-ms", "60000", timeout=90)
            self.assertEqual(self.clock.window()["width"], height)
            peak = self.process_memory("VmHWM") - base
            print(f"\nlimit skin: peak {peak / 2**20:.0f} MiB beyond a clock with {GOOD_SKIN}, "
                  f"{peak / picture:.2f} times the picture", file=sys.stderr)
            self.assertLess(peak, 3 * picture)
        finally:
            self.clock.stop()
            shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    unittest.main()
