"""The real Velamo.exe on the test desktop, seen and driven as a user would."""

import os
import time

from harness import DesktopTest, center, wait_until, wstr

EXE = os.environ["VELAMO_EXE"]
HTCAPTION, HTMINBUTTON, HTCLOSE = 2, 8, 20


class VelamoTest(DesktopTest):
    """Starts Velamo (after any left over by an earlier test) and finds its controls."""

    patience = 1  # how many times the usual wait Velamo's answers get

    def setUp(self):
        super().setUp()
        for stale in self.probe.windows("Velamo", "VelamoForm"):  # left by a failed run
            _, (pid,) = self.probe.call("GetWindowThreadProcessId", stale, "b:4")
            process = self.probe("OpenProcess", 1, 0, int.from_bytes(pid, "little"))
            self.probe("TerminateProcess", process, 1)
        wait_until(lambda: not self.probe.windows("Velamo", "VelamoForm"), 10, "no Velamo left")
        wait_until(self.tray.sweep, 10, "no tray icon left")
        self.velamo = self.start_velamo()

    def wait(self, condition, what, seconds=5):
        return wait_until(condition, seconds * self.patience, what)

    def start_velamo(self):
        process = self.start(EXE)
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

    def step_interval(self, up=True):
        """A real click on an arrow of the scroll bar, handled within a second."""
        before = self.interval()
        self.screen.click(*self.scroll_arrow(up))
        wait_until(lambda: self.interval() == before + (1 if up else -1), 1, "Velamo answering")

    def wait_hidden(self, *windows):
        for hwnd in windows:
            self.wait(lambda: not self.probe.visible(hwnd), f"window {hwnd:#x} hidden")

    def wait_shown(self, *windows):
        for hwnd in windows:
            self.wait(lambda: self.probe.visible(hwnd), f"window {hwnd:#x} shown")

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
        """Opens windows of another process and drops the crosshair on each in turn."""
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
        bands, start = [], None
        for y, dark in enumerate(rows + [False]):
            if dark and start is None:
                start = y
            elif not dark and start is not None:
                bands.append((start + y) // 2)
                start = None
        self.screen.click(left + 30, top + bands[k])

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

    def answer_quit(self, yes):
        """Answers the quit question, checking it asks what it should."""
        box = self.wait(lambda: self.probe.windows("Velamo - 終了"), "the quit question")[0]
        self.assertIn("終了しますか？", [self.probe.text(c) for c in self.probe.children(box)])
        (chosen,) = [c for c in self.probe.children(box) if self.probe.cls(c) == "Button" and
                     ("Y" if yes else "N") in self.probe.text(c)]
        self.screen.click(*center(self.probe.rect(chosen)))
        self.wait(lambda: not self.probe.windows("Velamo - 終了"), "the question to close")

    def settle(self, seconds=0.5):
        time.sleep(seconds)
