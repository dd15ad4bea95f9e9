"""Placement with real mouse and keyboard input: dragging along the dock edge or freely, the
auto-move dodge, the modifiers that let the pointer reach the clock, and the return home.

The dock modes and auto move are set by sending the menu's commands to the clock; the menu
itself has its own tests."""

import shutil
import tempfile
import time
import unittest
from pathlib import Path

from harness import ClockSession, write_skin

WM_COMMAND = 0x0111
IDM_DOCK_LEFT = 32772
IDM_DOCK_RIGHT = 32773
IDM_DOCK_TOP = 32774
IDM_FLOATING = 32775
IDM_AUTO_MOVE = 32777

SCREEN = (1024, 768)
# A 200 by 40 skin; the key colour cuts a notch out of its bottom-right corner, away from every
# point that the tests touch.
STRIP = ("strip", 200, 40)
# A skin wider than the gap between its home and a dodge: the dodged clock still covers part of
# its home, where the pointer can rest on it without sending it home.
WIDE = ("wide", 600, 40)
KEY = (255, 0, 255)
TICK = 1.0


def paint(width, height):
    def pixel(x, y):
        if x >= width - 8 and y >= height - 8:
            return KEY
        return (40 + x % 200, 60 + 4 * y, 120)
    return pixel


class PlacementTest(unittest.TestCase):
    """One display and prefix for the module; every test starts a clock of its own."""

    @classmethod
    def setUpClass(cls):
        cls.folder = Path(tempfile.mkdtemp(prefix="zentrix-placement-"))
        cls.addClassCleanup(shutil.rmtree, cls.folder, ignore_errors=True)
        skins = [write_skin(cls.folder / name, width, height, paint(width, height))
                 for name, width, height in (STRIP, WIDE)]
        cls.clock = ClockSession(skins=skins, screen=SCREEN, start=False)
        cls.clock.__enter__()
        cls.addClassCleanup(cls.clock.close)

    def start(self, x, skin=STRIP):
        """A fresh clock docked on top at x; the pointer waits in the bottom-right corner."""
        self.clock.write_settings(f"[skin]\nname={skin[0]}\n[position]\nx={x}\ny=300\n")
        self.addCleanup(self.clock.stop)
        self.clock.park_pointer()
        window = self.clock.start()
        self.assertEqual(window["rect"], [x, 0, x + skin[1], skin[2]])
        return window

    def command(self, identifier):
        # Sent, not posted: when the call returns, the clock has carried the command out.
        self.clock.send(WM_COMMAND, identifier)

    def point(self, x, y):
        self.clock.xdotool("mousemove", x, y)

    def place(self):
        return self.clock.window()["rect"][:2]

    def assertComesTo(self, place, timeout=5.0):
        self.clock.wait_for(lambda: self.place() == place, timeout)
        self.assertEqual(self.place(), place)

    def assertStaysAt(self, place, seconds=1.2 * TICK):
        """The clock stands at place throughout, over at least one tick."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            self.assertEqual(self.place(), place)
            time.sleep(0.2)

    def drag(self, grab, steps):
        """Presses the left button at grab and moves the pointer through steps, pairs of a
        pointer position and where the clock must be then; releases the button at the end."""
        self.point(*grab)
        self.clock.xdotool("mousedown", "1")
        try:
            for pointer, place in steps:
                with self.subTest(pointer=pointer):
                    self.point(*pointer)
                    self.assertComesTo(place)
        finally:
            self.clock.xdotool("mouseup", "1")

    def hold(self, modifier):
        """Holds a modifier key down for the rest of the test, once Wine has seen it."""
        self.clock.focus()  # Wine takes key state only from events that reach its windows
        self.clock.xdotool("keydown", modifier)
        self.addCleanup(self.clock.xdotool, "keyup", modifier)
        name = {"shift": "shift", "ctrl": "control"}[modifier]
        self.assertTrue(self.clock.wait_for(lambda: self.clock.driver("keys")[name], 5),
                        f"Wine does not see {modifier} held down")

    # -- dragging --------------------------------------------------------------------------------

    def test_clock_docked_on_top_slides_along_the_top_edge(self):
        self.start(600)
        self.command(IDM_AUTO_MOVE)  # off: the pointer may come onto the clock
        # Grabbed 50 pixels from its left edge and 20 from its top.
        self.drag((650, 20), [
            ((400, 300), [350, 0]),
            ((5, 500), [0, 0]),
            ((1020, 10), [SCREEN[0] - 200, 0]),
            ((700, 700), [650, 0]),
        ])
        # The button is up: moving over the clock no longer drags it.
        self.point(720, 20)
        self.assertStaysAt([650, 0], 0.6)

        # The last drag step is the new home: a dodge now returns there.
        self.command(IDM_AUTO_MOVE)
        self.point(700, 21)
        self.assertComesTo([650 - SCREEN[0] // 2, 0])
        self.point(100, 700)
        self.assertComesTo([650, 0])

    def test_clock_docked_on_a_side_slides_along_it(self):
        self.start(600)
        self.command(IDM_AUTO_MOVE)
        # The turned clock is 40 by 200; each dock command keeps y, which the drag on the
        # left edge leaves at 150.
        for command, x, y in ((IDM_DOCK_LEFT, 0, 0), (IDM_DOCK_RIGHT, SCREEN[0] - 40, 150)):
            with self.subTest(command=command):
                self.command(command)
                self.assertEqual(self.clock.window()["rect"], [x, y, x + 40, y + 200])
                self.drag((x + 20, y + 50), [
                    ((500, 300), [x, 250]),
                    ((500, 760), [x, SCREEN[1] - 200]),
                    ((10, 5), [x, 0]),
                    ((900, 200), [x, 150]),
                ])

    def test_a_drag_the_popup_menu_interrupts_is_over(self):
        # The menu takes the mouse while the left button is down, and the button's release goes
        # to the menu: once it has closed, the pointer crossing the clock leaves it where it is.
        self.start(600)
        self.command(IDM_AUTO_MOVE)
        self.point(650, 20)
        self.clock.xdotool("mousedown", "1")
        self.point(640, 20)
        self.assertComesTo([590, 0])
        self.clock.xdotool("click", "3")
        self.assertIsNotNone(self.clock.wait_for(self.clock.menu_window, 5))
        self.clock.xdotool("mouseup", "1")
        if self.clock.menu_window():
            self.clock.key("Escape")
        self.assertTrue(self.clock.wait_for(lambda: self.clock.menu_window() is None, 5))
        for across in ((700, 25), (560, 30), (400, 25)):
            self.point(*across)
        self.assertStaysAt([590, 0])

    def test_floating_clock_follows_the_pointer_off_the_screen(self):
        self.start(600)
        self.command(IDM_AUTO_MOVE)
        self.command(IDM_FLOATING)
        self.drag((650, 20), [
            ((300, 400), [250, 380]),
            ((10, 5), [-40, -15]),
            ((1020, 760), [970, 740]),
        ])
        window = self.clock.window()
        self.assertEqual((window["width"], window["height"]), (200, 40))

    # -- the dodge ---------------------------------------------------------------------------

    def test_first_move_over_the_clock_jumps_half_a_screen_away(self):
        # W = 1024, so half the screen is 512; the clock is 200 wide.
        self.start(600)
        cases = [
            # home x, where the drag that puts it there grabs and lets go, the jump
            (600, None, 600 - 512),
            (0, ((650, 20), (5, 20)), 0 + 512 - 200),
            (512, ((50, 20), (562, 20)), 512 + 512 - 200),  # exactly half is not beyond it
        ]
        for home, drag, jump in cases:
            with self.subTest(home=home):
                if drag:
                    self.command(IDM_AUTO_MOVE)
                    grab, end = drag
                    self.drag(grab, [(end, [home, 0])])
                    self.clock.park_pointer()
                    self.command(IDM_AUTO_MOVE)
                self.point(home + 30, 10)
                self.assertComesTo([jump, 0])
                # Left where it jumped to until the pointer leaves the home rectangle.
                self.clock.park_pointer()
                self.assertComesTo([home, 0])

    def test_clock_on_a_side_jumps_along_it(self):
        self.start(600)
        self.command(IDM_DOCK_RIGHT)  # 40 by 200 at the top of the right edge
        x = SCREEN[0] - 40
        self.point(x + 20, 100)
        self.assertComesTo([x, 0 + SCREEN[1] // 2 - 200])

    def test_second_move_over_the_dodged_clock_does_nothing(self):
        # Home 100..700, dodged to 100 + 512 - 600 = 12, so 12..612 overlaps the home.
        self.start(100, WIDE)
        self.point(150, 20)
        self.assertComesTo([12, 0])
        # On the dodged clock and inside the home rectangle: no second jump, no return.
        self.point(300, 20)
        self.assertStaysAt([12, 0])
        self.point(450, 25)
        self.assertStaysAt([12, 0])

    def test_shift_or_ctrl_held_lets_the_pointer_reach_the_clock_and_drag_it(self):
        for modifier in ("shift", "ctrl"):
            with self.subTest(modifier=modifier):
                self.start(600)
                self.hold(modifier)
                self.point(650, 20)
                self.assertStaysAt([600, 0], 0.8)
                self.drag((650, 20), [((450, 300), [400, 0])])
                self.clock.xdotool("keyup", modifier)
                self.assertTrue(
                    self.clock.wait_for(lambda: not any(self.clock.driver("keys").values()), 5))
                # Without the modifier the same kind of move does make it jump.
                self.point(450, 21)
                self.assertComesTo([400 + 512 - 200, 0])
                self.clock.stop()

    # -- the return home ---------------------------------------------------------------------

    def test_dodged_clock_returns_home_once_the_pointer_leaves_the_home_rectangle(self):
        # Home 600..799 by 0..39; the clock dodges to 88.
        self.start(600)
        inside = [(600, 20), (700, 0), (799, 39)]  # left column, top row, last pixel
        outside = [(800, 20), (700, 40)]  # the column and the row just past the window
        for count, pointer in enumerate(outside):
            with self.subTest(leave_to=pointer):
                # Wine takes a move back to where it last saw the pointer for no move at all.
                self.point(650 + count, 20)
                self.assertComesTo([88, 0])
                for resting in inside:
                    with self.subTest(rest_at=resting):
                        self.point(*resting)
                        self.assertStaysAt([88, 0])
                self.point(*pointer)
                self.assertComesTo([600, 0], 2.5 * TICK)

    def test_return_home_happens_on_a_tick_with_auto_move_off(self):
        self.start(600)
        self.point(650, 20)
        self.assertComesTo([88, 0])
        self.command(IDM_AUTO_MOVE)
        self.point(900, 300)
        self.assertComesTo([600, 0], 2.5 * TICK)
        # Auto move is off now: the pointer reaches the clock at home. (Not at the very place
        # of the dodge: Wine would not count a move back there as a move.)
        self.point(660, 22)
        self.assertStaysAt([600, 0], 0.8)


class TwoMonitorTest(unittest.TestCase):
    """A primary monitor of 1024 x 768 with one of 800 x 600 to its right: every edge is the
    edge of the monitor the clock stands on."""

    MONITORS = [(0, 0, 1024, 768), (1024, 0, 800, 600)]
    RIGHT = 1024 + 800

    @classmethod
    def setUpClass(cls):
        cls.folder = Path(tempfile.mkdtemp(prefix="zentrix-monitors-"))
        cls.addClassCleanup(shutil.rmtree, cls.folder, ignore_errors=True)
        skin = write_skin(cls.folder / STRIP[0], *STRIP[1:], paint(*STRIP[1:]))
        cls.clock = ClockSession(skins=[skin], monitors=cls.MONITORS, start=False)
        cls.clock.__enter__()
        cls.addClassCleanup(cls.clock.close)

    def start(self, x, y):
        self.clock.write_settings(f"[skin]\nname={STRIP[0]}\n[position]\nx={x}\ny={y}\n")
        self.addCleanup(self.clock.stop)
        self.clock.park_pointer()
        return self.clock.start()["rect"]

    def command(self, identifier):
        self.clock.send(WM_COMMAND, identifier)
        return self.clock.window()["rect"]

    def test_docking_uses_the_edges_of_the_monitor_the_clock_stands_on(self):
        self.assertEqual(self.start(1300, 300), [1300, 0, 1500, 40])
        self.command(IDM_AUTO_MOVE)  # the pointer stays out of the way, but to be sure
        self.assertEqual(self.command(IDM_DOCK_RIGHT), [self.RIGHT - 40, 0, self.RIGHT, 200])
        self.assertEqual(self.command(IDM_DOCK_LEFT), [1024, 0, 1064, 200])
        self.assertEqual(self.command(IDM_DOCK_TOP), [1024, 0, 1224, 40])

    def test_a_place_on_no_monitor_starts_whole_on_the_nearest(self):
        self.assertEqual(self.start(5000, 300), [self.RIGHT - 200, 0, self.RIGHT, 40])


if __name__ == "__main__":
    unittest.main()
