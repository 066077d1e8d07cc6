"""End-to-end tests of the real Velamo.exe on the Wine desktop that tools/desktop.sh starts, seen
and driven as a user would: programs run under Wine, real X input from xdotool, the screen read
with ImageMagick's import, and Windows' own state read through probe.exe, which runs Win32 calls
and owns the target windows it creates."""

import ctypes
import ctypes.util
import itertools
import os
import re
import struct
import subprocess
import time
import unittest
from pathlib import Path

EXE, PROBE = os.environ["VELAMO_EXE"], os.environ["VELAMO_PROBE"]
with open(PROBE, "rb") as _exe:
    _header = _exe.read(4096)
# Pointer size of the Windows programs under test: the probe's machine type says it.
_machine = struct.unpack_from("<H", _header, struct.unpack_from("<I", _header, 0x3C)[0] + 4)[0]
POINTER = 8 if _machine == 0x8664 else 4
ARTIFACTS = Path(os.environ.get("VELAMO_ARTIFACTS", "artifacts"))
WS_OVERLAPPEDWINDOW, WS_VISIBLE, WS_CHILD, WS_POPUP = 0xCF0000, 0x10000000, 0x40000000, 0x80000000
WS_MINIMIZEBOX = 0x20000
SW_MINIMIZE, SW_MAXIMIZE, SW_SHOWMINNOACTIVE = 6, 3, 7
GW_HWNDNEXT, GW_CHILD = 2, 5
HTCAPTION, HTMINBUTTON, HTCLOSE = 2, 8, 20


def wait_until(condition, timeout=10.0, what="condition"):
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(0.05)
    return value


def wstr(text):
    return "s:" + text.encode("utf-16-le").hex()


def unwide(buffer):
    return buffer.decode("utf-16-le").split("\0")[0]


class Probe:
    """A running probe.exe: call("IsWindowVisible", hwnd) -> (result, [buffers as bytes])."""

    def __init__(self):
        self.process = subprocess.Popen(["wine", PROBE], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)

    def send(self, function, *args):
        self.process.stdin.write((" ".join(map(str, [function, *args])) + "\n").encode())
        self.process.stdin.flush()

    def reply(self):
        words = self.process.stdout.readline().decode().split()
        if not words or words[0] == "error":
            raise RuntimeError(f"probe: {' '.join(words) or 'no answer'}")
        # Results are 32-bit on every call the tests make; a 64-bit probe leaves the rest unset.
        result = struct.unpack("<i", struct.pack("<I", int(words[0]) & 0xFFFFFFFF))[0]
        return result, [bytes.fromhex(w) for w in words[2:]]

    def call(self, function, *args):
        self.send(function, *args)
        return self.reply()

    def __call__(self, function, *args):
        return self.call(function, *args)[0]

    def text(self, hwnd):
        """WM_GETTEXT, which controls answer from their own text; a hung window's caption."""
        done, (buffer, _) = self.call("SendMessageTimeoutW", hwnd, 0x0D, 2048, "b:4096", 2, 2000,
                                      "b:8")
        return unwide(buffer if done else self.call("GetWindowTextW", hwnd, "b:4096", 2048)[1][0])

    def cls(self, hwnd):
        return unwide(self.call("GetClassNameW", hwnd, "b:512", 256)[1][0])

    def rect(self, hwnd):
        return struct.unpack("<4i", self.call("GetWindowRect", hwnd, "b:16")[1][0])

    def rect_of_client(self, hwnd):
        """Its left and top on the screen, width and height."""
        return (struct.unpack("<2i", self.call("ClientToScreen", hwnd, "b:8")[1][0]) +
                struct.unpack("<4i", self.call("GetClientRect", hwnd, "b:16")[1][0])[2:])

    def visible(self, hwnd):
        return self("IsWindowVisible", hwnd) != 0

    def children(self, hwnd):
        found, child = [], self("GetWindow", hwnd, GW_CHILD)
        while child:
            found.append(child)
            child = self("GetWindow", child, GW_HWNDNEXT)
        return found

    def windows(self, title=None, cls=None):
        return [h for h in self.children(self("GetDesktopWindow"))
                if (title is None or self.text(h) == title) and (cls is None or self.cls(h) == cls)]

    def window(self, title=None, cls=None, timeout=10):
        return wait_until(lambda: self.windows(title, cls), timeout, f"{title!r} {cls!r}")[0]

    def list_items(self, hwnd):
        return [unwide(self.call("SendMessageW", hwnd, 0x189, i, "b:4096")[1][0])  # LB_GETTEXT
                for i in range(self("SendMessageW", hwnd, 0x18B, 0, 0))]  # LB_GETCOUNT

    def new_window(self, title, x=520, y=40, style=WS_OVERLAPPEDWINDOW | WS_VISIBLE, owner=0,
                   cls="E2EWitness", size=(360, 220)):
        """A window of this probe's process; its messages are handled between calls."""
        return self("CreateWindowExW", 0, wstr(cls), wstr(title), style, x, y, *size, owner, 0,
                    0, 0)


def center(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


class Screen:
    """Real input (xdotool) and pixels (import) on the X display, which is Windows' screen."""

    def xdotool(self, *words):
        subprocess.run(["xdotool", *map(str, words)], check=True, capture_output=True)
        time.sleep(0.05)

    def move(self, x, y):
        self.xdotool("mousemove", int(x), int(y))

    def click(self, x, y, button=1):
        self.move(x, y)
        self.xdotool("mousedown", button)
        self.xdotool("mouseup", button)

    def drag(self, start, end, steps=10, release=True):
        self.move(*start)
        self.xdotool("mousedown", 1)
        for i in range(1, steps + 1):
            self.move(*(a + (b - a) * i / steps for a, b in zip(start, end)))
        if release:
            self.xdotool("mouseup", 1)

    def key(self, *keys):
        self.xdotool("key", "--delay", 40, *keys)

    def grab(self, rect):
        left, top, right, bottom = rect
        raw = subprocess.run(["import", "-window", "root", "-crop",
                              f"{right - left}x{bottom - top}+{left}+{top}", "-depth", "8", "rgb:-"],
                             check=True, capture_output=True).stdout
        width = right - left
        return [[tuple(raw[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
                for y in range(bottom - top)]

    def screenshot(self, name, rect=None):
        path = ARTIFACTS / f"{name}.png"
        path.parent.mkdir(parents=True, exist_ok=True)
        crop = ["-crop", f"{rect[2] - rect[0]}x{rect[3] - rect[1]}+{rect[0]}+{rect[1]}"] \
            if rect else []
        subprocess.run(["import", "-window", "root", *crop, str(path)], check=True)
        return path

    def cursor(self):
        """The X cursor's shape now (XFixes): Wine lets no other process read a cursor's bits."""
        class Image(ctypes.Structure):
            _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                        ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                        ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                        ("serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong))]
        x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
        xfixes = ctypes.CDLL(ctypes.util.find_library("Xfixes"))
        x11.XOpenDisplay.restype = ctypes.c_void_p
        xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(Image)
        xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
        display = x11.XOpenDisplay(os.environ["DISPLAY"].encode())
        c = xfixes.XFixesGetCursorImage(display).contents
        shape = (c.width, c.height, c.xhot, c.yhot,
                 tuple(c.pixels[i] & 0xFFFFFFFF for i in range(c.width * c.height)))
        x11.XCloseDisplay(ctypes.c_void_p(display))
        return shape


class Tray:
    """Wine's explorer paints notification icons onto the taskbar, in cells of the small icon's
    size and a 2-pixel margin from its right end in the order added; no window per icon, so icons
    are counted on screen."""

    def __init__(self, probe, screen):
        self.screen = screen
        self.bar = probe.rect(probe.window(cls="Shell_TrayWnd"))
        self.size = probe("GetSystemMetrics", 49) + 4  # SM_CXSMICON

    def cell(self, k):
        right = self.bar[2] - self.size * k
        top = self.bar[1] + (self.bar[3] - self.bar[1] - self.size) // 2
        return right - self.size, top, right, top + self.size

    def count(self):
        """Icons shown: cells with a drawn middle in a 2-pixel margin of background."""
        pixels = self.screen.grab(self.bar)
        background, n, size = pixels[2][-1], 0, self.size
        while n < 30:
            left, top = self.cell(n)[0] - self.bar[0], self.cell(n)[1] - self.bar[1]
            cell = [(x - left, y - top, pixels[y][x]) for y in range(top, top + size)
                    for x in range(left, left + size)]
            inside = lambda x, y: 2 <= x < size - 2 and 2 <= y < size - 2
            if any(p != background for x, y, p in cell if not inside(x, y)) or \
                    all(p == background for x, y, p in cell if inside(x, y)):
                return n
            n += 1
        return n

    def tooltip(self, k, probe):
        x, y = center(self.cell(k))
        self.screen.move(x - 1, y)
        self.screen.move(x, y)
        tips = lambda: [t for t in (probe.text(h) for h in probe.windows(cls="tooltips_class32")
                                    if probe.visible(h)) if t]
        return wait_until(tips, 5, f"the tooltip of tray icon {k}")[0]

    def sweep(self):
        """Icons of killed programs stay until the pointer passes over them, as on Windows."""
        for k in reversed(range(self.count())):
            self.screen.move(*center(self.cell(k)))
        self.screen.move(512, 300)
        return self.count() == 0


class VelamoTest(unittest.TestCase):
    """A probe, the screen and the tray for each test, and Velamo started (after any left over
    by an earlier test); what a test starts is ended after it."""

    patience = 1  # how many times the usual wait Velamo's answers get
    arguments = ()  # Velamo's command line; None: the test starts Velamo itself

    def setUp(self):
        self.probe = Probe()
        self.screen = Screen()
        self.tray = Tray(self.probe, self.screen)
        self.processes = []
        self.addCleanup(self.end_processes)
        self.addCleanup(self.screenshot_on_failure)
        for stale in self.probe.windows("Velamo", "VelamoForm"):  # left by a failed run
            self.end_process_of(stale)
        wait_until(lambda: not self.probe.windows("Velamo", "VelamoForm"), 10, "no Velamo left")
        wait_until(self.tray.sweep, 10, "no tray icon left")
        if self.arguments is not None:
            self.velamo = self.start_velamo(*self.arguments)

    def start(self, *command):
        process = subprocess.Popen(["wine", *map(str, command)], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def targets(self):
        """A second probe whose windows stand for another program's."""
        probe = Probe()
        self.processes.append(probe.process)
        return probe

    def end_processes(self):
        for process in self.processes + [self.probe.process]:
            process.kill()
            process.communicate()

    def end_process_of(self, hwnd):
        _, (pid,) = self.probe.call("GetWindowThreadProcessId", hwnd, "b:4")
        self.probe("TerminateProcess", self.probe("OpenProcess", 1, 0,
                                                  int.from_bytes(pid, "little")), 1)

    def screenshot_on_failure(self):
        result = self._outcome.result
        if any(test is self for test, _ in result.errors + result.failures):
            print("screenshot:", self.screen.screenshot(re.sub(r"\W+", "_", self.id())))

    def wait(self, condition, what, seconds=5):
        return wait_until(condition, seconds * self.patience, what)

    def start_velamo(self, *arguments):
        process = self.start(EXE, *arguments)
        self.main = self.probe.window("Velamo", "VelamoForm", timeout=30 * self.patience)
        self.wait_shown(self.main)
        return process

    def control(self, cls, text=None):
        found = [h for h in self.probe.children(self.main) if self.probe.cls(h) == cls and
                 (text is None or self.probe.text(h) == text) and self.probe.visible(h)]
        self.assertEqual(len(found), 1, f"one {cls} {text!r}")
        return found[0]

    def center_of(self, hwnd):
        return center(self.probe.rect(hwnd))

    def list_items(self):
        return self.probe.list_items(self.control("ListBox"))

    def crosshair(self):
        return self.center_of(self.control("VelamoPicture"))

    def drop_on(self, point):
        self.screen.drag(self.crosshair(), point)

    def click_button(self, text):
        self.screen.click(*self.center_of(self.control("Button", text)))

    def scroll_arrow(self, up):
        left, top, right, bottom = self.probe.rect(self.control("ScrollBar"))
        return (left + right) // 2, top + 4 if up else bottom - 5

    def interval(self):
        return int(self.probe.text(self.control("Edit")))

    def step_interval(self, steps=1):
        """Real clicks on an arrow of the scroll bar, each handled within a second."""
        for _ in range(abs(steps)):
            before = self.interval()
            self.screen.click(*self.scroll_arrow(steps > 0))
            wait_until(lambda: self.interval() == before + (1 if steps > 0 else -1), 1,
                       "Velamo answering")

    def wait_hidden(self, *windows, shown=False):
        for hwnd in windows:
            self.wait(lambda: self.probe.visible(hwnd) == shown,
                      f"window {hwnd:#x} {'shown' if shown else 'hidden'}")

    def wait_shown(self, *windows):
        self.wait_hidden(*windows, shown=True)

    def wait_listed(self, titles, icons=None):
        self.wait(lambda: self.list_items() == titles, f"the list showing {titles}")
        self.wait_icons(len(titles) if icons is None else icons)

    def wait_icons(self, count):
        self.wait(lambda: self.tray.count() == count, f"{count} tray icons", 10)

    def open_menus(self):
        return [m for m in self.probe.windows(cls="#32768") if self.probe.visible(m)]

    def menu_opens(self, count=1):
        return self.wait(lambda: len(self.open_menus()) == count and self.open_menus(),
                         f"{count} menus open")

    def hide_new_windows(self, *titles):
        """Windows of another process, each hidden in turn by a drop of the crosshair."""
        self.t = self.targets()
        windows = [self.t.new_window(title, 520, 40 + 140 * i, size=(300, 120))
                   for i, title in enumerate(titles)]
        for hwnd in windows:
            self.drop_on(center(self.probe.rect(hwnd)))
            self.wait_hidden(hwnd)
        self.wait_listed(list(titles))
        return windows

    def start_notepad(self, x=500, y=300):
        """Wine's notepad, moved clear of Velamo's window, which it opens over."""
        self.start("notepad")
        notepad = self.probe.window(cls="Notepad", timeout=20)
        self.wait_shown(notepad)
        self.probe("SetWindowPos", notepad, 0, x, y, 400, 300, 0x14)  # keeps z-order, activation
        return notepad

    def click_icon(self, k, button=1):
        self.screen.click(*center(self.tray.cell(k)), button)

    def click_menu_item(self, menu, k):
        """Clicks the k-th item of an open menu: no other process can read a menu, so items are
        found on screen, as bands of rows with dark text between the separators."""
        left, top = self.probe.rect(menu)[:2]
        rows = [any(sum(p) < 200 for p in row) for row in self.screen.grab(self.probe.rect(menu))]
        bands = [[y for y, _ in band] for dark, band in
                 itertools.groupby(enumerate(rows), key=lambda row: row[1]) if dark]
        self.screen.click(left + 30, top + (bands[k][0] + bands[k][-1]) // 2)

    def caption_point(self, hwnd, hit, owner=None):
        """The middle of the part of hwnd's title bar that answers WM_NCHITTEST with `hit`, as
        asked by the probe that owns hwnd, if any."""
        left, top, right, bottom = self.probe.rect(hwnd)
        ask = lambda x, y: (owner or self.probe)("SendMessageW", hwnd, 0x84, 0, y << 16 | x)
        band = [y for y in range(top, top + 50) if ask((left + right) // 2, y) == HTCAPTION]
        y = (band[0] + band[-1]) // 2
        run = [x for x in range(right - 1, right - 150, -1) if ask(x, y) == hit]
        return (run[0] + run[-1]) // 2, y

    def right_click_seen(self, hwnd):
        """The hit-test codes of the last right press and release a target window's frame got."""
        return tuple(self.probe("GetPropW", hwnd, wstr("E2E.Right" + e)) for e in ("Down", "Up"))

    def answer(self, title="Velamo", button=""):
        """The text of one of Velamo's message boxes, closed with the button whose caption holds
        `button`."""
        box = self.wait(lambda: [b for b in self.probe.windows(title, "#32770")
                                 if self.probe.visible(b)], f"the message {title!r}")[0]
        children = [(c, self.probe.cls(c), self.probe.text(c)) for c in self.probe.children(box)]
        self.screen.click(*center(self.probe.rect(next(
            c for c, cls, text in children if cls == "Button" and button in text))))
        self.wait(lambda: box not in self.probe.windows(title, "#32770"), f"{title!r} to close")
        return "".join(text for _, cls, text in children if cls == "Static")

    def answer_quit(self, yes):
        self.assertIn("終了しますか？", self.answer("Velamo - 終了", "Y" if yes else "N"))

    def as_pictured(self, name, rect):
        """Whether the screen shows in `rect`, to the pixel, what docs/`name`.png shows."""
        picture = Path(__file__).resolve().parents[2] / "docs" / f"{name}.png"
        return subprocess.run(["compare", "-metric", "AE", self.screen.screenshot(name, rect),
                               picture, "null:"], capture_output=True, text=True).stderr == "0"

    def settle(self, seconds=0.5):
        time.sleep(seconds)
