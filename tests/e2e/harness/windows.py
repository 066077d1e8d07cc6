"""Top-level windows as the probe reports them, and waiting for them to appear or go."""

from .geometry import Rect
from .waiting import wait_until

WS_VISIBLE = 0x10000000
WS_POPUP = 0x80000000
WS_CHILD = 0x40000000
WS_EX_TOOLWINDOW = 0x00000080


class Window:
    """One window from the probe: .hwnd, .title, .cls, .pid, .exe, .visible, .iconic, .rect,
    .client (the client area in screen coordinates), .owner, .style, .exstyle; raw in .data."""

    def __init__(self, data):
        self.data = data

    hwnd = property(lambda self: self.data["hwnd"])
    title = property(lambda self: self.data["text"])
    cls = property(lambda self: self.data["class"])
    pid = property(lambda self: self.data["pid"])
    exe = property(lambda self: self.data.get("exe", ""))
    visible = property(lambda self: self.data["visible"])
    enabled = property(lambda self: self.data["enabled"])
    iconic = property(lambda self: self.data["iconic"])
    zoomed = property(lambda self: self.data["zoomed"])
    owner = property(lambda self: self.data["owner"])
    style = property(lambda self: self.data["style"])
    exstyle = property(lambda self: self.data["exstyle"])

    @property
    def rect(self):
        return Rect.from_json(self.data["rect"])

    @property
    def client(self):
        c = self.data["client"]
        return Rect(c["x"], c["y"], c["x"] + c["width"], c["y"] + c["height"])

    @property
    def control_id(self):
        """A child window's control id."""
        return self.data["id"]

    @property
    def client_rect(self):
        """A child window's rectangle in its top-level window's client coordinates."""
        return Rect.from_json(self.data["client_rect"])

    def to_screen(self, x, y):
        """A point of the client area, in screen coordinates."""
        return self.client.left + x, self.client.top + y

    def caption_point(self, from_left=40):
        """A point on the caption bar, clear of the icon and the buttons."""
        return self.rect.left + from_left, (self.rect.top + self.client.top) // 2

    def __repr__(self):
        return f"Window({self.hwnd:#x}, {self.cls!r}, {self.title!r}, visible={self.visible})"


def top_level_windows(probe):
    return [Window(w) for w in probe.toplevel()["windows"]]


def find_windows(probe, title=None, cls=None, pid=None, exe=None, visible=None, owner=None):
    """Top-level windows matching every criterion given (exe matches case-insensitively)."""
    found = []
    for window in top_level_windows(probe):
        if title is not None and window.title != title:
            continue
        if cls is not None and window.cls != cls:
            continue
        if pid is not None and window.pid != pid:
            continue
        if exe is not None and window.exe.lower() != exe.lower():
            continue
        if visible is not None and window.visible != visible:
            continue
        if owner is not None and window.owner != owner:
            continue
        found.append(window)
    return found


def wait_for_window(probe, timeout=10.0, **criteria):
    """Waits until exactly one top-level window matches criteria (see find_windows)."""
    def one():
        found = find_windows(probe, **criteria)
        return found[0] if len(found) == 1 else None
    return wait_until(one, timeout, what=f"one window with {criteria}")


def wait_window_gone(probe, hwnd, timeout=10.0):
    """Waits until hwnd is no longer a window."""
    return wait_until(lambda: all(w.hwnd != hwnd for w in top_level_windows(probe)), timeout,
                      what=f"window {hwnd:#x} to go")


def child_windows(probe, hwnd, cls=None, text=None):
    """All descendants of hwnd, depth first (probe "children"), optionally filtered."""
    return [Window(c) for c in probe.children(hwnd)
            if (cls is None or c["class"] == cls) and (text is None or c["text"] == text)]


def refresh(probe, window):
    """The window's current state."""
    return Window(probe.window(window.hwnd))
