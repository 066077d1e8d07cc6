"""Real input through the X server (xdotool, XTEST): Wine sees it as a user's mouse and keys.

Coordinates are Windows screen coordinates; the offset of Wine's desktop window on the X
screen is added (0,0 on the harness's own Xvfb).
"""

import subprocess
import time


class Input:
    def __init__(self, env, origin=(0, 0), settle=0.03):
        self._env = env
        self.origin = origin
        self.settle = settle  # pause after each action so Wine handles it before the next

    def _xdotool(self, *words):
        done = subprocess.run(["xdotool", *[str(w) for w in words]], env=self._env.vars,
                              capture_output=True, timeout=30)
        if done.returncode != 0:
            raise RuntimeError(f"xdotool {' '.join(map(str, words))}: "
                               f"{done.stderr.decode(errors='replace')}")
        return done.stdout.decode()

    def _x(self, x, y):
        return int(x) + self.origin[0], int(y) + self.origin[1]

    # No --sync: it waits ~15 s when the pointer is already there. xdotool's connection ends
    # with a round trip, so the X server has moved the pointer before the next command.
    def move(self, x, y):
        self._xdotool("mousemove", *self._x(x, y))
        time.sleep(self.settle)

    def down(self, button=1):
        self._xdotool("mousedown", button)
        time.sleep(self.settle)

    def up(self, button=1):
        self._xdotool("mouseup", button)
        time.sleep(self.settle)

    def click(self, x, y, button=1):
        self.move(x, y)
        self.down(button)
        self.up(button)

    def double_click(self, x, y, button=1):
        self.move(x, y)
        self._xdotool("click", "--repeat", 2, "--delay", 80, button)
        time.sleep(self.settle)

    def drag(self, start, end, steps=12, step_delay=0.02, button=1):
        """Presses at start, moves to end in steps (so the target sees the moves), releases."""
        (x0, y0), (x1, y1) = start, end
        self.move(x0, y0)
        self.down(button)
        for i in range(1, steps + 1):
            self._xdotool("mousemove",
                          *self._x(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps))
            time.sleep(step_delay)
        time.sleep(self.settle)
        self.up(button)

    def key(self, *combos, delay_ms=30):
        """Presses key combinations in turn, in xdotool's names: key("alt+f"), key("Return")."""
        self._xdotool("key", "--delay", delay_ms, *combos)
        time.sleep(self.settle)

    def type(self, text, delay_ms=20):
        """Types ASCII text key by key."""
        self._xdotool("type", "--delay", delay_ms, text)
        time.sleep(self.settle)

    def pointer(self):
        """The pointer's position in Windows screen coordinates."""
        values = dict(item.split(":") for item in self._xdotool("getmouselocation").split()
                      if ":" in item)
        return int(values["x"]) - self.origin[0], int(values["y"]) - self.origin[1]
