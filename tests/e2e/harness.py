"""Runs Zentrix.exe under Wine on a private X display and lets tests look at it and poke it.

Every ClockSession gets its own temporary folder holding a fresh Wine prefix (copied from a
pristine one that is made once per Wine version and cached), its own Xvfb display, and the
clock's working folder with the skins the test asks for. The window is inspected and messaged
through zentrix_driver.exe, which runs in the same prefix; the screen is read with ImageMagick's
`import`, and mouse and keyboard go through xdotool. A session may cut its display into several
monitors, which Wine learns of from a stand-in for libXinerama built from fake_xinerama.c, and
may give Wine a DPI other than 96.

CTest passes the programs in, but one test runs by hand as well, from this folder:

    ZENTRIX_EXE=../../build/windows/Zentrix.exe \\
    ZENTRIX_DRIVER=../../build/windows/tests/e2e/zentrix_driver.exe \\
    ZENTRIX_SKINS=../../skins \\
    python3 -m unittest -v test_startup.EndOfRunTest.test_close_saves_position_and_skin

ZENTRIX_E2E_KEEP=1 keeps each session's folder (prefix, working folder, screenshots, the logs
of Wine and Xvfb) and prints where it is. ZENTRIX_E2E_CACHE names the folder of the pristine
prefix (default: zentrix-e2e-<uid> in the temporary folder).
"""

import atexit
import ctypes
import fcntl
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools"))
import bmp_file  # noqa: E402
from bmp_file import Bitmap  # noqa: E402,F401 - the tests read skin images through it
import png_file  # noqa: E402,F401 - the tests write alpha skins through it

WM_CLOSE = 0x0010
WM_CANCELMODE = 0x001F
WM_COMMAND = 0x0111
IDOK = 1

WS_BORDER = 0x00800000
WS_DLGFRAME = 0x00400000
WS_CAPTION = WS_BORDER | WS_DLGFRAME
WS_THICKFRAME = 0x00040000
WS_POPUP = 0x80000000
WS_EX_TOOLWINDOW = 0x00000080

SETTINGS_NAME = "Zentrix.INI"
# The caption of the clock's message boxes: the program's name.
MESSAGE_CAPTION = "Zentrix"
# The identifier of a message box's text.
MESSAGE_TEXT_ID = 0xFFFF
MENU_CLASS = "#32768"
DEFAULT_SCREEN = (1024, 768)

_WINE_ENVIRONMENT = {
    "WINEDEBUG": "-all",
    "WINEDLLOVERRIDES": "mscoree,mshtml=",
    "TZ": "UTC",
    "LANG": "C",
    "LC_ALL": "C",
}
_FAKE_XINERAMA = Path(__file__).with_name("fake_xinerama.c")
_STARTUP_TIMEOUT = 30.0
_COMMAND_TIMEOUT = 30.0
_SERVER_LINGER_SECONDS = 10


class HarnessError(RuntimeError):
    pass


def _program(variable):
    value = os.environ.get(variable)
    if not value:
        raise HarnessError(f"{variable} is not set; see the docstring of harness.py")
    path = Path(value).resolve()
    if not path.exists():
        raise HarnessError(f"{variable}={value} does not exist")
    return path


def _die_with_parent():
    # A test run killed from outside (a CTest timeout) must not leave Xvfb or Wine behind.
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


_open_sessions = set()


def _close_open_sessions():
    for session in list(_open_sessions):
        session.close()


def _interrupt(*_):
    raise KeyboardInterrupt("SIGTERM")


def _clean_up_on_the_way_out():
    # A terminated or interrupted run ends the test runner at once (unittest lets only
    # KeyboardInterrupt through); sessions that a test class holds are closed at exit.
    if signal.getsignal(signal.SIGTERM) is signal.SIG_DFL:
        signal.signal(signal.SIGTERM, _interrupt)
        atexit.register(_close_open_sessions)


def _run(args, env, timeout=_COMMAND_TIMEOUT, check=True):
    args = [str(arg) for arg in args]
    # Output goes through files, not pipes: a Wine command may start the wineserver, which
    # inherits the pipes and would hold them open long after the command itself has ended.
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        code = subprocess.run(args, env=env, timeout=timeout, stdout=out, stderr=err).returncode
        out.seek(0)
        err.seek(0)
        result = subprocess.CompletedProcess(args, code, out.read(), err.read())
    if check and result.returncode != 0:
        raise HarnessError(
            f"{' '.join(args)} failed ({result.returncode}): "
            f"{result.stdout.decode(errors='replace')}{result.stderr.decode(errors='replace')}")
    return result


def _registry_text(value):
    if isinstance(value, int):
        return f"dword:{value:08x}"
    return '"' + value.replace("\\", "\\\\").replace('"', '\\"') + '"'


def set_user_registry(prefix, key, values):
    """Writes values ({name: int or str}, as REG_DWORD or REG_SZ) into HKEY_CURRENT_USER\\key of
    a prefix whose Wine server is not running. It edits user.reg, which the server reads when it
    starts, so the values are there before any Wine program looks; `wine reg add` would itself
    be such a program, and cost a start of Wine per key."""
    path = Path(prefix) / "user.reg"
    lines = path.read_text(encoding="latin-1").split("\n")
    header = "[" + key.replace("\\", "\\\\") + "]"
    new_lines = [f'"{name}"={_registry_text(value)}' for name, value in values.items()]
    names = tuple(f'"{name}"='.lower() for name in values)
    start = next((i for i, line in enumerate(lines)
                  if line == header or line.startswith(header + " ")), None)
    if start is None:
        # The server makes the key, and any missing key above it, as it reads the section.
        lines[-1:-1] = ["", f"{header} {int(time.time())}", *new_lines]
    else:
        end = next((i for i in range(start + 1, len(lines))
                    if not lines[i] or lines[i].startswith("[")), len(lines))
        kept = [line for line in lines[start + 1:end] if not line.lower().startswith(names)]
        lines[start + 1:end] = kept + new_lines
    path.write_text("\n".join(lines), encoding="latin-1")


def _wine_version():
    return subprocess.run(["wine", "--version"], capture_output=True, text=True,
                          check=True).stdout.strip()


def pristine_prefix():
    """The cached prefix made by `wineboot -i` for this Wine version; made on first use."""
    cache = Path(os.environ.get("ZENTRIX_E2E_CACHE")
                 or Path(tempfile.gettempdir()) / f"zentrix-e2e-{os.getuid()}")
    cache.mkdir(parents=True, exist_ok=True)
    prefix = cache / ("prefix-" + re.sub(r"[^A-Za-z0-9.]+", "_", _wine_version()))
    done = prefix.with_name(prefix.name + ".complete")
    with open(cache / "lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if done.exists():
            return prefix
        shutil.rmtree(prefix, ignore_errors=True)
        work = Path(tempfile.mkdtemp(dir=cache))
        try:
            env = dict(os.environ, **_WINE_ENVIRONMENT, WINEPREFIX=str(prefix), TMPDIR=str(work))
            env.pop("DISPLAY", None)
            _run(["wineboot", "-i"], env, timeout=300)
            # A crash ends the process with a backtrace on stderr instead of waiting in a dialog.
            _run(["wine", "reg", "add", r"HKCU\Software\Wine\WineDbg", "/v", "ShowCrashDialog",
                  "/t", "REG_DWORD", "/d", "0", "/f"], env, timeout=120)
            _run(["wineserver", "-w"], env, timeout=120)
            # Debian's Wine keeps the server socket in a mkdtemp folder (here inside `work`)
            # that the prefix names in a file "wineserver"; each copy must make its own.
            (prefix / "wineserver").unlink(missing_ok=True)
            done.touch()
        finally:
            shutil.rmtree(work, ignore_errors=True)
        return prefix


class Screenshot:
    """A capture of the whole screen; pixel(x, y) gives (r, g, b)."""

    def __init__(self, ppm, path):
        match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", ppm)
        if not match or match.group(3) != b"255":
            raise HarnessError("unexpected screenshot format")
        self.width, self.height = int(match.group(1)), int(match.group(2))
        self.path = path
        self._rgb = ppm[match.end():]

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError(f"({x}, {y}) is off the {self.width}x{self.height} screen")
        at = (y * self.width + x) * 3
        return tuple(self._rgb[at:at + 3])


def bmp_bytes(width, height, pixel):
    """An uncompressed 24-bit bottom-up BMP file; pixel(x, y) gives (r, g, b), y from the top."""
    return bmp_file.encode_24([[pixel(x, y) for x in range(width)] for y in range(height)])


def write_bmp(path, width, height, pixel):
    Path(path).write_bytes(bmp_bytes(width, height, pixel))


def write_skin(folder, width, height, pixel, glyph=None, key=(255, 0, 255), trans=0):
    """Makes a skin folder: config.ini with the key colour and the "Trans" flag, back.bmp drawn
    by pixel(x, y), and, when glyph is a (width, height, pixel) triple, the same picture for all
    eleven glyphs, which makes the face the same whatever the time. Without glyphs the skin has
    none of its own. Returns the folder's path."""
    folder = Path(folder)
    folder.mkdir(parents=True)
    (folder / "config.ini").write_text(
        "[Transparency]\nR={}\nG={}\nB={}\n\n[Bitmaps]\nBackground=back\nTrans={}\n"
        .format(*key, trans))
    write_bmp(folder / "back.bmp", width, height, pixel)
    for index in range(11 if glyph else 0):
        write_bmp(folder / f"{index}.bmp", *glyph)
    return folder


def turned_clockwise(rows):
    """A picture (rows of colours) turned a quarter turn clockwise."""
    height = len(rows)
    return [[rows[height - 1 - x][y] for x in range(height)] for y in range(len(rows[0]))]


def turned_anticlockwise(rows):
    """A picture (rows of colours) turned a quarter turn counter-clockwise."""
    width = len(rows[0])
    return [[rows[x][width - 1 - y] for x in range(len(rows))] for y in range(width)]


def parse_settings(data):
    """Reads INI bytes the way the private-profile functions do: names without regard to case,
    the first of repeated sections and keys wins, lines outside sections and without "=" are
    ignored; a file that starts with a UTF-16 byte-order mark is read as UTF-16. Returns
    {section: {key: value}} with lower-case names."""
    sections = {}
    current = None
    text = data.decode("utf-16") if data.startswith(b"\xff\xfe") else data.decode("latin-1")
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and "]" in line:
            current = sections.setdefault(line[1:line.index("]")].strip().lower(), {})
        elif current is not None and "=" in line:
            key, value = line.split("=", 1)
            current.setdefault(key.strip().lower(), value.strip())
    return sections


class ClockSession:
    """One clock run on its own display and Wine prefix. Use as a context manager.

    skins: names of folders in the repository's skins, or paths of folders that a test made;
        each is copied into the working folder under its own name.
    settings: bytes or text written to the settings file before the start; None leaves no file.
    screen: (width, height) of the display; by default 1024x768, or with monitors just large
        enough to hold them all.
    start: False prepares everything but leaves the starting of the clock to the test.
    monitors: (x, y, width, height) of each monitor in the display's pixels, the first one the
        primary; None leaves Wine one monitor the size of the display. Wine puts the origin of
        its coordinates at the primary's top-left corner, so a monitor left of or above it has
        negative ones there, while screenshots and xdotool still count from the display's.
    dpi: the DPI that Wine reports for the system and every monitor; None leaves it at 96.
    """

    def __init__(self, skins=(), settings=None, screen=None, start=True, monitors=None,
                 dpi=None):
        self.skins = list(skins)
        self.initial_settings = settings
        self.monitors = [tuple(monitor) for monitor in monitors] if monitors else None
        if self.monitors and any(x < 0 or y < 0 for x, y, _, _ in self.monitors):
            raise HarnessError(f"monitors start at (0, 0) on the display: {self.monitors}")
        self.screen = screen or (
            (max(x + width for x, _, width, _ in self.monitors),
             max(y + height for _, y, _, height in self.monitors))
            if self.monitors else DEFAULT_SCREEN)
        self.dpi = dpi
        self.autostart = start
        self.hwnd = None
        self.env = None
        self._clock = None
        self._xvfb = None
        self._root = None
        self._captures = 0

    # -- life cycle --------------------------------------------------------------------------

    def __enter__(self):
        _clean_up_on_the_way_out()
        _open_sessions.add(self)
        try:
            self._prepare()
            if self.autostart:
                self.start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _prepare(self):
        self.exe = _program("ZENTRIX_EXE")
        self.driver_exe = _program("ZENTRIX_DRIVER")
        template = pristine_prefix()
        self._root = Path(tempfile.mkdtemp(prefix="zentrix-e2e-session-"))
        self.prefix = self._root / "prefix"
        self.workdir = self._root / "work"
        self.logs = self._root / "logs"
        tmpdir = self._root / "tmp"
        for folder in (self.workdir, self.logs, tmpdir):
            folder.mkdir()
        self._start_display()
        subprocess.run(["cp", "-a", str(template), str(self.prefix)], check=True)
        self.env = dict(os.environ, **_WINE_ENVIRONMENT, WINEPREFIX=str(self.prefix),
                        TMPDIR=str(tmpdir), DISPLAY=self.display)
        # These land in the registry before the server that reads it first starts. Without a
        # notification area on the display, Wine would show the clock's icon in a window of its
        # own at the screen's corner, over what the tests capture there.
        set_user_registry(self.prefix, r"Software\Wine\X11 Driver", {"ShowSystray": "N"})
        if self.monitors:
            self._split_display()
        if self.dpi:
            set_user_registry(self.prefix, r"Control Panel\Desktop", {"LogPixels": self.dpi})
        # The server is started alone before the clock and the driver start together: the
        # first start of a prefix makes the server folder, and two at once make two of them.
        # It stays for a while after its last client, so a clock may end and start again.
        _run(["wineserver", f"-p{_SERVER_LINGER_SECONDS}"], self.env)
        for skin in self.skins:
            self.add_skin(skin)
        if self.initial_settings is not None:
            self.write_settings(self.initial_settings)

    def _start_display(self):
        read_end, write_end = os.pipe()
        width, height = self.screen
        with open(self.logs / "xvfb.log", "wb") as log:
            # -displayfd lets the server pick a free display and say which once it listens;
            # -wr gives a white root, so the holes in the clock's shape are easy to see;
            # -noreset keeps the server (and the pointer where a test put it) when its last
            # client leaves between two runs of the clock.
            self._xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
                 "-nolisten", "tcp", "-wr", "-noreset"],
                pass_fds=(write_end,), stdout=log, stderr=subprocess.STDOUT,
                preexec_fn=_die_with_parent)
        os.close(write_end)
        with os.fdopen(read_end) as answer:
            number = answer.readline().strip()
        if not number.isdigit():
            raise HarnessError(f"Xvfb did not start, see {self.logs / 'xvfb.log'}")
        self.display = f":{number}"
        # The pointer starts in the middle of the screen, where a centred clock would take it
        # for a visit and dodge; the bottom-right corner is out of its way.
        _run(["xdotool", "mousemove", width - 1, height - 1],
             dict(os.environ, DISPLAY=self.display))

    def _split_display(self):
        # Xvfb shows one output per X screen; Wine, told to ask Xinerama for its monitors rather
        # than XRandR, loads our stand-in for the library, which answers with the test's heads.
        library = self._root / "xinerama"
        library.mkdir()
        _run(["cc", "-shared", "-fPIC", "-O2", "-o", library / "libXinerama.so.1",
              _FAKE_XINERAMA], self.env)
        self.env["LD_LIBRARY_PATH"] = os.pathsep.join(
            filter(None, [str(library), self.env.get("LD_LIBRARY_PATH")]))
        self.env["ZENTRIX_HEADS"] = ";".join(",".join(map(str, m)) for m in self.monitors)
        set_user_registry(self.prefix, r"Software\Wine\X11 Driver", {"UseXRandR": "N"})

    def start(self, wait=True):
        """Starts the clock in the working folder and waits for its window; wait=False returns
        at once, for a start that shows some other window first."""
        with open(self.logs / "clock.log", "ab") as log:
            self._clock = subprocess.Popen(["wine", str(self.exe)], cwd=self.workdir, env=self.env,
                                           stdout=log, stderr=subprocess.STDOUT,
                                           preexec_fn=_die_with_parent)
        return self.wait_for_window() if wait else None

    def wait_for_window(self, *titles):
        """Waits for a visible window of the clock's process with the first of these captions
        that one has (by default the clock window, whose caption is empty) and returns it; the
        clock window becomes the session's hwnd."""
        options = [option for title in titles for option in ("--title", title)]
        deadline = time.monotonic() + _STARTUP_TIMEOUT
        while True:
            found = self.driver("find", "--timeout-ms", "500", *options, check=False)
            if "hwnd" in found:
                if not found.get("title"):
                    self.hwnd = found["hwnd"]
                return found
            if self._clock.poll() is not None:
                output = (self.logs / "clock.log").read_bytes()[-2000:].decode(errors="replace")
                raise HarnessError(f"the clock ended with {self._clock.returncode} before showing "
                                   f"its window; its output:\n{output}")
            if time.monotonic() > deadline:
                shown = [(w["class"], w["title"], w["rect"])
                         for w in self.driver("windows")["windows"] if w["visible"]]
                raise HarnessError(f"the clock window did not appear; visible windows: {shown}")

    def close(self):
        """Ends the clock, the Wine server and the display, and removes the session folder."""
        _open_sessions.discard(self)
        steps = [self._kill_clock, self._stop_wineserver, self._stop_display, self._remove_folder]
        for step in steps:
            try:
                step()
            except Exception as error:  # every step runs, whatever the one before it did
                print(f"zentrix e2e clean-up: {error}", file=sys.stderr)

    def stop(self):
        """Ends the clock process at once, whatever it shows; the session stays for another
        start."""
        self._kill_clock()

    def end_every_process(self):
        """Ends every process of the session's Wine at once, as a session that ends does."""
        self._stop_wineserver()
        self.wait_exit()

    def _kill_clock(self):
        if self._clock and self._clock.poll() is None:
            self._clock.kill()
            self._clock.wait(10)

    def _stop_wineserver(self):
        if self.env:
            _run(["wineserver", "-k"], self.env, check=False)
            _run(["wineserver", "-w"], self.env, check=False)

    def _stop_display(self):
        if self._xvfb and self._xvfb.poll() is None:
            self._xvfb.terminate()
            try:
                self._xvfb.wait(5)
            except subprocess.TimeoutExpired:
                self._xvfb.kill()
                self._xvfb.wait(5)

    def _remove_folder(self):
        if not self._root:
            return
        if os.environ.get("ZENTRIX_E2E_KEEP") == "1":
            print(f"zentrix e2e: kept {self._root}", file=sys.stderr)
        else:
            shutil.rmtree(self._root, ignore_errors=True)
        self._root = None

    # -- working folder and settings ---------------------------------------------------------

    def add_skin(self, skin):
        """Copies a skin folder into the working folder: a name from the repository's skins or
        the path of a folder that the test made."""
        source = Path(skin) if isinstance(skin, os.PathLike) else _program("ZENTRIX_SKINS") / skin
        shutil.copytree(source, self.workdir / source.name)

    @property
    def settings_path(self):
        return self.prefix / "drive_c" / "windows" / SETTINGS_NAME

    def write_settings(self, content):
        data = content if isinstance(content, bytes) else content.encode("latin-1")
        self.settings_path.write_bytes(data)

    def settings_bytes(self):
        return self.settings_path.read_bytes() if self.settings_path.exists() else None

    def settings(self):
        """The settings file as {section: {key: value}}, or None when there is none."""
        data = self.settings_bytes()
        return None if data is None else parse_settings(data)

    def wine(self, *args, check=True):
        """Runs a program of the Wine installation (cmd, winepath, reg...) in the session's
        prefix and returns its standard output as text."""
        return _run(["wine", *args], self.env, check=check).stdout.decode("latin-1")

    def app_data_path(self):
        """Where the user's application data folder (%APPDATA%) of the prefix is."""
        folder = self.wine("cmd", "/c", "echo %APPDATA%").strip()
        return Path(self.wine("winepath", "-u", folder).strip()).resolve()

    # -- the clock window --------------------------------------------------------------------

    def driver(self, *args, check=True, timeout=_COMMAND_TIMEOUT):
        """Runs zentrix_driver.exe in the session's prefix and returns its JSON answer."""
        # Once in many runs, on a loaded machine, a driver start ended with status 1 and no
        # output at all, which the driver itself never does, or did not end at all; such a
        # start is logged and tried once more.
        for _ in range(2):
            try:
                result = _run(["wine", self.driver_exe, *args], self.env, timeout=timeout,
                              check=False)
            except subprocess.TimeoutExpired:
                result = subprocess.CompletedProcess(args, None, b"", b"timed out\n")
            lines = result.stdout.decode("latin-1").strip().splitlines()
            if lines:
                break
            with open(self.logs / "driver.log", "ab") as log:
                log.write(f"{args}: status {result.returncode}, no answer\n".encode())
                log.write(result.stderr)
        try:
            answer = json.loads(lines[-1])
        except (IndexError, ValueError):
            raise HarnessError(f"driver {args}: no answer ({result.returncode}) "
                               f"{result.stderr.decode(errors='replace')}") from None
        if check and result.returncode != 0:
            raise HarnessError(f"driver {args}: {answer.get('error')}")
        return answer

    def window(self):
        """The clock window as the driver sees it: hwnd, rect, size, styles, focus."""
        return self.driver("rect", self.hwnd)

    def send(self, message, wparam=0, lparam=0):
        return self.driver("send", self.hwnd, message, wparam, lparam)["result"]

    def post(self, message, wparam=0, lparam=0):
        self.driver("post", self.hwnd, message, wparam, lparam)

    def region_rects(self):
        """The window's shape as a list of (left, top, right, bottom), or None without one."""
        region = self.driver("region", self.hwnd)
        return None if region["type"] == "none" else [tuple(r) for r in region["rects"]]

    def workarea(self):
        return self.driver("workarea")

    def wait_exit(self, timeout=10.0):
        """Whether the clock process ended within the timeout."""
        try:
            self._clock.wait(timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    # -- screen, mouse and keyboard ----------------------------------------------------------

    def capture(self):
        """A screenshot of the whole display, saved as PNG in the session's folder."""
        self._captures += 1
        png = self.logs / f"screen-{self._captures:03}.png"
        _run(["import", "-display", self.display, "-window", "root", "-depth", "8", str(png)],
             self.env)
        ppm = _run(["convert", str(png), "-depth", "8", "ppm:-"], self.env).stdout
        return Screenshot(ppm, png)

    def xdotool(self, *args):
        return _run(["xdotool", *args], self.env).stdout.decode().strip()

    def scribble(self, colour, hwnd=None):
        """Fills the clock's X window (or that of the window hwnd of its process) with an
        (r, g, b) colour straight in the X server, behind Wine's back: what stays of it shows
        which parts of the window Wine has not repainted since. The X server clips the fill to
        the window's shape."""
        x11 = ctypes.CDLL("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XCreateGC.restype = ctypes.c_void_p
        x11.XCreateGC.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_void_p]
        x11.XSetForeground.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_ulong]
        x11.XFillRectangle.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p,
                                       ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint]
        x11.XFreeGC.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        window = int(self.x_window(hwnd))
        width, height = (self.driver("rect", hwnd or self.hwnd)[key] for key in ("width", "height"))
        display = x11.XOpenDisplay(self.display.encode())
        if not display:
            raise HarnessError(f"cannot open display {self.display}")
        try:
            gc = x11.XCreateGC(display, window, 0, None)
            red, green, blue = colour
            x11.XSetForeground(display, gc, red << 16 | green << 8 | blue)
            x11.XFillRectangle(display, window, gc, 0, 0, width, height)
            x11.XFreeGC(display, gc)
            x11.XSync(display, 0)
        finally:
            x11.XCloseDisplay(display)

    def x_window(self, hwnd=None):
        """The X window id of the clock, or of another window of its process given by hwnd
        (Wine sets _NET_WM_PID to the process id and names the X window after the caption)."""
        search = ["search", "--onlyvisible", "--pid", self._clock.pid]
        if hwnd is not None and hwnd != self.hwnd:
            caption = self.driver("text", hwnd)["text"]
            search += ["--name", "^" + re.sub(r"([][.^$*+?(){}|\\])", r"\\\1", caption) + "$"]
        found = self.xdotool(*search).split()
        if not found:
            raise HarnessError(f"no X window for {hwnd or 'the clock'}")
        return found[0]

    def x_opacity(self):
        """The clock's X property _NET_WM_WINDOW_OPACITY, which Wine sets for a layered window
        drawn see-through, as a share of 0xFFFFFFFF; 1 without one."""
        said = _run(["xprop", "-id", self.x_window(), "_NET_WM_WINDOW_OPACITY"], self.env)
        value = re.search(rb"= (\d+)", said.stdout)
        return int(value.group(1)) / 0xFFFFFFFF if value else 1.0

    def focus(self, hwnd=None):
        """Gives the clock (or the window hwnd of its process, such as a dialog) the X input
        focus once Wine has made it the foreground window, so keys reach it without the
        pointer going near it."""
        hwnd = hwnd or self.hwnd
        if not self.wait_for(lambda: self.driver("rect", hwnd)["foreground"] == hwnd, 10):
            raise HarnessError(f"{hwnd} never became the foreground window")
        self.xdotool("windowfocus", "--sync", self.x_window(hwnd))

    def key(self, *keys, hwnd=None):
        self.focus(hwnd)
        self.xdotool("key", *keys)

    def type_into(self, dialog, box_id, typed):
        """Types typed into the focused box box_id of the dialog, emptied first, until the box
        holds it: on a loaded machine a key now and then goes missing between xdotool and Wine."""
        def holds():
            return next(child["text"] for child in self.driver("text", dialog)["children"]
                        if child["id"] == box_id) == typed

        for _ in range(3):
            self.focus(dialog)
            self.xdotool("key", *["End"] + ["BackSpace"] * 64)
            self.xdotool("type", "--delay", "50", typed)
            if self.wait_for(holds, 2):
                return
        raise HarnessError(f"the box {box_id} never held {typed!r}")

    def park_pointer(self):
        """Puts the pointer in the bottom-right corner, out of the clock's way, and tells Wine so:
        Wine sees no moves over windows that are not its own, and it takes a later move back to
        the place where it last saw the pointer for no move at all."""
        corner = (self.screen[0] - 1, self.screen[1] - 1)
        self.xdotool("mousemove", *corner)
        self.driver("cursor", *corner)

    def top_window(self, title):
        """The visible top-level window of the clock's process with this caption (a dialog that
        the clock opened), or None."""
        return next((w for w in self.driver("windows")["windows"]
                     if w["visible"] and w["title"] == title
                     and w["image"].lower() == self.exe.name.lower()),
                    None)

    def in_background(self, *args):
        """Runs zentrix_driver.exe with args in the background and waits for its first line,
        which says it has done what it holds (a file open, a window shown); gives that line's
        JSON and the process, to be killed when done."""
        said = tempfile.TemporaryFile()
        process = subprocess.Popen(["wine", str(self.driver_exe), *map(str, args)],
                                   cwd=self.workdir, env=self.env, stdout=said,
                                   stderr=subprocess.DEVNULL)
        answer = self.wait_for(lambda: said.seek(0) == 0 and said.read().strip(), 20)
        if not answer:
            process.kill()
            raise HarnessError(f"driver {args} said nothing")
        return json.loads(answer.splitlines()[0]), process

    def answer_message(self, timeout=10.0):
        """Waits for a message box of the clock, presses its OK and gives its text; None when
        no message box opens in time."""
        box = self.wait_for(lambda: self.top_window(MESSAGE_CAPTION), timeout)
        if not box:
            return None
        text = next(child["text"] for child in self.driver("text", box["hwnd"])["children"]
                    if child["id"] == MESSAGE_TEXT_ID)
        self.driver("post", box["hwnd"], WM_COMMAND, IDOK, 0)
        if not self.wait_for(lambda: self.top_window(MESSAGE_CAPTION) is None, 5):
            raise HarnessError(f"the message box \"{text}\" stayed open after OK")
        return text

    def open_menu(self, x, y):
        """Right-clicks the screen point (x, y) with Shift held, which keeps an auto-moving clock
        in place, and returns the popup menu window, or None when no menu opened."""
        self.focus()  # Wine learns of the Shift key only through a window that has the focus
        self.xdotool("keydown", "shift")
        try:
            self.xdotool("mousemove", x, y)
            self.xdotool("click", "3")
            # Out of the clock's way again while Shift still keeps it from dodging.
            self.xdotool("mousemove", self.screen[0] - 1, self.screen[1] - 1)
        finally:
            self.xdotool("keyup", "shift")
        return self.wait_for(self.menu_window, 5)

    def menu_window(self):
        """The clock's open popup menu (window class "#32768"), or None."""
        return next((w for w in self.driver("windows")["windows"]
                     if w["visible"] and w["class"] == MENU_CLASS
                     and w["image"].lower() == self.exe.name.lower()),
                    None)

    def reference_menu(self, x, y, items):
        """Opens a popup menu of the driver's own at (x, y) and captures the screen while it is
        open: the window system draws it as it draws the clock's menu, so it shows what that
        menu should look like. items: texts, "-" for a separator, a leading "+" for a check, "~" for a greyed item
        mark, a leading "*" for a group's chosen item, a leading ">" for a submenu. Returns the
        screenshot and the driver's answer: "rect", the menu window's screen rectangle, and
        "items", one screen rectangle per item."""
        with tempfile.TemporaryFile() as out:
            shown = subprocess.Popen(
                ["wine", str(self.driver_exe), "showmenu", str(x), str(y),
                 str(int(_COMMAND_TIMEOUT * 1000)), *items],
                env=self.env, stdout=out, stderr=subprocess.DEVNULL)
            menu = None
            try:
                menu = self.wait_for(self._driver_menu, _COMMAND_TIMEOUT)
                shot = self.capture() if menu else None
            finally:
                if menu:
                    self.driver("post", menu["owner"], WM_CANCELMODE, 0, 0)
                shown.wait(_COMMAND_TIMEOUT)
            out.seek(0)
            lines = out.read().decode("latin-1").strip().splitlines()
        answer = json.loads(lines[-1]) if lines else {"error": "no answer"}
        if "error" in answer or not menu:
            raise HarnessError(f"driver showmenu: {answer.get('error', 'no menu window')}")
        return shot, answer

    def _driver_menu(self):
        return next((w for w in self.driver("windows")["windows"]
                     if w["visible"] and w["class"] == MENU_CLASS
                     and w["image"].lower() == self.driver_exe.name.lower()),
                    None)

    @staticmethod
    def wait_for(predicate, timeout=10.0, interval=0.1):
        """Polls predicate until it gives a true value, which it returns; the last false value
        when the timeout passes."""
        deadline = time.monotonic() + timeout
        while True:
            value = predicate()
            if value or time.monotonic() > deadline:
                return value
            time.sleep(interval)
