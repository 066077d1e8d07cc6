#!/usr/bin/env python3
"""The real Velamo.exe on a display at 150 % (144 dpi): the tray, caption and crosshair show the
images drawn for that size, not others shrunk or stretched."""

import subprocess
import unittest
from pathlib import Path

from harness import VelamoTest, center

RESOURCES = Path(__file__).resolve().parents[2] / "resources"


def image(name, k, size):
    """Image k, drawn for `size` pixels, of one of Velamo's icon files: rows of RGBA."""
    raw = subprocess.run(["convert", f"{RESOURCES / name}[{k}]", "-depth", "8", "rgba:-"],
                         check=True, capture_output=True).stdout
    return [[tuple(raw[(y * size + x) * 4:(y * size + x) * 4 + 4]) for x in range(size)]
            for y in range(size)]


class ScaledTest(VelamoTest):
    def shows(self, picture, area):
        """Whether every opaque pixel of `picture` is on screen, somewhere in `area`."""
        left, top, right, bottom = area
        shot, size = self.screen.grab(area), len(picture)
        return any(all(shot[dy + y][dx + x] == p[:3] for y, row in enumerate(picture)
                       for x, p in enumerate(row) if p[3])
                   for dy in range(bottom - top - size + 1) for dx in range(right - left - size + 1))

    def test_the_tray_caption_and_crosshair_show_their_images_for_150_percent(self):
        self.assertEqual(self.probe("GetSystemMetrics", 49), 24)  # SM_CXSMICON
        window = self.targets().new_window("No icon of its own", 520, 40)
        self.drop_on(center(self.probe.rect(window)))
        self.wait_listed(["No icon of its own"])
        self.click_button("隠す")
        self.wait_icons(2)
        velamo = image("velamo.ico", 2, 24)
        self.assertTrue(self.shows(image("fallback.ico", 2, 24), self.tray.cell(0)))
        self.assertTrue(self.shows(velamo, self.tray.cell(1)))

        self.click_icon(1)
        self.wait_shown(self.main)
        left, top, right, _ = self.probe.rect(self.main)
        self.assertTrue(self.shows(velamo, (left, top, left + 40, top + 40)))
        self.screen.drag(self.crosshair(), (700, 400), release=False)
        crosshair = [p[3] << 24 | p[0] << 16 | p[1] << 8 | p[2] if p[3] else 0
                     for row in image("crosshair.cur", 1, 48) for p in row]
        self.assertEqual(self.screen.cursor(), (48, 48, 23, 23, tuple(crosshair)))


if __name__ == "__main__":
    unittest.main()
