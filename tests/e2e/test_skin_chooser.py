"""The skin chooser: which folders it offers and in what order, which one it selects, and what
OK, a double-click and Cancel do, from the menu and at a start whose saved skin is gone."""

import shutil
import tempfile
import unittest
from pathlib import Path

from harness import MESSAGE_CAPTION, ClockSession, write_bmp, write_skin

WM_CLOSE = 0x0010
TITLE = "Select Skin"
IDOK, IDCANCEL, IDC_SKIN_LIST = 1, 2, 1000

# Skins of different sizes, so the window shows which one is loaded. "ab" is a prefix of "abc";
# "Zeta" sorts among the others only without regard to case; ".hidden" is a hidden folder
# under Wine.
SIZES = {"ab": (200, 40), "abc": (180, 50), "Zeta": (160, 30), ".hidden": (150, 30)}
# A folder whose config.ini is itself a folder: still a skin folder, read with the defaults.
CONFIG_FOLDER_SKIN = ("cfgdir", (170, 36))
LISTED = sorted([*SIZES, CONFIG_FOLDER_SKIN[0], "back2"], key=str.casefold)


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


class SkinChooserTest(unittest.TestCase):
    """One display, prefix and working folder for the module; every test starts a clock of its
    own."""

    @classmethod
    def setUpClass(cls):
        cls.folder = Path(tempfile.mkdtemp(prefix="zentrix-chooser-"))
        cls.addClassCleanup(shutil.rmtree, cls.folder, ignore_errors=True)
        skins = [write_skin(cls.folder / name, width, height,
                            lambda x, y, w=width: (w % 256, 90 + y, 40 + x % 100))
                 for name, (width, height) in SIZES.items()]
        cls.clock = ClockSession(skins=[*skins, "back2"], start=False)
        cls.clock.__enter__()
        cls.addClassCleanup(cls.clock.close)

        work = cls.clock.workdir
        name, (width, height) = CONFIG_FOLDER_SKIN
        (work / name / "config.ini").mkdir(parents=True)
        write_bmp(work / name / "back.bmp", width, height, lambda x, y: (10, 200, 10 + y))
        # Not skin folders: one without config.ini, and plain files, one of them named so.
        (work / "nocfg").mkdir()
        write_bmp(work / "nocfg" / "back.bmp", 20, 20, lambda x, y: (0, 0, 0))
        (work / "config.ini").write_text("[Bitmaps]\nBackground=back\n")
        (work / "plainfile").write_text("not a folder\n")

    def start(self, skin):
        """A fresh clock that has "skin" as its saved skin."""
        self.clock.write_settings(f"[skin]\nname={skin}\n[position]\nx=300\ny=0\n")
        self.addCleanup(self.clock.stop)
        self.clock.park_pointer()
        return self.clock.start()

    def open_chooser(self):
        left, top = self.clock.window()["rect"][:2]
        self.assertIsNotNone(self.clock.open_menu(left + 10, top + 10))
        self.clock.key("s")  # "&Select Skin..."
        return self.chooser()

    def chooser(self):
        """The open chooser: its window and its controls by identifier."""
        dialog = self.clock.wait_for(lambda: self.clock.top_window(TITLE))
        self.assertIsNotNone(dialog, "no skin chooser")
        controls = {child["id"]: child
                    for child in self.clock.driver("text", dialog["hwnd"])["children"]}
        return dialog, controls

    def entries(self, controls):
        listed = self.clock.driver("items", controls[IDC_SKIN_LIST]["hwnd"])
        return listed["items"], listed["selected"]

    def click(self, control, *options):
        rect = control["rect"] if "rect" in control else \
            self.clock.driver("rect", control["hwnd"])["rect"]
        self.clock.xdotool("mousemove", *centre(rect))
        self.clock.xdotool("click", *options, "1")

    def assertClosed(self):
        self.assertTrue(self.clock.wait_for(lambda: self.clock.top_window(TITLE) is None, 5),
                        "the chooser is still open")

    def assertShowsSkin(self, name):
        size = SIZES.get(name) or dict([CONFIG_FOLDER_SKIN])[name]
        self.clock.wait_for(lambda: self.size() == size, 5)
        self.assertEqual(self.size(), size)

    def assertSavesSkin(self, name):
        self.clock.send(WM_CLOSE)
        self.assertTrue(self.clock.wait_exit())
        self.assertEqual(self.clock.settings()["skin"], {"name": name})

    def size(self):
        window = self.clock.window()
        return window["width"], window["height"]

    def test_lists_the_skin_folders_sorted_with_the_current_one_selected(self):
        # The current skin's own entry, not one whose name merely begins with it.
        for current in ("ab", "abc"):
            with self.subTest(current=current):
                self.start(current)
                dialog, controls = self.open_chooser()
                items, selected = self.entries(controls)
                self.assertEqual([item["text"] for item in items], LISTED)
                self.assertEqual(selected, LISTED.index(current))
                # Modal, owned by the clock, which takes no input meanwhile.
                self.assertEqual(dialog["owner"], self.clock.hwnd)
                self.assertFalse(self.clock.window()["enabled"])

                self.click(controls[IDCANCEL])
                self.assertClosed()
                self.assertTrue(self.clock.window()["enabled"])
                self.assertShowsSkin(current)
                self.assertSavesSkin(current)

    def test_ok_loads_the_selected_skin(self):
        self.start("ab")
        _, controls = self.open_chooser()
        items, _ = self.entries(controls)
        self.click(items[LISTED.index("abc")])
        self.assertEqual(self.entries(controls)[1], LISTED.index("abc"))
        self.click(controls[IDOK])
        self.assertClosed()
        self.assertShowsSkin("abc")
        # The chosen skin is the current one now: the next opening selects it.
        _, controls = self.open_chooser()
        self.assertEqual(self.entries(controls)[1], LISTED.index("abc"))
        self.click(controls[IDCANCEL])
        self.assertClosed()
        self.assertSavesSkin("abc")

    def test_double_click_loads_the_entry_at_once(self):
        self.start("ab")
        _, controls = self.open_chooser()
        items, _ = self.entries(controls)
        self.click(items[LISTED.index("Zeta")], "--repeat", "2", "--delay", "80")
        self.assertClosed()
        self.assertShowsSkin("Zeta")
        self.assertSavesSkin("Zeta")

    def test_folder_named_config_ini_makes_a_skin_folder(self):
        self.start("ab")
        _, controls = self.open_chooser()
        items, _ = self.entries(controls)
        self.click(items[LISTED.index(CONFIG_FOLDER_SKIN[0])])
        self.click(controls[IDOK])
        self.assertClosed()
        self.assertShowsSkin(CONFIG_FOLDER_SKIN[0])

    def test_ok_with_nothing_selected_changes_nothing(self):
        self.start("ab")
        # The current skin loses its config.ini: it is no longer offered, so nothing is
        # selected.
        config = self.clock.workdir / "ab" / "config.ini"
        config.rename(config.with_suffix(".off"))
        self.addCleanup(config.with_suffix(".off").rename, config)
        _, controls = self.open_chooser()
        items, selected = self.entries(controls)
        self.assertEqual([item["text"] for item in items], [s for s in LISTED if s != "ab"])
        self.assertEqual(selected, -1)
        self.click(controls[IDOK])
        self.assertClosed()
        self.assertShowsSkin("ab")
        self.assertSavesSkin("ab")

    def test_missing_saved_skin_opens_the_chooser_before_the_clock_shows(self):
        self.clock.write_settings("[skin]\nname=gone\n")
        self.addCleanup(self.clock.stop)
        self.clock.park_pointer()
        self.clock.start(wait=False)
        # First the clock says why it shows no skin.
        self.assertEqual(self.clock.answer_message(),
                         'The skin "gone" cannot be shown: gone\\back.bmp is missing or cannot be '
                         'opened.')
        dialog, controls = self.chooser()
        self.assertNotIn("hwnd", self.clock.driver("find", "--timeout-ms", "0", check=False))
        # No clock to centre it over yet: centred on the screen.
        left, top, right, bottom = dialog["rect"]
        self.assertAlmostEqual((left + right) / 2, 1024 / 2, delta=1)
        self.assertAlmostEqual((top + bottom) / 2, 768 / 2, delta=1)
        items, selected = self.entries(controls)
        self.assertEqual([item["text"] for item in items], LISTED)
        self.assertEqual(selected, -1)

        self.click(items[LISTED.index("abc")])
        self.click(controls[IDOK])
        self.assertClosed()
        self.clock.wait_for_window()
        self.assertShowsSkin("abc")
        self.assertSavesSkin("abc")

    def test_a_skin_the_code_page_cannot_spell_is_shown_again_at_the_next_start(self):
        # File names in UTF-8 for Wine, and the code page 1252, without Cyrillic, for Windows.
        self.addCleanup(self.clock.env.update, LANG="C", LC_ALL="C")
        self.clock.env.update(LANG="C.UTF-8", LC_ALL="C.UTF-8")
        shutil.copytree(self.clock.workdir / "Zeta", self.clock.workdir / "Часы")
        self.addCleanup(shutil.rmtree, self.clock.workdir / "Часы")
        self.start("ab")
        _, controls = self.open_chooser()
        # The driver gives the entries in the code page, which spells each letter as "?".
        self.click(next(item for item in self.entries(controls)[0] if item["text"] == "????"))
        self.click(controls[IDOK])
        self.assertClosed()
        self.assertShowsSkin("Zeta")  # as its copy
        self.assertSavesSkin("Часы")
        self.clock.start(wait=False)
        self.assertEqual(self.clock.wait_for_window("", MESSAGE_CAPTION)["title"], "")
        self.assertShowsSkin("Zeta")


if __name__ == "__main__":
    unittest.main()
