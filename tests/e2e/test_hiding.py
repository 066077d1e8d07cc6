#!/usr/bin/env python3
"""Hiding with the real Velamo.exe: the crosshair dragged onto other programs' windows, the scan
of minimized windows by button and by timer, the keys, and a right click on a minimize button."""

import time
import unittest

from harness import (HTCAPTION, HTMINBUTTON, SW_MAXIMIZE, SW_MINIMIZE, SW_SHOWMINNOACTIVE,
                     WS_CHILD, WS_MINIMIZEBOX, WS_OVERLAPPEDWINDOW, WS_POPUP, WS_VISIBLE,
                     VelamoTest, center, wstr)

JAPANESE = "E2E & 日本語のタイトル"
CROSSHAIR = (32, 32, 15, 15)  # the X cursor's size and hot spot


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

        self.drop_on(center(self.probe.rect(button)))
        self.wait_hidden(dialog)
        self.drop_on(center(self.probe.rect(popup)))
        self.wait_hidden(owner)
        self.assertTrue(self.probe.visible(popup))
        self.drop_on(center(self.probe.rect(japanese)))
        self.wait_hidden(japanese)
        self.wait_listed(["E2E Dialog", "E2E Owner", JAPANESE])
        # Each later icon stands left of the earlier ones; its tooltip is the title.
        self.assertEqual(self.tray.tooltip(2, self.probe), JAPANESE)

    def test_drops_on_velamo_the_shell_or_after_a_right_click_or_esc_hide_nothing(self):
        (alpha,) = self.hide_new_windows("Alpha")
        taskbar = self.probe.window(cls="Shell_TrayWnd")
        left, top, right, bottom = self.probe.rect(taskbar)
        for point in (self.center_of(self.control("ListBox")), self.crosshair(),
                      self.center_of(self.control("Button", "今チェック")),
                      (right // 2, (top + bottom) // 2), center(self.tray.cell(0)), (900, 300),
                      (1023, 767)):
            self.drop_on(point)
        self.screen.click(*self.crosshair())

        # The pointer is the crosshair during a drag, which a right click or Esc calls off.
        first = self.t.new_window("First", 520, 300)
        self.screen.move(*self.center_of(self.control("ListBox")))
        arrow = self.screen.cursor()
        self.screen.drag(self.crosshair(), center(self.probe.rect(first)), release=False)
        self.assertEqual(self.screen.cursor()[:4], CROSSHAIR)
        self.screen.xdotool("click", 3)
        self.screen.xdotool("mouseup", 1)
        self.screen.drag(self.crosshair(), center(self.probe.rect(first)), release=False)
        self.screen.key("Escape")
        self.assertEqual(self.screen.cursor(), arrow)
        self.screen.xdotool("mouseup", 1)
        self.settle()
        self.assertEqual((self.list_items(), self.tray.count()), (["Alpha"], 1))
        self.assertTrue(all(map(self.probe.visible, (self.main, taskbar, first))))


class ScanTest(VelamoTest):
    def test_check_now_and_the_timer_hide_minimized_windows_after_the_earlier_entries(self):
        t = self.targets()
        plain, normal, later = (t.new_window(title, x, y) for title, x, y in
                                (("E2E Plain", 520, 40), ("Normal C", 520, 300), ("Later", 60, 400)))
        minimized = [t.new_window(title) for title in ("最小化A", "Minimized B")]
        for hwnd in minimized:
            t("ShowWindow", hwnd, SW_MINIMIZE)
        self.drop_on(center(self.probe.rect(plain)))
        self.wait_listed(["E2E Plain"])
        self.click_button("今チェック")
        self.wait_hidden(*minimized)
        self.wait_icons(3)
        items = self.list_items()
        self.assertEqual(items[0], "E2E Plain")
        self.assertCountEqual(items[1:], ["最小化A", "Minimized B"])

        self.step_interval(5)
        t("ShowWindow", later, SW_MINIMIZE)
        self.wait_listed(items + ["Later"])
        for _ in range(3):  # a window that shows itself again goes back under its own entry
            t("ShowWindow", later, SW_SHOWMINNOACTIVE)
            self.wait_hidden(later)
        self.step_interval(-5)
        self.screen.click(*self.scroll_arrow(up=False))  # 0 is the bottom end
        t("ShowWindow", normal, SW_MINIMIZE)
        self.settle(1.0)  # twenty periods of the interval used before
        self.assertEqual(self.interval(), 0)
        self.assertTrue(self.probe.visible(normal))
        self.assertEqual((self.list_items(), self.tray.count()), (items + ["Later"], 4))


class KeysAndButtonTest(VelamoTest):
    def test_keys_hide_the_window_in_front_once_a_press_and_bring_back_the_last(self):
        notepad = self.start_notepad()
        title = self.probe.text(notepad)
        others = [self.targets().new_window("Other", 20, 400)]
        self.probe("ShowWindow", notepad, SW_MAXIMIZE)  # and in front
        # Held for 1.5 s, the chord repeats, but acts once: the next window in front stays.
        self.screen.xdotool("keydown", "ctrl+alt+shift+Down")
        time.sleep(1.5)
        self.screen.xdotool("keyup", "ctrl+alt+shift+Down")
        self.wait_listed([title])
        self.assertTrue(all(map(self.probe.visible, others + [self.main])))
        self.screen.key("ctrl+alt+shift+Up")
        self.wait_shown(notepad)
        self.wait_listed([])
        self.assertTrue(self.probe("IsZoomed", notepad))  # it comes back as it was
        self.probe("ShowWindow", notepad, 9)  # SW_RESTORE

        self.screen.click(960, 660)  # the desktop in front: nothing to hide
        self.screen.key("ctrl+alt+shift+Down")
        self.screen.click(*self.center_of(self.control("ListBox")))
        self.screen.key("alt+h", "a")  # Velamo's About window in front: nothing either
        about = self.probe.window("Velamo - バージョン情報", "VelamoForm")
        self.screen.key("ctrl+alt+shift+Down")
        self.settle()
        self.assertEqual(self.list_items(), [])
        self.assertTrue(all(map(self.probe.visible, (notepad, self.main, about))))
        self.screen.key("Return")  # OK, which has the focus

        self.screen.click(*self.center_of(self.control("ListBox")))  # Velamo's own: as "隠す"
        self.screen.key("ctrl+alt+shift+Down")
        self.wait_hidden(self.main)
        self.assertEqual(self.tray.tooltip(0, self.probe), "Velamo")

    def test_a_right_click_on_a_working_minimize_button_hides_that_window_and_no_other_does(self):
        notepad = self.start_notepad()
        self.screen.click(*self.caption_point(notepad, HTCAPTION), button=3)  # its own menu
        self.menu_opens()
        self.screen.key("Escape")
        self.screen.click(*self.caption_point(notepad, HTMINBUTTON), button=3)
        self.wait_hidden(notepad)
        self.wait_listed([self.probe.text(notepad)])
        self.click_icon(0)
        self.wait_shown(notepad)
        self.assertFalse(self.probe("IsIconic", notepad))

        # No other program sees the click; one that does not say in time what lies under the
        # pointer keeps its click, and so does a greyed button (no minimize box).
        t = self.targets()
        plain, hung = t.new_window("Plain", 520, 40), t.new_window("Hung", 520, 300)
        greyed = t.new_window("Greyed", 60, 300, style=(WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX) |
                              WS_VISIBLE)
        t("SetPropW", hung, wstr("E2E.Slow"), 1)
        self.screen.click(*self.caption_point(plain, HTMINBUTTON), button=3)
        self.wait_hidden(plain)
        for kept in (hung, greyed):
            self.screen.click(*self.caption_point(kept, HTMINBUTTON, owner=t), button=3)
            self.step_interval()  # Velamo still answers
            self.wait(lambda: self.right_click_seen(kept) == (HTMINBUTTON,) * 2, "the click")
            self.assertTrue(self.probe.visible(kept))
        self.assertEqual(self.right_click_seen(plain), (0, 0))
        self.wait_listed([self.probe.text(plain)])


if __name__ == "__main__":
    unittest.main()
