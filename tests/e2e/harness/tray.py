"""The notification area of Wine's "shell" desktop, as Wine 8's explorer lays it out.

Explorer paints the icons onto its taskbar window (Shell_TrayWnd) itself: each icon sits in a
square cell of (small icon size + 2 * 2) pixels -- 20 x 20 here -- the first icon added in the
cell at the taskbar's right end, each later one a cell further left, vertically centred in the
taskbar. Removing an icon moves the icons added after it one cell to the right. Clicks inside
a cell go to that icon's owner as its callback message. There is no window per icon, and the
icons' tooltip tools have empty rectangles, so icons are counted on screen: a cell holds an
icon when its 2-pixel margin is all background and its middle is not.
"""

from .geometry import Rect
from .waiting import wait_until

ICON_BORDER = 2


class Tray:
    def __init__(self, probe, screen):
        metrics = probe.metrics()
        self.screen = screen
        self.taskbar = probe.taskbar_rect()
        self.cell_width = metrics["small_icon_width"] + 2 * ICON_BORDER
        self.cell_height = metrics["small_icon_height"] + 2 * ICON_BORDER
        self.max_icons = self.taskbar.width // self.cell_width

    def icon_rect(self, k, count=None):
        """The cell of the k-th icon (0 = first added, at the right end) in screen coordinates.

        count, when given, is the number of icons shown now, to check k against.
        """
        if k < 0 or (count is not None and k >= count) or k >= self.max_icons:
            raise IndexError(f"no tray icon {k} (count {count})")
        right = self.taskbar.right - self.cell_width * k
        top = self.taskbar.top + (self.taskbar.height - self.cell_height) // 2
        return Rect(right - self.cell_width, top, right, top + self.cell_height)

    def icon_image_rect(self, k):
        """Where the k-th icon's image is drawn (the cell less its margin)."""
        return self.icon_rect(k).inset(ICON_BORDER)

    def area_rect(self, count):
        """The cells of count icons."""
        if count == 0:
            return Rect(self.taskbar.right, self.taskbar.top, self.taskbar.right,
                        self.taskbar.bottom)
        first, last = self.icon_rect(0), self.icon_rect(count - 1)
        return Rect(last.left, first.top, first.right, first.bottom)

    def icon_count(self, image=None):
        """How many icons the screen shows now (image: a grab of the taskbar, if taken)."""
        image = image or self.screen.grab(self.taskbar)
        background = image.pixel(image.width - 1, self.icon_rect(0).top - self.taskbar.top)
        count = 0
        while count < self.max_icons and self._holds_icon(image, count, background):
            count += 1
        return count

    def _holds_icon(self, image, k, background):
        cell = self.icon_rect(k).offset(-self.taskbar.left, -self.taskbar.top)
        inner = cell.inset(ICON_BORDER)
        marked = False
        for y in range(cell.top, cell.bottom):
            for x in range(cell.left, cell.right):
                is_background = image.pixel(x, y) == background
                if inner.contains(x, y):
                    marked = marked or not is_background
                elif not is_background:
                    return False
        return marked

    def wait_icon_count(self, count, timeout=10.0):
        """Waits until the screen shows count icons."""
        wait_until(lambda: self.icon_count() == count, timeout, what=f"{count} tray icons")
        return count

    def icon_image(self, k):
        """The pixels of the k-th icon's image."""
        return self.screen.grab(self.icon_image_rect(k))
