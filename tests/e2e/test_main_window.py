#!/usr/bin/env python3
"""The real Velamo.exe as it starts: its main window, controls, menus, scroll bar and icons."""

import unittest

from harness import E2ETestCase, wait_until
from velamo import PICTURE_CLASS, Velamo

WS_MINIMIZEBOX = 0x00020000
WS_MAXIMIZEBOX = 0x00010000
WS_THICKFRAME = 0x00040000
WS_SYSMENU = 0x00080000

# Every child window of the main window at 96 dpi: class, text, client rectangle, visible.
EXPECTED_CONTROLS = sorted([
    ("ListBox", "", (8, 8, 201, 180), True),
    ("Button", "元に戻す", (128, 184, 201, 209), True),
    ("Button", "直接指定", (208, 8, 449, 65), True),
    (PICTURE_CLASS, "", (216, 24, 252, 60), True),
    ("Static", "このアイコンを目的のウインドウまでドラッグドロップして下さい。", (264, 24, 441, 57), True),
    ("Button", "自動指定", (208, 72, 449, 209), True),
    ("Static", "定期的にウインドウをチェックし、最小化されているウインドウを隠します。",
     (216, 88, 441, 121), True),
    ("Edit", "0", (216, 112, 265, 145), True),
    ("ScrollBar", "", (264, 112, 281, 145), True),
    ("Static", "×0.01秒単位", (296, 128, 401, 145), True),
    ("Static", "※0を指定すると自動指定は働きません。", (216, 152, 441, 169), True),
    ("Button", "今チェック", (360, 176, 441, 201), True),
    ("Button", "隠す", (376, 216, 449, 241), True),
    (PICTURE_CLASS, "", (0, 0, 1, 1), False),
    (PICTURE_CLASS, "", (0, 0, 1, 1), False),
])


def edges(rect):
    return rect.left, rect.top, rect.right, rect.bottom


class MainWindowTest(E2ETestCase):
    def setUp(self):
        super().setUp()
        self.velamo = Velamo(self.session)

    def test_starts_with_every_control_in_place_and_nothing_hidden(self):
        window = self.velamo.refreshed()
        self.assertEqual(window.title, "Velamo")
        self.assertEqual((window.client.width, window.client.height), (454, 245))
        self.assertTrue(window.style & WS_SYSMENU)
        self.assertFalse(window.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME))

        controls = sorted((c.cls, c.title, edges(c.client_rect), c.visible)
                          for c in self.velamo.controls())
        self.assertEqual(controls, EXPECTED_CONTROLS)
        self.assertEqual(self.velamo.list_items(), [])
        self.assertEqual(self.velamo.interval_text(), "0")
        self.assertEqual(self.session.probe.focus()["focus"]["hwnd"],
                         self.velamo.control(cls="ListBox").hwnd)
        self.assertEqual(self.session.tray_icon_count(), 0)

        buttons = [b for b in self.session.probe.taskbar()["children"]
                   if b["target"] == window.hwnd and b["visible"]]
        self.assertEqual([b["text"] for b in buttons], ["Velamo"])
        self.session.screenshot("main_window", window.rect)

    def test_scroll_bar_arrows_set_the_interval_from_zero_up(self):
        self.session.input.click(*self.velamo.scroll_arrow(up=False))
        self.assertEqual(self.velamo.interval_text(), "0")
        self.session.input.click(*self.velamo.scroll_arrow(up=True))
        wait_until(lambda: self.velamo.interval_text() == "1", 5, what="Text1 showing 1")
        self.session.input.click(*self.velamo.scroll_arrow(up=True))
        wait_until(lambda: self.velamo.interval_text() == "2", 5, what="Text1 showing 2")
        self.session.input.click(*self.velamo.scroll_arrow(up=False))
        wait_until(lambda: self.velamo.interval_text() == "1", 5, what="Text1 back at 1")

    def test_menu_bar_has_file_and_help_each_with_one_item(self):
        self.session.focus_desktop()
        self.session.input.click(*self.velamo.refreshed().caption_point())
        client = self.velamo.refreshed().client
        opened = []
        for keys in ("alt+f", "alt+h"):
            self.session.input.key(keys)
            menu = wait_until(lambda: next(iter(self.session.find_windows(cls="#32768",
                                                                           visible=True)), None),
                              5, what=f"the menu of {keys}")
            opened.append(menu.rect)
            self.session.input.key("Escape", "Escape")
            wait_until(lambda: not self.session.find_windows(cls="#32768", visible=True), 5,
                       what="the menu to close")
        file_menu, help_menu = opened
        # Both drop from the menu bar, File at its left end and Help after it.
        for menu in opened:
            self.assertLessEqual(abs(menu.top - client.top), 2)
            self.assertLess(menu.height, 2 * 24)  # room for a single item
        self.assertLessEqual(abs(file_menu.left - client.left), 4)
        self.assertGreater(help_menu.left, file_menu.left + 30)

    def test_executable_carries_the_application_and_fallback_icons(self):
        icons = self.session.probe.icons(self.velamo.exe)
        self.assertEqual(icons["count"], 2)
        application, fallback = icons["extracted"]
        self.assertEqual((application["large"]["width"], application["large"]["height"]), (32, 32))
        self.assertEqual((application["small"]["width"], application["small"]["height"]), (16, 16))
        self.assertEqual((fallback["small"]["width"], fallback["small"]["height"]), (16, 16))
        sizes = [(image["width"], image["height"], image["bpp"])
                 for group in icons["groups"] for image in group["images"]]
        self.assertEqual(sizes, [(16, 16, 4), (32, 32, 4), (48, 48, 8), (16, 16, 4)])


if __name__ == "__main__":
    unittest.main()
