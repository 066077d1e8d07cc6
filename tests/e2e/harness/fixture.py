"""e2e_targets.exe, the program of target windows, run for a test (see fixtures/main.cpp)."""

import shutil
import tempfile
from pathlib import Path

from .probe import windows_path

WM_LBUTTONDOWN = 0x201
WM_LBUTTONUP = 0x202
WM_LBUTTONDBLCLK = 0x203
WM_RBUTTONDOWN = 0x204
WM_RBUTTONUP = 0x205
WM_MBUTTONUP = 0x208

JAPANESE_TITLE = "E2E & 日本語のタイトル"


class TargetsApp:
    """A running e2e_targets.exe. windows: e.g. ("plain", "dialog", "minimized:Name", "tray:2").

    .process is its WineProcess (events in .process.events), .pid its Windows process id,
    .windows the "window" events (title, hwnd, kind, class, icon_rgb) in the order shown.
    """

    def __init__(self, session, windows, timeout=120, exit_on_close=False):
        if not session.env.targets:
            raise RuntimeError("VELAMO_E2E_TARGETS is not set: build e2e_targets")
        self._quit_dir = Path(tempfile.mkdtemp(prefix="e2e-targets-"))
        self.quit_file = self._quit_dir / "quit"
        args = ["--quit-file", windows_path(self.quit_file), "--timeout", timeout]
        if exit_on_close:
            args.append("--exit-on-close")
        self.process = session.start(session.env.targets, *args, *windows)
        ready = self.process.wait_event("ready", timeout=30)
        self.pid = ready["pid"]
        self.windows = self.process.find_events("window")

    def window_event(self, title=None, kind=None):
        found = [w for w in self.windows
                 if (title is None or w["title"] == title) and (kind is None or w["kind"] == kind)]
        if len(found) != 1:
            raise LookupError(f"{len(found)} windows with title {title!r} kind {kind!r}")
        return found[0]

    def hwnd(self, title=None, kind=None):
        return self.window_event(title, kind)["hwnd"]

    def tray_icons_added(self):
        return self.process.find_events("tray_added")

    def wait_tray_message(self, icon_id, message, since=0, timeout=5.0):
        """Waits for the icon's callback with a mouse message (e.g. WM_LBUTTONUP)."""
        return self.process.wait_event("tray", timeout, since, id=icon_id, message=message)

    def quit(self, timeout=15.0):
        """Asks the program to end (its quit file) and waits for it."""
        if self.process.running:
            self.quit_file.touch()
            try:
                self.process.wait_exit(timeout)
            finally:
                if self.process.running:
                    self.process.kill()
        shutil.rmtree(self._quit_dir, ignore_errors=True)
