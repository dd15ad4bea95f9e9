"""The About box: opened by its menu command and by system command 17, closed by OK and Escape,
and with its two links unvisited at every opening."""

import unittest

from harness import ClockSession

WM_SYSCOMMAND = 0x0112
TITLE = "About Zentrix - The Skinable Digital Clock"
IDOK, IDC_WEB_LINK, IDC_MAIL_LINK = 1, 1000, 1002
LINKS = {IDC_WEB_LINK: "visit us on the net!", IDC_MAIL_LINK: "Quellmark Software Development"}
# The labels' text colours, unvisited and visited.
LINK_COLOUR = (0, 0, 238)
VISITED_COLOUR = (85, 26, 139)


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


class AboutBoxTest(unittest.TestCase):
    """One display and prefix for the module; every test starts a clock of its own."""

    @classmethod
    def setUpClass(cls):
        cls.clock = ClockSession(skins=["back2"], start=False)
        cls.clock.__enter__()
        cls.addClassCleanup(cls.clock.close)

    def setUp(self):
        self.clock.write_settings("[skin]\nname=back2\n[position]\nx=300\ny=0\n")
        self.addCleanup(self.clock.stop)
        self.clock.park_pointer()
        self.home = self.clock.start()["rect"]

    def open_by_menu(self):
        self.assertIsNotNone(self.clock.open_menu(self.home[0] + 10, self.home[1] + 10))
        self.clock.key("b")  # "A&bout Zentrix..."
        return self.about_box()

    def open_by_system_command(self):
        # Posted: the clock answers a sent one only when the box has closed again.
        self.clock.post(WM_SYSCOMMAND, 17)
        return self.about_box()

    def about_box(self):
        """The open About box, once it is there, checked for what every opening shows."""
        box = self.clock.wait_for(lambda: self.clock.top_window(TITLE))
        self.assertIsNotNone(box, "no About box")
        self.assertEqual(box["owner"], self.clock.hwnd)
        self.assertFalse(self.clock.window()["enabled"], "the clock takes input under its box")
        # Centred over the clock, which stands on the top edge, and pushed down from there to
        # lie on the screen.
        left, top = box["rect"][:2]
        self.assertAlmostEqual(left + box["width"] / 2, (self.home[0] + self.home[2]) / 2,
                               delta=1)
        self.assertEqual(top, 0)
        controls = {child["id"]: child
                    for child in self.clock.driver("text", box["hwnd"])["children"]}
        self.assertEqual(controls[IDOK]["text"], "OK")
        for identifier, text in LINKS.items():
            self.assertEqual(controls[identifier]["text"], text)
        return box, controls

    def rect(self, control):
        return self.clock.driver("rect", control["hwnd"])["rect"]

    def link_colours(self, controls):
        """For each link, how many of its pixels have the link colour and the visited colour;
        the pointer must be off the links, which show the hover colour under it."""
        shot = self.clock.capture()
        counts = {}
        for identifier in LINKS:
            left, top, right, bottom = self.rect(controls[identifier])
            pixels = [shot.pixel(x, y) for y in range(top, bottom) for x in range(left, right)]
            counts[identifier] = (pixels.count(LINK_COLOUR), pixels.count(VISITED_COLOUR))
        return counts

    def assertLinksUnvisited(self, controls):
        for identifier, (link, visited) in self.link_colours(controls).items():
            with self.subTest(link=LINKS[identifier]):
                self.assertGreater(link, 0, "no text in the link colour")
                self.assertEqual(visited, 0, "text in the visited colour")

    def assertClosed(self):
        self.assertTrue(self.clock.wait_for(lambda: self.clock.top_window(TITLE) is None, 5),
                        "the About box is still open")
        self.assertTrue(self.clock.window()["enabled"])
        self.assertEqual(self.clock.window()["rect"], self.home)

    def rest_pointer_inside(self, box):
        """Moves the pointer onto an empty part of the box, off both links: a link that held
        the pointer lets it go only when it sees it move away over a window of its own."""
        left, _, _, bottom = box["rect"]
        self.clock.xdotool("mousemove", left + 12, bottom - 12)

    def test_menu_command_opens_the_box_and_ok_closes_it(self):
        box, controls = self.open_by_menu()
        self.rest_pointer_inside(box)
        self.assertLinksUnvisited(controls)
        self.clock.xdotool("mousemove", *centre(self.rect(controls[IDOK])))
        self.clock.xdotool("click", "1")
        self.assertClosed()

    def test_system_command_17_opens_the_box_and_escape_closes_it(self):
        box, _ = self.open_by_system_command()
        self.clock.key("Escape", hwnd=box["hwnd"])
        self.assertClosed()

    def test_second_opening_shows_both_links_unvisited(self):
        box, controls = self.open_by_system_command()
        for identifier in LINKS:
            self.clock.xdotool("mousemove", *centre(self.rect(controls[identifier])))
            self.clock.xdotool("click", "1")
            self.rest_pointer_inside(box)
        # The shell opened both, so both show as visited now.
        for identifier, (link, visited) in self.link_colours(controls).items():
            with self.subTest(link=LINKS[identifier]):
                self.assertEqual(link, 0)
                self.assertGreater(visited, 0)
        self.clock.key("Escape", hwnd=box["hwnd"])
        self.assertClosed()

        box, controls = self.open_by_menu()
        self.rest_pointer_inside(box)
        self.assertLinksUnvisited(controls)
        self.clock.key("Escape", hwnd=box["hwnd"])
        self.assertClosed()


if __name__ == "__main__":
    unittest.main()
