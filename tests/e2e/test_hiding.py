#!/usr/bin/env python3
"""Hiding with the real Velamo.exe: the crosshair dragged onto other programs' windows, and the
scan of minimized windows, by button and by timer."""

import unittest

from harness import SW_MINIMIZE, WS_CHILD, WS_POPUP, WS_VISIBLE, center, wstr
from velamo import VelamoTest

JAPANESE = "E2E & 日本語のタイトル"


class PickerTest(VelamoTest):
    def test_drops_hide_the_top_level_window_under_the_pointer(self):
        t = self.targets()
        japanese = t.new_window(JAPANESE, 520, 40, size=(360, 150))
        dialog = t.new_window("E2E Dialog", 520, 210, size=(360, 150))
        button = t("CreateWindowExW", 0, wstr("Button"), wstr("OK"), WS_CHILD | WS_VISIBLE, 20, 20,
                   120, 40, dialog, 0, 0, 0)
        owner = t.new_window("E2E Owner", 520, 380, size=(360, 150))
        popup = t.new_window("E2E Popup", 560, 420, owner=owner, size=(200, 80),
                             style=WS_POPUP | WS_VISIBLE | 0xC00000)
        untitled = t.new_window("", 520, 550, size=(360, 150))

        self.drop_on(center(self.probe.rect(button)))
        self.wait_hidden(dialog)
        self.drop_on(center(self.probe.rect(popup)))
        self.wait_hidden(owner)
        self.assertTrue(self.probe.visible(popup))
        self.drop_on(center(self.probe.rect(untitled)))
        self.drop_on(center(self.probe.rect(japanese)))
        self.wait_hidden(untitled, japanese)
        self.wait_listed(["E2E Dialog", "E2E Owner", "", JAPANESE])
        # Each later icon stands left of the earlier ones; its tooltip is the title.
        self.assertEqual(self.tray.tooltip(3, self.probe), JAPANESE)
        self.assertTrue(self.probe.visible(self.main))

    def test_drops_on_velamo_itself_and_a_plain_click_hide_nothing(self):
        plain = self.targets().new_window("E2E Plain")
        for control in (self.control("ListBox"), self.control("Button", "今チェック")):
            self.drop_on(self.center_of(control))
        self.drop_on(self.crosshair())
        self.screen.click(*self.crosshair())
        self.settle()
        self.assertEqual(self.list_items(), [])
        self.assertEqual(self.tray.count(), 0)
        self.assertTrue(self.probe.visible(self.main) and self.probe.visible(plain))

    def test_cursor_is_the_crosshair_during_the_drag(self):
        self.screen.move(*self.center_of(self.control("ListBox")))
        arrow = self.screen.cursor()
        start = self.crosshair()
        self.screen.drag(start, (start[0] + 200, start[1] + 300), release=False)
        during = self.screen.cursor()
        self.screen.move(*self.center_of(self.control("ListBox")))
        self.screen.xdotool("mouseup", 1)
        self.assertEqual(during[:4], (32, 32, 15, 15))
        self.assertNotEqual(during, arrow)
        self.assertEqual(self.list_items(), [])

    def test_drop_on_wines_notepad_hides_it(self):
        self.start("notepad")
        notepad = self.probe.window(cls="Notepad", timeout=20)
        self.wait_shown(notepad, timeout=10)
        left, top, right, bottom = self.probe.rect(notepad)
        # Notepad opens over Velamo: the drop lands on its part right of Velamo.
        self.probe("SetWindowPos", notepad, 0, 500, 300, 400, 300, 0x14)
        self.drop_on(center(self.probe.rect(notepad)))
        self.wait_hidden(notepad)
        self.wait_listed([self.probe.text(notepad)])


class ScanTest(VelamoTest):
    def test_check_now_hides_minimized_windows_after_the_earlier_entries(self):
        t = self.targets()
        plain = t.new_window("E2E Plain")
        minimized = [t.new_window(title) for title in ("最小化A", "Minimized B")]
        for hwnd in minimized:
            t("ShowWindow", hwnd, SW_MINIMIZE)
        normal = t.new_window("Normal C", 520, 300)
        self.drop_on(center(self.probe.rect(plain)))
        self.wait_listed(["E2E Plain"])

        self.click_button("今チェック")
        self.wait_hidden(*minimized)
        self.tray.wait_count(3)
        items = self.list_items()
        self.assertEqual(items[0], "E2E Plain")
        self.assertCountEqual(items[1:], ["最小化A", "Minimized B"])
        self.assertTrue(self.probe.visible(normal) and self.probe.visible(self.main))
        self.click_button("今チェック")
        self.settle()
        self.assertEqual(self.list_items(), items)

    def test_timer_scans_while_the_interval_is_not_zero(self):
        t = self.targets()
        later, afterwards = t.new_window("Later"), t.new_window("Afterwards", 520, 300)
        for _ in range(5):
            self.step_interval()
        t("ShowWindow", later, SW_MINIMIZE)
        self.wait_hidden(later)
        self.wait_listed(["Later"])

        for _ in range(5):
            self.step_interval(up=False)
        t("ShowWindow", afterwards, SW_MINIMIZE)
        self.settle(1.0)  # twenty periods of the interval used before
        self.assertTrue(self.probe.visible(afterwards))
        self.assertEqual(self.list_items(), ["Later"])


if __name__ == "__main__":
    unittest.main()
