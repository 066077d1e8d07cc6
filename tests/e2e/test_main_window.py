#!/usr/bin/env python3
"""The real Velamo.exe as it starts: its main window, as docs/ pictures it."""

import unittest

from harness import VelamoTest


class MainWindowTest(VelamoTest):
    def test_starts_as_pictured_with_nothing_hidden(self):
        p = self.probe
        # Every control, label, caption, font and frame where it belongs, once painted.
        self.wait(lambda: self.as_pictured("main-window", p.rect(self.main)), "the window pictured")
        self.assertEqual(self.list_items(), [])
        self.assertEqual(self.tray.count(), 0)
        # Wine's taskbar buttons carry the window they stand for as their control id.
        buttons = p.children(p.window(cls="Shell_TrayWnd"))
        self.assertIn(self.main, [p("GetWindowLongW", b, -12) for b in buttons if p.visible(b)])


if __name__ == "__main__":
    unittest.main()
