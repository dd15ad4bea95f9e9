"""The right-click menu: where it opens, its items and check marks, and what its placement, Auto
Move and Exit commands do to the clock.

What the menu should look like comes from a menu of the driver's own with the expected items
and marks, drawn by the same window system at the same point: the two must match pixel for
pixel."""

import os
import shutil
import tempfile
import time
import unittest
from datetime import datetime
from pathlib import Path

from harness import (WM_CLOSE, WM_COMMAND, ClockSession, turned_anticlockwise, turned_clockwise,
                     write_skin)

SCREEN = (1024, 768)
# ">" marks a submenu.
ITEMS = ["&Select Skin...", "Time &Zone...", "&Label...", "-", "&Floating", "Dock &Left",
         "Dock &Right", "Dock &Top", "-", ">Size", ">&Time", ">C&hime", ">&Opacity", "&Auto Move",
         "&Lock Position", "Click &Through", "-", "Start with &Windows", "Notification Area &Icon",
         "-", "A&bout Zentrix...", "-", "&New Clock", "~&Close Clock", "&Exit"]
TIME_ITEMS = ["&24-hour", "&12-hour", "&Automatic", "-", "Show &Seconds", "&Blinking Colon"]
TOP, LEFT, RIGHT, FLOATING, AUTO_MOVE = "Dock &Top", "Dock &Left", "Dock &Right", "&Floating", \
    "&Auto Move"
START = "Start with &Windows"
LOCK, CLICK_THROUGH, ICON = "&Lock Position", "Click &Through", "Notification Area &Icon"
OPACITY_COMMANDS = {90: 32787, 75: 32788, 50: 32789, 25: 32790}
IDM_TRAY_ICON = 32791
IDM_NEW_CLOCK, IDM_TIME_ZONE, IDM_LABEL, IDM_CLOSE_CLOCK = 32797, 32798, 32799, 32800
IDM_CHIME_HOUR = 32802
ZONE_FILTER_ID, LABEL_TEXT_ID = 1010, 1012
TRAY_ICON_MESSAGE = 0x8002  # WM_APP + 2, with the shell's mouse message in lParam
WM_SYSCOMMAND, SC_MINIMIZE, WS_MINIMIZE = 0x0112, 0xF020, 0x20000000
WM_LBUTTONUP, WM_RBUTTONUP, WS_EX_TRANSPARENT = 0x0202, 0x0205, 0x20
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
APPROVED_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"

KEY = (255, 0, 255)
ROOT_COLOUR = (255, 255, 255)
GLYPH_COLOUR = (20, 130, 40)
GLYPH = (9, 14, lambda x, y: GLYPH_COLOUR)
# 200 by 40 with a notch of the key colour in one corner, so that a turn shows in the shape as
# well as in the picture. Every glyph is the same block, so the face does not change with time.
TILES = ("tiles", 200, 40)
WIDE = ("wide", 600, 40)


def paint(width, height):
    def pixel(x, y):
        if x >= width - 10 and y >= height - 10:
            return KEY
        return (30 + x % 200, 50 + 5 * y, 200 - x % 150)
    return pixel


def area(shot, rect):
    left, top, right, bottom = rect
    return [[shot.pixel(x, y) for x in range(left, right)] for y in range(top, bottom)]


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


class MenuTest(unittest.TestCase):
    """One display and prefix for the module; every test starts a clock of its own."""

    @classmethod
    def setUpClass(cls):
        cls.folder = Path(tempfile.mkdtemp(prefix="zentrix-menu-"))
        cls.addClassCleanup(shutil.rmtree, cls.folder, ignore_errors=True)
        skins = [write_skin(cls.folder / TILES[0], *TILES[1:], paint(*TILES[1:]), GLYPH),
                 write_skin(cls.folder / WIDE[0], *WIDE[1:], paint(*WIDE[1:]))]
        cls.clock = ClockSession(skins=skins, screen=SCREEN, start=False)
        cls.clock.__enter__()
        cls.addClassCleanup(cls.clock.close)

    def start(self, x, skin=TILES):
        self.clock.write_settings(f"[skin]\nname={skin[0]}\n[position]\nx={x}\ny=0\n")
        self.addCleanup(self.clock.stop)
        self.clock.park_pointer()
        window = self.clock.start()
        self.assertEqual(window["rect"], [x, 0, x + skin[1], skin[2]])

    def rect(self):
        return self.clock.window()["rect"]

    def assertComesTo(self, rect, timeout=5.0):
        self.clock.wait_for(lambda: self.rect() == rect, timeout)
        self.assertEqual(self.rect(), rect)

    def open_checked_menu(self, x, y, checked, icon=True):
        """Right-clicks (x, y) and checks that the clock's menu shows ITEMS with exactly the
        marks named in checked, and the notification-area icon's if icon. Returns the open
        menu's item rectangles by text."""
        checked = set(checked) | ({ICON} if icon else set())
        self.clock.park_pointer()
        expected, reference = self.clock.reference_menu(
            x, y, [("+" if item in checked else "") + item for item in ITEMS])
        menu = self.clock.open_menu(x, y)
        self.assertIsNotNone(menu, f"no menu after a right-click at {(x, y)}")
        self.assertEqual(menu["owner"], self.clock.hwnd)
        shot = self.clock.capture()
        self.assertEqual(menu["rect"], reference["rect"], "the menu has another size or place")
        # Item by item first, so that a failure names the items that look wrong.
        wrong = [text for text, item in zip(ITEMS, reference["items"])
                 if area(shot, item) != area(expected, item)]
        self.assertEqual(wrong, [], f"items unlike {sorted(checked)} checked; "
                                    f"see {shot.path} and {expected.path}")
        self.assertEqual(area(shot, menu["rect"]), area(expected, menu["rect"]))
        return dict(zip(ITEMS, reference["items"]))

    def choose(self, items, text):
        self.clock.xdotool("mousemove", *centre(items[text]))
        self.clock.xdotool("click", "1")
        self.assertTrue(self.clock.wait_for(lambda: self.clock.menu_window() is None, 5))

    def face(self):
        """The clock window's pixels on the screen, the root window showing through holes."""
        return area(self.clock.capture(), self.rect())

    # -- the menu and its marks --------------------------------------------------------------

    def test_right_click_opens_the_menu_at_the_click_point_with_the_current_marks(self):
        self.start(300)
        self.open_checked_menu(310, 17, {TOP, AUTO_MOVE})
        menu = self.clock.menu_window()
        self.assertEqual(menu["rect"][:2], [310, 17])
        self.clock.key("Escape")
        self.assertTrue(self.clock.wait_for(lambda: self.clock.menu_window() is None, 5))
        self.assertEqual(self.rect(), [300, 0, 500, 40])

    def test_auto_move_item_flips_its_mark(self):
        self.start(300)
        items = self.open_checked_menu(320, 12, {TOP, AUTO_MOVE})
        self.choose(items, AUTO_MOVE)
        items = self.open_checked_menu(330, 14, {TOP})
        self.choose(items, AUTO_MOVE)
        self.open_checked_menu(340, 16, {TOP, AUTO_MOVE})
        self.clock.key("Escape")
        # Flipping moves nothing.
        self.assertEqual(self.rect(), [300, 0, 500, 40])

    # -- the Time submenu --------------------------------------------------------------------

    def open_time_menu(self, time_item):
        """Opens the menu at (310, 17), then its Time submenu at time_item; returns that."""
        self.clock.park_pointer()
        self.assertIsNotNone(self.clock.open_menu(310, 17))
        self.clock.xdotool("mousemove", *centre(time_item))
        self.clock.xdotool("click", "1")
        return self.clock.wait_for(lambda: next(
            (w for w in self.clock.driver("windows")["windows"] if w["visible"]
             and w["class"] == "#32768" and w["rect"][:2] != [310, 17]), None), 5)

    def check_time_menu(self, time_item, marks):
        """The Time submenu shows TIME_ITEMS with marks ({text: "*" or "+"}); gives its items."""
        submenu = self.open_time_menu(time_item)
        shot = self.clock.capture()
        self.clock.key("Escape", "Escape")
        self.assertTrue(self.clock.wait_for(lambda: self.clock.menu_window() is None, 5))
        expected, reference = self.clock.reference_menu(
            *submenu["rect"][:2], [marks.get(item, "") + item for item in TIME_ITEMS])
        self.assertEqual(submenu["rect"], reference["rect"])
        self.assertEqual(area(shot, submenu["rect"]), area(expected, submenu["rect"]),
                         f"not {marks}; see {shot.path} and {expected.path}")
        return dict(zip(TIME_ITEMS, reference["items"]))

    def test_time_choices_are_marked_saved_and_survive_a_restart(self):
        self.start(300)
        time_item = self.open_checked_menu(310, 17, {TOP, AUTO_MOVE})[">&Time"]
        self.clock.key("Escape")
        items = self.check_time_menu(time_item, {"&24-hour": "*", "Show &Seconds": "+"})
        for item in ("&12-hour", "&Blinking Colon", "Show &Seconds"):
            self.open_time_menu(time_item)
            self.choose(items, item)
        self.clock.send(WM_CLOSE)
        self.assertTrue(self.clock.wait_exit())
        self.assertEqual(self.clock.settings()["display"],
                         {"hours": "12", "seconds": "0", "blink": "1"})
        self.clock.start()
        self.check_time_menu(time_item, {"&12-hour": "*", "&Blinking Colon": "+"})
        self.open_time_menu(time_item)
        self.choose(items, "&Automatic")
        self.check_time_menu(time_item, {"&Automatic": "*", "&Blinking Colon": "+"})
        self.assertEqual(self.clock.settings()["display"]["hours"], "auto")

    def test_the_date_shows_while_the_pointer_rests_on_a_clock_that_stays(self):
        self.start(300)
        self.clock.send(WM_COMMAND, 32777)  # Auto Move off
        self.clock.xdotool("mousemove", 320, 20)
        tip = self.clock.wait_for(lambda: next((w for w in self.clock.driver("windows")["windows"]
                                                if w["visible"] and "tooltip" in w["class"]), None))
        today = datetime.utcnow()  # the harness's TZ is UTC, its language English
        self.assertEqual(tip and tip["title"], f"{today:%A}, {today:%B} {today.day}, {today.year}")

    # -- hands off: lock, click-through, opacity, the icon, one clock ------------------------

    def test_hands_off_choices_take_effect_survive_a_restart_and_a_second_start_hands_over(self):
        self.start(300)
        home = [300, 0, 500, 40]
        self.choose(self.open_checked_menu(310, 17, {TOP, AUTO_MOVE}), LOCK)
        # Locked, the clock neither dodges the pointer that comes onto it nor follows a drag.
        self.clock.focus()
        self.clock.xdotool("mousemove", 320, 20)
        self.clock.xdotool("mousedown", "1")
        self.clock.xdotool("mousemove", 480, 30)
        self.clock.xdotool("mouseup", "1")
        time.sleep(0.5)
        self.assertEqual(self.rect(), home)

        face = self.face()
        self.assertEqual(self.clock.x_opacity(), 1.0)
        for percent, command in OPACITY_COMMANDS.items():
            self.clock.send(WM_COMMAND, command)
            self.assertAlmostEqual(self.clock.x_opacity(), percent / 100, delta=1 / 255,
                                   msg=f"{percent}%")
        # Without a compositor the X server draws the window solid: the face is untouched.
        self.assertEqual(self.face(), face)

        # A click on the clock is the clock's until clicks pass through it to the window below.
        _, target = self.clock.in_background("clicktarget", 30000, *home)
        self.addCleanup(target.kill)
        self.clock.xdotool("mousemove", 310, 20)
        self.clock.xdotool("click", "1")
        self.assertFalse(self.clock.wait_for(lambda: target.poll() is not None, 1))
        self.choose(self.open_checked_menu(320, 17, {TOP, AUTO_MOVE, LOCK}), CLICK_THROUGH)
        self.clock.xdotool("mousemove", 310, 20)
        self.clock.xdotool("click", "1")
        self.assertEqual(target.wait(10), 0, "the click did not reach the window below")

        # The icon stays while clicks pass through, whatever its own choice.
        def icon_shown():
            return self.clock.driver("trayicon", self.clock.hwnd)["shown"]
        self.assertTrue(icon_shown())
        self.clock.send(WM_COMMAND, IDM_TRAY_ICON)
        self.assertTrue(icon_shown())

        # A second start hands over: it ends at once, and the one clock takes the mouse again
        # and opens its menu. Escape closes the menu and gives the foreground back to the window
        # the user was in, which takes the next Escape: the clock goes on.
        editor, editing = self.clock.in_background("clicktarget", 30000, 600, 300, 800, 400)
        self.addCleanup(editing.kill)
        self.clock.wine(self.clock.exe)
        menu = self.clock.wait_for(self.clock.menu_window, 5)
        self.assertEqual(menu and menu["owner"], self.clock.hwnd)
        self.assertFalse(self.clock.window()["exstyle"] & WS_EX_TRANSPARENT)
        self.assertEqual([w["hwnd"] for w in self.clock.driver("windows")["windows"]
                          if w["class"] == "ZentrixClock"], [self.clock.hwnd])
        self.clock.key("Escape")
        self.clock.key("Escape", hwnd=editor["hwnd"])
        self.assertFalse(self.clock.wait_exit(1), "the clock ended on the user's Escape")
        editing.kill()
        self.assertFalse(icon_shown())

        # The icon's clicks, as the shell sends them: the left one brings a minimised clock back,
        # the right one opens the menu.
        self.clock.send(WM_SYSCOMMAND, SC_MINIMIZE)
        self.assertTrue(self.clock.wait_for(lambda: self.clock.window()["style"] & WS_MINIMIZE))
        self.clock.post(TRAY_ICON_MESSAGE, 1, WM_LBUTTONUP)
        self.assertComesTo(home)
        self.clock.post(TRAY_ICON_MESSAGE, 1, WM_RBUTTONUP)
        self.assertIsNotNone(self.clock.wait_for(self.clock.menu_window, 5))
        self.clock.key("Escape")

        self.clock.send(WM_CLOSE)
        self.assertTrue(self.clock.wait_exit())
        self.assertEqual(self.clock.settings()["display"], {
            "locked": "1", "clickthrough": "0", "opacity": "25", "trayicon": "0"})
        self.clock.start()
        self.assertAlmostEqual(self.clock.x_opacity(), 0.25, delta=1 / 255)
        self.assertFalse(icon_shown())
        self.open_checked_menu(310, 17, {TOP, AUTO_MOVE, LOCK}, icon=False)
        self.clock.key("Escape")

    # -- placement commands ------------------------------------------------------------------

    def assertFaceIs(self, expected, label):
        shown = self.face()
        wrong = sum(a != b for row_a, row_b in zip(shown, expected) for a, b in zip(row_a, row_b))
        self.assertEqual((len(shown[0]), len(shown)), (len(expected[0]), len(expected)), label)
        self.assertEqual(wrong, 0, f"{label}: {wrong} pixels differ")

    def test_dock_commands_turn_the_face_and_pull_the_clock_onto_the_edge(self):
        self.start(300)
        # The face on top is the background with eight glyph blocks stamped on it and the
        # notch cut out.
        glyph_area = GLYPH[0] * GLYPH[1]
        upright = self.clock.wait_for(
            lambda: (face := self.face()) and sum(row.count(GLYPH_COLOUR) for row in face)
            == 8 * glyph_area and face, 5)  # once the first paint is on the screen
        self.assertTrue(upright, "no face of eight glyphs on the screen")
        background = paint(*TILES[1:])
        glyph_pixels = 0
        for y, row in enumerate(upright):
            for x, colour in enumerate(row):
                if colour == GLYPH_COLOUR:
                    glyph_pixels += 1
                    continue
                drawn = background(x, y)
                self.assertEqual(colour, ROOT_COLOUR if drawn == KEY else drawn, (x, y))
        self.assertEqual(glyph_pixels, 8 * glyph_area)

        width, height = TILES[1:]
        right_x = SCREEN[0] - height
        items = self.open_checked_menu(310, 17, {TOP, AUTO_MOVE})
        self.choose(items, RIGHT)
        self.assertComesTo([right_x, 0, SCREEN[0], width])
        self.assertFaceIs(turned_clockwise(upright), "docked right")

        # Slid down the right edge, then docked on top: pulled back inside the screen.
        self.clock.focus()
        self.clock.xdotool("keydown", "shift")
        try:
            self.clock.xdotool("mousemove", right_x + 20, 30)
            self.clock.xdotool("mousedown", "1")
            self.clock.xdotool("mousemove", right_x + 25, 430)
            self.clock.xdotool("mouseup", "1")
        finally:
            self.clock.xdotool("keyup", "shift")
        self.assertComesTo([right_x, 400, SCREEN[0], 400 + width])
        items = self.open_checked_menu(right_x + 20, 500, {RIGHT, AUTO_MOVE})
        self.choose(items, TOP)
        self.assertComesTo([SCREEN[0] - width, 0, SCREEN[0], height])
        self.assertFaceIs(upright, "docked on top again")

        items = self.open_checked_menu(SCREEN[0] - 150, 20, {TOP, AUTO_MOVE})
        self.choose(items, LEFT)
        self.assertComesTo([0, 0, height, width])
        self.assertFaceIs(turned_anticlockwise(upright), "docked left")

        items = self.open_checked_menu(20, 100, {LEFT, AUTO_MOVE})
        self.choose(items, FLOATING)
        self.assertComesTo([0, 0, width, height])
        self.assertFaceIs(upright, "floating")
        self.open_checked_menu(20, 20, {FLOATING, AUTO_MOVE})
        self.clock.key("Escape")

    # -- Start with Windows ------------------------------------------------------------------

    def run_value(self, key=RUN_KEY):
        """The value "Zentrix" under key, by default the user's list of programs Windows
        starts, or None."""
        try:
            listed = self.clock.wine("reg", "query", key, "/v", "Zentrix")
        except Exception:
            return None
        line = next((line for line in listed.splitlines() if "REG_" in line), None)
        return line.split(None, 2)[2].strip() if line else None

    def test_start_with_windows_follows_the_list_of_programs_windows_starts(self):
        self.start(300)
        program = self.clock.wine("winepath", "-w", self.clock.exe).strip()
        items = self.open_checked_menu(310, 17, {TOP, AUTO_MOVE})
        self.choose(items, START)
        self.assertEqual(self.run_value(), f'"{program}"')
        self.open_checked_menu(320, 17, {TOP, AUTO_MOVE, START})
        self.clock.key("Escape")
        # Another copy of the program in the list: not checked; chosen, the value is ours.
        self.clock.wine("reg", "add", RUN_KEY, "/v", "Zentrix", "/d", r'"C:\other\Zentrix.exe"',
                        "/f")
        items = self.open_checked_menu(330, 17, {TOP, AUTO_MOVE})
        self.choose(items, START)
        self.assertEqual(self.run_value(), f'"{program}"')
        items = self.open_checked_menu(340, 17, {TOP, AUTO_MOVE, START})
        self.choose(items, START)
        self.assertIsNone(self.run_value())
        # Disabled in Task Manager: not checked; chosen, Windows is to start it again.
        self.choose(self.open_checked_menu(350, 17, {TOP, AUTO_MOVE}), START)
        self.clock.wine("reg", "add", APPROVED_KEY, "/v", "Zentrix", "/t", "REG_BINARY", "/d",
                        "03" + "00" * 11, "/f")
        self.choose(self.open_checked_menu(360, 17, {TOP, AUTO_MOVE}), START)
        self.assertEqual(self.run_value(), f'"{program}"')
        self.assertIsNone(self.run_value(APPROVED_KEY))
        # Off again, as the session's later tests expect it.
        self.choose(self.open_checked_menu(370, 17, {TOP, AUTO_MOVE, START}), START)
        self.assertIsNone(self.run_value())

    # -- Exit --------------------------------------------------------------------------------

    def test_exit_saves_the_dragged_position_and_the_skin(self):
        self.start(300)
        self.clock.focus()
        self.clock.xdotool("keydown", "shift")
        try:
            self.clock.xdotool("mousemove", 310, 20)
            self.clock.xdotool("mousedown", "1")
            self.clock.xdotool("mousemove", 463, 25)
            self.clock.xdotool("mouseup", "1")
        finally:
            self.clock.xdotool("keyup", "shift")
        self.assertComesTo([453, 0, 653, 40])
        items = self.open_checked_menu(460, 10, {TOP, AUTO_MOVE})
        self.choose(items, "&Exit")
        self.assertTrue(self.clock.wait_exit(), "the clock still runs after Exit")
        self.assertEqual(self.clock.settings(), {"position": {"x": "453", "y": "0"},
                                                 "skin": {"name": TILES[0]}})

    def test_exit_while_dodged_saves_the_dodged_place(self):
        # Home 100..699; the dodge takes it to 100 + 512 - 600 = 12, still over part of its
        # home, where the pointer can rest on it without the next tick sending it back.
        self.start(100, WIDE)
        self.clock.focus()
        self.clock.xdotool("mousemove", 150, 20)
        self.assertComesTo([12, 0, 612, 40])
        self.clock.xdotool("mousemove", 300, 21)
        self.clock.xdotool("click", "3")
        self.assertIsNotNone(self.clock.wait_for(self.clock.menu_window, 5))
        self.clock.xdotool("key", "e")  # "&Exit", chosen without moving the pointer
        self.assertTrue(self.clock.wait_exit(), "the clock still runs after Exit")
        self.assertEqual(self.clock.settings(), {"position": {"x": "12", "y": "0"},
                                                 "skin": {"name": WIDE[0]}})

    # -- several clocks ----------------------------------------------------------------------

    def clocks(self):
        """The visible clock windows, from left to right."""
        return sorted((w for w in self.clock.driver("windows")["windows"]
                       if w["visible"] and w["class"] == "ZentrixClock"),
                      key=lambda w: w["rect"][0])

    def answer_dialog(self, clock, command, title, box_id, typed):
        """Opens the dialog of a clock's command, types into its focused box and presses Enter."""
        self.clock.driver("post", clock["hwnd"], WM_COMMAND, command, 0)
        dialog = self.clock.wait_for_window(title)
        self.clock.type_into(dialog["hwnd"], box_id, typed)
        self.clock.xdotool("key", "Return")
        self.assertTrue(self.clock.wait_for(lambda: self.clock.top_window(title) is None, 5))

    def test_a_new_clock_keeps_its_zone_label_and_place_and_closes(self):
        self.start(300)
        self.clock.send(WM_COMMAND, IDM_NEW_CLOCK)
        self.assertTrue(self.clock.wait_for(lambda: len(self.clocks()) == 2, 5))
        second = self.clocks()[1]
        # Beside the first on the same edge, the same skin at the same size.
        self.assertEqual(second["rect"], [500, 0, 700, 40])
        self.answer_dialog(second, IDM_TIME_ZONE, "Time Zone", ZONE_FILTER_ID, "Tokyo")
        self.answer_dialog(second, IDM_LABEL, "Label", LABEL_TEXT_ID, "Osaka")
        self.clock.send(WM_CLOSE)
        self.assertTrue(self.clock.wait_exit(), "the clocks still run after the close")
        saved = self.clock.settings()
        self.assertEqual(saved["clocks"], {"count": "2"})
        self.assertEqual(saved["display.2"], {"zone": "Tokyo Standard Time", "label": "Osaka"})
        self.assertEqual(saved["position.2"], {"x": "500", "y": "0"})
        self.assertEqual(saved["position"], {"x": "300", "y": "0"})

        # A zone the system does not know is said once, and the clock shows local time.
        self.clock.write_settings(self.clock.settings_bytes().replace(b"Tokyo", b"Atlantis"))
        self.clock.start(wait=False)
        self.assertEqual(self.clock.answer_message(), 'The time zone "Atlantis Standard Time" is '
                                                      'not known on this computer. The clock shows '
                                                      'local time.')
        self.assertTrue(self.clock.wait_for(lambda: len(self.clocks()) == 2, 10))
        self.clock.wait_for_window()
        self.clock.send(WM_CLOSE)
        self.assertTrue(self.clock.wait_exit())
        self.assertEqual(self.clock.settings()["display.2"], {"label": "Osaka"})

        # A restart brings both back where they were; closing one leaves the other, and the file
        # as one clock's.
        self.clock.park_pointer()
        self.clock.start()
        self.assertTrue(self.clock.wait_for(lambda: len(self.clocks()) == 2, 10))
        first, second = (w["rect"] for w in self.clocks())
        self.assertEqual(first, [300, 0, 500, 40])
        # The skin has no place for a label: the label takes a strip below the face.
        self.assertEqual(second[:3], [500, 0, 700])
        self.assertGreater(second[3], 40)
        self.clock.driver("send", self.clocks()[1]["hwnd"], WM_COMMAND, IDM_CLOSE_CLOCK, 0)
        self.assertTrue(self.clock.wait_for(lambda: len(self.clocks()) == 1, 5))
        self.clock.driver("send", self.clocks()[0]["hwnd"], WM_CLOSE, 0, 0)
        self.assertTrue(self.clock.wait_exit())
        self.assertEqual(self.clock.settings(), {"position": {"x": "300", "y": "0"},
                                                 "skin": {"name": TILES[0]}})

    # -- the chime -----------------------------------------------------------------------------

    def start_before_the_hour(self, hour):
        """Starts the clock, with Wine logging its PlaySound calls, in a zone whose local time
        turns to hour:00 a few seconds from now; gives the Unix time of that turn."""
        # Far enough from the turn for a start and a menu command on a loaded machine.
        while not 32 <= time.time() % 60 < 42:
            time.sleep(0.2)
        turn = (int(time.time()) // 60 + 1) * 60
        # Minutes east of UTC, within twelve hours either way; POSIX turns the sign.
        east = (hour * 60 - turn // 60 % 1440 + 720) % 1440 - 720
        saved = dict(self.clock.env)
        self.clock.env.update(TZ=f"ZTX{'-' if east >= 0 else '+'}{abs(east) // 60}:{abs(east) % 60:02d}",
                              WINEDEBUG="+winmm")
        try:
            self.start(300)
        finally:
            self.clock.env.clear()
            self.clock.env.update(saved)
        return turn

    def played(self):
        """The sounds the clock has asked Wine to play: its log of PlaySound calls, less those
        that only stop a sound (no sound and no flags)."""
        log = (self.clock.logs / "clock.log").read_text(errors="replace")
        return sum(1 for line in log.splitlines()
                   if "MULTIMEDIA_PlaySound" in line and not line.endswith("fdwSound=00000000"))

    def test_every_hour_chimes_once_just_after_the_turn_and_not_at_midnight(self):
        for hour, chimes in ((13, 1), (0, 0)):  # midnight is in the quiet of the night
            with self.subTest(hour=hour):
                turn = self.start_before_the_hour(hour)
                self.clock.send(WM_COMMAND, IDM_CHIME_HOUR)
                self.assertLess(time.time(), turn - 1, "the clock started too late to hear")
                before = self.played()
                time.sleep(max(0.0, turn - 0.5 - time.time()))
                self.assertEqual(self.played(), before, "a chime before the turn")
                time.sleep(max(0.0, turn + 2.5 - time.time()))
                self.assertEqual(self.played() - before, chimes)
                self.clock.stop()


if __name__ == "__main__":
    unittest.main()
