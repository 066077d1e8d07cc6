"""One test's view of the Wine desktop: programs it started, the probe, input, screen, tray."""

import re
import subprocess

from .cursor import cursor_image
from .environment import Environment
from .fixture import TargetsApp
from .probe import Probe
from .processes import WineProcess
from .screen import Screen
from .tray import Tray
from .waiting import wait_until
from .windows import find_windows, wait_for_window, wait_window_gone
from .xinput import Input

DESKTOP_X_NAME = "shell - Wine desktop"
WS_THICKFRAME = 0x00040000


def desktop_window(env):
    """The X window of Wine's desktop: (window id, (x, y) of its top-left on the X screen)."""
    done = subprocess.run(["xwininfo", "-name", DESKTOP_X_NAME], env=env.vars,
                          capture_output=True, timeout=30)
    text = done.stdout.decode(errors="replace")
    found = re.search(r"Window id: (0x[0-9a-f]+)", text)
    x = re.search(r"Absolute upper-left X:\s+(-?\d+)", text)
    y = re.search(r"Absolute upper-left Y:\s+(-?\d+)", text)
    if done.returncode != 0 or not (found and x and y):
        raise RuntimeError(f"no Wine desktop window on {env.display}: is desktop.sh started?")
    return int(found.group(1), 16), (int(x.group(1)), int(y.group(1)))


class Session:
    """Use as a context manager, or call close(): it ends the programs it started.

    session.start(exe, *args) -> WineProcess; session.start_targets(*windows) -> TargetsApp;
    .probe, .input (xinput.Input), .screen (screen.Screen), .tray (tray.Tray).
    """

    def __init__(self, env=None, artifacts_name="session"):
        self.env = env or Environment()
        self.desktop_xid, self.origin = desktop_window(self.env)
        self.probe = Probe(self.env)
        self.input = Input(self.env, self.origin)
        self.screen = Screen(self.env, self.origin)
        self.artifacts = self.env.artifacts / artifacts_name
        self._processes = []
        self._targets = []
        self._tray = None
        self._metrics = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def start(self, exe, *args, cwd=None):
        """Starts a Windows program under Wine; it is ended when the session closes."""
        process = WineProcess(self.env, exe, args, cwd=cwd)
        self._processes.append(process)
        return process

    def start_targets(self, *windows, timeout=120, exit_on_close=False):
        """Starts e2e_targets.exe with the windows named (see fixture.TargetsApp)."""
        app = TargetsApp(self, windows, timeout=timeout, exit_on_close=exit_on_close)
        self._targets.append(app)
        return app

    def focus_desktop(self):
        """Gives the X input focus to Wine's desktop window, so keys reach Wine."""
        subprocess.run(["xdotool", "windowfocus", "--sync", str(self.desktop_xid)],
                       env=self.env.vars, check=True, capture_output=True, timeout=30)

    def find_windows(self, **criteria):
        return find_windows(self.probe, **criteria)

    def wait_for_window(self, timeout=10.0, **criteria):
        return wait_for_window(self.probe, timeout, **criteria)

    def wait_window_gone(self, hwnd, timeout=10.0):
        return wait_window_gone(self.probe, hwnd, timeout)

    def close_button_point(self, window):
        """The middle of a top-level window's caption close button, in screen coordinates."""
        metrics = self.metrics()
        resizable = window.style & WS_THICKFRAME
        frame = metrics["frame_width"] if resizable else metrics["fixed_frame_width"]
        half = metrics["caption_button_width"] // 2
        return (window.rect.right - frame - half - 1,
                window.rect.top + frame + metrics["caption_height"] // 2)

    def metrics(self):
        """Screen and system metrics (probe "metrics"), read once."""
        if self._metrics is None:
            self._metrics = self.probe.metrics()
        return self._metrics

    @property
    def tray(self):
        if self._tray is None:
            self._tray = Tray(self.probe, self.screen)
        return self._tray

    def tray_icon_rect(self, k, count=None):
        """The k-th notification-area icon's cell (0 = first added, at the right end)."""
        return self.tray.icon_rect(k, count)

    def tray_icon_count(self):
        """How many notification-area icons the screen shows."""
        return self.tray.icon_count()

    def tray_icon_tooltip(self, k, timeout=5.0):
        """Hovers over the k-th notification-area icon and returns the tooltip shown."""
        return self.hover_tooltip(self.tray_icon_rect(k).center, timeout)

    def visible_tooltips(self):
        """Tooltip windows on screen now, as Window objects (their text is the tip)."""
        return [w for w in self.find_windows(cls="tooltips_class32", visible=True) if w.title]

    def hover_tooltip(self, point, timeout=5.0):
        """Rests the pointer on point until a tooltip shows; returns the tooltip's Window."""
        x, y = point
        self.input.move(x - 1, y)
        self.input.move(x, y)
        return wait_until(lambda: next(iter(self.visible_tooltips()), None), timeout,
                          what=f"a tooltip at {point}")

    def cursor_image(self):
        """The mouse cursor's shape as shown now (cursor.CursorImage)."""
        return cursor_image(self.env.display)

    def screenshot(self, name, rect=None):
        """Saves a PNG of the screen (or rect) under the artifacts directory; returns its path."""
        return self.screen.screenshot(self.artifacts / f"{name}.png", rect)

    def close(self):
        for app in self._targets:
            app.quit()
        for process in self._processes:
            process.kill()
        self._targets.clear()
        self._processes.clear()
        self.probe.close()
