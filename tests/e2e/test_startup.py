"""Start-up: the clock window's look and place, and how a run ends and saves its settings."""

import configparser
import hashlib
import os
import re
import shutil
import time
import unittest
import zipfile
from pathlib import Path, PureWindowsPath

from harness import (DEFAULT_SCREEN, MESSAGE_CAPTION, WM_CLOSE, WM_COMMAND, WS_BORDER,
                     WS_CAPTION, WS_EX_TOOLWINDOW, WS_POPUP, WS_THICKFRAME, Bitmap, ClockSession,
                     HarnessError)

WM_QUERYENDSESSION = 0x0011
WM_ENDSESSION = 0x0016
IDM_AUTO_MOVE = 32777
IDM_START_WITH_WINDOWS = 32779
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentrix"

DEFAULT_SKIN = "back2"
# The display's root window, seen through the holes of the clock's shape.
ROOT_COLOUR = (255, 255, 255)


def skin_config(name):
    config = configparser.ConfigParser()
    config.read(Path(os.environ["ZENTRIX_SKINS"]) / name / "config.ini")
    return config


def skin_image(name, base):
    return Bitmap(Path(os.environ["ZENTRIX_SKINS"]) / name / f"{base}.bmp")


def skin_background(name):
    return skin_image(name, skin_config(name).get("Bitmaps", "Background", fallback="back"))


def registry_values(clock, key):
    """The values of a registry key as {name: text as `reg query` shows it}; empty without it."""
    shown = clock.wine("reg", "query", key, check=False)
    return dict(re.findall(r"^ {4}(\S+) {4}REG_\w+ {4}(.*?)\r?$", shown, re.MULTILINE))


class PlacementAssertions:
    def assertCentred(self, clock, window):
        self.assertCentredIn(clock.workarea()["workarea"], window)

    def assertCentredIn(self, area, window):
        left, top, right, bottom = area
        x, y = window["rect"][:2]
        # Centring halves both sizes with integer division, so allow the odd pixel either way.
        self.assertAlmostEqual(x + window["width"] / 2, (left + right) / 2, delta=1, msg=window)
        self.assertAlmostEqual(y + window["height"] / 2, (top + bottom) / 2, delta=1, msg=window)

    def assertSavedWhereItStood(self, clock, window, skin):
        left, top = window["rect"][:2]
        self.assertEqual(clock.settings(), {
            "position": {"x": str(left), "y": str(top)},
            "skin": {"name": skin},
        })


class FirstRunTest(unittest.TestCase, PlacementAssertions):
    """A first run, with no settings file and the default skin: one clock for every test."""

    @classmethod
    def setUpClass(cls):
        cls.clock = ClockSession(skins=[DEFAULT_SKIN])
        cls.clock.__enter__()
        cls.addClassCleanup(cls.clock.close)
        cls.shown = cls.clock.window()

    def test_window_is_a_borderless_topmost_tool_popup(self):
        window = self.shown
        self.assertEqual(window["class"], "ZentrixClock")
        self.assertEqual(self.clock.driver("text", window["hwnd"]), {"text": "", "children": []})
        self.assertTrue(window["visible"])
        self.assertEqual(window["owner"], 0)
        self.assertTrue(window["style"] & WS_POPUP)
        for frame in (WS_CAPTION, WS_BORDER, WS_THICKFRAME):
            with self.subTest(frame=hex(frame)):
                self.assertFalse(window["style"] & frame)
        self.assertTrue(window["exstyle"] & WS_EX_TOOLWINDOW)
        self.assertTrue(window["topmost"])

    def test_window_takes_the_skin_size_centred_in_the_work_area(self):
        # The saved-position default (0, 400) lands on the top edge at (0, 0), the template's
        # own place, so the window is centred instead.
        background = skin_background(DEFAULT_SKIN)
        window = self.shown
        self.assertEqual((window["width"], window["height"]), (background.width, background.height))
        self.assertEqual((window["client_width"], window["client_height"]),
                         (background.width, background.height))
        self.assertCentred(self.clock, window)

    def test_screen_shows_the_background_through_the_shape(self):
        time.sleep(1.2)  # past the first tick's repaint
        shot = self.clock.capture()
        background = skin_background(DEFAULT_SKIN)
        transparency = skin_config(DEFAULT_SKIN)["Transparency"]
        key = tuple(int(transparency[c]) & 255 for c in "RGB")

        # The time is stamped in a strip across the middle; leave out the widest it can be.
        digit = max((skin_image(DEFAULT_SKIN, str(i)) for i in range(10)), key=lambda g: g.width)
        colon = skin_image(DEFAULT_SKIN, "10")
        strip_width = 6 * digit.width + 2 * colon.width
        strip_height = max(digit.height, colon.height)
        strip_left = background.width // 2 - strip_width // 2
        strip_top = background.height // 2 - strip_height // 2

        left, top = self.shown["rect"][:2]
        wrong = []
        for y in range(background.height):
            for x in range(background.width):
                pixel = background.pixel(x, y)
                in_strip = (strip_left <= x < strip_left + strip_width
                            and strip_top <= y < strip_top + strip_height)
                if pixel == key:
                    expected = ROOT_COLOUR
                elif not in_strip:
                    expected = pixel
                else:
                    continue
                if shot.pixel(left + x, top + y) != expected:
                    wrong.append(((x, y), shot.pixel(left + x, top + y), expected))
        self.assertEqual(wrong[:5], [], f"{len(wrong)} pixels differ; see {shot.path}")
        self.assertEqual(shot.pixel(left - 1, top - 1), ROOT_COLOUR)
        self.assertEqual(shot.pixel(left + background.width, top + background.height),
                         ROOT_COLOUR)


class EndOfRunTest(unittest.TestCase, PlacementAssertions):
    """How a run ends decides what is saved; each test has a clock of its own."""

    def test_close_saves_position_and_skin(self):
        with ClockSession(skins=[DEFAULT_SKIN]) as clock:
            window = clock.window()
            clock.send(WM_CLOSE)
            self.assertTrue(clock.wait_exit())
            self.assertSavedWhereItStood(clock, window, DEFAULT_SKIN)

    def test_dialog_keys_end_the_run_and_save_like_exit(self):
        with ClockSession(skins=[DEFAULT_SKIN], start=False) as clock:
            for key in ("Escape", "Return"):
                with self.subTest(key=key):
                    clock.settings_path.unlink(missing_ok=True)
                    window = clock.start()
                    clock.key(key)
                    self.assertTrue(clock.wait_exit(), f"{key} did not end the run")
                    self.assertSavedWhereItStood(clock, window, DEFAULT_SKIN)

    def test_a_session_end_keeps_where_the_clock_stood_though_every_process_is_then_ended(self):
        saved = "[skin]\r\nname=back2\r\n[position]\r\nx=300\r\ny=0\r\n"
        with ClockSession(skins=[DEFAULT_SKIN], settings=saved) as clock:
            clock.park_pointer()
            clock.send(WM_COMMAND, IDM_AUTO_MOVE)  # off, so the pointer may grab the clock
            clock.xdotool("mousemove", 310, 20)
            clock.xdotool("mousedown", "1")
            clock.xdotool("mousemove", 510, 25)
            clock.xdotool("mouseup", "1")
            # The end of the drag is saved at once.
            self.assertTrue(clock.wait_for(
                lambda: (clock.settings() or {}).get("position") == {"x": "500", "y": "0"}, 5))
            # Dodged when the session ends: the place it stands in then is what is kept.
            clock.send(WM_COMMAND, IDM_AUTO_MOVE)
            clock.xdotool("mousemove", 520, 30)
            dodged = 500 + 1024 // 2 - 220
            self.assertTrue(clock.wait_for(lambda: clock.window()["rect"][0] == dodged, 5))
            self.assertNotEqual(clock.send(WM_QUERYENDSESSION), 0)
            clock.send(WM_ENDSESSION, 1)
            clock.end_every_process()
            self.assertEqual(clock.settings()["position"], {"x": str(dodged), "y": "0"})

    def test_skins_beside_the_program_are_found_from_another_working_folder(self):
        with ClockSession(start=False) as clock:
            program = clock.workdir.parent / "program"
            program.mkdir()
            shutil.copy(clock.exe, program)
            shutil.copytree(Path(os.environ["ZENTRIX_SKINS"]) / DEFAULT_SKIN,
                            program / DEFAULT_SKIN)
            clock.exe = program / clock.exe.name
            window = clock.start()  # in the session's working folder, which holds no skin
            background = skin_background(DEFAULT_SKIN)
            self.assertEqual((window["width"], window["height"]),
                             (background.width, background.height))

    def test_a_full_screen_window_in_front_sends_the_clock_behind_it_until_it_goes(self):
        # The desktop's own monitor-covering window (a wallpaper host, after "Show desktop")
        # comes to the front when the user clicks the bare desktop: it is no full-screen window.
        # A clock without seconds ticks once a minute, and still steps aside at once.
        cases = (("", [], True), ("[display]\nfullscreen=stay\n", [], False),
                 ("", ["WorkerW"], False), ("[display]\nseconds=0\n", [], True))
        with ClockSession(skins=[DEFAULT_SKIN], start=False) as clock:
            for settings, window_class, steps_aside in cases:
                with self.subTest(settings=settings, window_class=window_class):
                    clock.write_settings(settings)
                    clock.start()
                    self.assertTrue(clock.window()["topmost"])
                    shown, window = clock.in_background("fullscreen", 30000, *window_class)
                    try:
                        self.assertEqual(shown["rect"], [0, 0, *DEFAULT_SCREEN])
                        behind = clock.wait_for(lambda: not clock.window()["topmost"], 2)
                        self.assertEqual(bool(behind), steps_aside)
                    finally:
                        window.kill()
                        window.wait(10)
                    self.assertTrue(clock.wait_for(
                        lambda: (shown := clock.window())["topmost"] and shown["visible"], 2.5))
                    clock.stop()

    def test_saved_skin_and_position_are_used_and_written_back(self):
        saved = "[skin]\r\nname=neon\r\n[position]\r\nx=300\r\ny=57\r\n"
        with ClockSession(skins=[DEFAULT_SKIN, "neon"], settings=saved) as clock:
            window = clock.window()
            background = skin_background("neon")
            self.assertEqual((window["width"], window["height"]),
                             (background.width, background.height))
            # Every run starts docked on top: y goes to the edge, x stays.
            self.assertEqual(window["rect"][:2], [300, 0])
            clock.send(WM_CLOSE)
            self.assertTrue(clock.wait_exit())
            self.assertSavedWhereItStood(clock, window, "neon")

    def test_the_distribution_unpacked_where_the_code_page_cannot_spell_it_finds_its_skins(self):
        with ClockSession(start=False) as clock:
            # File names in UTF-8 for Wine, and the code page 1252, without Cyrillic, for Windows.
            clock.env.update(LANG="C.UTF-8", LC_ALL="C.UTF-8")
            unpacked = clock.workdir.parent / "Часы"
            with zipfile.ZipFile(os.environ["ZENTRIX_PACKAGE"]) as package:
                package.extractall(unpacked)
            clock.exe = unpacked / clock.exe.name
            background = skin_background(DEFAULT_SKIN)
            for folder in (unpacked, clock.workdir):
                with self.subTest(started_in=folder.name):
                    clock.stop()
                    clock.workdir = folder
                    window = clock.start()
                    self.assertIsNone(clock.top_window(MESSAGE_CAPTION))
                    self.assertEqual((window["width"], window["height"]),
                                     (background.width, background.height))
            # Start with Windows names this program (`reg query` would print it in code page 437).
            clock.send(WM_COMMAND, IDM_START_WITH_WINDOWS)
            exported = clock.workdir / "run.reg"
            clock.wine("reg", "export", RUN_KEY, f"Z:{exported}", "/y")
            program = f"Z:{clock.exe}".replace("/", "\\").replace("\\", "\\\\")
            self.assertIn(f'"Zentrix"="\\"{program}\\""', exported.read_text(encoding="utf-16"))

    def test_the_packages_install_a_clock_that_finds_its_skins_and_uninstall_it(self):
        installer = Path(os.environ["ZENTRIX_INSTALLER"])
        version = installer.name.split("-")[1]
        manifests = [path.read_text() for path in (installer.parent / "winget").glob("*.yaml")]
        self.assertEqual([f"PackageVersion: {version}\n" in text for text in manifests], [True] * 3)
        sha256 = hashlib.sha256(installer.read_bytes()).hexdigest().upper()
        self.assertEqual(sum(f"InstallerSha256: {sha256}\n" in text for text in manifests), 1)
        address = r"InstallerUrl: https://\S+" + re.escape(f"/{version}/{installer.name}\n")
        self.assertEqual(sum(bool(re.search(address, text)) for text in manifests), 1)
        background = skin_background(DEFAULT_SKIN)
        with ClockSession(start=False) as clock:
            users = clock.prefix / "drive_c" / "users"
            # The zip's copy is portable: its settings stay beside it, whatever the working folder.
            portable = clock.workdir.parent / "portable"
            with zipfile.ZipFile(os.environ["ZENTRIX_PACKAGE"]) as package:
                package.extractall(portable)
            clock.exe = portable / clock.exe.name
            clock.start()
            clock.send(WM_CLOSE)
            self.assertTrue(clock.wait_exit())
            self.assertIn(b"name=back2", (portable / "Zentrix.INI").read_bytes())
            self.assertIsNone(clock.settings())

            clock.wine(installer, "/S")
            entry = registry_values(clock, UNINSTALL_KEY)
            location = PureWindowsPath(entry["InstallLocation"])
            shown = [entry[name] for name in ("DisplayName", "DisplayVersion", "DisplayIcon")]
            self.assertEqual(shown, ["Zentrix", version, str(location / "Zentrix.exe")])
            self.assertGreater(int(entry["EstimatedSize"], 16), 1000)  # KB
            folder = Path(clock.wine("winepath", "-u", location).strip()).resolve()
            self.assertTrue(str(folder).endswith("/AppData/Local/Programs/Zentrix"), folder)
            files = lambda: {path.relative_to(folder).as_posix() for path in folder.rglob("*")}
            self.assertLessEqual({"Zentrix.exe", "zentrix-skin.exe", "Uninstall.exe",
                                  "skins/back2/back.bmp", "docs/skins.md"}, files())
            # Installed again over a skin of the user's own, which stays, through the uninstall too.
            shutil.copytree(folder / "skins" / "neon", folder / "skins" / "mine")
            mine = {"skins", *(name for name in files() if name.startswith("skins/mine"))}
            # A clock that does not end when asked (its window gone, its program still ending,
            # with Zentrix.exe open) stops either program before it changes anything, and a file
            # in use alone stops them where they meet it; either way they fail, and the entry stays.
            _, holder = clock.in_background("hold", location / "Zentrix.exe", 600000)
            self.addCleanup(holder.kill)
            (folder / "docs" / "skins.md").unlink()
            kept = files()
            runs = ([installer, "/S"], [location / "Uninstall.exe", "/S", f"_?={location}"])
            for run in runs:
                _, ending = clock.in_background("fullscreen", 600000, "ZentrixClock")
                with self.assertRaises(HarnessError):
                    clock.wine(*run)
                ending.kill()
                self.assertEqual(files(), kept)
            for run in runs:
                with self.assertRaises(HarnessError):
                    clock.wine(*run)
            self.assertEqual(registry_values(clock, UNINSTALL_KEY)["DisplayName"], "Zentrix")
            holder.kill()
            holder.wait(10)
            clock.wine(installer, "/S")
            # The shortcut's target, the path its link information holds, starts the clock in a
            # working folder without skins.
            shortcut, = users.glob("*/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/*.lnk")
            target = re.search(rb"[A-Za-z]:\\[^\0]*?\.exe", shortcut.read_bytes()).group()
            clock.exe = PureWindowsPath(target.decode("latin-1"))
            window = clock.start()
            self.assertIsNone(clock.top_window(MESSAGE_CAPTION))
            self.assertEqual((window["width"], window["height"]),
                             (background.width, background.height))
            clock.send(WM_COMMAND, IDM_START_WITH_WINDOWS)
            self.assertEqual(registry_values(clock, RUN_KEY)["Zentrix"], f'"{clock.exe}"')
            # The uninstaller closes the clock, which saves its settings, and runs on from a copy
            # of itself; the entry goes last.
            clock.wine(location / "Uninstall.exe", "/S")
            self.assertTrue(clock.wait_for(lambda: not registry_values(clock, UNINSTALL_KEY), 20))
            self.assertTrue(clock.wait_exit(0))
            self.assertEqual(files(), mine)
            self.assertFalse(shortcut.exists())
            self.assertNotIn("Zentrix", registry_values(clock, RUN_KEY))
            self.assertEqual(clock.settings()["skin"], {"name": DEFAULT_SKIN})


class DamagedSettingsTest(unittest.TestCase, PlacementAssertions):
    """Whatever the settings file holds, the clock starts on the screen and saves cleanly.

    One session runs the clock once per file."""

    CENTRED = "centred"
    ON_SCREEN = "on the top edge or centred"
    FILES = {
        # "abc" reads as 0 and "12junk" as 12, which the top edge turns into 0: (0, 0) is the
        # template's place, so the window is centred.
        "words for numbers": (b"[position]\nx=abc\ny=12junk\n", CENTRED),
        "digits then junk": (b"[position]\nx=12junk\ny=abc\n", [12, 0]),
        "no position section": (b"[skin]\nname=back2\n", CENTRED),
        "keys outside any section": (b"x=5\ny=6\n", CENTRED),
        # How these convert is the platform's business; the clock must still stand on screen.
        "out of range numbers": (b"[position]\nx=-99999999999\ny=99999999999\n", ON_SCREEN),
        "binary bytes": (bytes(range(256)) * 4 + b"\n[position]\nx=\x01\xff9\ny=\x00\n",
                         ON_SCREEN),
    }

    @classmethod
    def setUpClass(cls):
        cls.clock = ClockSession(skins=[DEFAULT_SKIN], start=False)
        cls.clock.__enter__()
        cls.addClassCleanup(cls.clock.close)

    def assertOnTopEdgeOrCentred(self, window):
        screen = self.clock.workarea()["screen_width"]
        left, top = window["rect"][:2]
        if (left, top) != (0, 0) and top == 0:
            self.assertTrue(0 <= left <= screen - window["width"], window)
        else:
            self.assertCentred(self.clock, window)

    def test_every_file_gives_a_clock_on_screen_that_saves(self):
        for label, (content, place) in self.FILES.items():
            with self.subTest(label):
                self.clock.write_settings(content)
                window = self.clock.start()
                if place == self.CENTRED:
                    self.assertCentred(self.clock, window)
                elif place == self.ON_SCREEN:
                    self.assertOnTopEdgeOrCentred(window)
                else:
                    self.assertEqual(window["rect"][:2], place)
                self.clock.send(WM_CLOSE)
                self.assertTrue(self.clock.wait_exit())
                saved = self.clock.settings()
                self.assertEqual(saved["position"],
                                 {"x": str(window["rect"][0]), "y": str(window["rect"][1])})
                self.assertEqual(saved["skin"]["name"], DEFAULT_SKIN)


class TwoMonitorsTest(unittest.TestCase, PlacementAssertions):
    """A display cut into two monitors: the primary, and a smaller one on its right."""

    def test_clock_starts_centred_on_the_primary_monitor(self):
        with ClockSession(skins=[DEFAULT_SKIN],
                          monitors=[(0, 0, 1024, 768), (1024, 0, 800, 600)]) as clock:
            seen = clock.driver("monitors")
            window = clock.window()
        self.assertEqual([(m["rect"], m["primary"]) for m in seen["monitors"]],
                         [([0, 0, 1024, 768], True), ([1024, 0, 1824, 600], False)])
        self.assertCentredIn(seen["monitors"][0]["work"], window)


if __name__ == "__main__":
    unittest.main()
