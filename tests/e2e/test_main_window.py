#!/usr/bin/env python3
"""The real Velamo.exe as it starts: its main window and its controls."""

import unittest

from harness import VelamoTest

WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_THICKFRAME, WS_SYSMENU = 0x20000, 0x10000, 0x40000, 0x80000

# Every child window of the main window at 96 dpi: class, text, client rectangle, visible.
EXPECTED_CONTROLS = sorted([
    ("ListBox", "", (8, 8, 201, 180), True),
    ("Button", "元に戻す", (128, 184, 201, 209), True),
    ("Button", "直接指定", (208, 8, 449, 65), True),
    ("VelamoPicture", "", (216, 24, 252, 60), True),
    ("Button", "自動指定", (208, 72, 449, 209), True),
    ("Edit", "0", (216, 112, 265, 145), True),
    ("ScrollBar", "", (264, 112, 281, 145), True),
    ("Button", "今チェック", (360, 176, 441, 201), True),
    ("Button", "隠す", (376, 216, 449, 241), True),
    ("VelamoPicture", "", (0, 0, 1, 1), False),
    ("VelamoPicture", "", (0, 0, 1, 1), False),
])
# The labels, drawn on the form: client rectangle and lines of text.
LABELS = [((264, 24, 441, 57), 2), ((216, 88, 441, 121), 2), ((296, 128, 401, 145), 1),
          ((216, 152, 441, 169), 1)]


class MainWindowTest(VelamoTest):
    def test_starts_with_every_control_in_place_and_nothing_hidden(self):
        p = self.probe
        self.assertEqual(p.rect_of_client(self.main)[2:], (454, 245))
        frame = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME
        self.assertEqual(p("GetWindowLongW", self.main, -16) & frame, WS_SYSMENU)  # close box only
        x, y, _, _ = p.rect_of_client(self.main)
        controls = []
        for h in p.children(self.main):
            left, top, right, bottom = p.rect(h)
            controls.append((p.cls(h), p.text(h), (left - x, top - y, right - x, bottom - y),
                             p.visible(h)))
        self.assertEqual(sorted(controls), EXPECTED_CONTROLS)
        shot = self.screen.grab((x, y, x + 454, y + 245))
        for (left, top, right, bottom), lines in LABELS:
            height = (bottom - top) // lines
            for line in range(top, top + lines * height, height):
                band = [q for row in shot[line:line + height] for q in row[left:right]]
                self.assertTrue(any(sum(q) < 200 for q in band), (left, line))  # text
        self.assertEqual(self.list_items(), [])
        self.assertEqual(self.tray.count(), 0)
        # Wine's taskbar buttons carry the window they stand for as their control id.
        buttons = p.children(p.window(cls="Shell_TrayWnd"))
        self.assertIn(self.main, [p("GetWindowLongW", b, -12) for b in buttons if p.visible(b)])
        self.screen.screenshot("main_window", p.rect(self.main))


if __name__ == "__main__":
    unittest.main()
