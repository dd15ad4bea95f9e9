"""The settings copy in the user's application data: written when the settings file in the
Windows folder cannot be, and read in its place whenever it exists."""

import os
import unittest
from pathlib import Path

from harness import SETTINGS_NAME, WM_CLOSE, Bitmap, ClockSession, parse_settings


def saved(skin, x, y):
    return {"position": {"x": str(x), "y": str(y)}, "skin": {"name": skin}}


class SettingsCopyTest(unittest.TestCase):
    """Each test has a session of its own."""

    def copy_path(self, clock):
        return clock.app_data_path() / "Zentrix" / SETTINGS_NAME

    def close(self, clock):
        """Closes the clock as the user does and gives where it stood."""
        left, top = clock.window()["rect"][:2]
        clock.send(WM_CLOSE)
        self.assertTrue(clock.wait_exit())
        return left, top

    def test_unwritable_settings_file_sends_the_settings_to_the_copy(self):
        with ClockSession(skins=["back2"], start=False) as clock:
            # A folder in the file's place: the private-profile functions cannot write it, even
            # for a root user that read-only attributes do not stop.
            clock.settings_path.mkdir()
            copy = self.copy_path(clock)
            self.assertFalse(copy.exists())

            clock.start()
            left, top = self.close(clock)
            self.assertNotEqual(top, 0, "a run without settings stands centred")
            self.assertTrue(copy.is_file(), f"no settings copy at {copy}")
            self.assertEqual(parse_settings(copy.read_bytes()), saved("back2", left, top))
            self.assertTrue(clock.settings_path.is_dir())

            # The next run starts from the copy: the saved place pulled onto the top edge.
            window = clock.start()
            self.assertEqual(window["rect"][:2], [left, 0])
            place = self.close(clock)
            self.assertEqual(parse_settings(copy.read_bytes()), saved("back2", *place))

    def test_copy_is_read_before_the_settings_file(self):
        with ClockSession(skins=["back2", "neon"], start=False,
                          settings="[skin]\r\nname=back2\r\n[position]\r\nx=600\r\ny=0\r\n"
                          ) as clock:
            copy = self.copy_path(clock)
            copy.parent.mkdir(parents=True)
            copy.write_bytes(b"[skin]\r\nname=neon\r\n[position]\r\nx=300\r\ny=57\r\n")

            window = clock.start()
            neon = Bitmap(Path(os.environ["ZENTRIX_SKINS"]) / "neon" / "back.bmp")
            self.assertEqual(window["rect"], [300, 0, 300 + neon.width, neon.height])
            # Being read first, the copy is kept up to date as well.
            place = self.close(clock)
            self.assertEqual(parse_settings(copy.read_bytes()), saved("neon", *place))


if __name__ == "__main__":
    unittest.main()
