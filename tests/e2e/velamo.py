"""The real Velamo.exe on the test desktop, seen and driven as a user would."""

import os
from pathlib import Path

from harness import child_windows, refresh, wait_until

MAIN_TITLE = "Velamo"
MAIN_CLASS = "VelamoForm"
PICTURE_CLASS = "VelamoPicture"


def velamo_exe():
    return Path(os.environ["VELAMO_EXE"])


class Velamo:
    """A running Velamo: its main window, its controls, and the crosshair to drag."""

    def __init__(self, session, exe=None):
        self.session = session
        clear_stale_tray_icons(session)
        self.exe = Path(exe or velamo_exe())
        self.process = session.start(self.exe, cwd=self.exe.parent)
        self.window = session.wait_for_window(title=MAIN_TITLE, cls=MAIN_CLASS, timeout=30)
        wait_until(lambda: refresh(session.probe, self.window).visible, 10, what="Velamo shown")

    def refreshed(self):
        return refresh(self.session.probe, self.window)

    def controls(self, cls=None, text=None):
        return child_windows(self.session.probe, self.window.hwnd, cls=cls, text=text)

    def control(self, cls=None, text=None):
        found = self.controls(cls, text)
        if len(found) != 1:
            raise LookupError(f"{len(found)} controls of class {cls!r} with text {text!r}")
        return found[0]

    def screen_rect(self, control):
        """A control's rectangle in screen coordinates."""
        r = control.client_rect
        return r.offset(self.refreshed().client.left, self.refreshed().client.top)

    def center_of(self, control):
        return self.screen_rect(control).center

    def crosshair(self):
        return next(c for c in self.controls(cls=PICTURE_CLASS) if c.visible)

    def list_items(self):
        answer = self.session.probe.listbox(self.control(cls="ListBox").hwnd)
        return [item["text"] for item in answer["items"]]

    def interval_text(self):
        return self.control(cls="Edit").title

    def scroll_arrow(self, up):
        """The middle of the scroll bar's up or down arrow."""
        bar = self.screen_rect(self.control(cls="ScrollBar"))
        # A short bar is all arrows: each takes half, so stay near the ends.
        return (bar.left + bar.right) // 2, bar.top + 4 if up else bar.bottom - 5

    def drop_crosshair_on(self, point, steps=12):
        """Presses on the crosshair, drags to point and releases there."""
        self.session.input.drag(self.center_of(self.crosshair()), point, steps=steps)


def clear_stale_tray_icons(session):
    """Icons left by programs of earlier tests that were ended without removing them stay until
    the pointer passes over them once their window is gone, as on Windows: pass over them until
    none is left."""
    def swept():
        count = session.tray_icon_count()
        for k in reversed(range(count)):
            session.input.move(*session.tray_icon_rect(k).center)
        session.input.move(512, 300)
        return session.tray_icon_count() == 0
    wait_until(swept, 10, what="stale tray icons to go")
