"""End-to-end test harness: Windows programs under Wine on a virtual desktop, driven with real
X input and inspected with velamo_probe.exe. Standard library only.

Typical use:
    from harness import E2ETestCase
    class MyTest(E2ETestCase):
        def test_something(self):
            app = self.session.start_targets("plain", "tray:1")
            window = self.session.wait_for_window(title="E2E Plain")
            self.session.input.click(*window.caption_point())
"""

from .cursor import CursorImage, CursorUnavailable, cursor_image
from .environment import Environment
from .fixture import JAPANESE_TITLE, TargetsApp
from .geometry import Rect
from .probe import Probe, ProbeError, windows_path
from .processes import WineProcess, run_wine
from .screen import Image, Screen, crop_png
from .session import Session
from .testcase import E2ETestCase
from .tray import Tray
from .waiting import WaitTimeout, wait_until
from .windows import (Window, child_windows, find_windows, refresh, wait_for_window,
                      wait_window_gone)
from .xinput import Input

__all__ = [
    "CursorImage", "CursorUnavailable", "E2ETestCase", "Environment", "Image", "Input",
    "JAPANESE_TITLE", "Probe", "ProbeError", "Rect", "Screen", "Session", "TargetsApp", "Tray",
    "WaitTimeout", "Window", "WineProcess", "child_windows", "crop_png", "cursor_image",
    "find_windows", "refresh", "run_wine", "wait_for_window", "wait_until", "wait_window_gone",
    "windows_path",
]
